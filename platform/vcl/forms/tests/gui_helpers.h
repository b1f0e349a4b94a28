// Helpers of the GUI tests: window geometry, pixels, screenshots, and a CBT
// hook that answers the boxes a test provokes from inside their own loop.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

// The rectangle of a child window in its parent's client coordinates.
RECT ChildRect(HWND child);
std::string WindowText(HWND hwnd);
// A child window of the given class and text, searched at every depth.
HWND FindChild(HWND parent, const char* className, const std::string& text);
// A pixel of a window's client area, read from the screen.
COLORREF ClientPixel(HWND hwnd, int x, int y);
// Saves the window as BMP under the build folder's screenshots/; returns the path.
std::string SaveScreenshot(HWND hwnd, const std::string& name);
// Handles every waiting message of the thread.
void Pump();

// The user goes to another program and comes back to the window: a window
// of another thread takes the foreground, as another program's does for the
// window system; whileAway runs meanwhile, then backTo is made the
// foreground window again. False when the foreground did not move.
bool VisitAnotherProgram(HWND backTo, const std::function<void()>& whileAway = {});

// While alive, calls onActivate for each top-level window about to be
// activated; what it posts runs in that window's own modal loop.
class ActivationHook {
public:
    explicit ActivationHook(std::function<void(HWND)> onActivate);
    ~ActivationHook();
    ActivationHook(const ActivationHook&) = delete;
    ActivationHook& operator=(const ActivationHook&) = delete;

private:
    static LRESULT CALLBACK Proc(int code, WPARAM wp, LPARAM lp);
    HHOOK hook_;
};
