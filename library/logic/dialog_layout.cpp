#include "dialog_layout.h"

namespace {

// The integer part of value x factor, in double precision.
int Truncated(int value, double factor) { return static_cast<int>(static_cast<double>(value) * factor); }

} // namespace

DisplayLayout LayOutDisplay(int R, int B)
{
    DisplayLayout l;
    l.title = {0, 0, R, 18};
    const int L = Truncated(B - 20, 0.9);
    l.list = {0, 20, R, L};
    const int top = L + 2;
    const int u = R / 8;
    l.pageDown = {2, top, u - 2, B};
    l.exit = {u + 2, top, 3 * u - 2, B};
    l.back = {3 * u + 2, top, 5 * u - 2, B};
    l.print = {5 * u + 2, top, 7 * u - 2, B};
    l.pageUp = {7 * u + 2, top, 8 * u - 2, B};
    return l;
}

ListInputLayout LayOutListInput(int R, int B)
{
    ListInputLayout l;
    l.title = {0, 0, R, 18};
    const int L = Truncated(B - 20, 0.8);
    l.list = {0, 20, R, L};
    const int t1 = L + 2;
    const int b1 = L + (B - t1) / 2 - 2;
    const int u = R / 6;
    for (int k = 0; k < 6; ++k)
        l.arrows[k] = {k * u + 2, t1, (k + 1) * u - 2, b1};
    l.ok = {2, b1 + 2, R / 2 - 5, B - 5};
    l.abort = {R / 2 + 5, b1 + 2, R - 2, B - 5};
    return l;
}

GuestLayout LayOutGuest(int R, int B)
{
    GuestLayout l;
    l.title = {0, 0, R, 25};
    l.list = {0, 30, R, 95};
    l.icon = {10, 105, 26, 120};
    l.messageIndicator = {30, 105, 220, 125};
    l.locatorIndicator = {30, 125, 220, 145};
    const int u = R / 3;
    const int hb = Truncated(B - 170, 0.25);
    const int rowTop[2] = {170, 175 + hb};
    const int rowBottom[2] = {170 + hb, 175 + 2 * hb};
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 3; ++column)
            l.functions[row * 3 + column] = {column * u + 2, rowTop[row], (column + 1) * u - 2, rowBottom[row]};
    l.exit = {2, B - hb - 5, R - 2, B - 5};
    return l;
}

Ce30Screen Ce30ScreenFor(int screenWidth, int screenHeight)
{
    const bool small = screenWidth < 480 || screenHeight < 640;
    return small ? Ce30Screen{false, 1, 26} : Ce30Screen{true, 2, 52};
}

GuestLayout LayOutGuestCe30(int R, int B, int H, const Ce30Screen& screen)
{
    GuestLayout l;
    const int g = screen.g;
    const int L = screen.large ? 124 : 85;
    const int x0 = screen.large ? 60 : 30;
    l.title = {0, 0, R, 25};
    l.list = {0, 30, R, L};
    l.icon = {10, L + 5, 26 * g, L + 5 + 25 * g};
    l.messageIndicator = {x0, L + 5 - 5 * g, 200 * g, L + 5 + 20 * g};
    l.locatorIndicator = {x0, L + 5 + 20 * g, 200 * g, L + 5 + 45 * g};
    const int t1 = Truncated(H, 0.5);
    const int hb = Truncated(B - t1, 0.33);
    const int u = R / 3;
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 3; ++column)
            l.functions[row * 3 + column] = {column * u + 2, t1 + row * hb, (column + 1) * u - 2,
                                             t1 + (row + 1) * hb};
    l.exit = {2, t1 + 2 * hb, R - 2, t1 + 3 * hb};
    return l;
}
