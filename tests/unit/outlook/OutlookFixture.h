// A model platform with a model Outlook, and readers of what the add-in
// asked of it.
#pragma once

#include <string>
#include <vector>

#include "model/outlook/ModelOutlook.h"
#include "support/ModelFixture.h"

namespace outlook_tests {

class OutlookFixture : public testing_support::ModelFixture {
  protected:
    model::ModelOutlook outlook;

    // The calls of `member` on objects of class `object`, in order.
    std::vector<model::CallRecord> Calls(const std::string& member, const std::string& object) {
        return outlook.log().Of(member, object);
    }
    // The argument kinds of every call of `member`, one text per call
    // ("VT_BSTR \"MAPI\"", "VT_I4 10 | VT_ERROR 0x80020004 (missing)").
    std::vector<std::string> ArgumentKinds(const std::string& member, const std::string& object) {
        std::vector<std::string> kinds;
        for (const model::CallRecord& record : Calls(member, object)) {
            std::string text;
            for (const host::Variant& arg : record.args) {
                text += (text.empty() ? "" : " | ") + arg.Describe();
            }
            kinds.push_back(text);
        }
        return kinds;
    }
};

}  // namespace outlook_tests
