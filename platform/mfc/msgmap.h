// Message maps: a static table per class, linked to the base class's table.
// Each entry holds a small thunk that calls the handler with the message's
// arguments unpacked, so handler signatures are checked by the compiler.
#pragma once

#include "object.h"

#include <windows.h>

class CCmdTarget;

// Reflected messages come back to the child control that caused them.
constexpr UINT WM_REFLECT_BASE = 0xBC00;

// What a thunk sees of the message; it sets result when it answers.
struct AFX_MSG_CALL {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    LRESULT result;
};

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // window message (or WM_REFLECT_BASE + message); 0 ends the table
    UINT nCode;    // notification code for WM_COMMAND and WM_NOTIFY
    UINT nID;      // control id for WM_COMMAND and WM_NOTIFY; 0 for reflected ones
    void (*pfn)(CCmdTarget* target, AFX_MSG_CALL& call);
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                                                                                  \
protected:                                                                                                     \
    static const AFX_MSGMAP* GetThisMessageMap();                                                              \
    const AFX_MSGMAP* GetMessageMap() const override;                                                          \
                                                                                                               \
public:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                 \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }                          \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                            \
    {                                                                                                          \
        typedef theClass ThisClass [[maybe_unused]];                                                           \
        typedef baseClass TheBaseClass;                                                                        \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                                                      \
        {0, 0, 0, nullptr}};                                                                                   \
        static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, &entries[0]};                         \
        return &map;                                                                                           \
    }

#define AFX_THUNK(body) [](CCmdTarget* target, AFX_MSG_CALL& call) {                                           \
        ThisClass* self = static_cast<ThisClass*>(target);                                                     \
        (void)call;                                                                                            \
        body;                                                                                                  \
    }

#define ON_WM_PAINT() {WM_PAINT, 0, 0, AFX_THUNK(self->OnPaint())},
#define ON_WM_LBUTTONDOWN()                                                                                    \
    {WM_LBUTTONDOWN, 0, 0, AFX_THUNK(self->OnLButtonDown(static_cast<UINT>(call.wParam), CPoint(call.lParam)))},
#define ON_WM_LBUTTONUP()                                                                                      \
    {WM_LBUTTONUP, 0, 0, AFX_THUNK(self->OnLButtonUp(static_cast<UINT>(call.wParam), CPoint(call.lParam)))},
#define ON_WM_SETTINGCHANGE()                                                                                  \
    {WM_SETTINGCHANGE, 0, 0,                                                                                   \
     AFX_THUNK(self->OnSettingChange(static_cast<UINT>(call.wParam), reinterpret_cast<LPCWSTR>(call.lParam)))},
#define ON_WM_MOUSEMOVE()                                                                                      \
    {WM_MOUSEMOVE, 0, 0, AFX_THUNK(self->OnMouseMove(static_cast<UINT>(call.wParam), CPoint(call.lParam)))},
#define ON_WM_ENABLE() {WM_ENABLE, 0, 0, AFX_THUNK(self->OnEnable(static_cast<BOOL>(call.wParam)))},
#define ON_WM_GETDLGCODE() {WM_GETDLGCODE, 0, 0, AFX_THUNK(call.result = static_cast<LRESULT>(self->OnGetDlgCode()))},
#define ON_WM_DESTROY() {WM_DESTROY, 0, 0, AFX_THUNK(self->OnDestroy())},
#define ON_WM_KILLFOCUS()                                                                                      \
    {WM_KILLFOCUS, 0, 0, AFX_THUNK(self->OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam))))},
#define ON_WM_ACTIVATE()                                                                                       \
    {WM_ACTIVATE, 0, 0,                                                                                        \
     AFX_THUNK(self->OnActivate(LOWORD(call.wParam), CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam)),    \
                                static_cast<BOOL>(HIWORD(call.wParam))))},
#define ON_WM_CANCELMODE() {WM_CANCELMODE, 0, 0, AFX_THUNK(self->OnCancelMode())},
#define ON_WM_SETCURSOR()                                                                                      \
    {WM_SETCURSOR, 0, 0,                                                                                       \
     AFX_THUNK(call.result = self->OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(call.wParam)),          \
                                               LOWORD(call.lParam), HIWORD(call.lParam)))},
#define ON_WM_NCHITTEST()                                                                                      \
    {WM_NCHITTEST, 0, 0, AFX_THUNK(call.result = static_cast<LRESULT>(self->OnNcHitTest(CPoint(call.lParam))))},
#define ON_WM_SHOWWINDOW()                                                                                     \
    {WM_SHOWWINDOW, 0, 0,                                                                                      \
     AFX_THUNK(self->OnShowWindow(static_cast<BOOL>(call.wParam), static_cast<UINT>(call.lParam)))},
#define ON_WM_DRAWITEM()                                                                                       \
    {WM_DRAWITEM, 0, 0,                                                                                        \
     AFX_THUNK(self->OnDrawItem(static_cast<int>(call.wParam), reinterpret_cast<LPDRAWITEMSTRUCT>(call.lParam)))},
#define ON_WM_TIMER() {WM_TIMER, 0, 0, AFX_THUNK(self->OnTimer(static_cast<UINT_PTR>(call.wParam)))},
// Any message, with its two parameters, answering the handler's result.
#define ON_MESSAGE(message, memberFxn)                                                                         \
    {static_cast<UINT>(message), 0, 0, AFX_THUNK(call.result = self->memberFxn(call.wParam, call.lParam))},
// A notification the control sent to its parent, offered to the control
// first; a handler that answers FALSE lets the parent have it as well.
constexpr UINT AFX_REFLECT_EX = 0x8000u;
#define ON_CONTROL_REFLECT_EX(code, memberFxn)                                                                 \
    {WM_REFLECT_BASE + WM_COMMAND, static_cast<UINT>(code) | AFX_REFLECT_EX, 0,                               \
     AFX_THUNK(call.result = self->memberFxn())},
#define ON_COMMAND(id, memberFxn) {WM_COMMAND, 0, static_cast<UINT>(id), AFX_THUNK(self->memberFxn())},
#define ON_BN_CLICKED(id, memberFxn) {WM_COMMAND, BN_CLICKED, static_cast<UINT>(id), AFX_THUNK(self->memberFxn())},
#define ON_NOTIFY(code, id, memberFxn)                                                                         \
    {WM_NOTIFY, static_cast<UINT>(code), static_cast<UINT>(id),                                                \
     AFX_THUNK(self->memberFxn(reinterpret_cast<NMHDR*>(call.lParam), &call.result))},
#define ON_NOTIFY_REFLECT(code, memberFxn)                                                                     \
    {WM_REFLECT_BASE + WM_NOTIFY, static_cast<UINT>(code), 0,                                                  \
     AFX_THUNK(self->memberFxn(reinterpret_cast<NMHDR*>(call.lParam), &call.result))},
// Every WM_CTLCOLOR* is reflected as this one message; wParam is the device
// context, lParam the CTLCOLOR_* kind.
constexpr UINT WM_CTLCOLOR_ANY = 0x0019;
// WM_CTLCOLOR* sent to this window itself (for its own children).
#define ON_WM_CTLCOLOR()                                                                                       \
    {WM_CTLCOLOR_ANY, 0, 0,                                                                                    \
     AFX_THUNK(call.result = reinterpret_cast<LRESULT>(self->OnCtlColor(                                       \
                   CDC::FromHandle(reinterpret_cast<HDC>(call.wParam)),                                        \
                   CWnd::FromHandle(reinterpret_cast<HWND>(call.lParam)), call.message - WM_CTLCOLORMSGBOX)))},
#define ON_WM_CTLCOLOR_REFLECT()                                                                               \
    {WM_REFLECT_BASE + WM_CTLCOLOR_ANY, 0, 0,                                                                  \
     AFX_THUNK(call.result = reinterpret_cast<LRESULT>(                                                        \
                   self->CtlColor(CDC::FromHandle(reinterpret_cast<HDC>(call.wParam)), static_cast<UINT>(call.lParam))))},

// Root of every class that has a message map.
class CCmdTarget : public CObject {
public:
    virtual const AFX_MSGMAP* GetMessageMap() const;
    // The entry of this object's map (or a base map) for the message, or null.
    const AFX_MSGMAP_ENTRY* FindEntry(UINT message, UINT code, UINT id) const;

    static const AFX_MSGMAP* GetThisMessageMap();
};
