// The three Skype kinds: what a click hands to Skype, from the linked combo
// box's text or, without one, from the tag.
#include <gtest/gtest.h>

#include <memory>

#include "ButtonFixture.h"
#include "commandbars/SkypeButtons.h"

namespace {

using Strings = std::vector<std::string>;
using SkypePtr = boost::shared_ptr<CSkype>;

template <typename Kind>
CSkypeTargetButton* Make(const SkypePtr& skype) {
    return new Kind(skype);
}

class SkypeButtons : public commandbars_test::ButtonFixture {};

TEST_F(SkypeButtons, AClickActsOnTheComboTextCutBeforeItsRemarkOrOnTheTagAsItIs) {
    const struct {
        CSkypeTargetButton* (*make)(const SkypePtr&);
        bool combo;
        const wchar_t* text;  // the combo's text, or the tag
        Strings commands;
    } cases[] = {
        {Make<CSkypeButton>, true, L"echo123 (Online)", {"CALL echo123"}},
        {Make<CSkypeButton>, true, L"echo123", {"CALL echo123"}},
        {Make<CSkypeButton>, true, L"bob(Bob)", {"CALL bo"}},
        {Make<CSkypeButton>, true, L"(Online)", {"CALL (Online)"}},
        {Make<CSkypeIMButton>, true, L"alice.wonder (Away) (x)", {"OPEN IM alice.wonder (Away)"}},
        {Make<CSkypeOutButton>, true, L"Mobile: +44 555 123 (Jane)", {"FOCUS", "CALL +44555123"}},
        {Make<CSkypeOutButton>, true, L"+44 20 7946 0018", {"FOCUS", "CALL +442079460018"}},
        {Make<CSkypeButton>, false, L"alice (x)", {"CALL alice (x)"}},
        {Make<CSkypeIMButton>, false, L"bob(Bob)", {"OPEN IM bob(Bob)"}},
    };
    Attach();
    const SkypePtr shared(client.get(), [](CSkype*) {});  // the fixture owns it
    for (const auto& c : cases) {
        const auto combo = boost::static_pointer_cast<model::ModelCommandBarComboBox>(
            Controls()
                .Add(office::control_type::kComboBox, host::Variant::Missing(), true)
                .object());
        std::unique_ptr<CSkypeTargetButton> button(c.make(shared));
        button->Load(Controls(), host::Variant::Missing());
        if (c.combo) {
            button->SetCombo(office::CommandBarComboBox(combo));
            combo->TypeText(c.text);
        } else {
            button->SetTag(c.text);
        }
        skype.ClearReceived();
        ModelButton(*button)->Click();
        EXPECT_EQ(c.commands, Commands()) << c.combo << " " << c.commands.back();
    }
}

}  // namespace
