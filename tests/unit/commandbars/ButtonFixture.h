// Buttons on a bar of the model command bars, on a model desktop with the
// model Skype attached: tests load buttons, click their controls and read
// what reached Office (the call log) and Skype (its commands).
#pragma once

#include <sstream>
#include <string>

#include "SkypeFixture.h"
#include "commandbars/Button.h"
#include "model/office/ModelCommandBars.h"
#include "office/OfficeIds.h"

namespace commandbars_test {

// A kind whose click action counts, also in `*alsoCounted` when set.
class CountingButton : public CButton {
  public:
    int clicks = 0;
    int* alsoCounted = nullptr;

  protected:
    void OnClick() override {
        ++clicks;
        if (alsoCounted) ++*alsoCounted;
    }
};

class ButtonFixture : public skype_test::SkypeFixture {
  protected:
    office::CommandBarControls Controls() const {
        return office::CommandBarControls(bar->controls());
    }
    static model::ModelCommandBarButtonPtr ModelButton(const CButton& button) {
        return boost::dynamic_pointer_cast<model::ModelCommandBarButton>(
            button.GetControl().object());
    }
    // The calls recorded since the last Forget(), "<Kind> <member> <args...>"
    // joined by "; ", puts without "Put ".
    std::string Calls() const {
        std::ostringstream calls;
        for (const model::CallRecord& record : log.records()) {
            if (calls.tellp() > 0) calls << "; ";
            if (record.kind != model::CallRecord::Kind::Put) calls << KindName(record.kind) << " ";
            calls << record.member;
            for (const host::Variant& arg : record.args) calls << " " << arg.Describe();
        }
        return calls.str();
    }
    void Forget() { log.Clear(); }

    model::CallLog log;
    model::ModelCommandBarsPtr bars = model::ModelCommandBars::Create(&log);
    model::ModelCommandBarPtr bar = bars->AddBar(L"tandrel", office::bar_position::kTop);
};

}  // namespace commandbars_test
