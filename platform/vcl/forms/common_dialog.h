// The base of the non-visual dialog components that a form holds: Execute
// runs the dialog and tells whether it ended with a result.
#pragma once

#include "classes.h"

class TCommonDialog : public TComponent {
public:
    explicit TCommonDialog(TComponent* Owner) : TComponent(Owner) {}
    virtual bool Execute() = 0;
};
