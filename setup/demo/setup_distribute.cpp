// setup_distribute PROGRAM
// Runs the file distribution as an installer would: starts the setup
// program, presses "System Setup", takes the interface definition that the
// dialog offers with OK, prints the log window's caption and text, then
// closes the log and the program. Boxes are answered with their first button.
#include <cstdio>
#include <string>

#include "program_watch.h"

namespace {

// Presses a button as a click does: its parent is told of the click.
void Press(HWND button)
{
    PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: setup_distribute PROGRAM\n");
        return 2;
    }
    WatchOptions options;
    options.commandLine = "\"" + std::string(argv[1]) + "\"";
    options.mainCaption = "Zenta Pellisto Rilo Setup V.";
    HWND main = nullptr;
    std::string interfaceCaption, logCaption, log;
    options.onMainWindow = [&](HWND window) {
        main = window;
        Press(FindChildWindow(window, "Button", "System Setup"));
    };
    options.onWindow = [&](HWND window, const std::string& caption) {
        HWND ok = FindChildWindow(window, "Button", "OK");
        if (!ok || caption.rfind("System Setup", 0) != 0)
            return false;
        if (caption.rfind("System Setup - ", 0) == 0) {
            interfaceCaption = caption;
        } else {
            logCaption = caption;
            log = TextOf(FindChildWindow(window, "RichEdit20A"));
            // After the log, the program is closed by its frame.
            Press(ok);
            PostMessageA(main, WM_CLOSE, 0, 0);
            return true;
        }
        Press(ok);
        return true;
    };
    const WatchResult result = WatchProgram(options);
    for (const WatchedBox& box : result.boxes)
        std::printf("box \"%s\": %s\n", box.caption.c_str(), box.text.c_str());
    std::printf("interface dialog: %s\n", interfaceCaption.c_str());
    std::printf("log window: %s\n", logCaption.c_str());
    for (char c : log)
        if (c != '\r')
            std::putchar(c);
    std::printf("\n");
    if (!result.ended) {
        std::fprintf(stderr, "setup_distribute: the program did not end in time\n");
        return 1;
    }
    return logCaption == "System Setup" ? 0 : 1;
}
