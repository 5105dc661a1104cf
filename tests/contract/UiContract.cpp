// The ui port's dialogs: every template of the module (220, 109, 230, 207)
// opens with its controls as described, the country chooser's controls are
// driven through DialogView, and a modeless dialog opens without taking the
// activation, is changed while open and closes, against the model's copy of
// the templates and against the compiled resources (Wine).
// Message boxes cannot be answered under Wine's null graphics driver; the
// model's are tested on their own.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "contract/ContractEnvironment.h"
#include "resources/DialogIds.h"
#include "resources/DialogTemplates.h"
#include "resources/DialogTexts.h"

namespace {

// The controls with an identifier, as the template makes them.
struct ControlSnapshot {
    bool enabled;
    bool checked;
    std::string text;
};

// Everything the dialog logic sees while it works the controls inside
// OnInitDialog; the test looks at it once the dialog has closed.
struct Observations {
    std::map<int, ControlSnapshot> initial;
    int initialCount = -2;
    int initialSelection = -2;
    std::vector<int> addedAt;
    std::vector<std::string> listed;
    std::vector<std::intptr_t> listedData;
    int selected = -2;
    std::string selectedText;
    int selectionAfterBadIndex = -2;
    std::intptr_t dataOfBadIndex = 0;
    std::string textOfBadIndex = "stale";
    bool okEnabled = false;
    bool alwaysEnabled = false;
    bool checkedAfterSet = false;
    bool checkedAfterClear = true;
    std::string labelText;
    int addToStatic = 0;
    int countOfMissing = 0;
    bool missingEnabled = true;
    std::string missingText = "stale";
    int commandsDuringInit = -1;
};

// Country names given out of order, with the dialling code as item data.
const std::vector<std::pair<std::string, int>> kCountries = {
    {"United Kingdom", 44},    {"austria", 43}, {"Norway", 47},
    {"\xC5land Islands", 358}, {"Belgium", 32}, {"bahamas", 1}};

class ProbingLogic : public platform::DialogLogic {
  public:
    explicit ProbingLogic(Observations* seen) : seen_(seen) {}

    void OnInitDialog(platform::DialogView& view) override {
        using ids::kCountryList;
        for (int id : {ids::kCountryList, ids::kCountryAlwaysUse, ids::kCountryAlwaysUseLabel,
                       ids::kOkButton, ids::kCancelButton}) {
            seen_->initial[id] = ControlSnapshot{view.IsControlEnabled(id), view.IsChecked(id),
                                                 view.ControlText(id)};
        }
        seen_->initialCount = view.ListCount(kCountryList);
        seen_->initialSelection = view.ListSelection(kCountryList);

        for (const auto& country : kCountries) {
            const int at = view.AddListItem(kCountryList, country.first);
            seen_->addedAt.push_back(at);
            view.SetListItemData(kCountryList, at, country.second);
        }
        const int count = view.ListCount(kCountryList);
        int belgium = -1;
        for (int i = 0; i < count; ++i) {
            seen_->listed.push_back(view.ListItemText(kCountryList, i));
            seen_->listedData.push_back(view.ListItemData(kCountryList, i));
            if (seen_->listed.back() == "Belgium") belgium = i;
        }

        view.SelectListItem(kCountryList, belgium);
        seen_->selected = view.ListSelection(kCountryList);
        seen_->selectedText = view.ControlText(kCountryList);
        seen_->dataOfBadIndex = view.ListItemData(kCountryList, count + 5);
        seen_->textOfBadIndex = view.ListItemText(kCountryList, count + 5);
        view.SelectListItem(kCountryList, count + 5);
        seen_->selectionAfterBadIndex = view.ListSelection(kCountryList);

        view.EnableControl(ids::kOkButton, true);
        view.EnableControl(ids::kCountryAlwaysUse, true);
        seen_->okEnabled = view.IsControlEnabled(ids::kOkButton);
        seen_->alwaysEnabled = view.IsControlEnabled(ids::kCountryAlwaysUse);
        view.SetChecked(ids::kCountryAlwaysUse, true);
        seen_->checkedAfterSet = view.IsChecked(ids::kCountryAlwaysUse);
        view.SetChecked(ids::kCountryAlwaysUse, false);
        seen_->checkedAfterClear = view.IsChecked(ids::kCountryAlwaysUse);
        view.SetControlText(ids::kCountryAlwaysUseLabel, "Always use Belgium");
        seen_->labelText = view.ControlText(ids::kCountryAlwaysUseLabel);

        seen_->addToStatic = view.AddListItem(ids::kCountryAlwaysUseLabel, "not a list");
        seen_->countOfMissing = view.ListCount(4242);
        seen_->missingEnabled = view.IsControlEnabled(4242);
        seen_->missingText = view.ControlText(4242);

        seen_->commandsDuringInit = commands_;
        view.EndDialog(7);
    }
    void OnCommand(platform::DialogView&, int, int) override { ++commands_; }

  private:
    Observations* seen_;
    int commands_ = 0;
};

class UiContract : public ::testing::Test {
  protected:
    void SetUp() override {
        ProbingLogic logic(&seen);
        result = platform::ui().ShowDialog(ids::kCountryDialog, platform::kNoWindow, logic);
    }
    Observations seen;
    std::intptr_t result = 0;
};

TEST_F(UiContract, TheDialogEndsWithTheValueGivenToEndDialog) {
    EXPECT_EQ(7, result);
    EXPECT_EQ(0, seen.commandsDuringInit);  // setting controls notifies nobody
}

TEST_F(UiContract, TheTemplateStartsWithOkAndAlwaysUseDisabled) {
    ASSERT_EQ(5u, seen.initial.size());
    EXPECT_TRUE(seen.initial[ids::kCountryList].enabled);
    EXPECT_FALSE(seen.initial[ids::kCountryAlwaysUse].enabled);
    EXPECT_FALSE(seen.initial[ids::kCountryAlwaysUse].checked);
    EXPECT_FALSE(seen.initial[ids::kCountryAlwaysUseLabel].enabled);
    EXPECT_FALSE(seen.initial[ids::kOkButton].enabled);
    EXPECT_TRUE(seen.initial[ids::kCancelButton].enabled);

    EXPECT_EQ("", seen.initial[ids::kCountryList].text);
    EXPECT_EQ("", seen.initial[ids::kCountryAlwaysUse].text);
    EXPECT_EQ(TANDREL_COUNTRY_ALWAYS_USE_LABEL, seen.initial[ids::kCountryAlwaysUseLabel].text);
    EXPECT_EQ(TANDREL_COUNTRY_OK, seen.initial[ids::kOkButton].text);
    EXPECT_EQ(TANDREL_COUNTRY_CANCEL, seen.initial[ids::kCancelButton].text);
    EXPECT_EQ(0, seen.initialCount);
    EXPECT_EQ(-1, seen.initialSelection);
}

TEST_F(UiContract, TheListSortsItsItemsAndKeepsTheirData) {
    // The locale's order, ignoring case; the ring above the A does not send
    // it after Z.
    EXPECT_EQ((std::vector<std::string>{"\xC5land Islands", "austria", "bahamas", "Belgium",
                                        "Norway", "United Kingdom"}),
              seen.listed);
    EXPECT_EQ((std::vector<std::intptr_t>{358, 43, 1, 32, 47, 44}), seen.listedData);
    // Each addition answered where the item went at that moment.
    EXPECT_EQ((std::vector<int>{0, 0, 1, 0, 2, 2}), seen.addedAt);
}

TEST_F(UiContract, SelectionAndItsTextFollowTheList) {
    EXPECT_EQ(3, seen.selected);
    EXPECT_EQ("Belgium", seen.selectedText);  // a drop-down list shows its selection
    EXPECT_EQ(-1, seen.selectionAfterBadIndex);
    EXPECT_EQ(-1, seen.dataOfBadIndex);
    EXPECT_EQ("", seen.textOfBadIndex);
}

TEST_F(UiContract, ButtonsAndTextsFollowTheLogic) {
    EXPECT_TRUE(seen.okEnabled);
    EXPECT_TRUE(seen.alwaysEnabled);
    EXPECT_TRUE(seen.checkedAfterSet);
    EXPECT_FALSE(seen.checkedAfterClear);
    EXPECT_EQ("Always use Belgium", seen.labelText);
}

TEST_F(UiContract, ControlsThatAreMissingOrNoListsAnswerSafely) {
    EXPECT_EQ(-1, seen.addToStatic);
    EXPECT_EQ(-1, seen.countOfMissing);
    EXPECT_FALSE(seen.missingEnabled);
    EXPECT_EQ("", seen.missingText);
}

// What a control with an identifier reports as its dialog opens.
struct Opened {
    bool enabled;
    bool checked;
    std::string text;
    int listCount;  // -1: not a list
};
bool operator==(const Opened& a, const Opened& b) {
    return a.enabled == b.enabled && a.checked == b.checked && a.text == b.text &&
           a.listCount == b.listCount;
}
std::ostream& operator<<(std::ostream& out, const Opened& c) {
    return out << (c.enabled ? "enabled" : "disabled") << (c.checked ? " checked" : "") << " \""
               << c.text << "\" list " << c.listCount;
}

class OpeningLogic : public platform::DialogLogic {
  public:
    explicit OpeningLogic(const std::vector<int>& controls) : controls_(controls) {}
    void OnInitDialog(platform::DialogView& view) override {
        for (int id : controls_) {
            seen[id] = Opened{view.IsControlEnabled(id), view.IsChecked(id), view.ControlText(id),
                              view.ListCount(id)};
        }
        view.EndDialog(3);
    }
    void OnCommand(platform::DialogView&, int, int) override {}
    std::map<int, Opened> seen;

  private:
    std::vector<int> controls_;
};

TEST(UiContractTemplates, EveryTemplateOpensWithItsControlsAsDescribed) {
    using Row = ids::TemplateRow::Row;
    using Kind = ids::ControlKind;
    int dialog = 0;
    std::map<int, Opened> expected;
    std::vector<int> controls;
    int opened = 0;
    for (const ids::TemplateRow& row : ids::kTemplateRows) {
        if (row.row == Row::Dialog) {
            dialog = row.id;
            expected.clear();
            controls.clear();
        } else if (row.row == Row::Control && row.id >= 0) {
            const bool list =
                row.kind == Kind::DropDownList || row.kind == Kind::SortedDropDownList;
            expected[row.id] = Opened{row.state == ids::ControlState::Enabled, false,
                                      list ? "" : row.text, list ? 0 : -1};
            controls.push_back(row.id);
        } else if (row.row == Row::End) {
            OpeningLogic logic(controls);
            EXPECT_EQ(3, platform::ui().ShowDialog(dialog, platform::kNoWindow, logic)) << dialog;
            EXPECT_EQ(expected, logic.seen) << "dialog " << dialog;
            ++opened;
        }
    }
    EXPECT_EQ(4, opened);
}

TEST(UiContractTemplates, AnUnknownTemplateCannotBeShown) {
    struct Never : platform::DialogLogic {
        bool initialised = false;
        void OnInitDialog(platform::DialogView& view) override {
            initialised = true;
            view.EndDialog(1);
        }
        void OnCommand(platform::DialogView&, int, int) override {}
    } logic;
    EXPECT_EQ(-1, platform::ui().ShowDialog(9999, platform::kNoWindow, logic));
    EXPECT_FALSE(logic.initialised);
}

// A modeless dialog's logic: what it saw when it opened, and how often it
// heard of its window going.
class NoticeLogic : public platform::DialogLogic {
  public:
    void OnInitDialog(platform::DialogView& view) override {
        ++initialised;
        openedWith = view.ControlText(ids::kIncomingCallContact);
        view.SetControlText(ids::kIncomingCallName, name);
    }
    void OnCommand(platform::DialogView&, int, int) override { ++commands; }
    void OnDestroy() override { ++destroyed; }

    std::string name;
    std::string openedWith;
    int initialised = 0;
    int commands = 0;
    int destroyed = 0;
};

TEST(UiContractModeless, ANoticeOpensBesideTheUsersWindowAndClosesWhenAsked) {
    platform::Ui& ui = platform::ui();
    const platform::WindowHandle active = ui.ActiveWindow();
    NoticeLogic first;
    first.name = "Alice & Bob";
    NoticeLogic second;
    second.name = "Carol";
    const platform::WindowHandle one =
        ui.ShowModeless(ids::kIncomingCallDialog, platform::kNoWindow, first);
    const platform::WindowHandle two =
        ui.ShowModeless(ids::kIncomingCallDialog, platform::kNoWindow, second);
    ASSERT_NE(platform::kNoWindow, one);
    ASSERT_NE(platform::kNoWindow, two);
    EXPECT_NE(one, two);
    // Shown without taking the activation, and without waiting for anyone.
    EXPECT_EQ(active, ui.ActiveWindow());
    EXPECT_EQ(1, first.initialised);
    EXPECT_EQ(TANDREL_INCOMING_OPEN, first.openedWith);

    // Each changed while open, on its own.
    std::unique_ptr<platform::DialogView> view = ui.ModelessView(one);
    ASSERT_NE(nullptr, view);
    EXPECT_EQ("Alice & Bob", view->ControlText(ids::kIncomingCallName));
    view->SetControlText(ids::kIncomingCallFrom, "+442079460018");
    EXPECT_EQ("+442079460018", view->ControlText(ids::kIncomingCallFrom));
    EXPECT_EQ("", ui.ModelessView(two)->ControlText(ids::kIncomingCallFrom));
    EXPECT_TRUE(view->IsControlEnabled(ids::kIncomingCallContact));

    // Closed by the port, and by its own logic's EndDialog: each hears it
    // once, and nothing of it can be reached afterwards.
    ui.CloseModeless(one);
    EXPECT_EQ(1, first.destroyed);
    EXPECT_EQ(nullptr, ui.ModelessView(one));
    EXPECT_EQ("", view->ControlText(ids::kIncomingCallName));
    ui.CloseModeless(one);
    EXPECT_EQ(1, first.destroyed);
    ui.ModelessView(two)->EndDialog(0);
    EXPECT_EQ(1, second.destroyed);
    EXPECT_EQ(nullptr, ui.ModelessView(two));
    EXPECT_EQ(0, first.commands + second.commands);
}

TEST(UiContractModeless, AnUnknownTemplateShowsNothing) {
    NoticeLogic logic;
    EXPECT_EQ(platform::kNoWindow, platform::ui().ShowModeless(9999, platform::kNoWindow, logic));
    EXPECT_EQ(0, logic.initialised);
    EXPECT_EQ(0, logic.destroyed);
}

}  // namespace
