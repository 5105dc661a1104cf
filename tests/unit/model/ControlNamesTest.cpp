// The one rule by which the Outlook user finds a command-bar control, in
// every host: caption, else tooltip; '&', outer blanks and a label's ':'
// aside; case ignored; whole names only; popups searched; the context menu
// left to the user's own search.
#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "model/office/ControlNames.h"
#include "office/OfficeIds.h"

namespace {

using model::ModelCommandBarControlPtr;
namespace type = office::control_type;

class ControlNames : public ::testing::Test {
  protected:
    ControlNames() : bars_(model::ModelCommandBars::Create(&log_)) {
        const model::ModelCommandBarPtr bar = bars_->AddBar(L"tandrel", 1);
        Add(*bar->controls(), combo(L"Skype: ", L"Choose a Skype Name", L"combo"));
        Add(*bar->controls(), button(L"", L"Start a Skype IP Telephony call to Contact", L"icon"));
        Add(*bar->controls(), button(L"&Open", L"", L"open"));
        const boost::shared_ptr<model::ModelCommandBarPopup> help(
            new model::ModelCommandBarPopup(&log_, true));
        help->Write("Caption", host::Variant::Bstr(L"Help"));
        help->Write("Tag", host::Variant::Bstr(L"help"));
        Add(*help->controls(), button(L"Options", L"", L"options"));
        Add(*bar->controls(), help);
        Add(*bar->controls(), button(L"Call Contact via Skype", L"", L"call contact"));
        Add(*bars_->RightClick({{L"Only In The Menu", false}})->controls(),
            button(L"Also In The Menu", L"", L"menu"));
    }

    ModelCommandBarControlPtr button(const wchar_t* caption, const wchar_t* tooltip,
                                     const wchar_t* tag) {
        return Labelled(ModelCommandBarControlPtr(new model::ModelCommandBarButton(&log_, true)),
                        caption, tooltip, tag);
    }
    ModelCommandBarControlPtr combo(const wchar_t* caption, const wchar_t* tooltip,
                                    const wchar_t* tag) {
        return Labelled(ModelCommandBarControlPtr(
                            new model::ModelCommandBarComboBox(&log_, type::kComboBox, true)),
                        caption, tooltip, tag);
    }
    static ModelCommandBarControlPtr Labelled(const ModelCommandBarControlPtr& control,
                                              const wchar_t* caption, const wchar_t* tooltip,
                                              const wchar_t* tag) {
        control->Write("Caption", host::Variant::Bstr(caption));
        control->Write("TooltipText", host::Variant::Bstr(tooltip));
        control->Write("Tag", host::Variant::Bstr(tag));
        return control;
    }
    static void Add(model::ModelCommandBarControls& controls,
                    const ModelCommandBarControlPtr& control) {
        controls.Append(control);
    }

    model::CallLog log_;
    model::ModelCommandBarsPtr bars_;
};

TEST_F(ControlNames, AControlIsNamedByItsCaptionOrElseItsTooltipAndOnlyWhole) {
    const struct {
        const wchar_t* name;
        int type;
        const wchar_t* found;  // the control's tag; empty: none
    } cases[] = {
        {L"skype", 0, L"combo"},  // the label's ':' and blank aside
        {L"SKYPE:", type::kComboBox, L"combo"},
        {L"skype", type::kButton, L""},    // a combo box is no button
        {L"Choose a Skype Name", 0, L""},  // a captioned control's tooltip is no name
        {L"start a skype ip telephony call to contact", type::kButton, L"icon"},
        {L"Open", type::kButton, L"open"},  // the access key's '&' aside
        {L"  &open ", 0, L"open"},
        {L"options", type::kButton, L"options"},  // a popup's items are searched
        {L"help", type::kButton, L""},
        {L"help", 0, L"help"},
        {L"call", type::kButton, L""},  // names are whole
        {L"Call Contact via", 0, L""},
        {L"Also In The Menu", 0, L""},  // the context menu is not the window's bars
        {L"", 0, L""},
        {L"&", 0, L""},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(std::string(each.name, each.name + std::wcslen(each.name)));
        const ModelCommandBarControlPtr found = model::FindControl(*bars_, each.name, each.type);
        EXPECT_EQ(std::wstring(each.found), found ? found->tag() : L"");
    }
    // The menu's own controls are found in it.
    const model::ModelCommandBarPtr menu = bars_->FindBar(office::kContextMenuName);
    ASSERT_TRUE(menu);
    EXPECT_EQ(L"menu", model::FindControl(*menu->controls(), L"also in the menu")->tag());
    EXPECT_EQ(L"only in the menu", model::ControlName(*menu->controls()->controls().at(0)));
}

}  // namespace
