// Window objects on real windows: look-ups, styles, subclassing, message-map
// entries, reflection, timers, capture and list sub-items.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const wchar_t kHostClass[] = L"MfcWindowTestHost";

HWND MakeTopLevel(const wchar_t* title)
{
    WNDCLASSW cls = {};
    cls.lpfnWndProc = DefWindowProcW;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = kHostClass;
    cls.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RegisterClassW(&cls);
    return CreateWindowExW(0, kHostClass, title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

HWND MakeButton(HWND parent, DWORD style, int id = 100)
{
    return CreateWindowExW(0, L"Button", L"Press", WS_CHILD | WS_VISIBLE | style, 10, 10, 100, 40, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

void Pump()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

class WindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        AfxWinInit(GetModuleHandleW(nullptr), nullptr, nullptr, SW_SHOWNORMAL);
        m_top = MakeTopLevel(L"Window test host");
        ASSERT_TRUE(m_top);
    }
    void TearDown() override { DestroyWindow(m_top); }
    HWND m_top = nullptr;
};

TEST_F(WindowTest, FindWindowByClassAndTitle)
{
    CWnd* found = CWnd::FindWindow(kHostClass, L"Window test host");
    ASSERT_NE(nullptr, found);
    EXPECT_EQ(m_top, found->m_hWnd);
    EXPECT_EQ(m_top, CWnd::FindWindow(kHostClass, nullptr)->m_hWnd);
    EXPECT_EQ(nullptr, CWnd::FindWindow(kHostClass, L"Another title"));
    EXPECT_EQ(nullptr, CWnd::FindWindow(L"NoSuchClassHere", nullptr));
}

TEST_F(WindowTest, StyleQueriesAndChanges)
{
    CWnd button;
    ASSERT_TRUE(button.Attach(MakeButton(m_top, BS_DEFPUSHBUTTON)));
    EXPECT_EQ(static_cast<DWORD>(BS_DEFPUSHBUTTON), button.GetStyle() & 0x1F);
    EXPECT_TRUE(button.GetStyle() & WS_CHILD);
    EXPECT_TRUE(button.ModifyStyle(0x1F, BS_OWNERDRAW, SWP_FRAMECHANGED));
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), button.GetStyle() & 0x1F);
    EXPECT_FALSE(button.ModifyStyle(0, BS_OWNERDRAW)) << "nothing to change";
    EXPECT_EQ(0u, button.GetExStyle() & WS_EX_TOPMOST);
    button.Detach();
}

// Records the window procedure and style it sees when it is attached.
class StyleProbe : public CButton {
public:
    void PreSubclassWindow() override
    {
        procedureThen = GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC);
        ModifyStyle(0x1F, BS_OWNERDRAW, SWP_FRAMECHANGED);
    }
    LONG_PTR procedureThen = 0;
};

TEST_F(WindowTest, PreSubclassWindowRunsAttachedBeforeTheProcedureChanges)
{
    HWND hwnd = MakeButton(m_top, BS_PUSHBUTTON);
    const LONG_PTR original = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
    StyleProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(hwnd));
    EXPECT_EQ(original, probe.procedureThen);
    EXPECT_NE(original, GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), probe.GetStyle() & 0x1F);
}

// An owner-drawn button that counts its paints.
class DrawnButton : public CButton {
public:
    void DrawItem(LPDRAWITEMSTRUCT item) override
    {
        items.push_back(*item);
        CDC::FromHandle(item->hDC)->FillSolidRect(&item->rcItem, RGB(0, 0, 255));
    }
    std::vector<DRAWITEMSTRUCT> items;
};

TEST_F(WindowTest, DrawItemComesBackToTheOwnerDrawnButton)
{
    CWnd parent;
    ASSERT_TRUE(parent.SubclassWindow(m_top));
    DrawnButton button;
    ASSERT_TRUE(button.SubclassWindow(MakeButton(m_top, BS_OWNERDRAW, 120)));
    RedrawWindow(m_top, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ASSERT_FALSE(button.items.empty());
    EXPECT_EQ(static_cast<UINT>(ODT_BUTTON), button.items.back().CtlType);
    EXPECT_EQ(120u, button.items.back().CtlID);
    EXPECT_EQ(button.m_hWnd, button.items.back().hwndItem);
    HDC dc = GetDC(button.m_hWnd);
    EXPECT_EQ(RGB(0, 0, 255), GetPixel(dc, 5, 5));
    ReleaseDC(button.m_hWnd, dc);
    button.UnsubclassWindow();
    parent.UnsubclassWindow();
}

// Every entry the owner-drawn buttons use, recorded by name.
class Recorder : public CButton {
public:
    std::vector<std::string> seen;
    BOOL answerClick = FALSE;

    void OnMouseMove(UINT, CPoint p) { seen.push_back("move " + std::to_string(p.x) + "," + std::to_string(p.y)); }
    BOOL OnClicked()
    {
        seen.push_back("clicked");
        return answerClick;
    }
    void OnEnable(BOOL enable) { seen.push_back(enable ? "enable" : "disable"); }
    UINT OnGetDlgCode()
    {
        seen.push_back("dlgcode");
        return 0x1234;
    }
    void OnDestroy()
    {
        seen.push_back("destroy");
        CButton::OnDestroy();
    }
    void OnKillFocus(CWnd*) { seen.push_back("killfocus"); }
    void OnActivate(UINT state, CWnd*, BOOL) { seen.push_back("activate " + std::to_string(state)); }
    void OnCancelMode() { seen.push_back("cancelmode"); }
    BOOL OnSetCursor(CWnd*, UINT hit, UINT)
    {
        seen.push_back("setcursor " + std::to_string(hit));
        return TRUE;
    }
    LRESULT OnNcHitTest(CPoint)
    {
        seen.push_back("hittest");
        return HTCAPTION;
    }
    void OnShowWindow(BOOL show, UINT) { seen.push_back(show ? "show" : "hide"); }
    LRESULT OnMouseLeave(WPARAM w, LPARAM l)
    {
        seen.push_back("leave " + std::to_string(w) + "," + std::to_string(l));
        return 77;
    }
    LRESULT OnSetStyle(WPARAM style, LPARAM)
    {
        seen.push_back("setstyle " + std::to_string(style));
        return 0;
    }
    HBRUSH OnCtlColor(CDC*, CWnd*, UINT kind)
    {
        seen.push_back("ctlcolor " + std::to_string(kind));
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Recorder, CButton)
    ON_WM_MOUSEMOVE()
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClicked)
    ON_WM_ENABLE()
    ON_WM_GETDLGCODE()
    ON_WM_CTLCOLOR()
    ON_WM_DESTROY()
    ON_WM_KILLFOCUS()
    ON_WM_ACTIVATE()
    ON_WM_CANCELMODE()
    ON_WM_SETCURSOR()
    ON_WM_NCHITTEST()
    ON_WM_SHOWWINDOW()
    ON_MESSAGE(BM_SETSTYLE, OnSetStyle)
    ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

// The parent's own handler of the same click.
class ClickParent : public CWnd {
public:
    int clicks = 0;
    void OnButton() { ++clicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ClickParent, CWnd)
    ON_BN_CLICKED(130, OnButton)
END_MESSAGE_MAP()

TEST_F(WindowTest, MessageMapEntriesReachTheirHandlers)
{
    Recorder r;
    ASSERT_TRUE(r.SubclassWindow(MakeButton(m_top, BS_PUSHBUTTON, 131)));
    HWND h = r.m_hWnd;
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(7, 9));
    EXPECT_EQ(0x1234, SendMessageW(h, WM_GETDLGCODE, 0, 0));
    SendMessageW(h, WM_ENABLE, FALSE, 0);
    SendMessageW(h, WM_KILLFOCUS, 0, 0);
    SendMessageW(h, WM_ACTIVATE, WA_INACTIVE, 0);
    SendMessageW(h, WM_CANCELMODE, 0, 0);
    EXPECT_EQ(TRUE, SendMessageW(h, WM_SETCURSOR, reinterpret_cast<WPARAM>(h), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(HTCAPTION, SendMessageW(h, WM_NCHITTEST, 0, 0));
    SendMessageW(h, WM_SHOWWINDOW, TRUE, 0);
    EXPECT_EQ(77, SendMessageW(h, WM_MOUSELEAVE, 3, 4));
    SendMessageW(h, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    HDC dc = GetDC(h);
    EXPECT_EQ(reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)),
              SendMessageW(h, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(h)));
    ReleaseDC(h, dc);
    DestroyWindow(h);
    const std::vector<std::string> expected = {
        "move 7,9", "dlgcode", "disable", "killfocus", "activate 0", "cancelmode", "setcursor 1", "hittest",
        "show",     "leave 3,4", "setstyle 1", "ctlcolor 3", "hide", "destroy"};
    EXPECT_EQ(expected, r.seen);
}

TEST_F(WindowTest, ReflectedClickAnswerDecidesWhetherTheParentHearsIt)
{
    ClickParent parent;
    ASSERT_TRUE(parent.SubclassWindow(m_top));
    Recorder button;
    ASSERT_TRUE(button.SubclassWindow(MakeButton(m_top, BS_PUSHBUTTON, 130)));
    const WPARAM click = MAKEWPARAM(130, BN_CLICKED);
    SendMessageW(m_top, WM_COMMAND, click, reinterpret_cast<LPARAM>(button.m_hWnd));
    EXPECT_EQ(1, parent.clicks) << "FALSE: the parent is told as well";
    button.answerClick = TRUE;
    SendMessageW(m_top, WM_COMMAND, click, reinterpret_cast<LPARAM>(button.m_hWnd));
    EXPECT_EQ(1, parent.clicks) << "TRUE: the button keeps it";
    EXPECT_EQ((std::vector<std::string>{"clicked", "clicked"}), button.seen);
    button.UnsubclassWindow();
    parent.UnsubclassWindow();
}

int g_ticks = 0;
HWND g_tickWindow = nullptr;
void CALLBACK CountTick(HWND hwnd, UINT, UINT_PTR id, DWORD)
{
    if (id == 5 && hwnd == g_tickWindow)
        ++g_ticks;
}

TEST_F(WindowTest, TimerTicksUntilKilled)
{
    CWnd window;
    window.Attach(m_top);
    g_tickWindow = m_top;
    g_ticks = 0;
    EXPECT_EQ(5u, window.SetTimer(5, 10, CountTick));
    const DWORD start = GetTickCount();
    while (g_ticks < 2 && GetTickCount() - start < 5000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        Pump();
    }
    EXPECT_GE(g_ticks, 2);
    EXPECT_TRUE(window.KillTimer(5));
    EXPECT_FALSE(window.KillTimer(5)) << "already gone";
    window.Detach();
}

TEST_F(WindowTest, MouseCapture)
{
    CWnd window;
    window.Attach(m_top);
    SetForegroundWindow(m_top);
    window.SetCapture();
    ASSERT_NE(nullptr, CWnd::GetCapture());
    EXPECT_EQ(m_top, CWnd::GetCapture()->m_hWnd);
    ReleaseCapture();
    EXPECT_EQ(nullptr, CWnd::GetCapture());
    window.Detach();
}

TEST_F(WindowTest, ListSubItemsAndColumns)
{
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    CListCtrl list;
    ASSERT_TRUE(list.Attach(CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 280, 150,
                                            m_top, nullptr, GetModuleHandleW(nullptr), nullptr)));
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    EXPECT_EQ(static_cast<DWORD>(LVS_EX_FULLROWSELECT), list.GetExtendedStyle());
    list.InsertColumn(0, L"Visible", LVCFMT_LEFT, 120);
    list.InsertColumn(0, L"", LVCFMT_LEFT, 1);
    EXPECT_EQ(1, list.GetColumnWidth(0));
    EXPECT_EQ(120, list.GetColumnWidth(1));
    list.InsertItem(0, L"");
    EXPECT_TRUE(list.SetItemText(0, 1, L"Second column"));
    EXPECT_EQ(CString(L"Second column"), list.GetItemText(0, 1));
    EXPECT_EQ(CString(L""), list.GetItemText(0, 0));
    const std::wstring longText(700, L'x');
    list.SetItemText(0, 1, longText.c_str());
    EXPECT_EQ(700, list.GetItemText(0, 1).GetLength()) << "longer than the first buffer";
    list.DestroyWindow();
    list.Detach();
}

TEST_F(WindowTest, MenuFromResourcesAndItsPopup)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(300));
    CMenu* popup = menu.GetSubMenu(0);
    ASSERT_NE(nullptr, popup);
    EXPECT_EQ(2, GetMenuItemCount(popup->GetSafeHmenu()));
    EXPECT_EQ(301u, GetMenuItemID(popup->GetSafeHmenu(), 0));
    EXPECT_EQ(nullptr, menu.GetSubMenu(3));
    HMENU handle = menu.GetSafeHmenu();
    EXPECT_TRUE(menu.DestroyMenu());
    EXPECT_FALSE(IsMenu(handle));
    EXPECT_FALSE(menu.LoadMenu(399)) << "no such menu";
}

} // namespace
