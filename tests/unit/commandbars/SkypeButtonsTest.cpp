// The three Skype kinds: what a click hands to Skype, from the linked combo
// box's text or, without one, from the tag.
#include <gtest/gtest.h>

#include <memory>

#include "ButtonFixture.h"
#include "commandbars/SkypeButtons.h"
#include "office/CommandBarComboBox.h"

namespace {

using host::Variant;
using Strings = std::vector<std::string>;

enum class Kind { Call, Chat, SkypeOut };

class SkypeButtons : public commandbars_test::ButtonFixture {
  protected:
    std::unique_ptr<CSkypeTargetButton> Make(Kind kind) {
        switch (kind) {
            case Kind::Call:
                return std::unique_ptr<CSkypeTargetButton>(new CSkypeButton(SharedSkype()));
            case Kind::Chat:
                return std::unique_ptr<CSkypeTargetButton>(new CSkypeIMButton(SharedSkype()));
            case Kind::SkypeOut:
                return std::unique_ptr<CSkypeTargetButton>(new CSkypeOutButton(SharedSkype()));
        }
        return nullptr;
    }
};

TEST_F(SkypeButtons, AClickActsOnTheComboTextCutBeforeItsRemarkOrOnTheTagAsItIs) {
    const struct {
        Kind kind;
        bool combo;
        const wchar_t* text;  // the combo's text, or the tag
        Strings commands;
    } cases[] = {
        {Kind::Call, true, L"echo123 (Online)", {"CALL echo123"}},
        {Kind::Call, true, L"echo123", {"CALL echo123"}},
        {Kind::Call, true, L"bob(Bob)", {"CALL bo"}},
        {Kind::Call, true, L"(Online)", {"CALL (Online)"}},
        {Kind::Chat, true, L"alice.wonder (Away) (x)", {"OPEN IM alice.wonder (Away)"}},
        {Kind::SkypeOut, true, L"Mobile: +44 555 123 (Jane Doe)", {"FOCUS", "CALL +44555123"}},
        {Kind::SkypeOut, true, L"+44 20 7946 0018", {"FOCUS", "CALL +442079460018"}},
        {Kind::Call, false, L"alice (x)", {"CALL alice (x)"}},
        {Kind::Chat, false, L"bob(Bob)", {"OPEN IM bob(Bob)"}},
    };
    for (const auto& c : cases) {
        const model::ModelCommandBarComboBoxPtr combo =
            boost::static_pointer_cast<model::ModelCommandBarComboBox>(
                Controls().Add(office::control_type::kComboBox, Variant::Missing(), true).object());
        std::unique_ptr<CSkypeTargetButton> button = Make(c.kind);
        button->Load(Controls(), Variant::Missing());
        if (c.combo) {
            button->SetCombo(office::CommandBarComboBox(combo));
            combo->TypeText(c.text);
        } else {
            button->SetTag(c.text);
        }
        skype.ClearReceived();
        ModelButton(*button)->Click();
        EXPECT_EQ(c.commands, Commands()) << static_cast<int>(c.kind) << " " << c.combo;
    }
}

}  // namespace
