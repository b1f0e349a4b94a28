#include "win32_layout.h"

Win32Sizes Win32SizesFor(const HostGeometry& host, int screenWidth, int screenHeight)
{
    if (host.found())
        return {host.clientWidth, host.clientHeight, host.clientWidth, host.clientHeight};
    return {screenWidth - 40, screenHeight - 40, screenWidth, screenHeight};
}

Win32DisplayLayout LayOutDisplayWin32(int W, int H)
{
    Win32DisplayLayout l;
    const int u = W / 28, top = H - 90, bottom = H - 40;
    l.list = {0, 0, W, H - 95};
    l.exit = {5 * u, top, 10 * u, bottom};
    l.back = {11 * u, top, 16 * u, bottom};
    l.print = {17 * u, top, 23 * u, bottom};
    l.pageDown = {5, top, 85, bottom};
    l.pageUp = {W - 85, top, W - 5, bottom};
    return l;
}

Win32ListLayout LayOutListWin32(int W, int H)
{
    Win32ListLayout l;
    const int u = W / 10, top = H - 90, bottom = H - 40;
    l.title = {0, 0, W, 30};
    l.list = {0, 35, W, H - 95};
    // Columns in units of u: line down, page down, end, then OK and Abort two
    // wide, then line up, page up and home (which keeps 5 from the edge).
    l.arrows[0] = {2, top, u - 2, bottom};
    l.arrows[1] = {u + 2, top, 2 * u - 2, bottom};
    l.arrows[2] = {2 * u + 2, top, 3 * u - 2, bottom};
    l.ok = {3 * u + 2, top, 5 * u - 2, bottom};
    l.abort = {5 * u + 2, top, 7 * u - 2, bottom};
    l.arrows[3] = {7 * u + 2, top, 8 * u - 2, bottom};
    l.arrows[4] = {8 * u + 2, top, 9 * u - 2, bottom};
    l.arrows[5] = {9 * u + 2, top, 10 * u - 5, bottom};
    return l;
}

Win32GuestLayout LayOutGuestWin32(int W, int H, int Hr)
{
    Win32GuestLayout l;
    const int q = W / 4;
    const bool compact = Hr < kWin32Threshold;
    l.title = {0, 0, W, 30};
    l.line1 = {0, 35, W, 65};
    l.line2 = {0, 70, W, 105};
    l.icon = {50, 120, 66, 136};
    l.messageIndicator = {70, 118, 270, 138};
    l.locatorIndicator = {2 * q + 10, 118, 2 * q + 210, 138};
    const int row1Bottom = compact ? 240 : 270;
    const int row2Top = compact ? 250 : 280, row2Bottom = compact ? 320 : 380;
    for (int column = 0; column < 4; ++column)
        l.functions[column] = {column * q + 10, 170, (column + 1) * q - 10, row1Bottom};
    l.functions[4] = {2 * q + 10, row2Top, 3 * q - 10, row2Bottom};
    l.functions[5] = {3 * q + 10, row2Top, 4 * q - 10, row2Bottom};
    l.exit = {10, compact ? H - 100 : H - 130, W - 10, H - 30};
    return l;
}
