// Model items that are neither contacts nor mails, so that the add-in meets
// them where Outlook shows them: a distribution list in a contacts folder,
// an appointment in the calendar, a meeting request in the Inbox.
#pragma once

#include <string>

#include "model/outlook/ModelItem.h"

namespace model {

// _DistListItem: DLName, MemberCount.
class ModelDistListItem : public ModelItem {
  public:
    ModelDistListItem(CallLog* log, const boost::weak_ptr<ModelObject>& application,
                      const std::wstring& name);
};

// _AppointmentItem: Subject, Location.
class ModelAppointmentItem : public ModelItem {
  public:
    ModelAppointmentItem(CallLog* log, const boost::weak_ptr<ModelObject>& application,
                         const std::wstring& subject);
};

// _MeetingItem: a meeting request; like a mail it has a sender and a body,
// but it is no _MailItem.
class ModelMeetingItem : public ModelItem {
  public:
    ModelMeetingItem(CallLog* log, const boost::weak_ptr<ModelObject>& application,
                     const std::wstring& subject, const std::wstring& senderAddress);
};

}  // namespace model
