// The class library's message boxes.
#pragma once

#include <string>

#include "forms.h"

enum TMsgDlgType { mtError, mtInformation, mtConfirmation };
enum TMsgDlgBtn { mbOK = 1, mbCancel = 2, mbAbort = 4 };
using TMsgDlgButtons = int;  // mbOK | mbCancel ...

// A modal box captioned "Error", "Information" or "Confirm" with the message,
// the kind's icon and the buttons asked for (OK, Cancel, Abort in that order;
// the first is the default button). Gives the modal result of the button that
// closed it: mrOk, mrCancel or mrAbort; Escape presses Cancel, or OK when OK
// is the only button; closing by the frame gives mrCancel. The box comes up
// in front of Application->DialogOwner().
int MessageDlg(const std::string& message, TMsgDlgType type, TMsgDlgButtons buttons, int helpContext = 0);
