// Scripted user actions for the model's dialogs.
#pragma once

#include <string>

#include "model/ModelUi.h"
#include "resources/DialogIds.h"

namespace testing_support {

inline model::DialogAction SelectCountry(const std::string& name) {
    model::DialogAction action;
    action.kind = model::DialogAction::Kind::SelectItem;
    action.control = ids::kCountryList;
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

inline model::DialogAction EnterKey() {
    model::DialogAction action;
    action.kind = model::DialogAction::Kind::Enter;
    return action;
}

}  // namespace testing_support
