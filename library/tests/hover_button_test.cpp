// CMyHoverButton on real buttons: attaching, check-box mode, setters' result
// codes, hover by the pointer and its end, icon places and the link.
#include "control_host.h"
#include "import_hook.h"

#include "my_hover_button.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <cwchar>
#include <set>
#include <string>

namespace {

constexpr COLORREF kIdle = RGB(0, 0, 255), kLit = RGB(255, 0, 0);
constexpr int kW = 120, kH = 50;

// Reads the state the button keeps.
class Probe : public CMyHoverButton {
public:
    bool hovering() const { return m_hovering != FALSE; }
    bool timerRunning() const { return m_hoverTimer != 0; }
    bool checkBox() const { return m_checkBox != FALSE; }
    const wchar_t* link() const { return m_link; }
    void setPressedLook(bool pressed) { m_pressedLook = pressed; }
};

// What the button asked the shell to open.
int g_opens = 0;
SHELLEXECUTEINFOW g_open;
std::wstring g_openVerb, g_openFile;
BOOL WINAPI RecordOpen(SHELLEXECUTEINFOW* info)
{
    ++g_opens;
    g_open = *info;
    g_openVerb = info->lpVerb ? info->lpVerb : L"";
    g_openFile = info->lpFile ? info->lpFile : L"";
    return TRUE;
}

// The icons loaded and not yet destroyed.
std::set<HANDLE> g_liveIcons;
HANDLE WINAPI LoadImageRecorded(HINSTANCE module, LPCWSTR name, UINT type, int cx, int cy, UINT flags)
{
    static auto real = reinterpret_cast<decltype(&LoadImageW)>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "LoadImageW")));
    HANDLE image = real(module, name, type, cx, cy, flags);
    if (image && type == IMAGE_ICON)
        g_liveIcons.insert(image);
    return image;
}
BOOL WINAPI DestroyIconRecorded(HICON icon)
{
    static auto real = reinterpret_cast<decltype(&DestroyIcon)>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "DestroyIcon")));
    g_liveIcons.erase(icon);
    return real(icon);
}

class HoverButton : public testing::Test {
protected:
    void SetUp() override
    {
        InitResourcesFromProgram();
        ASSERT_TRUE(m_parent.SubclassWindow(m_host.hwnd()));
    }
    void TearDown() override
    {
        if (m_button.m_hWnd)
            m_button.UnsubclassWindow();
        m_parent.UnsubclassWindow();
    }
    void Attach(DWORD style, const wchar_t* text = L"Hover")
    {
        m_control = m_host.AddChild(L"BUTTON", style, 1001, RECT{10, 10, 10 + kW, 10 + kH}, text);
        ASSERT_TRUE(m_button.SubclassWindow(m_control));
    }
    COLORREF Centre()
    {
        Repaint(m_host.hwnd());
        return Pixels(m_control).at(4, kH / 2);
    }
    // Puts the pointer on the screen point and tells the button it moved.
    void PointerAt(int x, int y)
    {
        SetCursorPos(x, y);
        POINT p = {x, y};
        ScreenToClient(m_control, &p);
        SendMessageW(m_control, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
    }
    void PointerOverButton()
    {
        RECT r;
        GetWindowRect(m_control, &r);
        PointerAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }

    ControlHost m_host{RGB(0, 128, 128)};
    CWnd m_parent;
    HWND m_control = nullptr;
    Probe m_button;
};

TEST_F(HoverButton, AttachingMakesThePushButtonOwnerDrawn)
{
    Attach(BS_DEFPUSHBUTTON);
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), GetWindowLongW(m_control, GWL_STYLE) & 0x1F);
    EXPECT_TRUE(m_button.GetDefault());
    EXPECT_FALSE(m_button.checkBox());
    EXPECT_TRUE(SendMessageW(m_control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
    SendMessageW(m_control, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_FALSE(m_button.GetDefault());
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), GetWindowLongW(m_control, GWL_STYLE) & 0x1F) << "stays owner-drawn";
    EXPECT_TRUE(SendMessageW(m_control, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON);
    SendMessageW(m_control, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_TRUE(m_button.GetDefault());
}

TEST_F(HoverButton, CheckBoxModeTogglesOnClickAndTheParentHearsIt)
{
    Attach(BS_AUTOCHECKBOX);
    EXPECT_TRUE(m_button.checkBox());
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), GetWindowLongW(m_control, GWL_STYLE) & 0x1F);
    const WPARAM click = MAKEWPARAM(1001, BN_CLICKED);
    SendMessageW(m_host.hwnd(), WM_COMMAND, click, reinterpret_cast<LPARAM>(m_control));
    EXPECT_EQ(1, m_button.GetCheck());
    SendMessageW(m_host.hwnd(), WM_COMMAND, click, reinterpret_cast<LPARAM>(m_control));
    EXPECT_EQ(0, m_button.GetCheck());
    EXPECT_EQ(2, m_host.Clicks());
    EXPECT_EQ(0u, m_button.SetCheck(7));
    EXPECT_EQ(1, m_button.GetCheck());
}

TEST_F(HoverButton, PushButtonIgnoresSetCheck)
{
    Attach(BS_PUSHBUTTON);
    EXPECT_EQ(0u, m_button.SetCheck(1));
    EXPECT_EQ(0, m_button.GetCheck());
}

TEST_F(HoverButton, SetterResultCodes)
{
    Attach(BS_PUSHBUTTON);
    COLORREF colour = 0;
    EXPECT_EQ(0u, m_button.GetColor(2, &colour));
    const COLORREF before = colour;
    EXPECT_EQ(3u, m_button.SetColor(6, RGB(1, 2, 3)));
    EXPECT_EQ(3u, m_button.GetColor(6, &colour));
    EXPECT_EQ(0u, m_button.GetColor(2, &colour));
    EXPECT_EQ(before, colour);
    EXPECT_EQ(0u, m_button.SetColor(5, RGB(1, 2, 3)));
    EXPECT_EQ(0u, m_button.GetColor(5, &colour));
    EXPECT_EQ(RGB(1, 2, 3), colour);
    EXPECT_EQ(4u, m_button.SetAlign(3));
    EXPECT_EQ(0u, m_button.SetAlign(2));
    EXPECT_EQ(1u, m_button.SetButtonCursor(9999)) << "no such cursor";
    EXPECT_EQ(0u, m_button.SetButtonCursor(0));
    EXPECT_EQ(1u, m_button.SetMenu(9999, m_host.hwnd()));
    EXPECT_EQ(0u, m_button.SetMenu(400, m_host.hwnd()));
    EXPECT_EQ(0u, m_button.SetMenu(0, nullptr));
    m_button.SetColor(5, RGB(9, 9, 9));
    m_button.SetDefaultColors();
    EXPECT_EQ(0u, m_button.GetColor(5, &colour));
    EXPECT_EQ(GetSysColor(COLOR_BTNTEXT), colour);
}

TEST_F(HoverButton, PointerMoveLightsItAndLeavingEndsIt)
{
    Attach(BS_PUSHBUTTON);
    m_button.SetColor(CMyHoverButton::kBack, kIdle);
    m_button.SetColor(CMyHoverButton::kHoverBack, kLit);
    EXPECT_EQ(kIdle, Centre());
    PointerOverButton();
    EXPECT_TRUE(m_button.hovering());
    EXPECT_TRUE(m_button.timerRunning());
    EXPECT_EQ(kLit, Centre());
    SendMessageW(m_control, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(m_button.hovering());
    EXPECT_FALSE(m_button.timerRunning());
    EXPECT_EQ(kIdle, Centre());

    // The timer notices the pointer has gone and ends the hover by itself.
    PointerOverButton();
    ASSERT_TRUE(m_button.hovering());
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5);
    const DWORD start = GetTickCount();
    MSG msg;
    while (m_button.hovering() && GetTickCount() - start < 3000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }
    EXPECT_FALSE(m_button.hovering());
    EXPECT_EQ(kIdle, Centre());
}

TEST_F(HoverButton, NonFlatButtonNeverHoversAndOtherEndsOfHover)
{
    Attach(BS_PUSHBUTTON);
    m_button.SetFlat(FALSE);
    PointerOverButton();
    EXPECT_FALSE(m_button.hovering());
    m_button.SetFlat(TRUE);
    PointerOverButton();
    ASSERT_TRUE(m_button.hovering());
    SendMessageW(m_control, WM_CANCELMODE, 0, 0);
    EXPECT_FALSE(m_button.hovering());
    PointerOverButton();
    ASSERT_TRUE(m_button.hovering());
    SendMessageW(m_control, WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_FALSE(m_button.hovering());
    PointerOverButton();
    ASSERT_TRUE(m_button.hovering());
    EnableWindow(m_control, FALSE);
    EXPECT_FALSE(m_button.hovering());
    EXPECT_NE(m_control, GetFocus()) << "the focus moved away";
}

TEST_F(HoverButton, IconPlacesBesideAboveAndNeverOutside)
{
    Attach(BS_PUSHBUTTON);
    const CRect item(0, 0, 100, 40);
    CRect text = item;
    CRect image = m_button.PrepareImageRect(false, item, text, 32, 32);
    EXPECT_EQ(34, image.left);
    EXPECT_EQ(4, image.top);
    EXPECT_EQ(item, text);
    image = m_button.PrepareImageRect(true, item, text, 32, 32);
    EXPECT_EQ(3, image.left);
    EXPECT_EQ(35, text.left) << "the caption starts w + 3 further right";
    m_button.SetAlign(CMyHoverButton::kIconRight);
    text = item;
    image = m_button.PrepareImageRect(true, item, text, 32, 32);
    EXPECT_EQ(65, image.left);
    EXPECT_EQ((CRect{3, 0, 65, 40}), text);
    m_button.SetAlign(CMyHoverButton::kIconAbove);
    text = item;
    image = m_button.PrepareImageRect(true, item, text, 32, 16);
    EXPECT_EQ(34, image.left);
    EXPECT_EQ(6, image.top);
    EXPECT_EQ(16, text.top);
    // An icon larger than the button stays at its corner.
    m_button.SetAlign(CMyHoverButton::kIconLeft);
    text = item;
    image = m_button.PrepareImageRect(false, item, text, 200, 300);
    EXPECT_EQ(0, image.left);
    EXPECT_EQ(0, image.top);
    m_button.SetAlign(CMyHoverButton::kIconRight);
    image = m_button.PrepareImageRect(true, item, text, 200, 300);
    EXPECT_EQ(0, image.left);
    m_button.setPressedLook(true);
    m_button.SetAlign(CMyHoverButton::kIconLeft);
    text = item;
    image = m_button.PrepareImageRect(false, item, text, 32, 32);
    EXPECT_EQ(35, image.left) << "pressed: one right";
    EXPECT_EQ(5, image.top) << "and one down";
}

TEST_F(HoverButton, CentredIconWithoutCaption)
{
    Attach(BS_PUSHBUTTON, L"");
    m_button.SetColor(CMyHoverButton::kBack, kIdle);
    EXPECT_EQ(0u, m_button.SetIcon(170, CSize(32, 32), 0, CSize(), 0, CSize()));
    Repaint(m_host.hwnd());
    const Pixels p(m_control);
    int inkLeft = kW, inkRight = -1;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            if (p.at(x, y) != kIdle) {
                inkLeft = x < inkLeft ? x : inkLeft;
                inkRight = x > inkRight ? x : inkRight;
            }
    ASSERT_GE(inkRight, 0) << "an icon was drawn";
    EXPECT_GE(inkLeft, (kW - 32) / 2);
    EXPECT_LT(inkRight, (kW + 32) / 2);
    p.Save("hover_button_icon");
}

TEST_F(HoverButton, LinkIsCutToTheMember)
{
    struct Guarded {
        Probe button;
        wchar_t canary[8];
    };
    std::unique_ptr<Guarded> g(new Guarded);
    wmemset(g->canary, L'#', 8);
    const std::wstring longLink(300, L'x');
    EXPECT_EQ(0u, g->button.SetURL(longLink.c_str()));
    EXPECT_EQ(259u, wcslen(g->button.link()));
    for (wchar_t c : g->canary)
        EXPECT_EQ(L'#', c);
    g->button.SetURL(L"http://pos/");
    EXPECT_EQ(std::wstring(L"http://pos/"), g->button.link());
    g->button.SetURL(nullptr);
    EXPECT_EQ(std::wstring(L""), g->button.link());
}

} // namespace

namespace {

TEST_F(HoverButton, ClickOpensTheLinkMaximisedAndTheParentHearsIt)
{
    Attach(BS_PUSHBUTTON);
    ImportHook hook(GetModuleHandleW(nullptr), "shell32.dll", "ShellExecuteExW", reinterpret_cast<void*>(&RecordOpen));
    ASSERT_TRUE(hook.ok());
    g_opens = 0;
    m_button.SetURL(L"http://pos/manual.pdf");
    SendMessageW(m_host.hwnd(), WM_COMMAND, MAKEWPARAM(1001, BN_CLICKED), reinterpret_cast<LPARAM>(m_control));
    ASSERT_EQ(1, g_opens);
    EXPECT_EQ(sizeof(SHELLEXECUTEINFOW), g_open.cbSize);
    EXPECT_EQ(static_cast<ULONG>(SEE_MASK_FLAG_NO_UI), g_open.fMask);
    EXPECT_EQ(L"open", g_openVerb);
    EXPECT_EQ(L"http://pos/manual.pdf", g_openFile);
    // CE's number for it is 11, which on the desktop forces a minimised window.
    EXPECT_EQ(SW_SHOWMAXIMIZED, g_open.nShow) << "opened maximised";
    EXPECT_EQ(1, m_host.Clicks());
}

// What one drawing shows, by flatness, state and the flat-focus switch:
// the background's colour index, the top edge, and the focus rectangle.
TEST_F(HoverButton, FaceBorderAndFocusByState)
{
    Attach(BS_PUSHBUTTON);
    const COLORREF colours[5] = {RGB(255, 0, 0), RGB(0, 0, 0), RGB(0, 0, 255), RGB(0, 0, 0), RGB(0, 160, 0)};
    for (BYTE i = 0; i < 5; ++i)
        m_button.SetColor(i, colours[i]);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF none = CLR_INVALID; // the top edge shows the background
    struct Row {
        BOOL flat, flatFocus;
        UINT state;
        int background;   // colour index
        COLORREF edge;    // top edge at the middle; none: the background
        bool focusFrame;
    } const rows[] = {
        {TRUE, FALSE, 0, 2, none, false},
        {TRUE, FALSE, ODS_FOCUS, 4, none, false},
        {TRUE, TRUE, ODS_FOCUS, 4, none, true},
        {TRUE, TRUE, 0, 2, none, false},
        {TRUE, FALSE, ODS_SELECTED, 0, shadow, false},
        {FALSE, FALSE, 0, 2, light, false},
        {FALSE, FALSE, ODS_SELECTED, 0, shadow, false},
        {FALSE, FALSE, ODS_FOCUS, 4, RGB(0, 0, 0), true},
    };
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kW, kH);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "flat " << row.flat << ", flat focus " << row.flatFocus << ", state 0x"
                                        << std::hex << row.state);
        m_button.SetFlat(row.flat, FALSE);
        m_button.SetDrawFlatFocus(row.flatFocus, FALSE);
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.hwndItem = m_control;
        item.hDC = dc;
        item.rcItem = RECT{0, 0, kW, kH};
        item.itemState = row.state;
        item.itemAction = ODA_DRAWENTIRE;
        m_button.DrawItem(&item);
        const COLORREF back = colours[row.background];
        EXPECT_EQ(back, GetPixel(dc, 6, kH / 2));
        EXPECT_EQ(row.edge == none ? back : row.edge, GetPixel(dc, kW / 2, 0));
        int marked = 0; // the focus rectangle's dots, 3 inside the (framed) face
        for (int y = 3; y <= 4; ++y)
            for (int x = 10; x < kW - 10; ++x)
                marked += GetPixel(dc, x, y) != back;
        EXPECT_EQ(row.focusFrame, marked > 0);
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

// The icons it could load are kept when the active one is among them, and
// destroyed (now or with the button) in every case.
TEST_F(HoverButton, SetIconKeepsOrDestroysEveryIconItLoaded)
{
    ImportHook load(GetModuleHandleW(nullptr), "user32.dll", "LoadImageW", reinterpret_cast<void*>(&LoadImageRecorded));
    ImportHook destroy(GetModuleHandleW(nullptr), "user32.dll", "DestroyIcon",
                       reinterpret_cast<void*>(&DestroyIconRecorded));
    ASSERT_TRUE(load.ok());
    ASSERT_TRUE(destroy.ok());
    constexpr int kIcon = 170, kMissing = 9999;
    struct Row {
        int active, idle, disabled;
        size_t kept;
    } const rows[] = {
        {kIcon, kIcon, kIcon, 3}, {kIcon, kMissing, kIcon, 2}, {kIcon, 0, 0, 1},
        {kMissing, kIcon, kIcon, 0}, {kMissing, kIcon, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.active << "/" << row.idle << "/" << row.disabled);
        g_liveIcons.clear();
        {
            Probe button;
            EXPECT_EQ(0u, button.SetIcon(row.active, CSize(32, 32), row.idle, CSize(32, 32), row.disabled,
                                         CSize(32, 32)));
            EXPECT_EQ(row.kept, g_liveIcons.size()) << "icons held after SetIcon";
        }
        EXPECT_EQ(0u, g_liveIcons.size()) << "icons left behind by the button";
    }
}

TEST_F(HoverButton, SettersBeforeTheWindowExistsRepaintNothing)
{
    UpdateWindow(m_host.hwnd());
    ValidateRect(m_host.hwnd(), nullptr);
    RECT dirty;
    ASSERT_FALSE(GetUpdateRect(m_host.hwnd(), &dirty, FALSE));
    Probe unattached;
    unattached.SetFlat(FALSE);
    unattached.SetAlign(CMyHoverButton::kIconAbove);
    unattached.SetDefaultColors();
    unattached.SetColor(CMyHoverButton::kBack, kIdle);
    unattached.SetDrawBorder(FALSE);
    unattached.SetDrawFlatFocus(TRUE);
    unattached.SetButtonCursor(0);
    unattached.SetMenu(0, nullptr);
    unattached.SetIconHandles(nullptr, CSize(), nullptr, CSize(), nullptr, CSize());
    EXPECT_FALSE(GetUpdateRect(m_host.hwnd(), &dirty, FALSE)) << "another window was invalidated";
}

} // namespace
