#include "model/ModelDialogText.h"

#include <sstream>
#include <vector>

#include "model/ModelText.h"
#include "model/office/ModelCommandBarText.h"
#include "resources/DialogIds.h"

namespace model {

namespace {

using Kind = ControlTemplate::Kind;

const char* KindName(Kind kind) {
    switch (kind) {
        case Kind::Static:
            return "static";
        case Kind::CentredStatic:
            return "centred static";
        case Kind::Group:
            return "group";
        case Kind::Picture:
            return "picture";
        case Kind::Button:
            return "button";
        case Kind::DefaultButton:
            return "default button";
        case Kind::CheckBox:
            return "check box";
        case Kind::DropDownList:
            return "list";
        case Kind::SortedDropDownList:
            return "sorted list";
    }
    return "control";
}

std::string Quoted(const std::string& ansi) { return QuotedText(ModelText().FromAnsi(ansi)); }

std::string Line(const ControlTemplate& control, const ModelUi::ControlState* state) {
    std::ostringstream line;
    line << KindName(control.kind);
    if (control.id >= 0) line << " " << control.id;
    const bool list =
        control.kind == Kind::DropDownList || control.kind == Kind::SortedDropDownList;
    if (control.kind == Kind::Picture) {
        line << " bitmap " << control.bitmap;
    } else if (list && state != nullptr) {
        line << " " << state->items.size() << " items, selected ";
        const int selected = state->selection;
        if (selected >= 0 && selected < static_cast<int>(state->items.size())) {
            line << Quoted(state->items[selected]);
        } else {
            line << "nothing";
        }
    } else if (!list) {
        const std::string& text = state != nullptr ? state->text : control.text;
        if (!text.empty()) line << " " << Quoted(text);
    }
    if (control.kind == Kind::CheckBox) {
        line << (state != nullptr && state->checked ? " checked" : " unchecked");
    }
    if (!(state != nullptr ? state->enabled : control.enabled)) line << " disabled";
    return line.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

std::string DescribeDialog(const DialogTemplate& dialogTemplate,
                           const std::map<int, ModelUi::ControlState>& controls) {
    std::string text = "dialog " + Quoted(dialogTemplate.title) + "\n";
    int number = 0;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        const auto state = control.id >= 0 ? controls.find(control.id) : controls.end();
        text += std::to_string(++number) + " " +
                Line(control, state == controls.end() ? nullptr : &state->second) + "\n";
    }
    return text;
}

std::string DialogName(int templateId) {
    switch (templateId) {
        case ids::kCountryDialog:
            return "The country chooser";
        case ids::kOptionsDialog:
            return "The options page";
        case ids::kAboutDialog:
            return "The About box";
        case ids::kIncomingCallDialog:
            return "The incoming call window";
        default:
            return "Dialog " + std::to_string(templateId);
    }
}

std::string AnswerName(int answer) {
    switch (answer) {
        case platform::answer::kOk:
            return "OK";
        case platform::answer::kCancel:
            return "Cancel";
        case platform::answer::kYes:
            return "Yes";
        case platform::answer::kNo:
            return "No";
        default:
            return std::to_string(answer);
    }
}

std::string ChangedLines(const std::string& before, const std::string& after) {
    const std::vector<std::string> old = Lines(before);
    std::string changed;
    std::size_t index = 0;
    for (const std::string& line : Lines(after)) {
        if (index >= old.size() || old[index] != line) changed += line + "\n";
        ++index;
    }
    return changed;
}

}  // namespace model
