#include "command_line.h"

#include <windows.h>

namespace {

AnsiString& TestCommandLine()
{
    static AnsiString line;
    return line;
}

std::vector<AnsiString> Pieces()
{
    return SplitCommandLine(TestCommandLine().empty() ? AnsiString(GetCommandLineA()) : TestCommandLine());
}

}  // namespace

void SetCommandLineForTesting(const AnsiString& commandLine) { TestCommandLine() = commandLine; }

int ParamCount()
{
    const auto pieces = Pieces();
    return pieces.empty() ? 0 : static_cast<int>(pieces.size()) - 1;
}

AnsiString ParamStr(int index)
{
    if (index == 0) {
        char path[MAX_PATH + 1] = "";
        const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
        return length < MAX_PATH ? AnsiString(path, length) : AnsiString();
    }
    const auto pieces = Pieces();
    return index > 0 && index < static_cast<int>(pieces.size()) ? pieces[static_cast<size_t>(index)] : AnsiString();
}
