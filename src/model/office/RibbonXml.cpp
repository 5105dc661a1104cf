#include "model/office/RibbonXml.h"

#include <set>

#include <boost/property_tree/detail/rapidxml.hpp>

#include "model/world/ScriptText.h"
#include "ribbon/RibbonIds.h"

namespace model {

namespace {

namespace rapidxml = boost::property_tree::detail::rapidxml;

std::string Narrow(const wchar_t* text, std::size_t size) {
    return Utf8FromWide(std::wstring(text, size));
}

// Where the schema lets each element stand (what a parent takes). Elements
// the add-in does not use are let alone beneath the ones it knows.
const std::map<std::string, std::set<std::string>>& Allowed() {
    static const std::set<std::string> kMenuControls = {
        "button", "checkBox",    "gallery", "toggleButton", "splitButton",
        "menu",   "dynamicMenu", "control", "menuSeparator"};
    static const std::map<std::string, std::set<std::string>> allowed = {
        {"customUI", {"commands", "ribbon", "backstage", "contextMenus"}},
        {"ribbon", {"qat", "tabs", "contextualTabs"}},
        {"tabs", {"tab"}},
        {"tab", {"group"}},
        {"group",
         {"box", "button", "buttonGroup", "checkBox", "comboBox", "control", "dialogBoxLauncher",
          "dropDown", "dynamicMenu", "editBox", "gallery", "labelControl", "menu", "separator",
          "splitButton", "toggleButton"}},
        {"menu", kMenuControls},
        {"contextMenus", {"contextMenu"}},
        {"contextMenu", kMenuControls},
    };
    return allowed;
}

// The elements that are controls: they carry exactly one of id, idQ, idMso.
bool IsControl(const std::string& element) {
    static const std::set<std::string> kNotControls = {"customUI",       "ribbon",   "tabs",
                                                       "contextMenus",   "commands", "qat",
                                                       "contextualTabs", "backstage"};
    return kNotControls.count(element) == 0;
}

class Reader {
  public:
    Reader(const CallbackAnswered& answered, std::vector<std::string>& problems)
        : answered_(answered), problems_(problems) {}

    RibbonNode Read(const rapidxml::xml_node<wchar_t>& node, const std::string& parent) {
        RibbonNode read;
        read.element = Narrow(node.name(), node.name_size());
        if (!parent.empty()) {
            const auto& allowed = Allowed();
            const auto rule = allowed.find(parent);
            if (rule != allowed.end() && rule->second.count(read.element) == 0) {
                problems_.push_back("<" + read.element + "> is not allowed in <" + parent + ">");
            }
        }
        for (const rapidxml::xml_attribute<wchar_t>* attribute = node.first_attribute(); attribute;
             attribute = attribute->next_attribute()) {
            const std::string name = Narrow(attribute->name(), attribute->name_size());
            const std::wstring value(attribute->value(), attribute->value_size());
            if (!read.attributes.emplace(name, value).second) {
                problems_.push_back("<" + read.element + "> has the attribute " + name + " twice");
            }
            if (IsCallbackAttribute(name) && !answered_(value)) {
                problems_.push_back("the callback " + Utf8FromWide(value) + " (" + name +
                                    ") is not answered by GetIDsOfNames");
            }
        }
        CheckIds(read);
        for (const rapidxml::xml_node<wchar_t>* child = node.first_node(); child;
             child = child->next_sibling()) {
            if (child->type() == rapidxml::node_element) {
                read.children.push_back(Read(*child, read.element));
            } else if (child->type() == rapidxml::node_data && child->value_size() > 0) {
                problems_.push_back("<" + read.element + "> holds text");
            }
        }
        return read;
    }

  private:
    void CheckIds(const RibbonNode& node) {
        if (!IsControl(node.element)) return;
        const int ids = node.Has("id") + node.Has("idQ") + node.Has("idMso");
        if (ids != 1) {
            problems_.push_back("<" + node.element + "> has " + std::to_string(ids) +
                                " of id, idQ and idMso, not one");
        }
        if (node.Has("id") && !ids_.insert(node.Attribute("id")).second) {
            problems_.push_back("the id " + Utf8FromWide(node.Attribute("id")) +
                                " is used more than once");
        }
    }

    const CallbackAnswered& answered_;
    std::vector<std::string>& problems_;
    std::set<std::wstring> ids_;
};

}  // namespace

std::wstring RibbonNode::Attribute(const std::string& name) const {
    const auto found = attributes.find(name);
    return found == attributes.end() ? std::wstring() : found->second;
}

bool IsCallbackAttribute(const std::string& attribute) {
    if (attribute == "loadImage") return true;
    for (const char* prefix : {"on", "get"}) {
        const std::size_t size = std::char_traits<char>::length(prefix);
        if (attribute.size() > size && attribute.compare(0, size, prefix) == 0 &&
            attribute[size] >= 'A' && attribute[size] <= 'Z') {
            return true;
        }
    }
    return false;
}

RibbonDocument ReadRibbon(const std::wstring& xml, const CallbackAnswered& answered) {
    RibbonDocument document;
    std::vector<wchar_t> text(xml.begin(), xml.end());
    text.push_back(L'\0');
    rapidxml::xml_document<wchar_t> parsed;
    try {
        parsed.parse<rapidxml::parse_validate_closing_tags | rapidxml::parse_trim_whitespace>(
            text.data());
    } catch (const rapidxml::parse_error& error) {
        document.problems.push_back(std::string("the XML is not well-formed: ") + error.what() +
                                    " at character " +
                                    std::to_string(error.where<wchar_t>() - text.data()));
        return document;
    }
    std::vector<const rapidxml::xml_node<wchar_t>*> roots;
    for (const rapidxml::xml_node<wchar_t>* node = parsed.first_node(); node;
         node = node->next_sibling()) {
        if (node->type() == rapidxml::node_element) roots.push_back(node);
    }
    if (roots.size() != 1) {
        document.problems.push_back("the XML has " + std::to_string(roots.size()) +
                                    " root elements, not one");
        return document;
    }
    Reader reader(answered, document.problems);
    document.root = reader.Read(*roots.front(), std::string());
    if (document.root.element != "customUI") {
        document.problems.push_back("the root element is <" + document.root.element +
                                    ">, not <customUI>");
    } else if (document.root.Attribute("xmlns") != ribbon::kCustomUiNamespace) {
        document.problems.push_back("customUI is not in the namespace " +
                                    Utf8FromWide(ribbon::kCustomUiNamespace));
    }
    return document;
}

}  // namespace model
