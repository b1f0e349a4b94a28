#include "dialog_looks.h"

#include "resources/resource.h"

namespace {

constexpr uint32_t kRed = 0x0000FF, kBlue = 0xFF0000, kDarkGreen = 0x007F00;

// The pictures of a build: the large set on Embedded Compact 7, the small
// one on CE 5 and CE 3.0.
struct Pictures {
    int exit, back, print, pageDown, pageUp, lineDown, end, lineUp, home, ok, abort;
    int functions[6];
};
constexpr Pictures kLarge = {IDB_EXIT,      IDB_BACK,     IDB_PRINT,   IDB_PAGEDOWN,
                             IDB_PAGEUP,    IDB_LINEDOWN, IDB_END,     IDB_LINEUP,
                             IDB_HOME,      IDB_OK,       IDB_ABORT,
                             {IDB_RESERVATION, IDB_GUEST_DETAILS, IDB_GUEST_MESSAGES, IDB_GUEST_LOCATOR,
                              IDB_ENTER_MESSAGE, IDB_ENTER_LOCATOR}};
constexpr Pictures kSmall = {IDB_EXIT_SMALL,     IDB_BACK_SMALL,     IDB_PRINT_SMALL, IDB_PAGEDOWN_SMALL,
                             IDB_PAGEUP_SMALL,   IDB_LINEDOWN_SMALL, IDB_END_SMALL,   IDB_LINEUP_SMALL,
                             IDB_HOME_SMALL,     IDB_OK_SMALL,       IDB_ABORT_SMALL,
                             {IDB_RESERVATION_SMALL, IDB_GUEST_DETAILS_SMALL, IDB_GUEST_MESSAGES_SMALL,
                              IDB_GUEST_LOCATOR_SMALL, IDB_ENTER_MESSAGE_SMALL, IDB_ENTER_LOCATOR_SMALL}};

// Sizes and offsets of the rounded-button builds (Embedded Compact 7, CE 5).
struct RoundedProfile {
    const Pictures& pictures;
    int captionFont;     // every caption
    int pictureOffset;   // centred pictures
    int captionOffset;   // below the centre
    int functionVAlign;  // the six guest functions' pictures
    int functionOffset;
    int indicatorFont;
    int listFontHeight;
};
constexpr RoundedProfile kEc7 = {kLarge, 18, -8, 20, 1, -8, 14, 18};
constexpr RoundedProfile kCe5 = {kSmall, 12, -12, 6, 0, 12, 11, 16};

const RoundedProfile& Rounded(Build build) { return build == Build::Ce5 ? kCe5 : kEc7; }

const char16_t* const kFunctionCaptions[6] = {u"Reservation Details", u"Guest Details", u"Guest Messages",
                                              u"Guest Locator",       u"Enter Message", u"Enter Locator"};
// CE 3.0 puts each guest caption on the second line, under the picture.
const char16_t* const kFunctionCaptionsCe30[6] = {u"\nReservation Details", u"\nGuest Details",
                                                  u"\nGuest Messages",      u"\nGuest Locator",
                                                  u"\nEnter Message",       u"\nEnter Locator"};

ButtonLook PictureOnly(int bitmap, int offset) { return {bitmap, nullptr, false, 0, 0, 1, offset, 0}; }

} // namespace

DisplayLooks DisplayLooksFor(Build build, bool largeScreen)
{
    if (build == Build::Ce30) {
        const int font = largeScreen ? 20 : 16, top = largeScreen ? 10 : 0;
        return {PictureOnly(IDB_PAGEDOWN_SMALL, 0),
                {IDB_EXIT_SMALL, u"Exit", false, 0, font, 0, top, 0},
                {IDB_BACK_SMALL, u"Back", false, 0, font, 0, top, 0},
                {IDB_PRINT_SMALL, u"Print", false, 0, font, 0, top, 0},
                PictureOnly(IDB_PAGEUP_SMALL, 0),
                largeScreen ? 18 : 16,
                {u"Arial", largeScreen ? 24 : 16}};
    }
    const RoundedProfile& p = Rounded(build);
    return {PictureOnly(p.pictures.pageDown, p.pictureOffset),
            {p.pictures.exit, u"Exit", true, kRed, p.captionFont, 1, p.pictureOffset, p.captionOffset},
            {p.pictures.back, u"Back", true, kBlue, p.captionFont, 1, p.pictureOffset, p.captionOffset},
            {p.pictures.print, u"Print", false, 0, p.captionFont, 1, p.pictureOffset, p.captionOffset},
            PictureOnly(p.pictures.pageUp, p.pictureOffset),
            16,
            {u"Courier New", p.listFontHeight}};
}

ListInputLooks ListInputLooksFor(Build build, bool largeScreen)
{
    const bool ce30 = build == Build::Ce30;
    const Pictures& pictures = ce30 ? kSmall : Rounded(build).pictures;
    ListInputLooks looks = {};
    const int arrows[6] = {pictures.lineDown, pictures.pageDown, pictures.end,
                           pictures.lineUp,   pictures.pageUp,   pictures.home};
    for (int k = 0; k < 6; ++k)
        looks.arrows[k] = PictureOnly(arrows[k], 0);
    if (ce30) {
        const int font = largeScreen ? 20 : 16, top = largeScreen ? 10 : 0;
        looks.ok = {pictures.ok, u"OK", false, 0, font, 0, top, 0};
        looks.abort = {pictures.abort, u"Abort", false, 0, font, 0, top, 0};
        looks.titleFontHeight = largeScreen ? 18 : 16;
        looks.list = {u"Courier New", largeScreen ? 24 : 16};
        return looks;
    }
    const RoundedProfile& p = Rounded(build);
    looks.ok = {pictures.ok, u"OK", true, kDarkGreen, p.captionFont, 1, p.pictureOffset, p.captionOffset};
    looks.abort = {pictures.abort, u"Abort", true, kRed, p.captionFont, 1, p.pictureOffset, p.captionOffset};
    looks.titleFontHeight = 18;
    looks.list = {u"Courier New", p.listFontHeight};
    return looks;
}

GuestLooks GuestLooksFor(Build build, bool largeScreen)
{
    GuestLooks looks = {};
    if (build == Build::Ce30) {
        const int font = largeScreen ? 22 : 12;
        for (int i = 0; i < 6; ++i)
            looks.functions[i] = {kSmall.functions[i], kFunctionCaptionsCe30[i], false, 0, font, 1, i == 0 ? -13 : -14,
                                  6};
        looks.exit = {IDB_EXIT_SMALL, u"\nExit", false, 0, font, 1, -14, 6};
        looks.titleFontHeight = largeScreen ? 18 : 16;
        looks.indicatorFontHeight = largeScreen ? 22 : 11;
        looks.list = {u"Courier New", largeScreen ? 24 : 16};
        looks.columnExtra = largeScreen ? 675 : 450;
        return looks;
    }
    const RoundedProfile& p = Rounded(build);
    for (int i = 0; i < 6; ++i)
        looks.functions[i] = {p.pictures.functions[i], kFunctionCaptions[i], false, 0, p.captionFont, p.functionVAlign,
                              p.functionOffset, p.captionOffset};
    looks.exit = {p.pictures.exit, u"Exit", true, kRed, p.captionFont, 1, p.pictureOffset, p.captionOffset};
    looks.titleFontHeight = 18;
    looks.indicatorFontHeight = p.indicatorFont;
    looks.list = {nullptr, p.listFontHeight};
    looks.columnExtra = 450;
    return looks;
}
