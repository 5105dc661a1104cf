#include "ribbon/CustomUi.h"

#include <cstring>
#include <initializer_list>

#include "offer/BoxTexts.h"
#include "resources/StringIds.h"
#include "ribbon/Callbacks.h"
#include "ribbon/Controls.h"
#include "ribbon/RibbonIds.h"
#include "util/Text.h"

namespace ribbon {

namespace {

// Wide enough for a buddy's entry and for a labelled number with its name.
constexpr wchar_t kSkypeBoxSize[] = L"WWWWWWWWWWWWWWWWWWWWWWWW";
constexpr wchar_t kSkypeOutBoxSize[] = L"WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW";

std::wstring Escaped(const std::wstring& text) {
    std::wstring escaped;
    for (wchar_t c : text) {
        switch (c) {
            case L'&':
                escaped += L"&amp;";
                break;
            case L'<':
                escaped += L"&lt;";
                break;
            case L'>':
                escaped += L"&gt;";
                break;
            case L'"':
                escaped += L"&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

// One element, written attribute by attribute.
class Element {
  public:
    Element(std::wstring& out, const wchar_t* name) : out_(out), name_(name) {
        out_ += L"<";
        out_ += name;
    }
    Element& Attribute(const wchar_t* name, const std::wstring& value) {
        out_ += std::wstring(L" ") + name + L"=\"" + Escaped(value) + L"\"";
        return *this;
    }
    Element& Callback(const wchar_t* attribute, const char* callback) {
        return Attribute(attribute, std::wstring(callback, callback + std::strlen(callback)));
    }
    Element& Id(Place place, Part part, int number = 0) {
        return Attribute(L"id", IdOf(ControlId{place, part, number}));
    }
    void Close() { out_ += L"/>"; }
    void Open() { out_ += L">"; }
    void End() { out_ += std::wstring(L"</") + name_ + L">"; }

  private:
    std::wstring& out_;
    const wchar_t* name_;
};

void ComboBox(std::wstring& out, Place place, Part part, const wchar_t* caption,
              const wchar_t* tooltip, const wchar_t* size) {
    Element(out, L"comboBox")
        .Id(place, part)
        .Attribute(L"label", caption)
        .Attribute(L"screentip", tooltip)
        .Attribute(L"sizeString", size)
        .Callback(L"getText", callback::kGetText)
        .Callback(L"getItemCount", callback::kGetItemCount)
        .Callback(L"getItemLabel", callback::kGetItemLabel)
        .Callback(L"onChange", callback::kOnChange)
        .Close();
}

// A button showing only our own picture, named by its tooltip.
void IconButton(std::wstring& out, Place place, Part part, unsigned tooltip) {
    Element(out, L"button")
        .Id(place, part)
        .Attribute(L"showLabel", L"false")
        .Attribute(L"screentip", text::LoadWideString(tooltip))
        .Callback(L"getImage", callback::kGetImage)
        .Callback(L"onAction", callback::kOnAction)
        .Close();
}

void MenuButton(std::wstring& out, Place place, Part part, unsigned label,
                const wchar_t* imageMso = nullptr) {
    Element button(out, L"button");
    button.Id(place, part).Attribute(L"label", text::LoadWideString(label));
    if (imageMso) button.Attribute(L"imageMso", imageMso);
    button.Callback(L"onAction", callback::kOnAction).Close();
}

void Separator(std::wstring& out, const wchar_t* element, Place place, int number) {
    Element(out, element).Id(place, Part::kSeparator, number).Close();
}

// The toolbar's controls in their order; its groups' beginnings become
// separators.
void Group(std::wstring& out, Place place) {
    Element group(out, L"group");
    group.Attribute(L"id", NameOf(place)).Attribute(L"label", offer::kGroupLabel).Open();
    ComboBox(out, place, Part::kSkypeBox, offer::kSkypeBoxCaption, offer::kSkypeBoxTooltip,
             kSkypeBoxSize);
    IconButton(out, place, Part::kCall, ids::kTipCall);
    IconButton(out, place, Part::kChat, ids::kTipChat);
    Separator(out, L"separator", place, 1);
    ComboBox(out, place, Part::kSkypeOutBox, offer::kSkypeOutBoxCaption, offer::kSkypeOutBoxTooltip,
             kSkypeOutBoxSize);
    IconButton(out, place, Part::kSkypeOut, ids::kTipSkypeOut);
    Separator(out, L"separator", place, 2);
    Element(out, L"button")
        .Id(place, Part::kBuyCredit)
        .Attribute(L"label", text::LoadWideString(ids::kRibbonBuyCredit))
        .Attribute(L"screentip", text::LoadWideString(ids::kTipBuySkypeOut))
        .Callback(L"onAction", callback::kOnAction)
        .Close();
    Separator(out, L"separator", place, 3);
    Element menu(out, L"menu");
    menu.Id(place, Part::kHelpMenu)
        .Attribute(L"label", text::LoadWideString(ids::kMenuHelp))
        .Attribute(L"screentip", text::LoadWideString(ids::kTipHelpMenu))
        .Open();
    MenuButton(out, place, Part::kHelp, ids::kMenuTandrelHelp, L"Help");
    Separator(out, L"menuSeparator", place, 4);
    MenuButton(out, place, Part::kOptions, ids::kMenuOptions);
    MenuButton(out, place, Part::kCheckForUpdate, ids::kMenuCheckUpdate);
    Separator(out, L"menuSeparator", place, 5);
    MenuButton(out, place, Part::kContactUs, ids::kMenuContactUs);
    Separator(out, L"menuSeparator", place, 6);
    MenuButton(out, place, Part::kAbout, ids::kMenuAbout);
    menu.End();
    group.End();
}

void Tab(std::wstring& out, Place place) {
    Element tab(out, L"tab");
    tab.Attribute(L"idMso", IdMsoOf(place)).Open();
    Group(out, place);
    tab.End();
}

// The selection's entries begin a group of their own, as in the command
// bars' menu, after Outlook's own.
void ContextMenu(std::wstring& out, Place place) {
    Element menu(out, L"contextMenu");
    menu.Attribute(L"idMso", IdMsoOf(place)).Open();
    Separator(out, L"menuSeparator", place, 1);
    for (int number = 1; number <= kMenuEntries; ++number) {
        Element(out, L"button")
            .Id(place, Part::kEntry, number)
            .Callback(L"getVisible", callback::kGetVisible)
            .Callback(L"getLabel", callback::kGetLabel)
            .Callback(L"getImage", callback::kGetImage)
            .Callback(L"getEnabled", callback::kGetEnabled)
            .Callback(L"onAction", callback::kOnAction)
            .Close();
    }
    menu.End();
}

std::wstring Document(const char* onLoad, const std::initializer_list<Place>& tabs,
                      const std::initializer_list<Place>& menus) {
    std::wstring out;
    Element ui(out, L"customUI");
    ui.Attribute(L"xmlns", kCustomUiNamespace).Callback(L"onLoad", onLoad).Open();
    out += L"<ribbon><tabs>";
    for (Place place : tabs) Tab(out, place);
    out += L"</tabs></ribbon>";
    if (menus.size() > 0) {
        out += L"<contextMenus>";
        for (Place place : menus) ContextMenu(out, place);
        out += L"</contextMenus>";
    }
    ui.End();
    return out;
}

}  // namespace

std::wstring CustomUi(const std::wstring& ribbonId) {
    if (ribbonId == kExplorerRibbon) {
        return Document(callback::kExplorerLoad, {Place::kMailTab, Place::kContactsTab},
                        {Place::kContactMenu, Place::kMailMenu, Place::kItemsMenu});
    }
    if (ribbonId == kContactRibbon) {
        return Document(callback::kContactLoad, {Place::kContactTab}, {});
    }
    if (ribbonId == kMailReadRibbon) {
        return Document(callback::kMailReadLoad, {Place::kReadMessageTab}, {});
    }
    return std::wstring();
}

}  // namespace ribbon
