#include "model/ModelUi.h"

#include <algorithm>
#include <utility>

#include "model/ModelText.h"
#include "util/CaughtExceptions.h"

namespace model {

namespace {

using Kind = ControlTemplate::Kind;

// MessageBox answers beyond the ones the core uses.
constexpr int kAbort = 3;
constexpr int kRetry = 4;
constexpr int kIgnore = 5;
constexpr int kTryAgain = 10;
constexpr int kContinue = 11;

// The buttons of each MB_ type (flags & 0xF), left to right. An unknown type
// makes MessageBox fail.
std::vector<int> ButtonsOf(unsigned flags) {
    switch (flags & 0xFu) {
        case 0:
            return {platform::answer::kOk};
        case 1:
            return {platform::answer::kOk, platform::answer::kCancel};
        case 2:
            return {kAbort, kRetry, kIgnore};
        case 3:
            return {platform::answer::kYes, platform::answer::kNo, platform::answer::kCancel};
        case 4:
            return {platform::answer::kYes, platform::answer::kNo};
        case 5:
            return {kRetry, platform::answer::kCancel};
        case 6:
            return {platform::answer::kCancel, kTryAgain, kContinue};
        default:
            return {};
    }
}

bool IsList(Kind kind) { return kind == Kind::DropDownList || kind == Kind::SortedDropDownList; }

// The open dialog's controls, behaving as the Windows controls do for the
// operations DialogView offers: a sorted list places new items in the
// locale's order ignoring case, a drop-down list's text is its selection,
// programmatic changes send no notifications.
class ScriptedDialogView : public platform::DialogView {
  public:
    explicit ScriptedDialogView(const DialogTemplate& dialogTemplate) {
        for (const ControlTemplate& control : dialogTemplate.controls) {
            if (control.id < 0) continue;  // statics without an identifier cannot be reached
            kinds_[control.id] = control.kind;
            ModelUi::ControlState& state = controls_[control.id];
            state.text = control.text;
            state.enabled = control.enabled;
        }
    }

    int AddListItem(int control, const std::string& text) override {
        ModelUi::ControlState* list = List(control);
        if (list == nullptr) return -1;
        std::size_t index = list->items.size();
        if (kinds_[control] == Kind::SortedDropDownList) {
            // Before the first item that sorts after it.
            auto sortsAfter = [this](const std::string& value, const std::string& item) {
                return Collate(item, value) > 0;
            };
            index = static_cast<std::size_t>(
                std::upper_bound(list->items.begin(), list->items.end(), text, sortsAfter) -
                list->items.begin());
        }
        const auto at = static_cast<std::ptrdiff_t>(index);
        list->items.insert(list->items.begin() + at, text);
        list->itemData.insert(list->itemData.begin() + at, 0);
        // The selection stays on the same item, which may have moved down.
        if (list->selection >= static_cast<int>(index)) ++list->selection;
        return static_cast<int>(index);
    }
    int ListCount(int control) override {
        ModelUi::ControlState* list = List(control);
        return list == nullptr ? -1 : static_cast<int>(list->items.size());
    }
    std::string ListItemText(int control, int index) override {
        ModelUi::ControlState* list = List(control);
        return list != nullptr && InRange(*list, index) ? list->items[index] : std::string();
    }
    void SetListItemData(int control, int index, std::intptr_t data) override {
        ModelUi::ControlState* list = List(control);
        if (list != nullptr && InRange(*list, index)) list->itemData[index] = data;
    }
    std::intptr_t ListItemData(int control, int index) override {
        ModelUi::ControlState* list = List(control);
        return list != nullptr && InRange(*list, index) ? list->itemData[index] : -1;  // CB_ERR
    }
    void SelectListItem(int control, int index) override {
        ModelUi::ControlState* list = List(control);
        // As CB_SETCURSEL: an index out of range clears the selection.
        if (list != nullptr) list->selection = InRange(*list, index) ? index : -1;
    }
    int ListSelection(int control) override {
        ModelUi::ControlState* list = List(control);
        return list == nullptr ? -1 : list->selection;
    }
    void SetChecked(int control, bool checked) override {
        if (Is(control, Kind::CheckBox)) controls_[control].checked = checked;
    }
    bool IsChecked(int control) override {
        return Is(control, Kind::CheckBox) && controls_[control].checked;
    }
    void EnableControl(int control, bool enabled) override {
        auto found = controls_.find(control);
        if (found != controls_.end()) found->second.enabled = enabled;
    }
    bool IsControlEnabled(int control) override {
        auto found = controls_.find(control);
        return found != controls_.end() && found->second.enabled;
    }
    void SetControlText(int control, const std::string& text) override {
        // A drop-down list shows its selection and keeps no text of its own.
        auto found = controls_.find(control);
        if (found != controls_.end() && !IsList(kinds_[control])) found->second.text = text;
    }
    std::string ControlText(int control) override {
        auto found = controls_.find(control);
        if (found == controls_.end()) return std::string();
        if (IsList(kinds_[control])) {
            const ModelUi::ControlState& list = found->second;
            return InRange(list, list.selection) ? list.items[list.selection] : std::string();
        }
        return found->second.text;
    }
    void EndDialog(std::intptr_t result) override {
        ended_ = true;
        result_ = result;
    }

    bool ended() const { return ended_; }
    std::intptr_t result() const { return result_; }
    const std::map<int, ModelUi::ControlState>& controls() const { return controls_; }

    // What a user can do to a control: it exists, is enabled and is of a kind
    // that takes the action.
    bool CanSelectIn(int control) { return List(control) != nullptr && IsControlEnabled(control); }
    bool CanClick(int control) {
        auto kind = kinds_.find(control);
        if (kind == kinds_.end() || !IsControlEnabled(control)) return false;
        return kind->second == Kind::Button || kind->second == Kind::DefaultButton ||
               kind->second == Kind::CheckBox;
    }
    bool IsCheckBox(int control) { return Is(control, Kind::CheckBox); }
    int IndexOf(int control, const std::string& text) {
        ModelUi::ControlState* list = List(control);
        if (list == nullptr) return -1;
        for (std::size_t i = 0; i < list->items.size(); ++i) {
            if (list->items[i] == text) return static_cast<int>(i);
        }
        return -1;
    }
    // Whether Escape or the close box reach the dialog: not while it has a
    // disabled Cancel button.
    bool CanClose() {
        auto cancel = controls_.find(platform::answer::kCancel);
        return cancel == controls_.end() || cancel->second.enabled;
    }
    // The command Enter sends: the default push button's, IDOK when there
    // is none; 0 (nothing) while the default button is disabled.
    int EnterCommand() {
        for (const auto& kind : kinds_) {
            if (kind.second == Kind::DefaultButton) {
                return IsControlEnabled(kind.first) ? kind.first : 0;
            }
        }
        return platform::answer::kOk;
    }

  private:
    bool Is(int control, Kind kind) {
        auto found = kinds_.find(control);
        return found != kinds_.end() && found->second == kind;
    }
    ModelUi::ControlState* List(int control) {
        auto kind = kinds_.find(control);
        if (kind == kinds_.end() || !IsList(kind->second)) return nullptr;
        return &controls_[control];
    }
    static bool InRange(const ModelUi::ControlState& list, int index) {
        return index >= 0 && index < static_cast<int>(list.items.size());
    }
    // A sorted combo box orders its items as the locale does, ignoring case.
    int Collate(const std::string& a, const std::string& b) {
        return collation_.CompareLocale(collation_.FromAnsi(collation_.ToLowerAnsi(a)),
                                        collation_.FromAnsi(collation_.ToLowerAnsi(b)));
    }

    std::map<int, Kind> kinds_;
    std::map<int, ModelUi::ControlState> controls_;
    ModelText collation_;
    bool ended_ = false;
    std::intptr_t result_ = 0;
};

}  // namespace

DialogAction DialogAction::Select(int control, const std::string& text) {
    DialogAction action;
    action.kind = Kind::SelectItem;
    action.control = control;
    action.text = text;
    return action;
}

DialogAction DialogAction::Click(int control) {
    DialogAction action;
    action.kind = Kind::Click;
    action.control = control;
    return action;
}

DialogAction DialogAction::Close() { return DialogAction(); }

DialogAction DialogAction::Enter() {
    DialogAction action;
    action.kind = Kind::Enter;
    return action;
}

struct ModelUi::Saved {
    std::vector<MessageBoxRecord> messageBoxes;
    std::vector<DialogRecord> dialogs;
    std::function<void()> whileModal;
    platform::WindowHandle activeWindow;
    std::size_t swallowedExceptions;
    std::deque<int> answers;
    std::deque<std::vector<DialogAction>> scripts;
};

void ModelUi::Checkpoint() {
    saved_ = std::make_shared<Saved>(Saved{messageBoxes, dialogs, whileModal, activeWindow,
                                           swallowedExceptions, answers_, scripts_});
}

void ModelUi::Rollback() {
    if (!saved_) return;
    messageBoxes = saved_->messageBoxes;
    dialogs = saved_->dialogs;
    whileModal = saved_->whileModal;
    activeWindow = saved_->activeWindow;
    swallowedExceptions = saved_->swallowedExceptions;
    answers_ = saved_->answers;
    scripts_ = saved_->scripts;
    open_.clear();
    modeless_.clear();  // the logics they served are gone
}

// An open modeless dialog: its controls, its logic, its record.
struct ModelUi::Modeless {
    Modeless(const DialogTemplate& dialogTemplate, platform::DialogLogic& logic, std::size_t index)
        : view(dialogTemplate), logic(logic), index(index) {}
    ScriptedDialogView view;
    platform::DialogLogic& logic;
    std::size_t index;
    // Its logic is handling a message: closing waits until it returns.
    bool busy = false;
};

// The view ModelessView hands out: it finds its dialog at every call, so it
// answers as for missing controls once the dialog has closed.
class ModelUi::Forwarder : public platform::DialogView {
  public:
    Forwarder(ModelUi& ui, platform::WindowHandle dialog) : ui_(ui), dialog_(dialog) {}

    int AddListItem(int control, const std::string& text) override {
        return View() ? View()->AddListItem(control, text) : -1;
    }
    int ListCount(int control) override { return View() ? View()->ListCount(control) : -1; }
    std::string ListItemText(int control, int index) override {
        return View() ? View()->ListItemText(control, index) : std::string();
    }
    void SetListItemData(int control, int index, std::intptr_t data) override {
        if (View()) View()->SetListItemData(control, index, data);
    }
    std::intptr_t ListItemData(int control, int index) override {
        return View() ? View()->ListItemData(control, index) : -1;
    }
    void SelectListItem(int control, int index) override {
        if (View()) View()->SelectListItem(control, index);
    }
    int ListSelection(int control) override { return View() ? View()->ListSelection(control) : -1; }
    void SetChecked(int control, bool checked) override {
        if (View()) View()->SetChecked(control, checked);
    }
    bool IsChecked(int control) override { return View() && View()->IsChecked(control); }
    void EnableControl(int control, bool enabled) override {
        if (View()) View()->EnableControl(control, enabled);
    }
    bool IsControlEnabled(int control) override {
        return View() && View()->IsControlEnabled(control);
    }
    void SetControlText(int control, const std::string& text) override {
        if (View()) View()->SetControlText(control, text);
    }
    std::string ControlText(int control) override {
        return View() ? View()->ControlText(control) : std::string();
    }
    void EndDialog(std::intptr_t result) override {
        if (!View()) return;
        View()->EndDialog(result);
        ui_.EndModeless(dialog_);
    }

  private:
    ScriptedDialogView* View() const {
        const auto found = ui_.modeless_.find(dialog_);
        return found == ui_.modeless_.end() ? nullptr : &found->second->view;
    }

    ModelUi& ui_;
    platform::WindowHandle dialog_;
};

ModelUi::ModelUi() = default;

// Open modeless dialogs are let go without a word to their logic, which
// may be gone already: the add-in closes its dialogs itself.
ModelUi::~ModelUi() = default;

const std::map<int, ModelUi::ControlState>& ModelUi::DialogControls(std::size_t index) const {
    static const std::map<int, ControlState> kNone;
    const auto open = open_.find(index);
    if (open != open_.end()) return *open->second;
    return index < dialogs.size() ? dialogs[index].controls : kNone;
}

void ModelUi::RegisterTemplate(int templateId, DialogTemplate dialogTemplate) {
    templates_[templateId] = std::move(dialogTemplate);
}

const DialogTemplate* ModelUi::FindTemplate(int templateId) const {
    auto found = templates_.find(templateId);
    return found == templates_.end() ? nullptr : &found->second;
}

void ModelUi::RunWhileModal() {
    if (!whileModal || inWhileModal_) {
        return;
    }
    inWhileModal_ = true;
    try {
        // A copy: the hook may replace itself.
        std::function<void()> hook = whileModal;
        hook();
    } catch (...) {
        inWhileModal_ = false;
        throw;
    }
    inWhileModal_ = false;
}

int ModelUi::ShowMessageBox(platform::WindowHandle owner, const std::string& text,
                            const std::string& caption, unsigned flags) {
    const std::vector<int> buttons = ButtonsOf(flags);
    int answer = 0;  // MessageBox fails on a type it does not know
    if (!buttons.empty()) {
        const std::size_t defaultButton = (flags >> 8) & 0xFu;  // MB_DEFBUTTON1..4
        answer = defaultButton < buttons.size() ? buttons[defaultButton] : buttons.front();
    }
    // The answer is taken when the box appears, so that boxes opened while
    // it is up take the answers queued after it.
    if (!answers_.empty()) {
        const int queued = answers_.front();
        answers_.pop_front();
        for (int button : buttons) {
            if (button == queued) answer = queued;
        }
    }
    const std::size_t index = messageBoxes.size();
    messageBoxes.push_back(MessageBoxRecord{owner, text, caption, flags, answer});
    if (!buttons.empty()) {
        RunWhileModal();
    }
    return messageBoxes[index].answer;
}

std::intptr_t ModelUi::ShowDialog(int templateId, platform::WindowHandle owner,
                                  platform::DialogLogic& logic) {
    const DialogTemplate* dialogTemplate = FindTemplate(templateId);
    if (dialogTemplate == nullptr) {
        return -1;  // DialogBoxParam cannot find the resource
    }
    std::vector<DialogAction> script;
    if (!scripts_.empty()) {
        script = std::move(scripts_.front());
        scripts_.pop_front();
    }
    const std::size_t index = dialogs.size();
    dialogs.push_back(DialogRecord{templateId, owner, -1, {}, false});

    ScriptedDialogView view(*dialogTemplate);
    // Open (its controls shown live) until this call returns, however it does.
    struct OpenWhileHere {
        std::map<std::size_t, const std::map<int, ControlState>*>& open;
        std::size_t index;
        ~OpenWhileHere() { open.erase(index); }
    } openWhileHere{open_, index};
    open_[index] = &view.controls();
    // The dialog procedure lets no exception out; neither does the model.
    auto send = [&](int control, int notification) {
        try {
            logic.OnCommand(view, control, notification);
        } catch (...) {
            ++swallowedExceptions;
            caught::Record("ModelUi::OnCommand");
        }
    };
    try {
        logic.OnInitDialog(view);
    } catch (...) {
        ++swallowedExceptions;
        caught::Record("ModelUi::OnInitDialog");
    }
    if (!view.ended()) {
        RunWhileModal();
    }
    DialogAction close;
    close.kind = DialogAction::Kind::Close;
    script.push_back(close);
    for (const DialogAction& action : script) {
        if (view.ended()) break;
        switch (action.kind) {
            case DialogAction::Kind::SelectItem:
            case DialogAction::Kind::SelectIndex: {
                if (!view.CanSelectIn(action.control)) break;
                const int item = action.kind == DialogAction::Kind::SelectItem
                                     ? view.IndexOf(action.control, action.text)
                                     : action.index;
                if (item < 0 || item >= view.ListCount(action.control)) break;
                view.SelectListItem(action.control, item);
                send(action.control, platform::notify::kSelectionChange);
                break;
            }
            case DialogAction::Kind::Click:
                if (!view.CanClick(action.control)) break;
                if (view.IsCheckBox(action.control)) {  // an automatic check box toggles itself
                    view.SetChecked(action.control, !view.IsChecked(action.control));
                }
                send(action.control, platform::notify::kButtonClicked);
                break;
            case DialogAction::Kind::Close:
                if (view.CanClose())
                    send(platform::answer::kCancel, platform::notify::kButtonClicked);
                break;
            case DialogAction::Kind::Enter:
                if (const int command = view.EnterCommand())
                    send(command, platform::notify::kButtonClicked);
                break;
        }
    }

    DialogRecord& record = dialogs[index];
    record.controls = view.controls();
    record.whiteStatics = logic.PaintsStaticsWhite();
    if (view.ended()) {
        record.result = view.result();
    } else {
        record.stuck = true;
        record.result = -1;
    }
    const std::intptr_t result = record.result;
    try {
        logic.OnDestroy();
    } catch (...) {
        ++swallowedExceptions;
        caught::Record("ModelUi::OnDestroy");
    }
    return result;
}

platform::WindowHandle ModelUi::ShowModeless(int templateId, platform::WindowHandle owner,
                                             platform::DialogLogic& logic) {
    const DialogTemplate* dialogTemplate = FindTemplate(templateId);
    if (dialogTemplate == nullptr) {
        return platform::kNoWindow;  // CreateDialogParam cannot find the resource
    }
    const platform::WindowHandle window = nextModeless_;
    nextModeless_ += 4;
    const std::size_t index = dialogs.size();
    DialogRecord record{templateId, owner, 0, {}, false};
    record.modeless = true;
    record.window = window;
    dialogs.push_back(record);
    Modeless& dialog = *(
        modeless_[window] = std::unique_ptr<Modeless>(new Modeless(*dialogTemplate, logic, index)));
    open_[index] = &dialog.view.controls();
    dialog.busy = true;
    try {
        logic.OnInitDialog(dialog.view);
    } catch (...) {
        ++swallowedExceptions;
        caught::Record("ModelUi::OnInitDialog");
    }
    dialog.busy = false;
    if (dialog.view.ended()) {
        // Ended while it was made: CreateDialogParam answers no window.
        EndModeless(window);
        return platform::kNoWindow;
    }
    return window;
}

std::unique_ptr<platform::DialogView> ModelUi::ModelessView(platform::WindowHandle dialog) {
    if (modeless_.count(dialog) == 0) {
        return nullptr;
    }
    return std::unique_ptr<platform::DialogView>(new Forwarder(*this, dialog));
}

void ModelUi::CloseModeless(platform::WindowHandle dialog) { EndModeless(dialog); }

void ModelUi::EndModeless(platform::WindowHandle dialog) {
    const auto found = modeless_.find(dialog);
    if (found == modeless_.end()) {
        return;
    }
    if (found->second->busy) {
        found->second->view.EndDialog(0);  // closes once its logic returns
        return;
    }
    // Out of the table first: nothing reaches a dialog that is going.
    const std::unique_ptr<Modeless> going = std::move(found->second);
    modeless_.erase(found);
    DialogRecord& record = dialogs[going->index];
    record.controls = going->view.controls();
    record.result = going->view.ended() ? going->view.result() : 0;
    open_.erase(going->index);
    try {
        going->logic.OnDestroy();
    } catch (...) {
        ++swallowedExceptions;
        caught::Record("ModelUi::OnDestroy");
    }
}

bool ModelUi::ClickModeless(platform::WindowHandle dialog, int control) {
    const auto found = modeless_.find(dialog);
    if (found == modeless_.end()) {
        return false;
    }
    Modeless& open = *found->second;
    const bool closeBox = control == platform::answer::kCancel && open.view.CanClose();
    if (!open.view.CanClick(control) && !closeBox) {
        return false;
    }
    if (open.view.IsCheckBox(control)) {
        open.view.SetChecked(control, !open.view.IsChecked(control));
    }
    open.busy = true;
    try {
        open.logic.OnCommand(open.view, control, platform::notify::kButtonClicked);
    } catch (...) {
        ++swallowedExceptions;
        caught::Record("ModelUi::OnCommand");
    }
    open.busy = false;
    if (open.view.ended()) {
        EndModeless(dialog);
    }
    return true;
}

std::vector<platform::WindowHandle> ModelUi::OpenModeless() const {
    std::vector<std::pair<std::size_t, platform::WindowHandle>> open;
    for (const auto& each : modeless_) open.push_back({each.second->index, each.first});
    std::sort(open.begin(), open.end());
    std::vector<platform::WindowHandle> windows;
    for (const auto& each : open) windows.push_back(each.second);
    return windows;
}

}  // namespace model
