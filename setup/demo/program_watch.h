// Runs a program and watches its top-level windows from the outside, as an
// installer sitting in front of it would: message boxes are read and
// answered, and the program's main window can be acted on once it shows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct WatchedBox {
    std::string caption;
    std::string text;
    std::vector<std::string> buttons;
};

struct WatchResult {
    bool started = false;
    bool ended = false;  // false: killed after the time limit
    DWORD exitCode = 0;
    std::vector<WatchedBox> boxes;
};

struct WatchOptions {
    std::string commandLine;
    // Buttons pressed on the boxes, one after the other; the first button of
    // a box when the list is used up.
    std::vector<std::string> answers;
    // A window whose caption begins with this is the main window.
    std::string mainCaption;
    // Called once when the main window is visible and has been painted.
    std::function<void(HWND)> onMainWindow;
    // Called for each other visible window of the program (not a box) with
    // its caption until it returns true for that window.
    std::function<bool(HWND window, const std::string& caption)> onWindow;
    int timeoutMs = 60000;
};

WatchResult WatchProgram(const WatchOptions& options);

// The window's text and class name.
std::string TextOf(HWND window);
std::string ClassOf(HWND window);
// The first child window of that class (and text, when given), at any depth.
HWND FindChildWindow(HWND parent, const std::string& className, const std::string& text = "");

// Saves what the screen shows of the window as a 24-bit BMP; false on failure.
bool SaveWindowPicture(HWND window, const std::string& path);
