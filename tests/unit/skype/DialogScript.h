// Scripted user actions for the model's dialogs.
#pragma once

#include <string>

#include "model/ModelUi.h"

namespace skype_test {

inline model::DialogAction SelectCountry(const std::string& name) {
    model::DialogAction action;
    action.kind = model::DialogAction::Kind::SelectItem;
    action.control = 217;
    action.text = name;
    return action;
}

inline model::DialogAction Click(int control) {
    model::DialogAction action;
    action.kind = model::DialogAction::Kind::Click;
    action.control = control;
    return action;
}

inline model::DialogAction CloseBox() {
    model::DialogAction action;
    action.kind = model::DialogAction::Kind::Close;
    return action;
}

}  // namespace skype_test
