#include "command_line.h"

std::vector<AnsiString> SplitCommandLine(const AnsiString& commandLine)
{
    std::vector<AnsiString> pieces;
    size_t i = 0;
    for (;;) {
        while (i < commandLine.size() && static_cast<unsigned char>(commandLine[i]) <= ' ')
            ++i;
        if (i >= commandLine.size())
            return pieces;
        AnsiString piece;
        bool quoted = false;
        for (; i < commandLine.size() && (quoted || static_cast<unsigned char>(commandLine[i]) > ' '); ++i) {
            if (commandLine[i] == '"')
                quoted = !quoted;
            else
                piece += commandLine[i];
        }
        pieces.push_back(piece);
    }
}
