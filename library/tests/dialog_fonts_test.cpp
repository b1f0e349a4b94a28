// Every font each build's dialogs make, control by control: the fonts the
// library creates are recorded through its imports with what it asked for
// (face, height, width, weight, italic, underline, character set, the other
// fields), and tied to their control by the list's font or by the label or
// button that selects the font to paint. The dialogs' own fonts come from
// their templates. Faces that this machine lacks are checked all the same:
// the request is compared, not the drawing.
#include "dialog_driver.h"
#include "dialog_exports.h"
#include "import_hook.h"
#include "locale_fonts.h"
#include "registry_face.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

// ---------------------------------------------------------------- recording

// The fonts the library created during one dialog, and the control each
// label or button painted with.
struct FontRecord {
    std::map<HFONT, LOGFONTW> created;
    std::map<int, HFONT> paintedWith;
};
FontRecord* g_record = nullptr;

HFONT Remember(HFONT font)
{
    LOGFONTW lf = {};
    if (font && g_record && GetObjectW(font, sizeof lf, &lf))
        g_record->created[font] = lf;
    return font;
}

HFONT WINAPI RecordCreateFontW(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                               DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision,
                               DWORD clipPrecision, DWORD quality, DWORD pitchAndFamily, LPCWSTR face)
{
    return Remember(CreateFontW(height, width, escapement, orientation, weight, italic, underline, strikeOut, charSet,
                                outPrecision, clipPrecision, quality, pitchAndFamily, face));
}

HFONT WINAPI RecordCreateFontIndirectW(const LOGFONTW* lf) { return Remember(CreateFontIndirectW(lf)); }

HGDIOBJ WINAPI RecordSelectObject(HDC dc, HGDIOBJ object)
{
    if (g_record && g_record->created.count(static_cast<HFONT>(object))) {
        if (HWND window = WindowFromDC(dc))
            g_record->paintedWith[GetDlgCtrlID(window)] = static_cast<HFONT>(object);
    }
    return SelectObject(dc, object);
}

// A font deleted again (a control given a second font) is no longer one of
// the dialog's.
BOOL WINAPI RecordDeleteObject(HGDIOBJ object)
{
    if (g_record)
        g_record->created.erase(static_cast<HFONT>(object));
    return DeleteObject(object);
}

// Records while it lives: the library's font calls go through the hooks.
class FontRecorder {
public:
    explicit FontRecorder(HMODULE library)
        : m_indirect(library, "gdi32.dll", "CreateFontIndirectW", reinterpret_cast<void*>(&RecordCreateFontIndirectW)),
          m_direct(library, "gdi32.dll", "CreateFontW", reinterpret_cast<void*>(&RecordCreateFontW)),
          m_select(library, "gdi32.dll", "SelectObject", reinterpret_cast<void*>(&RecordSelectObject)),
          m_delete(library, "gdi32.dll", "DeleteObject", reinterpret_cast<void*>(&RecordDeleteObject))
    {
        g_record = &m_record;
    }
    ~FontRecorder() { g_record = nullptr; }
    FontRecorder(const FontRecorder&) = delete;
    FontRecorder& operator=(const FontRecorder&) = delete;

    bool ok() const { return m_indirect.ok() && m_direct.ok() && m_select.ok() && m_delete.ok(); }
    FontRecord& record() { return m_record; }

private:
    FontRecord m_record;
    ImportHook m_indirect, m_direct, m_select, m_delete;
};

// ---------------------------------------------------------------- expected

constexpr const wchar_t* kChosen = nullptr; // the registry value, else the locale's face
constexpr int kLocaleSet = -1;              // the locale's character set
constexpr int kBold = 700, kNormal = 400;

struct FontRow {
    int id;
    const wchar_t* face;
    int height, width, weight, charSet;
};

// The dialog's own font, from its template: face, points, weight.
struct TemplateFont {
    const wchar_t* face;
    int points, weight;
};

struct DialogFonts {
    TemplateFont dialog;
    std::vector<FontRow> controls; // by control id
};

struct BuildFonts {
    const char* build;
    int screens; // kSmall, kLarge or both
    DialogFonts display, list, guest;
};
constexpr int kSmall = 1, kLarge = 2, kAnyScreen = kSmall | kLarge;

constexpr TemplateFont kDeviceTemplate = {L"Courier New", 8, 0};

// Device dialogs: display 1005 list, 1026 title, 1035 Exit, 1034 Back, 1036
// Print (the paging buttons have no caption and no font); list 1037 list,
// 1026 title, 1041 OK, 1005 Abort (the arrows have none); guest 1045 list,
// 1026 title, 1033 and 1011 the indicators, 1015 to 1020 the functions,
// 1035 Exit.
BuildFonts DeviceFonts(const char* build, int screens, const wchar_t* displayListFace, int listHeight,
                       const wchar_t* guestListFace, int displayTitle, int listAndGuestTitles, int captions,
                       int guestCaptions, int indicators)
{
    auto arial = [](int id, int height) { return FontRow{id, L"Arial", height, 0, kBold, 0}; };
    BuildFonts b = {build, screens, {kDeviceTemplate, {}}, {kDeviceTemplate, {}}, {kDeviceTemplate, {}}};
    b.display.controls = {{1005, displayListFace, listHeight, 0, kNormal, 0}, arial(1026, displayTitle),
                          arial(1034, captions), arial(1035, captions), arial(1036, captions)};
    b.list.controls = {arial(1005, captions), arial(1026, listAndGuestTitles),
                       {1037, L"Courier New", listHeight, 0, kNormal, 0}, arial(1041, captions)};
    b.guest.controls = {arial(1011, indicators), arial(1015, guestCaptions), arial(1016, guestCaptions),
                        arial(1017, guestCaptions), arial(1018, guestCaptions), arial(1019, guestCaptions),
                        arial(1020, guestCaptions), arial(1026, listAndGuestTitles), arial(1033, indicators),
                        arial(1035, guestCaptions), {1045, guestListFace, listHeight, 0, kNormal, 0}};
    return b;
}

// Win32 dialogs: display 20005 list, 20020 Exit, 20026 Back, 20028 Print;
// list 20006 list, 20007 title, 20032 OK, 20033 Abort; guest 20021 title,
// 20023 and 20024 the guest lines, 20012 and 20025 the indicators, 20030 to
// 20035 the functions, 20020 Exit.
BuildFonts Win32Fonts()
{
    auto arial = [](int id, int height) { return FontRow{id, L"Arial", height, 0, kBold, 0}; };
    auto list = [](int id) { return FontRow{id, kChosen, 25, 9, kBold, kLocaleSet}; };
    auto guestLine = [](int id) { return FontRow{id, kChosen, 20, 0, kBold, kLocaleSet}; };
    BuildFonts b = {"rilo_lib", kAnyScreen, {{L"Courier New", 8, 0}, {}}, {{L"Courier New", 11, kBold}, {}},
                    {{L"Courier New", 8, 0}, {}}};
    b.display.controls = {list(20005), arial(20020, 24), arial(20026, 24), arial(20028, 24)};
    b.list.controls = {list(20006), arial(20007, 24), arial(20032, 24), arial(20033, 24)};
    b.guest.controls = {arial(20012, 18), arial(20020, 20), arial(20021, 24), guestLine(20023), guestLine(20024),
                        arial(20025, 18), arial(20030, 20), arial(20031, 20), arial(20032, 20), arial(20033, 20),
                        arial(20034, 20), arial(20035, 20)};
    return b;
}

// One row per device build (CE 3.0 per screen size): the face of the
// display list; the height of the three lists; the face of the guest list;
// the title heights (display, list and guest); the caption heights (display
// and list, guest); the indicators' height.
const std::vector<BuildFonts>& AllBuildFonts()
{
    static const std::vector<BuildFonts> builds = {
        DeviceFonts("riloEC7", kAnyScreen, L"Courier New", 18, kChosen, 16, 18, 18, 18, 14),
        DeviceFonts("riloCE5", kAnyScreen, L"Courier New", 16, kChosen, 16, 18, 12, 12, 11),
        DeviceFonts("riloCE", kSmall, L"Arial", 16, L"Courier New", 16, 16, 16, 12, 11),
        DeviceFonts("riloCE", kLarge, L"Arial", 24, L"Courier New", 18, 18, 20, 22, 22),
        Win32Fonts(),
    };
    return builds;
}

// CE 3.0's scale; the other builds' fonts do not depend on the screen.
int ThisScreen()
{
    const bool large = GetSystemMetrics(SM_CXSCREEN) >= 480 && GetSystemMetrics(SM_CYSCREEN) >= 640;
    return large ? kLarge : kSmall;
}

std::wstring Wide(const char16_t* text)
{
    return std::wstring(text, text + std::char_traits<char16_t>::length(text));
}

// ---------------------------------------------------------------- comparing

// Faces and messages are ASCII here; anything else shows as '?'.
std::string Ascii(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text)
        out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

std::string Describe(int id, const LOGFONTW& f)
{
    return std::to_string(id) + " '" + Ascii(f.lfFaceName) + "' height " + std::to_string(f.lfHeight) + " width " +
           std::to_string(f.lfWidth) + " weight " + std::to_string(f.lfWeight) + " italic " +
           std::to_string(f.lfItalic) + " underline " + std::to_string(f.lfUnderline) + " charset " +
           std::to_string(f.lfCharSet) + " others " +
           std::to_string(f.lfEscapement | f.lfOrientation | f.lfStrikeOut | f.lfOutPrecision | f.lfClipPrecision |
                          f.lfQuality | f.lfPitchAndFamily);
}

std::string Describe(const FontRow& row, const std::wstring& chosenFace, BYTE localeSet)
{
    LOGFONTW f = {};
    wcsncpy(f.lfFaceName, row.face ? row.face : chosenFace.c_str(), LF_FACESIZE - 1);
    f.lfHeight = row.height;
    f.lfWidth = row.width;
    f.lfWeight = row.weight;
    f.lfCharSet = row.charSet == kLocaleSet ? localeSet : static_cast<BYTE>(row.charSet);
    return Describe(row.id, f);
}

// The fonts of the dialog's controls, by control id, as the library asked
// for them; and the fonts it created that no control uses.
std::vector<std::string> FontsOnControls(HWND dialog, FontRecord& record)
{
    record.paintedWith.clear();
    std::map<int, HFONT> byControl;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const HFONT set = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
        if (record.created.count(set))
            byControl[GetDlgCtrlID(child)] = set; // the list's font, set on the window
        else
            SendMessageW(child, WM_PAINT, 0, 0); // labels and buttons select theirs to paint
    }
    for (const auto& painted : record.paintedWith)
        byControl.insert(painted);
    std::vector<std::string> rows;
    std::map<HFONT, bool> used;
    for (const auto& control : byControl) {
        rows.push_back(Describe(control.first, record.created.at(control.second)));
        used[control.second] = true;
    }
    for (const auto& font : record.created)
        if (!used.count(font.first))
            rows.push_back(Describe(-1, font.second) + " (created, on no control)");
    return rows;
}

void ExpectFonts(HWND dialog, const DialogFonts& expected, FontRecord& record, const std::wstring& chosenFace,
                 BYTE localeSet)
{
    const std::vector<std::string> actual = FontsOnControls(dialog, record);
    const size_t n = std::max(actual.size(), expected.controls.size());
    for (size_t i = 0; i < n; ++i) {
        const std::string want =
            i < expected.controls.size() ? Describe(expected.controls[i], chosenFace, localeSet) : "(none)";
        const std::string got = i < actual.size() ? actual[i] : "(none)";
        ASSERT_EQ(want, got) << "row " << i;
    }

    LOGFONTW own = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), sizeof own, &own);
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(expected.dialog.points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(std::wstring(expected.dialog.face), own.lfFaceName) << "the template's font";
    EXPECT_EQ(height, own.lfHeight) << "the template's font";
    EXPECT_EQ(expected.dialog.weight, own.lfWeight) << "the template's font";
    EXPECT_EQ(0, own.lfItalic) << "the template's font";
}

// ---------------------------------------------------------------- the runs

const Flavour& FlavourNamed(const char* name)
{
    for (const Flavour& f : AllFlavours())
        if (std::string(f.name) == name)
            return f;
    ADD_FAILURE() << "no build " << name;
    return AllFlavours()[0];
}

struct Case {
    const BuildFonts* fonts;
    bool registryFace;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.fonts->build << (c.registryFace ? " with" : " without") << " the registry face";
}

std::vector<Case> AllCases()
{
    std::vector<Case> cases;
    for (const BuildFonts& b : AllBuildFonts())
        if (b.screens & ThisScreen())
            for (bool registry : {false, true})
                cases.push_back({&b, registry});
    return cases;
}

class DialogFontsTest : public testing::TestWithParam<Case> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_exports.ok());
        if (GetParam().registryFace) {
            m_face = std::make_unique<RegistryFace>(L"Georgia");
            m_chosen = L"Georgia";
        } else {
            m_chosen = Wide(FaceNameByLocale(GetSystemDefaultLCID()));
        }
        m_localeSet = static_cast<BYTE>(CharsetByLocale(GetSystemDefaultLCID()));
    }

    // Runs one dialog through its export, compares its fonts and leaves it
    // with the button given.
    void Check(const DialogFonts& expected, int leaveWith, const std::function<void()>& run)
    {
        FontRecorder recorder(GetModuleHandleA(BesideProgram(FlavourNamed(GetParam().fonts->build).path).c_str()));
        ASSERT_TRUE(recorder.ok());
        DialogDriver driver({[&](HWND d) {
            ExpectFonts(d, expected, recorder.record(), m_chosen, m_localeSet);
            Click(d, leaveWith);
        }});
        run();
        EXPECT_EQ(1, driver.StepsRun());
    }

    bool Win32() const { return std::string(GetParam().fonts->build) == "rilo_lib"; }

    DialogExports m_exports{FlavourNamed(GetParam().fonts->build)};
    std::unique_ptr<RegistryFace> m_face;
    std::wstring m_chosen;
    BYTE m_localeSet = 0;
};

TEST_P(DialogFontsTest, Display)
{
    int code = kUnwritten;
    Check(GetParam().fonts->display, Win32() ? 20026 : 1034,
          [&] { m_exports.display("Room 0412", "Line 1\x1cLine 2\x1c", 1, &code); });
    EXPECT_EQ(1, code);
}

TEST_P(DialogFontsTest, List)
{
    int code = kUnwritten;
    Check(GetParam().fonts->list, Win32() ? 20033 : 1005,
          [&] { m_exports.listInput("Select Tender", "Tender Media", "Cash\x1c" "Card\x1c", 0, "4.10", &code); });
    EXPECT_EQ(0, code);
}

TEST_P(DialogFontsTest, Guest)
{
    int code = kUnwritten;
    Check(GetParam().fonts->guest, Win32() ? 20020 : 1035,
          [&] { m_exports.gstSelect("Guest Functions", "Room  Name", "0412  SMITH JOHN", "ML", 0, &code); });
    EXPECT_EQ(0, code);
}

INSTANTIATE_TEST_SUITE_P(Builds, DialogFontsTest, testing::ValuesIn(AllCases()),
                         [](const testing::TestParamInfo<Case>& p) {
                             return std::string(p.param.fonts->build) +
                                    (p.param.registryFace ? "_RegistryFace" : "_LocaleFace");
                         });

} // namespace
