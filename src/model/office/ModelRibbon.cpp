#include "model/office/ModelRibbon.h"

#include <cstdio>

#include "model/ModelPictures.h"
#include "model/office/ControlNames.h"
#include "model/world/ScriptText.h"

namespace model {

namespace {

bool IsFlag(const std::string& attribute) {
    return attribute == "visible" || attribute == "enabled" || attribute == "showLabel" ||
           attribute == "showImage";
}

// The callback attribute of a dynamic attribute: "label" -> "getLabel".
std::string Getter(const std::string& attribute) {
    std::string getter = "get" + attribute;
    getter[3] = static_cast<char>(getter[3] - 'a' + 'A');
    return getter;
}

std::string Quoted(const std::wstring& text) { return "\"" + Utf8FromWide(text) + "\""; }

std::string HexCode(host::HResult code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(code));
    return text;
}

}  // namespace

ModelRibbon::ModelRibbon(ribbon::RibbonExtensibility& addIn, CallLog* log)
    : addIn_(addIn), log_(log) {}

ModelRibbon::~ModelRibbon() {
    for (const auto& ui : uis_) ui.second->Detach();
}

bool ModelRibbon::Load(const std::wstring& ribbonId) {
    const auto loaded = documents_.find(ribbonId);
    if (loaded != documents_.end()) return !loaded->second.root.element.empty();
    const std::wstring xml = addIn_.GetCustomUI(ribbonId);
    RibbonDocument document;
    if (!xml.empty()) {
        document = ReadRibbon(xml, [this](const std::wstring& name) {
            host::DispId id = 0;
            return addIn_.GetIdOfName(name, &id) == host::hr::kOk;
        });
    }
    for (const std::string& problem : document.problems) {
        problems_.push_back(Utf8FromWide(ribbonId) + ": " + problem);
    }
    if (!document.problems.empty()) {
        documents_[ribbonId] = RibbonDocument();  // nothing of it is shown
        return false;
    }
    documents_[ribbonId] = document;
    const std::wstring onLoad = document.root.Attribute("onLoad");
    if (!onLoad.empty()) {
        const ModelRibbonUIPtr ui(new ModelRibbonUI(
            log_, [this, ribbonId](const std::wstring& id) { Invalidate(ribbonId, id); }));
        uis_[ribbonId] = ui;
        host::DispId id = 0;
        host::Variant ignored;
        const host::HResult result = addIn_.GetIdOfName(onLoad, &id) == host::hr::kOk
                                         ? addIn_.Invoke(id, {host::Variant::Object(ui)}, &ignored)
                                         : host::hr::kUnknownName;
        if (result != host::hr::kOk) {
            problems_.push_back(Utf8FromWide(ribbonId) + ": onLoad " + Utf8FromWide(onLoad) +
                                " answered " + HexCode(result));
        }
    }
    return true;
}

ModelRibbonUIPtr ModelRibbon::ui(const std::wstring& ribbonId) const {
    const auto found = uis_.find(ribbonId);
    return found == uis_.end() ? ModelRibbonUIPtr() : found->second;
}

void ModelRibbon::Invalidate(const std::wstring& ribbonId, const std::wstring& id) {
    if (id.empty()) {
        asked_.erase(ribbonId);
    } else {
        asked_[ribbonId].erase(id);
    }
}

std::vector<const RibbonNode*> ModelRibbon::Containers(const View& view) const {
    std::vector<const RibbonNode*> found;
    const auto document = documents_.find(view.ribbonId);
    if (document == documents_.end()) return found;
    const auto collect = [&](const RibbonNode& list) {
        for (const RibbonNode& item : list.children) {
            if (item.Attribute("idMso") == view.idMso) found.push_back(&item);
        }
    };
    for (const RibbonNode& part : document->second.root.children) {
        if (part.element == "contextMenus") collect(part);
        if (part.element != "ribbon") continue;
        for (const RibbonNode& list : part.children) {
            if (list.element == "tabs") collect(list);
        }
    }
    return found;
}

bool ModelRibbon::IsContextMenu(const View& view) const {
    const std::vector<const RibbonNode*> containers = Containers(view);
    return !containers.empty() && containers.front()->element == "contextMenu";
}

host::Variant ModelRibbon::Call(const View& view, const RibbonNode& control,
                                const std::wstring& callback,
                                const std::vector<host::Variant>& more) {
    const host::DispatchPtr asked(new ModelRibbonControl(log_, control.Attribute("id"),
                                                         control.Attribute("tag"), view.context));
    std::vector<host::Variant> args = {host::Variant::Object(asked)};
    args.insert(args.end(), more.begin(), more.end());
    host::DispId id = 0;
    host::Variant result;
    host::HResult answer = addIn_.GetIdOfName(callback, &id);
    if (answer == host::hr::kOk) answer = addIn_.Invoke(id, args, &result);
    if (answer != host::hr::kOk) {
        problems_.push_back(Utf8FromWide(callback) + " for " +
                            Utf8FromWide(control.Attribute("id")) + " answered " + HexCode(answer));
        return host::Variant();
    }
    return result;
}

host::Variant ModelRibbon::Value(const View& view, const RibbonNode& control,
                                 const std::string& name, const host::Variant& fallback) {
    if (control.Has(name)) {
        const std::wstring text = control.Attribute(name);
        return IsFlag(name) ? host::Variant::Bool(text == L"true" || text == L"1")
                            : host::Variant::Bstr(text);
    }
    const std::string getter = Getter(name);
    if (!control.Has(getter)) return fallback;
    if (IsContextMenu(view)) return Call(view, control, control.Attribute(getter), {});
    {
        const Asked& asked = Remembered(view, control);
        const auto kept = asked.values.find(name);
        if (kept != asked.values.end()) return kept->second;
    }
    const host::Variant value = Call(view, control, control.Attribute(getter), {});
    // Looked up again: a callback may have invalidated the control meanwhile.
    Remembered(view, control).values[name] = value;
    return value;
}

std::wstring ModelRibbon::Name(const View& view, const RibbonNode& control, bool screentip) {
    return Value(view, control, screentip ? "screentip" : "label", host::Variant()).ToText();
}

bool ModelRibbon::Shown(const View& view, const RibbonNode& control) {
    return Value(view, control, "visible", host::Variant::Bool(true)).boolValue();
}

bool ModelRibbon::Enabled(const View& view, const RibbonNode& control) {
    return Value(view, control, "enabled", host::Variant::Bool(true)).boolValue();
}

std::vector<std::wstring> ModelRibbon::Items(const View& view, const RibbonNode& control) {
    {
        const Asked& asked = Remembered(view, control);
        if (asked.itemsAsked) return asked.items;
    }
    std::int32_t count = 0;
    Value(view, control, "itemCount", host::Variant::I4(0)).ToInt32(&count);
    std::vector<std::wstring> items;
    for (std::int32_t index = 0; index < count && control.Has("getItemLabel"); ++index) {
        items.push_back(
            Call(view, control, control.Attribute("getItemLabel"), {host::Variant::I4(index)})
                .ToText());
    }
    // Looked up again: a callback may have invalidated the control meanwhile.
    Asked& asked = Remembered(view, control);
    asked.items = items;
    asked.itemsAsked = true;
    return items;
}

ModelRibbon::Asked& ModelRibbon::Remembered(const View& view, const RibbonNode& control) {
    Asked& asked = asked_[view.ribbonId][control.Attribute("id")][view.context->Identity()];
    asked.context = view.context;
    return asked;
}

std::wstring ModelRibbon::Text(const View& view, const RibbonNode& control) {
    return Value(view, control, "text", host::Variant()).ToText();
}

void ModelRibbon::DescribeControl(const View& view, const RibbonNode& control,
                                  const std::string& number, std::string& out) {
    const bool shown = Shown(view, control);
    if (!shown && IsContextMenu(view)) return;  // a hidden entry is not in the menu
    std::string line = number + " " + control.element;
    const std::wstring label = Name(view, control, false);
    if (!label.empty() &&
        Value(view, control, "showLabel", host::Variant::Bool(true)).boolValue()) {
        line += " " + Quoted(label);
    }
    if (control.element == "comboBox") {
        line += " text " + Quoted(Text(view, control));
        std::string list;
        for (const std::wstring& item : Items(view, control)) {
            list += (list.empty() ? "" : ", ") + Quoted(item);
        }
        line += " list [" + list + "]";
    }
    if (control.Has("imageMso")) {
        line += " picture " + Utf8FromWide(control.Attribute("imageMso"));
    } else if (control.Has("getImage")) {
        const host::DispatchPtr picture = Value(view, control, "image", host::Variant()).object();
        if (picture) {
            const unsigned id = PictureResourceId(picture);
            line += id ? " icon " + std::to_string(id) : std::string(" icon");
        }
    }
    const std::wstring screentip = Name(view, control, true);
    if (!screentip.empty()) line += " tooltip " + Quoted(screentip);
    if (!Enabled(view, control)) line += " disabled";
    if (!shown) line += " hidden";
    out += line + "\n";
    // A menu's items one step further in, numbered "7.1".
    int index = 0;
    for (const RibbonNode& child : control.children) {
        DescribeControl(view, child, "  " + number + "." + std::to_string(++index), out);
    }
}

std::string ModelRibbon::Describe(const View& view) {
    std::string out;
    for (const RibbonNode* container : Containers(view)) {
        if (container->element == "contextMenu") {
            int index = 0;
            for (const RibbonNode& control : container->children) {
                if (Shown(view, control))
                    DescribeControl(view, control, std::to_string(++index), out);
            }
            continue;
        }
        for (const RibbonNode& group : container->children) {
            out += "group " + Quoted(Name(view, group, false)) + "\n";
            int index = 0;
            for (const RibbonNode& control : group.children) {
                DescribeControl(view, control, "  " + std::to_string(++index), out);
            }
        }
    }
    return out;
}

const RibbonNode* ModelRibbon::FindIn(const View& view, const RibbonNode& parent,
                                      const std::wstring& normal, const std::string& element) {
    for (const RibbonNode& control : parent.children) {
        if ((element.empty() || control.element == element) &&
            (NormalName(Name(view, control, false)) == normal ||
             NormalName(Name(view, control, true)) == normal)) {
            return &control;
        }
        if (const RibbonNode* found = FindIn(view, control, normal, element)) return found;
    }
    return nullptr;
}

const RibbonNode* ModelRibbon::Find(const View& view, const std::wstring& name,
                                    const std::string& element) {
    const std::wstring normal = NormalName(name);
    if (normal.empty()) return nullptr;
    for (const RibbonNode* container : Containers(view)) {
        if (const RibbonNode* found = FindIn(view, *container, normal, element)) return found;
    }
    return nullptr;
}

bool ModelRibbon::Click(const View& view, const RibbonNode& control) {
    if (!Shown(view, control) || !Enabled(view, control) || !control.Has("onAction")) {
        return false;
    }
    Call(view, control, control.Attribute("onAction"), {});
    return true;
}

bool ModelRibbon::Type(const View& view, const RibbonNode& control, const std::wstring& text) {
    if (control.element != "comboBox" || !Shown(view, control) || !Enabled(view, control)) {
        return false;
    }
    if (control.Has("onChange")) {
        Call(view, control, control.Attribute("onChange"), {host::Variant::Bstr(text)});
    }
    // The box shows what was typed until its text is asked for again.
    Remembered(view, control).values["text"] = host::Variant::Bstr(text);
    return true;
}

}  // namespace model
