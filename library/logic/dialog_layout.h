// Where the dialogs put their controls, from the right and bottom edges R
// and B of the full-screen dialog. Integer arithmetic; fractional factors in
// double precision, truncated. No platform header.
#pragma once

struct LayoutRect {
    int left, top, right, bottom;
    bool operator==(const LayoutRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

struct DisplayLayout {
    LayoutRect title;
    LayoutRect list;
    LayoutRect pageDown, exit, back, print, pageUp; // left to right
};
DisplayLayout LayOutDisplay(int R, int B);

struct ListInputLayout {
    LayoutRect title;
    LayoutRect list;
    LayoutRect arrows[6]; // line down, page down, end, line up, page up, home
    LayoutRect ok, abort;
};
ListInputLayout LayOutListInput(int R, int B);

struct GuestLayout {
    LayoutRect title;
    LayoutRect list;
    LayoutRect icon;
    LayoutRect messageIndicator, locatorIndicator;
    LayoutRect functions[6]; // row 1: 1015, 1016, 1017; row 2: 1018, 1019, 1020
    LayoutRect exit;
};
GuestLayout LayOutGuest(int R, int B);

// CE 3.0: the screen class, decided once per dialog from the screen size.
struct Ce30Screen {
    bool large;        // width 480 or more and height 640 or more
    int g;             // 1 small, 2 large
    int taskBarHeight; // when no task-bar window says otherwise
};
Ce30Screen Ce30ScreenFor(int screenWidth, int screenHeight);

// CE 3.0 guest dialog: H is the height of the window rectangle after the
// dialog rose over the task bar, B its bottom.
GuestLayout LayOutGuestCe30(int R, int B, int H, const Ce30Screen& screen);
