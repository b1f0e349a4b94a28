// Drives a form that the program shows modally: one step per showing, run
// inside the form's own modal loop after its activation event, as a user
// acting on the form would. A showing without a step left is cancelled.
#pragma once

#include <deque>
#include <functional>

#include "DBQComboBox.h"
#include "vcl.h"

class FormSteps {
public:
    FormSteps(TForm* form, std::deque<std::function<void()>> steps);
    ~FormSteps();
    FormSteps(const FormSteps&) = delete;
    FormSteps& operator=(const FormSteps&) = delete;

    // Activations of the form while this was alive.
    int showings = 0;

private:
    void Next();
    TForm* form_;
    TNotifyEvent saved_;
    std::deque<std::function<void()>> steps_;
};

// Selects the item of a picker's list that shows this object number; false
// when no item does.
bool SelectNumber(TDBQComboBox* list, int number);
// The items of a list control, in the order shown.
std::vector<std::string> ItemTexts(TStrings& items);
