// The Office command-bar interfaces, their event interfaces with the
// DISPIDs of their events, and the enumeration values the add-in passes.
// The numbers are those of the Office type library (mso.dll).
#pragma once

#include "host/EventSink.h"
#include "host/Guid.h"

namespace office {

namespace detail {
// Office's interfaces all end in -0000-0000-C000-000000000046.
constexpr host::Guid OfficeGuid(std::uint32_t data1) {
    return host::MakeGuid(data1, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46);
}
}  // namespace detail

constexpr host::Guid kIID_CommandBars = detail::OfficeGuid(0x000C0302);  // _CommandBars
constexpr host::Guid kIID_CommandBar = detail::OfficeGuid(0x000C0304);   // CommandBar
constexpr host::Guid kIID_CommandBarControls =
    detail::OfficeGuid(0x000C0306);                                            // CommandBarControls
constexpr host::Guid kIID_CommandBarControl = detail::OfficeGuid(0x000C0308);  // CommandBarControl
constexpr host::Guid kIID_CommandBarPopup = detail::OfficeGuid(0x000C030A);    // CommandBarPopup
constexpr host::Guid kIID_CommandBarComboBox =
    detail::OfficeGuid(0x000C030C);                                           // _CommandBarComboBox
constexpr host::Guid kIID_CommandBarButton = detail::OfficeGuid(0x000C030E);  // _CommandBarButton

struct CommandBarsEvents {
    static constexpr host::Guid kDiid = detail::OfficeGuid(0x000C0352);
    // Fires while Office builds or refreshes a bar (a context menu too).
    static constexpr host::DispId kOnUpdate = 1;  // ()
};

struct CommandBarButtonEvents {
    static constexpr host::Guid kDiid = detail::OfficeGuid(0x000C0351);
    static constexpr host::DispId kClick = 1;  // (Ctrl VT_DISPATCH, CancelDefault VT_BOOL byref)
};

struct CommandBarComboBoxEvents {
    static constexpr host::Guid kDiid = detail::OfficeGuid(0x000C0354);
    static constexpr host::DispId kChange = 1;  // (Ctrl VT_DISPATCH)
};

// MsoControlType.
namespace control_type {
constexpr int kButton = 1;
constexpr int kEdit = 2;
constexpr int kDropdown = 3;
constexpr int kComboBox = 4;
constexpr int kPopup = 10;
}  // namespace control_type

// MsoButtonStyle.
namespace button_style {
constexpr int kIcon = 1;
constexpr int kCaption = 2;
constexpr int kIconAndCaption = 3;
}  // namespace button_style

// MsoComboStyle.
namespace combo_style {
constexpr int kNormal = 0;
constexpr int kLabel = 1;
}  // namespace combo_style

// MsoBarPosition.
namespace bar_position {
constexpr int kLeft = 0;
constexpr int kTop = 1;
constexpr int kRight = 2;
constexpr int kBottom = 3;
constexpr int kFloating = 4;
constexpr int kPopup = 5;
}  // namespace bar_position

// MsoBarProtection: msoBarNoProtection.
constexpr int kBarNoProtection = 0;

// The name of the bar Office builds for an item's right-click menu.
constexpr wchar_t kContextMenuName[] = L"Context Menu";

}  // namespace office
