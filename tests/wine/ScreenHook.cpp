#include "ScreenHook.h"

#include <cctype>

#include "model/ModelDialogText.h"
#include "model/world/ScriptText.h"

namespace outlook_host {

namespace {

ScreenHook* g_screen = nullptr;

const std::map<int, model::DialogTemplate>& Templates() {
    static const std::map<int, model::DialogTemplate> kTemplates = model::ModuleDialogTemplates();
    return kTemplates;
}

std::string WindowText(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The module's dialog this window shows: its title, and every control
// with an identifier there. 0 for another window (a message box).
int TemplateOf(HWND window) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") != 0) return 0;
    const std::string title = WindowText(window);
    for (const auto& each : Templates()) {
        bool all = each.second.title == title;
        for (const model::ControlTemplate& control : each.second.controls) {
            all = all && (control.id < 0 || GetDlgItem(window, control.id) != nullptr);
        }
        if (all) return each.first;
    }
    return 0;
}

bool IsMessageBox(HWND window) {
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0 && GetDlgItem(window, 0xFFFF) != nullptr;
}

}  // namespace

ScreenHook::ScreenHook(model::Printer& out) : out_(out) {
    g_screen = this;
    hook_ = SetWindowsHookExA(WH_CBT, OnCbt, nullptr, GetCurrentThreadId());
}

ScreenHook::~ScreenHook() {
    if (timer_ != 0) KillTimer(nullptr, timer_);
    if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
    g_screen = nullptr;
}

LRESULT CALLBACK ScreenHook::OnCbt(int code, WPARAM wParam, LPARAM lParam) {
    if (g_screen != nullptr && code == HCBT_ACTIVATE) {
        g_screen->Activated(reinterpret_cast<HWND>(wParam));
    } else if (g_screen != nullptr && code == HCBT_DESTROYWND) {
        g_screen->Destroyed(reinterpret_cast<HWND>(wParam));
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void ScreenHook::Activated(HWND window) {
    if (open_.count(window) != 0) return;  // active again after a box over it
    const int templateId = TemplateOf(window);
    if (templateId == 0) {
        if (IsMessageBox(window)) AnswerBox(window);
        return;
    }
    OpenDialog& dialog = open_[window];
    dialog.templateId = templateId;
    dialog.drawing = Draw(window, templateId);
    out_.Event(model::DialogName(templateId) + " opens");
    out_.Details(dialog.drawing, "  ");
    if (!dialogScripts_.empty()) {
        dialog.actions.assign(dialogScripts_.front().begin(), dialogScripts_.front().end());
        dialogScripts_.pop_front();
    }
    dialog.actions.push_back(model::DialogAction::Close());
    if (timer_ == 0) timer_ = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, OnTimer);
}

void ScreenHook::Destroyed(HWND window) {
    const auto found = open_.find(window);
    if (found == open_.end()) return;
    out_.Event(model::DialogName(found->second.templateId) + " closes");
    out_.Details(model::ChangedLines(found->second.drawing, Draw(window, found->second.templateId)),
                 "  ");
    open_.erase(found);
}

void ScreenHook::AnswerBox(HWND box) {
    int answer = GetDlgItem(box, IDNO) != nullptr ? IDNO : IDOK;
    if (!answers_.empty()) {
        if (GetDlgItem(box, answers_.front()) != nullptr) answer = answers_.front();
        answers_.pop_front();
    }
    char text[1024] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);  // the box's message
    out_.Event("Message box \"" + WindowText(box) + "\": " + model::VisibleAnsi(text) + "  [" +
               model::AnswerName(answer) + "]");
    PostMessageA(box, WM_COMMAND, answer, 0);
}

BOOL CALLBACK ScreenHook::OnThreadWindow(HWND window, LPARAM self) {
    ScreenHook& screen = *reinterpret_cast<ScreenHook*>(self);
    if (!IsWindowVisible(window) || screen.open_.count(window) != 0) return TRUE;
    const int templateId = TemplateOf(window);
    if (templateId == 0) return TRUE;
    OpenDialog& dialog = screen.open_[window];
    dialog.templateId = templateId;
    dialog.modeless = true;
    dialog.drawing = screen.Draw(window, templateId);
    screen.out_.Event(model::DialogName(templateId) + " opens");
    screen.out_.Details(dialog.drawing, "  ");
    return TRUE;
}

void ScreenHook::Poll() {
    EnumThreadWindows(GetCurrentThreadId(), OnThreadWindow, reinterpret_cast<LPARAM>(this));
}

namespace {

// "Open contact" for "&Open contact ", with case ignored.
std::string NormalText(const std::string& text) {
    std::string normal;
    for (char c : text) {
        if (c != '&') normal += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    const std::size_t first = normal.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return normal.substr(first, normal.find_last_not_of(' ') - first + 1);
}

struct ChildSearch {
    std::string text;
    HWND found = nullptr;
};

}  // namespace

BOOL CALLBACK ScreenHook::OnChildWindow(HWND window, LPARAM search) {
    ChildSearch& child = *reinterpret_cast<ChildSearch*>(search);
    if (NormalText(WindowText(window)) != child.text) return TRUE;
    child.found = window;
    return FALSE;
}

HWND ScreenHook::FindInWindows(const std::string& text) const {
    ChildSearch search;
    search.text = NormalText(text);
    for (const auto& open : open_) {
        if (!open.second.modeless || !IsWindow(open.first)) continue;
        EnumChildWindows(open.first, OnChildWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr) return search.found;
    }
    return nullptr;
}

void CALLBACK ScreenHook::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_screen != nullptr) g_screen->ActNext();
}

// One action in the first open dialog that has any left; nothing while an
// action is still under way (it opened a box of its own). The timer stops
// once no dialog is open.
void ScreenHook::ActNext() {
    if (acting_) return;
    for (auto each = open_.begin(); each != open_.end(); ++each) {
        if (!IsWindow(each->first) || each->second.modeless) continue;
        if (each->second.actions.empty()) {
            // Still open after Escape: it would never close; end it, as the model does.
            out_.Error(model::DialogName(each->second.templateId) + " stays open; ended");
            EndDialog(each->first, -1);
            continue;
        }
        const model::DialogAction action = each->second.actions.front();
        each->second.actions.pop_front();
        acting_ = true;
        Act(each->first, action);
        acting_ = false;
        return;
    }
    if (open_.empty()) {
        KillTimer(nullptr, timer_);
        timer_ = 0;
    }
}

// As the model's dialogs take the user's actions: nothing happens to a
// control that is disabled or does not take the action.
void ScreenHook::Act(HWND dialog, const model::DialogAction& action) {
    using Kind = model::DialogAction::Kind;
    HWND control = GetDlgItem(dialog, action.control);
    const bool usable = control != nullptr && IsWindowEnabled(control);
    auto command = [dialog](int id, int notification) {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, notification),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    };
    switch (action.kind) {
        case Kind::SelectItem:
        case Kind::SelectIndex: {
            if (!usable) break;
            const LRESULT index =
                action.kind == Kind::SelectIndex
                    ? action.index
                    : SendMessageA(control, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(action.text.c_str()));
            if (index < 0 || index >= SendMessageA(control, CB_GETCOUNT, 0, 0)) break;
            SendMessageA(control, CB_SETCURSEL, index, 0);
            command(action.control, CBN_SELCHANGE);
            break;
        }
        case Kind::Click: {
            if (!usable) break;
            const LONG style = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
            if (style == BS_AUTOCHECKBOX) {
                const bool checked = SendMessageA(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
                SendMessageA(control, BM_SETCHECK, checked ? BST_UNCHECKED : BST_CHECKED, 0);
            }
            command(action.control, BN_CLICKED);
            break;
        }
        case Kind::Close: {
            HWND cancel = GetDlgItem(dialog, IDCANCEL);
            if (cancel == nullptr || IsWindowEnabled(cancel)) command(IDCANCEL, BN_CLICKED);
            break;
        }
        case Kind::Enter: {
            const LRESULT defined = SendMessageA(dialog, DM_GETDEFID, 0, 0);
            const int id = HIWORD(defined) == DC_HASDEFID ? LOWORD(defined) : IDOK;
            HWND button = GetDlgItem(dialog, id);
            if (button == nullptr || IsWindowEnabled(button)) command(id, BN_CLICKED);
            break;
        }
    }
}

std::string ScreenHook::Draw(HWND dialog, int templateId) const {
    const model::DialogTemplate& dialogTemplate = Templates().at(templateId);
    std::map<int, model::ModelUi::ControlState> states;
    for (const model::ControlTemplate& control : dialogTemplate.controls) {
        HWND item = control.id < 0 ? nullptr : GetDlgItem(dialog, control.id);
        if (item == nullptr) continue;
        model::ModelUi::ControlState& state = states[control.id];
        state.enabled = IsWindowEnabled(item) != FALSE;
        state.checked = SendMessageA(item, BM_GETCHECK, 0, 0) == BST_CHECKED;
        if (control.kind == model::ControlTemplate::Kind::DropDownList ||
            control.kind == model::ControlTemplate::Kind::SortedDropDownList) {
            const LRESULT count = SendMessageA(item, CB_GETCOUNT, 0, 0);
            for (LRESULT i = 0; i < count; ++i) {
                std::string text(
                    static_cast<std::size_t>(SendMessageA(item, CB_GETLBTEXTLEN, i, 0) + 1), '\0');
                SendMessageA(item, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(&text[0]));
                state.items.push_back(text.c_str());
            }
            state.selection = static_cast<int>(SendMessageA(item, CB_GETCURSEL, 0, 0));
        } else {
            state.text = WindowText(item);
        }
    }
    return model::DescribeDialog(dialogTemplate, states);
}

}  // namespace outlook_host
