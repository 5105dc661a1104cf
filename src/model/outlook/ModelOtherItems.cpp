#include "model/outlook/ModelOtherItems.h"

#include "outlook/OutlookIds.h"

namespace model {

namespace {
// OlObjectClass numbers.
const int kOlDistributionList = 69;
const int kOlAppointment = 26;
const int kOlMeetingRequest = 53;
}  // namespace

ModelDistListItem::ModelDistListItem(CallLog* log, const boost::weak_ptr<ModelObject>& application,
                                     const std::wstring& name)
    : ModelItem("DistListItem", log, outlook::kIID_DistListItem, kOlDistributionList,
                {"DLName", "Subject", "EntryID"}, application) {
    SetText("DLName", name);
    SetText("Subject", name);
    SetProperty("MemberCount", host::Variant::I4(0));
}

ModelAppointmentItem::ModelAppointmentItem(CallLog* log,
                                           const boost::weak_ptr<ModelObject>& application,
                                           const std::wstring& subject)
    : ModelItem("AppointmentItem", log, outlook::kIID_AppointmentItem, kOlAppointment,
                {"Subject", "Location", "Body", "EntryID"}, application) {
    SetText("Subject", subject);
}

ModelMeetingItem::ModelMeetingItem(CallLog* log, const boost::weak_ptr<ModelObject>& application,
                                   const std::wstring& subject, const std::wstring& senderAddress)
    : ModelItem("MeetingItem", log, outlook::kIID_MeetingItem, kOlMeetingRequest,
                {"Subject", "Body", "SenderName", "SenderEmailAddress", "EntryID"}, application) {
    SetText("Subject", subject);
    SetText("SenderEmailAddress", senderAddress);
}

}  // namespace model
