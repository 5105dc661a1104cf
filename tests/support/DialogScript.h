// Scripted user actions for the model's dialogs.
#pragma once

#include <string>

#include "model/ModelUi.h"
#include "resources/DialogIds.h"

namespace testing_support {

inline model::DialogAction SelectCountry(const std::string& name) {
    return model::DialogAction::Select(ids::kCountryList, name);
}
constexpr auto Click = &model::DialogAction::Click;
constexpr auto CloseBox = &model::DialogAction::Close;
constexpr auto EnterKey = &model::DialogAction::Enter;

}  // namespace testing_support
