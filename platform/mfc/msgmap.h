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
