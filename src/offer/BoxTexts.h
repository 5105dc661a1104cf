// The fixed texts of the window's two boxes and of the add-in's group,
// which every surface shows alike (they are not in the string table).
#pragma once

namespace offer {

constexpr wchar_t kSkypeBoxCaption[] = L"Skype: ";
constexpr wchar_t kSkypeBoxTooltip[] =
    L"Choose or enter the Skype Name of the person you want to contact";
constexpr wchar_t kSkypeOutBoxCaption[] = L"SkypeOut: ";
constexpr wchar_t kSkypeOutBoxTooltip[] =
    L"Choose or enter the telephone number you want to dial using SkypeOut";
// The label of the ribbon's group: the add-in's name.
constexpr wchar_t kGroupLabel[] = L"Tandrel";

}  // namespace offer
