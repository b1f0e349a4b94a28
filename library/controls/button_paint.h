// The picture and the caption of a touch button, shared by the button
// classes of the builds.
#pragma once

#include <afxwin.h>

struct ButtonPicture {
    int bitmapId;
    int hAlign, vAlign; // 0 near, 1 centre, 2 far
    int bevel;
    int xOffset, yOffset;
};

// Copies the picture from the library's resources onto the face; nothing
// when there is no such bitmap.
void PaintButtonPicture(CDC& dc, const CRect& client, const ButtonPicture& picture);

struct ButtonCaption {
    const CString& text;
    COLORREF color;
    CFont& font; // the context's font when it has no handle
    int hAlign, vAlign;
    int bevel;
    int yOffset;
};

// Word-wrapped in measure (the face inside its rings), the block placed by
// the vertical alignment and moved by the offset.
void PaintButtonCaption(CDC& dc, const CRect& client, const CRect& measure, const ButtonCaption& caption);

// The caption font: bold when bold is 1, the ANSI character set.
void CreateButtonFont(CFont& font, const CString& faceName, int height, BYTE bold, BYTE italic, BYTE underline);

// The face of the bevelled buttons: the background, then as many rings
// inward as the bevel width, light top-left when released, dark when held.
void PaintBevelledFace(CDC& dc, const CRect& client, COLORREF face, int bevel, bool pressed);
