// Message maps: a static table per class, linked to the base class's table.
#pragma once

#include <windows.h>

class CCmdTarget;
using AFX_PMSG = void (CCmdTarget::*)();

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;    // window message; 0 ends the table
    UINT nCode;       // notification code, or 0
    UINT nID;         // control id, or 0
    UINT nSig;        // how the handler is called
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                                                                                  \
protected:                                                                                                     \
    static const AFX_MSGMAP* GetThisMessageMap();                                                              \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                                 \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }                          \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                            \
    {                                                                                                          \
        typedef theClass ThisClass;                                                                            \
        typedef baseClass TheBaseClass;                                                                        \
        (void)sizeof(ThisClass*);                                                                              \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                                                      \
        {0, 0, 0, 0, nullptr}};                                                                                \
        static const AFX_MSGMAP map = {&TheBaseClass::GetThisMessageMap, &entries[0]};                         \
        return &map;                                                                                           \
    }

// Root of every class that has a message map.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    virtual const AFX_MSGMAP* GetMessageMap() const;

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
};
