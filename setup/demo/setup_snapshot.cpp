// setup_snapshot PICTURE PROGRAM [ARGUMENTS...]
// Starts the setup program, saves a picture of its main window once it has
// shown and painted itself, then closes the window by its frame (which asks
// nothing and saves nothing). Boxes the program shows are answered with
// their first button and listed.
#include <cstdio>
#include <string>

#include "program_watch.h"

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: setup_snapshot PICTURE PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    WatchOptions options;
    for (int i = 2; i < argc; ++i)
        options.commandLine += (i > 2 ? " \"" : "\"") + std::string(argv[i]) + "\"";
    options.mainCaption = "Zenta Pellisto Rilo Setup V.";
    bool saved = false;
    const std::string picture = argv[1];
    options.onMainWindow = [&](HWND window) {
        saved = SaveWindowPicture(window, picture);
        PostMessageA(window, WM_CLOSE, 0, 0);
    };
    const WatchResult result = WatchProgram(options);
    for (const WatchedBox& box : result.boxes)
        std::printf("box \"%s\": %s\n", box.caption.c_str(), box.text.c_str());
    if (!result.started) {
        std::fprintf(stderr, "setup_snapshot: cannot start %s\n", argv[2]);
        return 1;
    }
    if (!result.ended) {
        std::fprintf(stderr, "setup_snapshot: the program did not end in time\n");
        return 1;
    }
    if (!saved) {
        std::fprintf(stderr, "setup_snapshot: the main window did not show\n");
        return 1;
    }
    return 0;
}
