#include "ceshell.h"

namespace {

// One property per fact. The call sequence packs four bits per call.
const wchar_t kInit[] = L"CeShell.InitDialog";
const wchar_t kFull[] = L"CeShell.FullScreen";
const wchar_t kDone[] = L"CeShell.DoneButton";
const wchar_t kBarHidden[] = L"CeShell.CommandBarHidden";
const wchar_t kCalls[] = L"CeShell.Calls";
const wchar_t kCallCount[] = L"CeShell.CallCount";
const wchar_t kCommandBarClass[] = L"CommandBar";

// A stored value is kept with bit 31 set, so that 0 means "never called".
constexpr UINT_PTR kCalled = 0x80000000u;

void Store(HWND window, const wchar_t* name, DWORD value)
{
    SetPropW(window, name, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(value) | kCalled));
}

bool Load(HWND window, const wchar_t* name, DWORD& value)
{
    const UINT_PTR stored = reinterpret_cast<UINT_PTR>(GetPropW(window, name));
    value = static_cast<DWORD>(stored & ~kCalled);
    return (stored & kCalled) != 0;
}

void Note(HWND window, CeShellCall call)
{
    const UINT_PTR count = reinterpret_cast<UINT_PTR>(GetPropW(window, kCallCount));
    if (count < 8) {
        UINT_PTR calls = reinterpret_cast<UINT_PTR>(GetPropW(window, kCalls));
        calls |= static_cast<UINT_PTR>(call) << (4 * count);
        SetPropW(window, kCalls, reinterpret_cast<HANDLE>(calls));
    }
    SetPropW(window, kCallCount, reinterpret_cast<HANDLE>(count + 1));
}

// Keeps the value of one call on the window; false for a window that is gone.
bool Record(HWND window, const wchar_t* name, DWORD value, CeShellCall call)
{
    if (!IsWindow(window))
        return false;
    Store(window, name, value);
    Note(window, call);
    return true;
}

HWND TaskBar() { return FindWindowW(L"HHTaskBar", nullptr); }

} // namespace

BOOL SHInitDialog(PSHINITDLGINFO info)
{
    const DWORD flags = info && (info->dwMask & SHIDIM_FLAGS) ? info->dwFlags : 0;
    if (!info || !Record(info->hDlg, kInit, flags, CeShellCall::InitDialog))
        return FALSE;
    if (flags & (SHIDIF_FULLSCREENNOMENUBAR | SHIDIF_SIZEDLGFULLSCREEN)) {
        int top = 0;
        HWND bar = TaskBar();
        RECT barRect;
        if (bar && IsWindowVisible(bar) && GetWindowRect(bar, &barRect))
            top = barRect.bottom;
        const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
        SetWindowPos(info->hDlg, nullptr, 0, top, w, h - top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return TRUE;
}

BOOL SHFullScreen(HWND window, DWORD state)
{
    if (!Record(window, kFull, state, CeShellCall::FullScreen))
        return FALSE;
    if (HWND bar = TaskBar()) {
        if (state & SHFS_HIDETASKBAR)
            ShowWindow(bar, SW_HIDE);
        else if (state & SHFS_SHOWTASKBAR)
            ShowWindow(bar, SW_SHOWNA);
    }
    return TRUE;
}

BOOL SHDoneButton(HWND window, DWORD state)
{
    return Record(window, kDone, state, CeShellCall::DoneButton);
}

HWND CommandBar_Create(HINSTANCE instance, HWND parent, int id)
{
    WNDCLASSW cls = {};
    if (!GetClassInfoW(instance, kCommandBarClass, &cls)) {
        cls.lpfnWndProc = DefWindowProcW;
        cls.hInstance = instance;
        cls.lpszClassName = kCommandBarClass;
        cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        RegisterClassW(&cls);
    }
    RECT client = {};
    GetClientRect(parent, &client);
    return CreateWindowExW(0, kCommandBarClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, client.right, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

BOOL CommandBar_Show(HWND commandBar, BOOL show)
{
    if (!IsWindow(commandBar))
        return FALSE;
    ShowWindow(commandBar, show ? SW_SHOWNA : SW_HIDE);
    Record(GetParent(commandBar), kBarHidden, show ? 0 : 1, CeShellCall::CommandBarShow);
    return TRUE;
}

CeShellRecord CeShellQuery(HWND window)
{
    CeShellRecord record;
    record.initDialog = Load(window, kInit, record.initDialogFlags);
    record.fullScreen = Load(window, kFull, record.fullScreenState);
    record.doneButton = Load(window, kDone, record.doneButtonState);
    DWORD hidden = 0;
    record.commandBarHidden = Load(window, kBarHidden, hidden) && hidden != 0;
    record.callCount = static_cast<int>(reinterpret_cast<UINT_PTR>(GetPropW(window, kCallCount)));
    const UINT_PTR calls = reinterpret_cast<UINT_PTR>(GetPropW(window, kCalls));
    for (int i = 0; i < 8 && i < record.callCount; ++i)
        record.calls[i] = static_cast<CeShellCall>((calls >> (4 * i)) & 0xF);
    return record;
}
