// The model's user interface: message boxes answered from a script, modal
// dialogs from a description of their templates driven by scripted user
// actions, and everything shown recorded for tests and the simulator.
//
// A real modal loop keeps dispatching the thread's messages; `whileModal`
// (when set) runs while a box or dialog is open so a test or the simulator
// can deliver messages (Skype's replies) at that moment.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Ui.h"

namespace model {

// A control of a dialog template, as the model needs it.
struct ControlTemplate {
    enum class Kind { Static, Group, Button, DefaultButton, CheckBox, DropDownList, SortedDropDownList };
    int id;  // -1 for controls without an identifier
    Kind kind;
    std::string text;
    bool enabled;
};

struct DialogTemplate {
    std::string title;
    std::vector<ControlTemplate> controls;
};

// One thing the user does in an open dialog. Actions on a disabled control
// do nothing, as a user cannot click one.
struct DialogAction {
    enum class Kind {
        SelectItem,   // pick the item whose text is `text` in list `control`
        SelectIndex,  // pick item `index` in list `control`
        Click,        // click button or check box `control` (check boxes toggle)
        Close,        // the close box or Escape: IDCANCEL
    };
    Kind kind;
    int control = 0;
    std::string text;
    int index = -1;
};

class ModelUi : public platform::Ui {
public:
    ModelUi();

    int ShowMessageBox(platform::WindowHandle owner, const std::string& text,
                       const std::string& caption, unsigned flags) override;
    std::intptr_t ShowDialog(int templateId, platform::WindowHandle owner,
                             platform::DialogLogic& logic) override;
    platform::WindowHandle ActiveWindow() override { return activeWindow; }

    // Message boxes take the queued answers in order; with none queued the
    // default button answers (OK, or Yes for Yes/No boxes).
    void QueueAnswer(int answer) { answers_.push_back(answer); }
    struct MessageBoxRecord {
        platform::WindowHandle owner;
        std::string text;
        std::string caption;
        unsigned flags;
        int answer;
    };
    std::vector<MessageBoxRecord> messageBoxes;

    // Dialogs take the queued scripts in order, one per dialog shown. A
    // script that ends without closing the dialog is followed by Close.
    void QueueDialogScript(std::vector<DialogAction> actions) {
        scripts_.push_back(std::move(actions));
    }
    void RegisterTemplate(int templateId, DialogTemplate dialogTemplate);

    struct ControlState {
        std::string text;
        bool enabled = true;
        bool checked = false;
        std::vector<std::string> items;     // list items in display order
        std::vector<std::intptr_t> itemData;
        int selection = -1;
    };
    struct DialogRecord {
        int templateId;
        platform::WindowHandle owner;
        std::intptr_t result;
        std::map<int, ControlState> controls;  // as they were when the dialog ended
    };
    std::vector<DialogRecord> dialogs;

    std::function<void()> whileModal;
    platform::WindowHandle activeWindow = 0x00050A10;

private:
    std::deque<int> answers_;
    std::deque<std::vector<DialogAction>> scripts_;
    std::map<int, DialogTemplate> templates_;
};

// The descriptions of the module's dialog templates (the same dialogs as
// tandrel.rc), registered into every ModelUi.
void RegisterModuleDialogTemplates(ModelUi* ui);

}  // namespace model
