// What the three dialogs do alike: cover the screen, set up the one-column
// list with its coloured heading, dress the touch buttons, and end for a
// rebuild when the screen changes.
#pragma once

#include "dialog_layout.h"
#include "dialog_looks.h"
#include "my_button.h"
#include "my_static.h"

#include <afxwin.h>

// End code with which a dialog asks its export to build it again.
constexpr int RESULT_REBUILD = -999;
// Flag of WM_SETTINGCHANGE sent after the screen was rotated or resized.
constexpr UINT kSettingChangeReset = 0x3002;

// R and B, the right and bottom edges of the window rectangle.
void DialogEdges(const CWnd& dialog, int& R, int& B);

// A zero-filled LOGFONT with the height, weight 400 and the face.
void CreateListFont(CFont& font, const CString& face, int height);
// A list font of the looks; a look without a face takes the registry value
// rilo_fontname, else the locale's face.
void CreateListFont(CFont& font, const ListFontLook& look);

// A text of the looks tables.
inline const wchar_t* Wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

// The dialog is on the screen from its placement on, but nothing of it
// repaints while its controls are built (each change would be painted on
// its own); PaintWhole then paints it once, as it stands at the end.
void HoldPainting(CWnd& dialog);
void PaintWhole(CWnd& dialog);

void Place(CWnd& control, const LayoutRect& rect, BOOL repaint = FALSE);

// One column wider than the list's client area by extra, full-row
// selection, and the heading painted black on yellow.
void SetUpListColumn(CListCtrl& list, CMyHeaderCtrl& header, const CString& heading, int extra = 450);

// Inserts each line as a row, literally (no formatting of the text).
void InsertRows(CListCtrl& list, const CStringArray& rows);

// A tap below the last row leaves nothing selected: the last row is chosen.
void SelectLastWhenNoneIs(CListCtrl& list, LRESULT* result);

// Sends the list key presses and gives it the focus back.
void PressKeys(CListCtrl& list, UINT key, int count);

// Grey, rounded where the build's button can be, the picture centred
// across; a caption centred in "Arial" bold of the look's height.
void DressButton(CMyButton& button, const ButtonLook& look);
