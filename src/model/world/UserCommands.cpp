#include "model/world/UserCommands.h"

#include <sstream>

#include "model/world/ScriptText.h"
#include "resources/DialogIds.h"

namespace model {

namespace {

// "NAME, NAME, ...": the names, each trimmed; none for an empty text.
std::vector<std::string> Names(const std::string& list) {
    std::vector<std::string> names;
    std::istringstream in(list);
    for (std::string name; std::getline(in, name, ',');) {
        name = Trim(name);
        if (!name.empty()) names.push_back(name);
    }
    return names;
}

// Splits "TEXT SUFFIX" (case ignored in the suffix); false when it is not there.
bool TakeSuffix(std::string* text, const std::string& suffix) {
    const std::string lower = LowerAscii(*text);
    if (lower.size() <= suffix.size() ||
        lower.compare(lower.size() - suffix.size(), suffix.size(), suffix) != 0) {
        return false;
    }
    *text = Trim(text->substr(0, text->size() - suffix.size()));
    return true;
}

int AnswerNamed(const std::string& word) {
    if (word == "yes") return platform::answer::kYes;
    if (word == "no") return platform::answer::kNo;
    if (word == "ok") return platform::answer::kOk;
    if (word == "cancel") return platform::answer::kCancel;
    return 0;
}

}  // namespace

void AddUserCommands(Script& script, OutlookUser& user, UserHost& host) {
    // The lambdas outlive this call: they hold pointers, not the parameters.
    OutlookUser* const u = &user;
    UserHost* const h = &host;
    Printer* const o = &script.out();
    auto fail = [o](const std::string& why) {
        o->Error(why);
        return false;
    };

    script.Describe("Outlook with the whole add-in, and its user:");
    script.Describe("outlook start | outlook quit", "Outlook starts (loading Tandrel) or closes");
    script.Describe("outlook YEAR",
                    "the Outlook of that year from its next start (2003 unless\n"
                    "told: 2000 to 2021; 2010 and later show the ribbon)");
    script.Add("outlook", [u, fail](const std::string& text) {
        if (text == "start") return u->Start();
        if (text == "quit") return u->Quit();
        long long year = 0;
        if (ParseNumber(text, &year)) return u->SetVersion(text);
        return fail("outlook takes start, quit or a year");
    });
    script.Describe("mailbox", "list the mailbox's folders and items");
    script.Add("mailbox", [u](const std::string&) {
        u->PrintMailbox();
        return true;
    });
    script.Describe("folder NAME", "open a folder by path or name (Inbox, Contacts/Friends)");
    script.Add("folder", [u](const std::string& text) { return u->SwitchFolder(text); });
    script.Describe("select NAME[, NAME...]", "select items of the folder by name or subject");
    script.Add("select", [u](const std::string& text) { return u->Select(Names(text)); });
    script.Describe("open NAME [in Word]", "open an item in its own window");
    script.Add("open", [u](const std::string& text) {
        std::string name = text;
        const bool word = TakeSuffix(&name, " in word");
        return u->Open(name, word ? outlook::editor_type::kWord : outlook::editor_type::kHtml);
    });
    script.Describe("close | close menu", "close the item window, or the context menu");
    script.Add("close", [u](const std::string& text) {
        return LowerAscii(text) == "menu" ? u->CloseMenu() : u->CloseItem();
    });
    script.Describe("rightclick", "right-click the selection (the context menu)");
    script.Add("rightclick", [u](const std::string&) { return u->RightClick(); });
    script.Describe("click NAME",
                    "click a control by its caption, or its tooltip when\n"
                    "it has none (case and & aside); call, chat, skypeout\n"
                    "and buy name the toolbar's icons. The ribbon's context\n"
                    "menu and group come first, then the command bars");
    script.Add("click", [u](const std::string& text) { return u->Click(text); });
    script.Describe("type skype|skypeout TEXT",
                    "type into the combo box (the ribbon's, else the toolbar's)");
    script.Add("type", [u](const std::string& text) {
        std::string rest;
        const std::string combo = FirstWord(text, &rest);
        return u->Type(combo, rest);
    });
    script.Describe("edit FIELD TEXT", "change a field of the open item");
    script.Add("edit", [u](const std::string& text) {
        std::string rest;
        const std::string field = FirstWord(text, &rest);
        return u->Edit(field, rest);
    });
    script.Describe("toolbar | ribbon",
                    "draw the window in front (its ribbon tab, the toolbar)\n"
                    "and the context menu");
    for (const char* name : {"toolbar", "ribbon"}) {
        script.Add(name, [u](const std::string&) {
            u->Draw();
            return true;
        });
    }
    script.Describe("output brief|full",
                    "leave out the buddy list's traffic, tooltips and\n"
                    "pictures, or show everything (the default)");
    script.Add("output", [o, fail](const std::string& text) {
        if (text != "brief" && text != "full") return fail("output takes brief or full");
        o->SetBrief(text == "brief");
        return true;
    });

    script.Describe("answer yes|no|ok|cancel", "answer the next message box so");
    script.Add("answer", [u, fail](const std::string& text) {
        const int answer = AnswerNamed(text);
        if (answer == 0) return fail("answer takes yes, no, ok or cancel");
        u->Answer(answer);
        return true;
    });
    script.Describe("dialog ok|cancel", "close the next dialog with OK or Cancel");
    script.Add("dialog", [u, fail](const std::string& text) {
        if (text != "ok" && text != "cancel") return fail("dialog takes ok or cancel");
        u->ActInDialog({DialogAction::Click(text == "ok" ? ids::kOkButton : ids::kCancelButton)});
        return true;
    });
    script.Describe("country NAME [always]", "pick NAME in the next country chooser, then OK");
    script.Describe("country cancel", "cancel the next country chooser");
    script.Add("country", [u, fail](const std::string& text) {
        if (text == "cancel") {
            u->ActInDialog({DialogAction::Click(ids::kCancelButton)});
            return true;
        }
        std::string name = text;
        const bool always = TakeSuffix(&name, " always");
        if (name.empty())
            return fail("country takes a country name (and \"always\"), or \"cancel\"");
        std::vector<DialogAction> actions = {
            DialogAction::Select(ids::kCountryList, AnsiFromUtf8(name))};
        if (always) actions.push_back(DialogAction::Click(ids::kCountryAlwaysUse));
        actions.push_back(DialogAction::Click(ids::kOkButton));
        u->ActInDialog(actions);
        return true;
    });

    script.Describe("Time and checks (a script that fails a check ends with status 1):");
    script.Describe("wait MS", "let MS milliseconds pass (messages and timers run)");
    script.Add("wait", [h, fail](const std::string& text) {
        long long ms = 0;
        if (!ParseNumber(text, &ms) || ms < 0 || ms > 24LL * 3600 * 1000) {
            return fail("wait takes a number of milliseconds");
        }
        h->Wait(static_cast<std::uint64_t>(ms));
        return true;
    });
    script.Describe("expect-skype TEXT",
                    "Skype received a command beginning with TEXT, after\n"
                    "the one the last expect-skype matched");
    script.Add("expect-skype", [h, fail](const std::string& text) {
        if (h->SkypeReceives(AnsiFromUtf8(text))) return true;
        return fail("Skype received no command beginning with \"" + text + "\"");
    });
    script.Describe("expect-combo NAME TEXT",
                    "the combo box NAME in front shows a text that\n"
                    "begins with TEXT");
    script.Add("expect-combo", [u](const std::string& text) {
        std::string rest;
        const std::string combo = FirstWord(text, &rest);
        return u->ExpectCombo(combo, rest);
    });
    script.Describe("expect-menu NAME", "the open context menu has the entry NAME");
    script.Add("expect-menu", [u](const std::string& text) { return u->ExpectMenu(text); });
    script.Describe("expect-field FIELD", "the open item has the field FIELD");
    script.Add("expect-field", [u](const std::string& text) { return u->ExpectField(text); });
    script.Describe("expect-window TEXT",
                    "one of the add-in's own windows (the incoming\n"
                    "call) shows TEXT");
    script.Add("expect-window",
               [u](const std::string& text) { return u->ExpectWindow(AnsiFromUtf8(text)); });
}

bool RunSkypeCallCommand(UserHost& host, Printer& out, const std::string& what,
                         const std::string& rest, bool* handled) {
    *handled = true;
    if (what == "ring") {
        if (rest.empty()) {
            out.Error("skype ring takes a Skype name or a telephone number");
            return false;
        }
        return host.SkypeRings(AnsiFromUtf8(rest));
    }
    if (what == "answer" || what == "miss") {
        return host.SkypeStopsRinging(what == "answer");
    }
    *handled = false;
    return false;
}

void DescribeSkypeCallCommands(Script& script) {
    script.Describe("skype ring NAME|NUMBER",
                    "someone calls the user through Skype: a Skype\n"
                    "name, or a number (+ or a digit first)");
    script.Describe("skype answer | skype miss", "the call that rings is answered, or rings out");
}

}  // namespace model
