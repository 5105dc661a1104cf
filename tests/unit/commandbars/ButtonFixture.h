// Buttons on a bar of the model command bars, on a model desktop with the
// model Skype attached: tests load buttons, click their controls and read
// what reached Office (the call log) and Skype (its commands).
#pragma once

#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "SkypeFixture.h"
#include "commandbars/Button.h"
#include "model/office/ModelCommandBars.h"
#include "office/CommandBars.h"
#include "office/OfficeIds.h"

namespace commandbars_test {

// A kind whose click action counts, in `clicks` and in `*alsoCounted`
// (which outlives the button) when set.
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
    ButtonFixture();

    // The controls of the add-in's bar.
    office::CommandBarControls Controls() const;
    // The model button behind a loaded button.
    static model::ModelCommandBarButtonPtr ModelButton(const CButton& button);
    // The calls recorded since the last Forget(), as "<Kind> <member> <args...>".
    std::vector<std::string> Calls() const;
    void Forget() { log.Clear(); }
    // The shared client, for the Skype kinds (the fixture owns it).
    boost::shared_ptr<CSkype> SharedSkype();

    model::CallLog log;
    model::ModelCommandBarsPtr bars;
    model::ModelCommandBarPtr bar;
};

}  // namespace commandbars_test
