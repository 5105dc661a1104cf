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
#include <memory>
#include <string>
#include <vector>

#include "platform/Ui.h"
#include "resources/DialogTemplates.h"

namespace model {

// A control of a dialog template, as the model needs it.
struct ControlTemplate {
    using Kind = ids::ControlKind;
    int id;  // -1 for controls without an identifier
    Kind kind;
    std::string text;
    bool enabled;
    int x = 0, y = 0, width = 0, height = 0;  // dialog units
    int bitmap = 0;                           // a picture's bitmap resource
};

struct DialogTemplate {
    std::string title;
    int width = 0;  // dialog units
    int height = 0;
    bool centred = false;
    std::vector<ControlTemplate> controls;
};

// One thing the user does in an open dialog. Actions on a disabled control,
// on a control the action does not fit (selecting in a button, clicking a
// static text) or naming an item the list does not hold do nothing, as a
// user cannot do them.
struct DialogAction {
    static DialogAction Select(int control, const std::string& text);
    static DialogAction Click(int control);
    static DialogAction Close();
    static DialogAction Enter();

    enum class Kind {
        SelectItem,   // pick the item whose text is `text` in list `control`
        SelectIndex,  // pick item `index` in list `control`
        Click,        // click button or check box `control` (check boxes toggle)
        Close,        // the close box or Escape: IDCANCEL, unless Cancel is disabled
        Enter,        // the default push button, IDOK without one; not when it is disabled
    };
    Kind kind = Kind::Close;  // an action left unset is the harmless one
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
    // A modeless dialog opens with a handle of its own (never reused) and is
    // recorded in `dialogs` like the modal ones; it stays open until its
    // logic ends it, CloseModeless, or the user clicks what closes it.
    platform::WindowHandle ShowModeless(int templateId, platform::WindowHandle owner,
                                        platform::DialogLogic& logic) override;
    std::unique_ptr<platform::DialogView> ModelessView(platform::WindowHandle dialog) override;
    void CloseModeless(platform::WindowHandle dialog) override;
    ~ModelUi() override;

    // The user clicks button or check box `control` of an open modeless
    // dialog (Close: the close box, IDCANCEL); false when the dialog has
    // closed or the control cannot be clicked (missing, disabled, a text).
    bool ClickModeless(platform::WindowHandle dialog, int control);
    // The modeless dialogs open now, oldest first.
    std::vector<platform::WindowHandle> OpenModeless() const;

    // Message boxes take the queued answers in order; with none queued the
    // default button answers (the first button, e.g. OK or Yes, unless the
    // flags choose another). A queued answer the box does not offer (Yes on
    // an OK box) is used up and the default button answers instead.
    void QueueAnswer(int answer) { answers_.push_back(answer); }
    std::size_t QueuedAnswers() const { return answers_.size(); }
    struct MessageBoxRecord {
        platform::WindowHandle owner;
        std::string text;
        std::string caption;
        unsigned flags;
        int answer;
    };
    // In the order the boxes appeared.
    std::vector<MessageBoxRecord> messageBoxes;

    // Dialogs take the queued scripts in order, one per dialog shown (also
    // by a dialog that ends itself during OnInitDialog). A script that ends
    // without closing the dialog is followed by Close; a dialog that still
    // stays open then would never close on Windows: the model ends it with
    // -1 and marks its record `stuck`.
    void QueueDialogScript(std::vector<DialogAction> actions) {
        scripts_.push_back(std::move(actions));
    }
    std::size_t QueuedScripts() const { return scripts_.size(); }
    void RegisterTemplate(int templateId, DialogTemplate dialogTemplate);
    // Null when no such template is registered.
    const DialogTemplate* FindTemplate(int templateId) const;

    struct ControlState {
        std::string text;
        bool enabled = true;
        bool checked = false;
        std::vector<std::string> items;  // list items in display order
        std::vector<std::intptr_t> itemData;
        int selection = -1;
    };
    struct DialogRecord {
        int templateId;
        platform::WindowHandle owner;
        std::intptr_t result;
        // The controls that have an identifier, as they were when the dialog ended.
        std::map<int, ControlState> controls;
        bool stuck = false;
        // What the logic answered to WM_CTLCOLORSTATIC.
        bool whiteStatics = false;
        // A modeless dialog, and its window.
        bool modeless = false;
        platform::WindowHandle window = 0;
    };
    // In the order the dialogs appeared.
    std::vector<DialogRecord> dialogs;
    // Whether dialogs[index] is still open.
    bool DialogOpen(std::size_t index) const { return open_.count(index) != 0; }
    // The controls of dialogs[index] that have an identifier: while it is
    // open, as its logic and the user's actions leave them so far.
    const std::map<int, ControlState>& DialogControls(std::size_t index) const;

    // Runs once while each box or dialog is open (a dialog: after
    // OnInitDialog, before the script). Boxes and dialogs opened from inside
    // it do not run it again, so it cannot recurse without end.
    std::function<void()> whileModal;
    platform::WindowHandle activeWindow = 0x00050A10;

    // Exceptions that dialog logic let out and the model caught and
    // recorded (caught::Record), as the win32 dialog procedure does.
    std::size_t swallowedExceptions = 0;

    // Remembers the records, the queued answers and scripts and the hook as
    // they are now (no box or dialog may be open); Rollback() brings them
    // back. The templates stay as they are.
    void Checkpoint();
    void Rollback();

  private:
    struct Saved;

    struct Modeless;
    class Forwarder;
    void RunWhileModal();
    // Closes the modeless dialog (its logic hears OnDestroy) and records
    // how its controls were left.
    void EndModeless(platform::WindowHandle dialog);

    bool inWhileModal_ = false;
    // The live controls of the dialogs open now, by record index.
    std::map<std::size_t, const std::map<int, ControlState>*> open_;
    std::deque<int> answers_;
    std::deque<std::vector<DialogAction>> scripts_;
    std::map<int, DialogTemplate> templates_;
    std::shared_ptr<Saved> saved_;
    std::map<platform::WindowHandle, std::unique_ptr<Modeless>> modeless_;
    platform::WindowHandle nextModeless_ = 0x00D10004;
};

// The module's dialog templates (from the same source as tandrel.rc) by
// their identifiers; registered into every ModelUi.
std::map<int, DialogTemplate> ModuleDialogTemplates();
void RegisterModuleDialogTemplates(ModelUi* ui);

}  // namespace model
