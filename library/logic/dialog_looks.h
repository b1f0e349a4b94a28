// How each build dresses the buttons, titles and lists of its three device
// dialogs: pictures, captions, colours, fonts and offsets. Per build, and on
// CE 3.0 per screen size. No platform header.
#pragma once

#include <cstdint>

enum class Build { EmbeddedCompact7, Ce5, Ce30, Win32 };

struct ButtonLook {
    int bitmap;
    const char16_t* caption; // null: no caption, no font
    bool setColor;           // false: the caption stays black
    uint32_t captionColor;   // 0x00BBGGRR
    int fontHeight;          // "Arial" bold
    int bitmapVAlign;        // 1 centred, 0 top
    int bitmapYOffset;
    int textYOffset;
};

struct ListFontLook {
    const char16_t* face; // null: the registry value or the locale's face
    int height;
};

struct DisplayLooks {
    ButtonLook pageDown, exit, back, print, pageUp;
    int titleFontHeight;
    ListFontLook list;
};
DisplayLooks DisplayLooksFor(Build build, bool largeScreen);

struct ListInputLooks {
    ButtonLook arrows[6]; // line down, page down, end, line up, page up, home
    ButtonLook ok, abort;
    int titleFontHeight;
    ListFontLook list;
};
ListInputLooks ListInputLooksFor(Build build, bool largeScreen);

struct GuestLooks {
    ButtonLook functions[6]; // Reservation Details .. Enter Locator
    ButtonLook exit;
    int titleFontHeight;
    int indicatorFontHeight;
    ListFontLook list;
    int columnExtra; // the column is this much wider than the list
};
GuestLooks GuestLooksFor(Build build, bool largeScreen);
