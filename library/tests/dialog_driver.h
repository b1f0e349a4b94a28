// Drives the library's modal dialogs from inside their own modal loop: a
// thread timer started before the export call runs one step per tick on the
// dialog that is up at that moment. No sleeps: the steps run as soon as the
// dialog's thread is idle.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

class DialogDriver {
public:
    using Step = std::function<void(HWND dialog)>;

    // Steps run in order, one per tick, each on the dialog shown then.
    explicit DialogDriver(std::vector<Step> steps);
    ~DialogDriver();

    int StepsRun() const { return m_next; }
    // The dialogs seen, in order of appearance.
    const std::vector<HWND>& Dialogs() const { return m_dialogs; }

private:
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD);
    void Tick();

    std::vector<Step> m_steps;
    std::vector<HWND> m_dialogs;
    int m_next = 0;
    UINT_PTR m_timer = 0;
    int m_idleTicks = 0;
};

// The visible dialog window of this thread, or null.
HWND CurrentDialog();

// Screen rectangle of a dialog's control, in the dialog's client coordinates.
RECT ControlRect(HWND dialog, int id);
std::wstring WindowTextOf(HWND window);
bool IsShown(HWND dialog, int id);

// A click on a button as the push button reports it.
void Click(HWND dialog, int id);
// A real tap (pointer down and up) at a point of the dialog's client area.
void Tap(HWND dialog, POINT point);
// Paints everything that is pending, now.
void PaintNow(HWND window);
// The colour of a pixel of a window's client area, as painted.
COLORREF PixelOf(HWND window, int x, int y);

// Whether a bitmap of the module shows unchanged with its top-left corner
// at (x, y) of the window's client area.
bool ShowsBitmapAt(HWND window, HMODULE module, int id, int x, int y);
// The size of a bitmap of the module (0 x 0 when there is none).
SIZE BitmapSize(HMODULE module, int id);

// List view helpers.
int ItemCount(HWND list);
int SelectedItem(HWND list);
std::wstring ItemText(HWND list, int item);

// Saves the dialog as a BMP under the build folder's screenshot directory.
void SaveScreenshot(HWND window, const std::string& name);

inline bool operator==(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
#include <ostream>
inline std::ostream& operator<<(std::ostream& os, const RECT& r)
{
    return os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
