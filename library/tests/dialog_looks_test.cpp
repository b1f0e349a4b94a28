// What each build puts on its buttons, titles and lists, button by button,
// against the tables of the builds.
#include "dialog_looks.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr uint32_t kRed = 0x0000FF, kBlue = 0xFF0000, kDarkGreen = 0x007F00;

struct Expected {
    int bitmap;
    const char16_t* caption;
    bool setColor;
    uint32_t color;
    int font, vAlign, bitmapOffset, textOffset;
};

std::string Describe(const ButtonLook& l)
{
    std::u16string caption = l.caption ? l.caption : u"(none)";
    return std::to_string(l.bitmap) + " '" + std::string(caption.begin(), caption.end()) + "' colour " +
           (l.setColor ? std::to_string(l.captionColor) : "none") + " font " + std::to_string(l.fontHeight) +
           " valign " + std::to_string(l.bitmapVAlign) + " offsets " + std::to_string(l.bitmapYOffset) + "/" +
           std::to_string(l.textYOffset);
}

std::string Describe(const Expected& e)
{
    return Describe(ButtonLook{e.bitmap, e.caption, e.setColor, e.color, e.font, e.vAlign, e.bitmapOffset,
                               e.textOffset});
}

void ExpectLook(const Expected& e, const ButtonLook& actual, const char* which)
{
    // A look without caption has no font: compare the font only with one.
    ButtonLook normalised = actual;
    if (!actual.caption)
        normalised.fontHeight = e.font;
    EXPECT_EQ(Describe(e), Describe(normalised)) << which;
}

// Display dialog: page down, Exit, Back, Print, page up.
struct DisplayCase {
    Build build;
    bool large;
    Expected buttons[5];
    int title;
    const char16_t* face;
    int listHeight;
} const kDisplay[] = {
    {Build::EmbeddedCompact7, true,
     {{182, nullptr, false, 0, 0, 1, -8, 0}, {178, u"Exit", true, kRed, 18, 1, -8, 20},
      {179, u"Back", true, kBlue, 18, 1, -8, 20}, {180, u"Print", false, 0, 18, 1, -8, 20},
      {187, nullptr, false, 0, 0, 1, -8, 0}},
     16, u"Courier New", 18},
    {Build::Ce5, true,
     {{198, nullptr, false, 0, 0, 1, -12, 0}, {195, u"Exit", true, kRed, 12, 1, -12, 6},
      {196, u"Back", true, kBlue, 12, 1, -12, 6}, {197, u"Print", false, 0, 12, 1, -12, 6},
      {199, nullptr, false, 0, 0, 1, -12, 0}},
     16, u"Courier New", 16},
    {Build::Ce30, false,
     {{198, nullptr, false, 0, 0, 1, 0, 0}, {195, u"Exit", false, 0, 16, 0, 0, 0},
      {196, u"Back", false, 0, 16, 0, 0, 0}, {197, u"Print", false, 0, 16, 0, 0, 0},
      {199, nullptr, false, 0, 0, 1, 0, 0}},
     16, u"Arial", 16},
    {Build::Ce30, true,
     {{198, nullptr, false, 0, 0, 1, 0, 0}, {195, u"Exit", false, 0, 20, 0, 10, 0},
      {196, u"Back", false, 0, 20, 0, 10, 0}, {197, u"Print", false, 0, 20, 0, 10, 0},
      {199, nullptr, false, 0, 0, 1, 0, 0}},
     18, u"Arial", 24},
};

TEST(DisplayLooks, EveryButtonTitleAndListFontPerBuild)
{
    for (const DisplayCase& c : kDisplay) {
        SCOPED_TRACE(static_cast<int>(c.build) * 10 + c.large);
        const DisplayLooks l = DisplayLooksFor(c.build, c.large);
        ExpectLook(c.buttons[0], l.pageDown, "page down");
        ExpectLook(c.buttons[1], l.exit, "exit");
        ExpectLook(c.buttons[2], l.back, "back");
        ExpectLook(c.buttons[3], l.print, "print");
        ExpectLook(c.buttons[4], l.pageUp, "page up");
        EXPECT_EQ(c.title, l.titleFontHeight);
        EXPECT_EQ(std::u16string(c.face), std::u16string(l.list.face));
        EXPECT_EQ(c.listHeight, l.list.height);
    }
}

TEST(DisplayLooks, ScreenSizeMattersOnlyOnCe30)
{
    for (Build b : {Build::EmbeddedCompact7, Build::Ce5})
        EXPECT_EQ(Describe(DisplayLooksFor(b, false).exit), Describe(DisplayLooksFor(b, true).exit));
}

struct ListCase {
    Build build;
    bool large;
    int arrows[6];
    Expected ok, abort;
    int title;
    int listHeight;
} const kList[] = {
    {Build::EmbeddedCompact7, true, {181, 182, 183, 186, 187, 188}, {184, u"OK", true, kDarkGreen, 18, 1, -8, 20},
     {185, u"Abort", true, kRed, 18, 1, -8, 20}, 18, 18},
    {Build::Ce5, true, {200, 198, 202, 203, 199, 204}, {205, u"OK", true, kDarkGreen, 12, 1, -12, 6},
     {206, u"Abort", true, kRed, 12, 1, -12, 6}, 18, 16},
    {Build::Ce30, false, {200, 198, 202, 203, 199, 204}, {205, u"OK", false, 0, 16, 0, 0, 0},
     {206, u"Abort", false, 0, 16, 0, 0, 0}, 16, 16},
    {Build::Ce30, true, {200, 198, 202, 203, 199, 204}, {205, u"OK", false, 0, 20, 0, 10, 0},
     {206, u"Abort", false, 0, 20, 0, 10, 0}, 18, 24},
};

TEST(ListInputLooks, EveryButtonTitleAndListFontPerBuild)
{
    for (const ListCase& c : kList) {
        SCOPED_TRACE(static_cast<int>(c.build) * 10 + c.large);
        const ListInputLooks l = ListInputLooksFor(c.build, c.large);
        for (int k = 0; k < 6; ++k)
            ExpectLook({c.arrows[k], nullptr, false, 0, 0, 1, 0, 0}, l.arrows[k], "arrow");
        ExpectLook(c.ok, l.ok, "ok");
        ExpectLook(c.abort, l.abort, "abort");
        EXPECT_EQ(c.title, l.titleFontHeight);
        EXPECT_EQ(u"Courier New", std::u16string(l.list.face));
        EXPECT_EQ(c.listHeight, l.list.height);
    }
}

struct GuestCase {
    Build build;
    bool large;
    Expected functions[6];
    Expected exit;
    int title, indicator;
    const char16_t* face; // null: registry or locale
    int listHeight, columnExtra;
} const kGuest[] = {
    {Build::EmbeddedCompact7, true,
     {{189, u"Reservation Details", false, 0, 18, 1, -8, 20}, {190, u"Guest Details", false, 0, 18, 1, -8, 20},
      {191, u"Guest Messages", false, 0, 18, 1, -8, 20}, {192, u"Guest Locator", false, 0, 18, 1, -8, 20},
      {193, u"Enter Message", false, 0, 18, 1, -8, 20}, {194, u"Enter Locator", false, 0, 18, 1, -8, 20}},
     {178, u"Exit", true, kRed, 18, 1, -8, 20}, 18, 14, nullptr, 18, 450},
    {Build::Ce5, true,
     {{207, u"Reservation Details", false, 0, 12, 0, 12, 6}, {208, u"Guest Details", false, 0, 12, 0, 12, 6},
      {209, u"Guest Messages", false, 0, 12, 0, 12, 6}, {210, u"Guest Locator", false, 0, 12, 0, 12, 6},
      {211, u"Enter Message", false, 0, 12, 0, 12, 6}, {212, u"Enter Locator", false, 0, 12, 0, 12, 6}},
     {195, u"Exit", true, kRed, 12, 1, -12, 6}, 18, 11, nullptr, 16, 450},
    {Build::Ce30, false,
     {{207, u"\nReservation Details", false, 0, 12, 1, -13, 6}, {208, u"\nGuest Details", false, 0, 12, 1, -14, 6},
      {209, u"\nGuest Messages", false, 0, 12, 1, -14, 6}, {210, u"\nGuest Locator", false, 0, 12, 1, -14, 6},
      {211, u"\nEnter Message", false, 0, 12, 1, -14, 6}, {212, u"\nEnter Locator", false, 0, 12, 1, -14, 6}},
     {195, u"\nExit", false, 0, 12, 1, -14, 6}, 16, 11, u"Courier New", 16, 450},
    {Build::Ce30, true,
     {{207, u"\nReservation Details", false, 0, 22, 1, -13, 6}, {208, u"\nGuest Details", false, 0, 22, 1, -14, 6},
      {209, u"\nGuest Messages", false, 0, 22, 1, -14, 6}, {210, u"\nGuest Locator", false, 0, 22, 1, -14, 6},
      {211, u"\nEnter Message", false, 0, 22, 1, -14, 6}, {212, u"\nEnter Locator", false, 0, 22, 1, -14, 6}},
     {195, u"\nExit", false, 0, 22, 1, -14, 6}, 18, 22, u"Courier New", 24, 675},
};

TEST(GuestLooks, EveryButtonTitleIndicatorAndListFontPerBuild)
{
    for (const GuestCase& c : kGuest) {
        SCOPED_TRACE(static_cast<int>(c.build) * 10 + c.large);
        const GuestLooks l = GuestLooksFor(c.build, c.large);
        for (int i = 0; i < 6; ++i)
            ExpectLook(c.functions[i], l.functions[i], "function");
        ExpectLook(c.exit, l.exit, "exit");
        EXPECT_EQ(c.title, l.titleFontHeight);
        EXPECT_EQ(c.indicator, l.indicatorFontHeight);
        if (c.face)
            EXPECT_EQ(std::u16string(c.face), std::u16string(l.list.face ? l.list.face : u""));
        else
            EXPECT_EQ(nullptr, l.list.face);
        EXPECT_EQ(c.listHeight, l.list.height);
        EXPECT_EQ(c.columnExtra, l.columnExtra);
    }
}

} // namespace
