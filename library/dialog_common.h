// What the three dialogs do alike: cover the screen, set up the one-column
// list with its coloured heading, dress the touch buttons, and end for a
// rebuild when the screen changes.
#pragma once

#include "dialog_layout.h"
#include "my_button.h"
#include "my_static.h"

#include <afxwin.h>

// End code with which a dialog asks its export to build it again.
constexpr int RESULT_REBUILD = -999;
// Flag of WM_SETTINGCHANGE sent after the screen was rotated or resized.
constexpr UINT kSettingChangeReset = 0x3002;

// Full screen, on top of every other window.
void CoverScreen(CWnd& dialog);

// R and B, the right and bottom edges of the window rectangle.
void DialogEdges(const CWnd& dialog, int& R, int& B);

// A zero-filled LOGFONT with height 18, weight 400 and the face.
void CreateListFont(CFont& font, const CString& face);

void Place(CWnd& control, const LayoutRect& rect, BOOL repaint = FALSE);

// One column 450 pixels wider than the list's client area, full-row
// selection, and the heading painted black on yellow.
void SetUpListColumn(CListCtrl& list, CMyHeaderCtrl& header, const CString& heading);

// Inserts each line as a row, literally (no formatting of the text).
void InsertRows(CListCtrl& list, const CStringArray& rows);

// Sends the list key presses and gives it the focus back.
void PressKeys(CListCtrl& list, UINT key, int count);

struct ButtonLook {
    int bitmap;
    const wchar_t* caption;  // null: no caption, no font
    COLORREF captionColor;   // used when setColor
    bool setColor;
    int bitmapYOffset;        // -8 raises the picture above the centre
    int textYOffset;          // 20 lowers the caption below it
};

// Rounded, grey, centred picture; with a caption: "Arial" 18 bold, centred.
void DressButton(CMyButton& button, const ButtonLook& look);
