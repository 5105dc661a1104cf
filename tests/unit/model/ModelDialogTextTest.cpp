// Dialogs drawn as text, the same in the simulator and under Wine: every
// control of the template in order, with the live state of those that have
// an identifier; and what changed between two drawings.
#include <gtest/gtest.h>

#include "model/ModelDialogText.h"
#include "resources/DialogIds.h"

namespace {

using State = model::ModelUi::ControlState;

TEST(ModelDialogText, AChooserIsDrawnWithItsTextsSelectionAndStates) {
    const model::DialogTemplate country = model::ModuleDialogTemplates().at(ids::kCountryDialog);
    State list;
    list.items = {"Belgium", "Norway", "\xC5land"};  // Windows-1252 text
    list.selection = 2;
    State always;
    always.checked = true;
    State label;
    label.text = "Always";
    label.enabled = false;
    State ok;
    ok.text = "O\"K";
    ok.enabled = false;
    const std::map<int, State> states = {{ids::kCountryList, list},
                                         {ids::kCountryAlwaysUse, always},
                                         {ids::kCountryAlwaysUseLabel, label},
                                         {ids::kOkButton, ok}};
    const std::string drawn = model::DescribeDialog(country, states);
    EXPECT_EQ(
        "dialog \"Tandrel Information\"\n"
        "1 group \"International Dialing Code\"\n"
        "2 static \"SkypeOut requires phone numbers to be in the full international dialing "
        "format including country code e.g. +44 (020) 1234 5678 or +44 2012345678.\"\n"
        "3 static \"Choose the country or region for this phone number:\"\n"
        "4 sorted list 217 3 items, selected \"\\u{C5}land\"\n"
        "5 check box 218 checked\n"
        "6 static 220 \"Always\" disabled\n"
        "7 default button 1 \"O\\\"K\" disabled\n"
        // No state: as the template has it.
        "8 button 2 \"Cancel\"\n",
        drawn);

    list.selection = -1;
    EXPECT_NE(std::string::npos, model::DescribeDialog(country, {{ids::kCountryList, list}})
                                     .find("4 sorted list 217 3 items, selected nothing\n"));
    EXPECT_NE(std::string::npos,
              model::DescribeDialog(model::ModuleDialogTemplates().at(ids::kAboutDialog), {})
                  .find("1 picture bitmap 201\n"));
}

TEST(ModelDialogText, ChangedLinesAreThoseThatDifferInTheirPlace) {
    const struct {
        const char* before;
        const char* after;
        const char* changed;
    } cases[] = {
        {"a\nb\nc\n", "a\nb\nc\n", ""},
        {"a\nb\nc\n", "a\nB\nc\n", "B\n"},
        {"a\nb\n", "x\nb\ny\n", "x\ny\n"},  // a line the first drawing lacks is new
        {"a\nb\nc\n", "a\n", ""},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.after);
        EXPECT_EQ(each.changed, model::ChangedLines(each.before, each.after));
    }
}

}  // namespace
