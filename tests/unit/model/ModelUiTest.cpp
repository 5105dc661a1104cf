// The model's scripted message boxes and dialogs: what a test or the
// simulator scripts must reach the dialog logic as a user's actions would,
// and nothing a user could not do.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "resources/DialogIds.h"
#include "support/ModelFixture.h"

namespace {

using model::DialogAction;
namespace answer = platform::answer;
namespace mb = platform::mb;

constexpr auto Select = &DialogAction::Select;
constexpr auto Click = &DialogAction::Click;
constexpr auto Close = &DialogAction::Close;
DialogAction SelectIndex(int control, int index) {
    DialogAction action;
    action.kind = DialogAction::Kind::SelectIndex;
    action.control = control;
    action.index = index;
    return action;
}

// A chooser shaped like the country dialog: fills the list, enables OK and
// the check box once something is selected, ends with OK or Cancel. Every
// command is logged as "control/notification".
class ChooserLogic : public platform::DialogLogic {
  public:
    void OnInitDialog(platform::DialogView& view) override {
        for (const char* name : {"Norway", "austria", "Belgium"}) {
            int index = view.AddListItem(ids::kCountryList, name);
            view.SetListItemData(ids::kCountryList, index, std::string(name).size());
        }
        if (onInit) onInit(view);
    }
    void OnCommand(platform::DialogView& view, int control, int notification) override {
        commands.push_back(std::to_string(control) + "/" + std::to_string(notification));
        if (control == ids::kCountryList && notification == platform::notify::kSelectionChange) {
            view.EnableControl(ids::kOkButton, true);
            view.EnableControl(ids::kCountryAlwaysUse, true);
        } else if (control == ids::kOkButton) {
            chosen = view.ListItemData(ids::kCountryList, view.ListSelection(ids::kCountryList));
            always = view.IsChecked(ids::kCountryAlwaysUse);
            view.EndDialog(answer::kOk);
        } else if (control == ids::kCancelButton && endOnCancel) {
            view.EndDialog(answer::kCancel);
        }
    }

    std::function<void(platform::DialogView&)> onInit;
    std::vector<std::string> commands;
    std::intptr_t chosen = -1;
    bool always = false;
    bool endOnCancel = true;
};

class ModelUiTest : public testing_support::ModelFixture {
  protected:
    std::intptr_t ShowChooser(ChooserLogic& logic) {
        return platform::ui().ShowDialog(ids::kCountryDialog, 0x777, logic);
    }
    model::ModelUi& ui = model.ui;
};

TEST_F(ModelUiTest, MessageBoxesTakeQueuedAnswersElseTheirDefaultButton) {
    platform::Ui& port = platform::ui();
    ui.QueueAnswer(answer::kNo);
    ui.QueueAnswer(answer::kYes);  // not offered by the OK box it meets
    EXPECT_EQ(answer::kNo, port.ShowMessageBox(0x42, "Launch?", "Tandrel Information",
                                               mb::kYesNo | mb::kIconInformation));
    EXPECT_EQ(answer::kOk, port.ShowMessageBox(0x42, "Note", "Tandrel", mb::kOk));
    EXPECT_EQ(0u, ui.QueuedAnswers());

    // Nothing queued: the default button, which the flags may move.
    EXPECT_EQ(answer::kYes, port.ShowMessageBox(0, "t", "c", mb::kYesNo));
    EXPECT_EQ(answer::kNo, port.ShowMessageBox(0, "t", "c", mb::kYesNo | 0x100));  // MB_DEFBUTTON2
    EXPECT_EQ(answer::kCancel, port.ShowMessageBox(0, "t", "c", 3 | 0x200));    // YESNOCANCEL, 3rd
    EXPECT_EQ(answer::kOk, port.ShowMessageBox(0, "t", "c", mb::kOk | 0x300));  // no 4th button
    EXPECT_EQ(0, port.ShowMessageBox(0, "t", "c", 0xF));  // no such box: MessageBox fails

    ASSERT_EQ(7u, ui.messageBoxes.size());
    const model::ModelUi::MessageBoxRecord& first = ui.messageBoxes.front();
    EXPECT_EQ(0x42u, first.owner);
    EXPECT_EQ("Launch?", first.text);
    EXPECT_EQ("Tandrel Information", first.caption);
    EXPECT_EQ(mb::kYesNo | mb::kIconInformation, first.flags);
    EXPECT_EQ(answer::kNo, first.answer);
    EXPECT_EQ(answer::kOk, ui.messageBoxes[1].answer);
}

TEST_F(ModelUiTest, WhileModalRunsOncePerBoxAndBoxesItOpensTakeLaterAnswers) {
    int runs = 0;
    ui.whileModal = [&] {
        ++runs;
        // Something delivered while the box is up opens another box.
        platform::ui().ShowMessageBox(0, "inner", "c", mb::kYesNo);
    };
    ui.QueueAnswer(answer::kNo);   // the outer box, which appears first
    ui.QueueAnswer(answer::kYes);  // the inner one
    EXPECT_EQ(answer::kNo, platform::ui().ShowMessageBox(0, "outer", "c", mb::kYesNo));
    EXPECT_EQ(1, runs);
    ASSERT_EQ(2u, ui.messageBoxes.size());
    EXPECT_EQ("outer", ui.messageBoxes[0].text);
    EXPECT_EQ("inner", ui.messageBoxes[1].text);
    EXPECT_EQ(answer::kYes, ui.messageBoxes[1].answer);

    // A dialog runs it too, after its initialisation.
    ChooserLogic logic;
    int listSizeSeen = -1;
    ui.whileModal = [&] { listSizeSeen = static_cast<int>(logic.commands.size()); };
    ShowChooser(logic);
    EXPECT_EQ(0, listSizeSeen);  // up before any scripted action
}

TEST_F(ModelUiTest, AnOpenDialogShowsItsControlsAsTheyAreThenItsRecordKeepsTheLast) {
    ChooserLogic logic;
    bool openWhileModal = false;
    int selectionWhileModal = 0;
    bool okEnabledWhileModal = true;
    ui.whileModal = [&] {
        openWhileModal = ui.DialogOpen(0);
        const auto& controls = ui.DialogControls(0);
        selectionWhileModal = controls.at(ids::kCountryList).selection;
        okEnabledWhileModal = controls.at(ids::kOkButton).enabled;
    };
    ui.QueueDialogScript({Select(ids::kCountryList, "Norway"), Click(ids::kOkButton)});
    ShowChooser(logic);
    EXPECT_TRUE(openWhileModal);
    EXPECT_EQ(-1, selectionWhileModal);
    EXPECT_FALSE(okEnabledWhileModal);
    EXPECT_FALSE(ui.DialogOpen(0));
    EXPECT_EQ(2,
              ui.DialogControls(0).at(ids::kCountryList).selection);  // after "austria", "Belgium"
    EXPECT_TRUE(ui.DialogControls(0).at(ids::kOkButton).enabled);
    EXPECT_TRUE(ui.DialogControls(1).empty());  // no such dialog
}

TEST_F(ModelUiTest, AScriptedChoiceReachesTheLogicAsTheUserWouldMakeIt) {
    ChooserLogic logic;
    ui.QueueDialogScript({Click(ids::kOkButton),                 // disabled: nothing happens
                          Click(ids::kCountryAlwaysUse),         // disabled too
                          Select(ids::kCountryList, "Nowhere"),  // not in the list
                          Select(ids::kCountryList, "Belgium"),
                          Click(ids::kCountryAlwaysUse),  // enabled now: toggles on
                          Click(ids::kOkButton),
                          Click(ids::kCancelButton)});  // the dialog is gone by then
    EXPECT_EQ(answer::kOk, ShowChooser(logic));
    EXPECT_EQ((std::vector<std::string>{"217/1", "218/0", "1/0"}), logic.commands);
    EXPECT_EQ(7, logic.chosen);  // Belgium's item data
    EXPECT_TRUE(logic.always);

    ASSERT_EQ(1u, ui.dialogs.size());
    const model::ModelUi::DialogRecord& record = ui.dialogs.front();
    EXPECT_EQ(ids::kCountryDialog, record.templateId);
    EXPECT_EQ(0x777u, record.owner);
    EXPECT_EQ(answer::kOk, record.result);
    EXPECT_FALSE(record.stuck);
    const model::ModelUi::ControlState& list = record.controls.at(ids::kCountryList);
    EXPECT_EQ((std::vector<std::string>{"austria", "Belgium", "Norway"}), list.items);
    EXPECT_EQ(1, list.selection);
    EXPECT_TRUE(record.controls.at(ids::kCountryAlwaysUse).checked);
}

TEST_F(ModelUiTest, SelectingByIndexAndClosingTheDialog) {
    ChooserLogic logic;
    ui.QueueDialogScript({SelectIndex(ids::kCountryList, 3),  // out of range: nothing
                          SelectIndex(ids::kCountryList, 2), Close()});
    EXPECT_EQ(answer::kCancel, ShowChooser(logic));
    EXPECT_EQ((std::vector<std::string>{"217/1", "2/0"}), logic.commands);
    EXPECT_EQ(2, ui.dialogs.back().controls.at(ids::kCountryList).selection);

    // A script that stops short is followed by Close; no script at all, too.
    ChooserLogic second;
    ui.QueueDialogScript({Select(ids::kCountryList, "Norway")});
    EXPECT_EQ(answer::kCancel, ShowChooser(second));
    EXPECT_EQ((std::vector<std::string>{"217/1", "2/0"}), second.commands);
    ChooserLogic third;
    EXPECT_EQ(answer::kCancel, ShowChooser(third));
    EXPECT_EQ((std::vector<std::string>{"2/0"}), third.commands);
}

TEST_F(ModelUiTest, EnterPressesTheDefaultButtonOnlyWhileItIsEnabled) {
    ChooserLogic logic;
    DialogAction enter;
    enter.kind = DialogAction::Kind::Enter;
    ui.QueueDialogScript({enter, Select(ids::kCountryList, "Norway"), enter});
    EXPECT_EQ(answer::kOk, ShowChooser(logic));  // the first Enter met a disabled OK
    EXPECT_EQ((std::vector<std::string>{"217/1", "1/0"}), logic.commands);
}

TEST_F(ModelUiTest, ADialogThatWillNotCloseEndsStuckAndCloseNeedsAnEnabledCancel) {
    ChooserLogic stubborn;
    stubborn.endOnCancel = false;
    EXPECT_EQ(-1, ShowChooser(stubborn));
    EXPECT_TRUE(ui.dialogs.back().stuck);

    ChooserLogic cancelDisabled;
    cancelDisabled.onInit = [](platform::DialogView& view) {
        view.EnableControl(ids::kCancelButton, false);
    };
    ui.QueueDialogScript({Close(), Click(ids::kCancelButton)});
    EXPECT_EQ(-1, ShowChooser(cancelDisabled));
    EXPECT_TRUE(cancelDisabled.commands.empty());
}

TEST_F(ModelUiTest, EndingDuringInitialisationUsesUpTheScriptAndSkipsTheHook) {
    bool hookRan = false;
    ui.whileModal = [&] { hookRan = true; };
    ChooserLogic quick;
    quick.onInit = [](platform::DialogView& view) { view.EndDialog(42); };
    ui.QueueDialogScript({Select(ids::kCountryList, "Norway")});
    ui.QueueDialogScript({Close()});
    EXPECT_EQ(42, ShowChooser(quick));
    EXPECT_TRUE(quick.commands.empty());
    EXPECT_FALSE(hookRan);
    EXPECT_EQ(1u, ui.QueuedScripts());  // the second script waits for the next dialog

    // An unknown template shows nothing and leaves the scripts alone.
    ChooserLogic unused;
    EXPECT_EQ(-1, platform::ui().ShowDialog(9999, 0, unused));
    EXPECT_EQ(1u, ui.QueuedScripts());
    EXPECT_EQ(1u, ui.dialogs.size());
}

TEST_F(ModelUiTest, ExceptionsFromTheLogicStopAtTheDialog) {
    class Faulty : public platform::DialogLogic {
      public:
        void OnInitDialog(platform::DialogView&) override { throw std::runtime_error("init"); }
        void OnCommand(platform::DialogView& view, int control, int) override {
            if (control == ids::kCancelButton) view.EndDialog(answer::kCancel);
            throw std::logic_error("command");
        }
    } faulty;
    EXPECT_EQ(answer::kCancel, platform::ui().ShowDialog(ids::kCountryDialog, 0, faulty));
    EXPECT_EQ(2u, ui.swallowedExceptions);
    expectedCaughtExceptions = 2;
}

TEST_F(ModelUiTest, AModelessDialogTakesTheClicksAUserCouldMake) {
    // Every click logged; the contact button disables itself, Close ends it,
    // and the name text refuses to be clicked.
    class Notice : public platform::DialogLogic {
      public:
        void OnInitDialog(platform::DialogView&) override {}
        void OnCommand(platform::DialogView& view, int control, int notification) override {
            clicks.push_back(control);
            EXPECT_EQ(platform::notify::kButtonClicked, notification);
            if (control == ids::kIncomingCallContact) {
                view.EnableControl(control, false);
            } else if (control == ids::kCancelButton) {
                view.EndDialog(0);
                EXPECT_EQ(0, destroyed);  // the window goes once the handler returns
            }
        }
        void OnDestroy() override { ++destroyed; }
        std::vector<int> clicks;
        int destroyed = 0;
    } notice;
    const platform::WindowHandle dialog =
        platform::ui().ShowModeless(ids::kIncomingCallDialog, 0, notice);
    ASSERT_NE(platform::kNoWindow, dialog);
    EXPECT_EQ(std::vector<platform::WindowHandle>{dialog}, ui.OpenModeless());
    EXPECT_TRUE(ui.DialogOpen(0));
    EXPECT_TRUE(ui.dialogs[0].modeless);

    const struct {
        int control;
        bool clicked;
    } clicks[] = {
        {ids::kIncomingCallName, false},  // a text
        {4242, false},                    // no such control
        {ids::kIncomingCallContact, true},
        {ids::kIncomingCallContact, false},  // disabled now
        {ids::kCancelButton, true},
        {ids::kCancelButton, false},  // closed
    };
    for (const auto& click : clicks) {
        EXPECT_EQ(click.clicked, ui.ClickModeless(dialog, click.control)) << click.control;
    }
    EXPECT_EQ((std::vector<int>{ids::kIncomingCallContact, ids::kCancelButton}), notice.clicks);
    EXPECT_EQ(1, notice.destroyed);
    EXPECT_TRUE(ui.OpenModeless().empty());
    EXPECT_FALSE(ui.DialogOpen(0));
    EXPECT_FALSE(ui.dialogs[0].controls.at(ids::kIncomingCallContact).enabled);
}

TEST_F(ModelUiTest, AModelessDialogEndedWhileItIsMadeIsNotShown) {
    class Refusing : public platform::DialogLogic {
      public:
        void OnInitDialog(platform::DialogView& view) override { view.EndDialog(0); }
        void OnCommand(platform::DialogView&, int, int) override {}
        void OnDestroy() override { ++destroyed; }
        int destroyed = 0;
    } refusing;
    EXPECT_EQ(platform::kNoWindow,
              platform::ui().ShowModeless(ids::kIncomingCallDialog, 0, refusing));
    EXPECT_EQ(1, refusing.destroyed);
    EXPECT_TRUE(ui.OpenModeless().empty());
}

}  // namespace
