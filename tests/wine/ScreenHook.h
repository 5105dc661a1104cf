// What the add-in shows on OutlookHost.exe's thread, seen and answered as
// the script's user said: every message box is printed and answered (the
// answer the script gave, else No to a question and OK to a notice, as a
// cautious user would); each of the module's dialogs is drawn as the
// simulator draws the model's, when it opens and, what changed, when it
// closes, and the script's actions are done in it one at a time (a timer
// the dialog's own message loop runs), followed by Escape.
#pragma once

#include <windows.h>

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "model/ModelUi.h"
#include "model/world/Printer.h"

namespace outlook_host {

class ScreenHook {
  public:
    // Hooks this thread's windows (one ScreenHook at a time).
    explicit ScreenHook(model::Printer& out);
    ~ScreenHook();
    ScreenHook(const ScreenHook&) = delete;
    ScreenHook& operator=(const ScreenHook&) = delete;

    void QueueAnswer(int answer) { answers_.push_back(answer); }
    void QueueDialog(const std::vector<model::DialogAction>& actions) {
        dialogScripts_.push_back(actions);
    }
    // Draws the module's dialogs that opened without taking the activation
    // (a modeless window of the add-in); the script acts in none of them.
    void Poll();
    // The control of such a window whose text is `text` (case, "&" and
    // outer blanks aside), or null.
    HWND FindInWindows(const std::string& text) const;

  private:
    struct OpenDialog {
        int templateId;
        std::string drawing;  // as it opened
        std::deque<model::DialogAction> actions;
        bool modeless = false;  // shown beside the user's work: not acted in
    };

    static LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    static BOOL CALLBACK OnThreadWindow(HWND window, LPARAM self);
    static BOOL CALLBACK OnChildWindow(HWND window, LPARAM search);
    void Activated(HWND window);
    void Destroyed(HWND window);
    void AnswerBox(HWND box);
    void ActNext();
    void Act(HWND dialog, const model::DialogAction& action);
    std::string Draw(HWND dialog, int templateId) const;

    model::Printer& out_;
    HHOOK hook_ = nullptr;
    UINT_PTR timer_ = 0;
    bool acting_ = false;
    std::deque<int> answers_;
    std::deque<std::vector<model::DialogAction>> dialogScripts_;
    std::map<HWND, OpenDialog> open_;
};

}  // namespace outlook_host
