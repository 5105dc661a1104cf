// Outlook's interface identifiers, event interfaces with the DISPIDs of
// their events, and the enumeration values the add-in passes or compares.
// The numbers are those of Outlook's type library (msoutl.olb).
#pragma once

#include "host/EventSink.h"
#include "host/Guid.h"

namespace outlook {

namespace detail {
// Outlook's interfaces all end in -0000-0000-C000-000000000046.
constexpr host::Guid OutlookGuid(std::uint32_t data1) {
    return host::MakeGuid(data1, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46);
}
}  // namespace detail

// Interfaces (dual).
constexpr host::Guid kIID_Application = detail::OutlookGuid(0x00063001);      // _Application
constexpr host::Guid kIID_NameSpace = detail::OutlookGuid(0x00063002);        // _NameSpace
constexpr host::Guid kIID_Explorer = detail::OutlookGuid(0x00063003);         // _Explorer
constexpr host::Guid kIID_Inspector = detail::OutlookGuid(0x00063005);        // _Inspector
constexpr host::Guid kIID_MAPIFolder = detail::OutlookGuid(0x00063006);       // MAPIFolder
constexpr host::Guid kIID_Inspectors = detail::OutlookGuid(0x00063008);       // _Inspectors
constexpr host::Guid kIID_Explorers = detail::OutlookGuid(0x0006300A);        // _Explorers
constexpr host::Guid kIID_ContactItem = detail::OutlookGuid(0x00063021);      // _ContactItem
constexpr host::Guid kIID_AppointmentItem = detail::OutlookGuid(0x00063033);  // _AppointmentItem
constexpr host::Guid kIID_MailItem = detail::OutlookGuid(0x00063034);         // _MailItem
constexpr host::Guid kIID_Recipients = detail::OutlookGuid(0x0006303B);       // Recipients
constexpr host::Guid kIID_UserProperties = detail::OutlookGuid(0x0006303D);   // UserProperties
constexpr host::Guid kIID_Folders = detail::OutlookGuid(0x00063040);          // _Folders
constexpr host::Guid kIID_Items = detail::OutlookGuid(0x00063041);            // _Items
constexpr host::Guid kIID_UserProperty = detail::OutlookGuid(0x00063042);     // UserProperty
constexpr host::Guid kIID_Recipient = detail::OutlookGuid(0x00063045);        // Recipient
constexpr host::Guid kIID_MeetingItem = detail::OutlookGuid(0x00063062);      // _MeetingItem
constexpr host::Guid kIID_DistListItem = detail::OutlookGuid(0x00063081);     // _DistListItem
constexpr host::Guid kIID_Selection = detail::OutlookGuid(0x00063087);        // Selection

// Event interfaces (dispinterfaces) and the DISPIDs of their events.
struct ExplorersEvents {
    static constexpr host::Guid kDiid = detail::OutlookGuid(0x00063078);
    static constexpr host::DispId kNewExplorer = 0xF001;  // (Explorer)
};

struct InspectorsEvents {
    static constexpr host::Guid kDiid = detail::OutlookGuid(0x00063079);
    static constexpr host::DispId kNewInspector = 0xF001;  // (Inspector)
};

struct ExplorerEvents {
    static constexpr host::Guid kDiid = detail::OutlookGuid(0x0006304F);
    static constexpr host::DispId kActivate = 0xF001;
    static constexpr host::DispId kFolderSwitch = 0xF002;
    static constexpr host::DispId kBeforeFolderSwitch = 0xF003;  // (NewFolder, Cancel)
    static constexpr host::DispId kViewSwitch = 0xF004;
    static constexpr host::DispId kBeforeViewSwitch = 0xF005;  // (NewView, Cancel)
    static constexpr host::DispId kDeactivate = 0xF006;
    static constexpr host::DispId kSelectionChange = 0xF007;
    static constexpr host::DispId kClose = 0xF008;
};

struct InspectorEvents {
    static constexpr host::Guid kDiid = detail::OutlookGuid(0x0006307D);
    static constexpr host::DispId kActivate = 0xF001;
    static constexpr host::DispId kDeactivate = 0xF006;
    static constexpr host::DispId kClose = 0xF008;
};

// Sourced by contact, mail and the other items.
struct ItemEvents {
    static constexpr host::Guid kDiid = detail::OutlookGuid(0x0006303A);
    static constexpr host::DispId kCustomPropertyChange = 0xF008;  // (Name)
    static constexpr host::DispId kPropertyChange = 0xF009;        // (Name)
};

// OlItemType: a folder's DefaultItemType.
namespace item_type {
constexpr int kMail = 0;
constexpr int kAppointment = 1;
constexpr int kContact = 2;
constexpr int kTask = 3;
constexpr int kJournal = 4;
constexpr int kNote = 5;
constexpr int kPost = 6;
constexpr int kDistributionList = 7;
}  // namespace item_type

// OlDefaultFolders.
namespace default_folder {
constexpr int kDeletedItems = 3;
constexpr int kOutbox = 4;
constexpr int kSentMail = 5;
constexpr int kInbox = 6;
constexpr int kCalendar = 9;
constexpr int kContacts = 10;
}  // namespace default_folder

// OlMailRecipientType: a mail recipient's Type.
namespace recipient_type {
constexpr int kOriginator = 0;
constexpr int kTo = 1;
constexpr int kCc = 2;
constexpr int kBcc = 3;
}  // namespace recipient_type

// OlEditorType: an Inspector's EditorType.
namespace editor_type {
constexpr int kText = 1;
constexpr int kHtml = 2;
constexpr int kRtf = 3;
constexpr int kWord = 4;
}  // namespace editor_type

// OlUserPropertyType and the display format of a text property.
constexpr int kUserPropertyText = 1;  // olText
constexpr int kFormatTextText = 1;    // olFormatTextText

}  // namespace outlook
