#include "ribbon/Controls.h"

namespace ribbon {

namespace {

struct PlaceName {
    Place place;
    const wchar_t* name;
    const wchar_t* idMso;
};

const PlaceName kPlaces[kPlaceCount] = {
    {Place::kMailTab, L"TandrelMail", L"TabMail"},
    {Place::kContactsTab, L"TandrelContacts", L"TabContacts"},
    {Place::kContactTab, L"TandrelContact", L"TabContact"},
    {Place::kReadMessageTab, L"TandrelReadMessage", L"TabReadMessage"},
    {Place::kContactMenu, L"TandrelContactItem", L"ContextMenuContactItem"},
    {Place::kMailMenu, L"TandrelMailItem", L"ContextMenuMailItem"},
    {Place::kItemsMenu, L"TandrelMultipleItems", L"ContextMenuMultipleItems"},
};

struct PartName {
    Part part;
    const wchar_t* name;
};

const PartName kParts[] = {
    {Part::kSkypeBox, L"SkypeBox"},   {Part::kCall, L"Call"},
    {Part::kChat, L"Chat"},           {Part::kSkypeOutBox, L"SkypeOutBox"},
    {Part::kSkypeOut, L"SkypeOut"},   {Part::kBuyCredit, L"BuyCredit"},
    {Part::kHelpMenu, L"HelpMenu"},   {Part::kHelp, L"Help"},
    {Part::kOptions, L"Options"},     {Part::kCheckForUpdate, L"CheckForUpdate"},
    {Part::kContactUs, L"ContactUs"}, {Part::kAbout, L"About"},
    {Part::kSeparator, L"Separator"}, {Part::kEntry, L"Entry"},
};

bool Numbered(Part part) { return part == Part::kSeparator || part == Part::kEntry; }

// A whole decimal number from 1 to 99 without leading zeros.
bool SmallNumber(const std::wstring& text, int* number) {
    if (text.empty() || text.size() > 2 || text[0] < L'1' || text[0] > L'9') return false;
    int value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return false;
        value = value * 10 + (c - L'0');
    }
    *number = value;
    return true;
}

}  // namespace

std::wstring IdOf(const ControlId& control) {
    std::wstring id = kPlaces[static_cast<int>(control.place)].name;
    for (const PartName& part : kParts) {
        if (part.part == control.part) id += std::wstring(L".") + part.name;
    }
    if (Numbered(control.part)) id += std::to_wstring(control.number);
    return id;
}

bool ParseId(const std::wstring& id, ControlId* control) {
    const std::size_t dot = id.find(L'.');
    if (dot == std::wstring::npos) return false;
    const std::wstring place = id.substr(0, dot);
    const std::wstring rest = id.substr(dot + 1);
    for (const PlaceName& each : kPlaces) {
        if (place != each.name) continue;
        for (const PartName& part : kParts) {
            const std::wstring name = part.name;
            ControlId found;
            found.place = each.place;
            found.part = part.part;
            if (!Numbered(part.part)) {
                if (rest != name) continue;
            } else if (rest.compare(0, name.size(), name) != 0 ||
                       !SmallNumber(rest.substr(name.size()), &found.number)) {
                continue;
            }
            // Entries live in context menus, everything else but separators
            // in groups.
            const bool menu = IsContextMenu(each.place);
            const bool fits = part.part == Part::kEntry ? menu && found.number <= kMenuEntries
                                                        : !menu || part.part == Part::kSeparator;
            if (!fits) return false;
            *control = found;
            return true;
        }
        return false;
    }
    return false;
}

const wchar_t* NameOf(Place place) { return kPlaces[static_cast<int>(place)].name; }

const wchar_t* IdMsoOf(Place place) { return kPlaces[static_cast<int>(place)].idMso; }

bool IsContextMenu(Place place) {
    return place == Place::kContactMenu || place == Place::kMailMenu || place == Place::kItemsMenu;
}

offer::WindowKind WindowOf(Place place) {
    switch (place) {
        case Place::kContactTab:
            return offer::WindowKind::kContact;
        case Place::kReadMessageTab:
            return offer::WindowKind::kMail;
        default:
            return offer::WindowKind::kFolder;
    }
}

offer::Selection SelectionOf(Place place) {
    switch (place) {
        case Place::kContactMenu:
            return offer::Selection::kContact;
        case Place::kMailMenu:
            return offer::Selection::kMail;
        case Place::kItemsMenu:
            return offer::Selection::kContacts;
        default:
            return offer::Selection::kNothing;
    }
}

bool ActionOf(Part part, offer::Action* action) {
    switch (part) {
        case Part::kCall:
            *action = offer::Action::kCall;
            return true;
        case Part::kChat:
            *action = offer::Action::kChat;
            return true;
        case Part::kSkypeOut:
            *action = offer::Action::kSkypeOut;
            return true;
        case Part::kBuyCredit:
            *action = offer::Action::kBuyCredit;
            return true;
        case Part::kHelp:
            *action = offer::Action::kHelp;
            return true;
        case Part::kOptions:
            *action = offer::Action::kOptions;
            return true;
        case Part::kCheckForUpdate:
            *action = offer::Action::kCheckForUpdate;
            return true;
        case Part::kContactUs:
            *action = offer::Action::kContactUs;
            return true;
        case Part::kAbout:
            *action = offer::Action::kAbout;
            return true;
        default:
            return false;
    }
}

}  // namespace ribbon
