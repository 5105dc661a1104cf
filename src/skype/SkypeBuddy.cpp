#include "skype/SkypeBuddy.h"

#include <utility>

#include <boost/bind/bind.hpp>

#include "platform/Platform.h"
#include "skype/SkypeReply.h"
#include "util/CaughtExceptions.h"
#include "util/Text.h"
#include "util/Trace.h"

namespace {

bool SameText(const std::wstring& a, const std::wstring& b) {
    return platform::text().CompareLocale(a, b) == 0;
}

std::string LowerAnsi(const std::wstring& text) { return text::ToLowerAnsi(text::ToAnsi(text)); }

}  // namespace

CSkypeBuddy::CSkypeBuddy(CSkype* owner, const std::wstring& handle, bool isFriend)
    : owner_(owner->GetOwnerLink()), handle_(handle), statusText_(L"Unknown"), isFriend_(isFriend) {
    TANDREL_TRACE("CSkypeBuddy::CSkypeBuddy");
    key_ = owner->AdviseAPIResult(
        boost::bind(&CSkypeBuddy::OnReturnAPIResult, this, boost::placeholders::_1));
    // Only notifications about this user can change the record: the owner
    // hands it no others, however long its list.
    owner->LimitAPIResultToUser(key_, handle_);
}

CSkypeBuddy::~CSkypeBuddy() {
    TANDREL_TRACE("CSkypeBuddy::~CSkypeBuddy");
    if (owner_->skype != nullptr) {
        try {
            owner_->skype->Unadvise(key_);
        } catch (...) {
            caught::Record("CSkypeBuddy::~CSkypeBuddy");  // nothing may leave a destructor
        }
    }
}

std::wstring CSkypeBuddy::StatusTextFor(const std::wstring& onlineStatus) {
    // Made once: every status notification looks its word up here.
    static const std::pair<std::wstring, std::wstring> kStatuses[] = {
        {L"OFFLINE", L"Offline"},  {L"ONLINE", L"Online"},      {L"AWAY", L"Away"},
        {L"NA", L"Not Available"}, {L"DND", L"Do Not Disturb"},
    };
    for (const auto& status : kStatuses) {
        if (SameText(onlineStatus, status.first)) {
            return status.second;
        }
    }
    return L"Unavailable";
}

void CSkypeBuddy::OnReturnAPIResult(const std::string& reply) {
    TANDREL_TRACE("CSkypeBuddy::OnReturnAPIResult");
    skype_reply::UserNotification notification;
    if (!skype_reply::ReadUserNotification(reply, &notification)) {
        return;
    }
    if (!SameText(text::FromAnsi(notification.handle), handle_)) {
        return;
    }
    if (!notification.hasValue) {
        return;  // a property without a value part says nothing
    }
    const std::string& property = notification.property;
    const std::wstring value = text::FromAnsi(notification.value);

    if (property == "FULLNAME") {
        fullName_ = value;
        lowerFullNameMade_ = false;
    } else if (property == "PHONE_HOME") {
        homePhone_ = value;
    } else if (property == "PHONE_OFFICE") {
        officePhone_ = value;
    } else if (property == "PHONE_MOBILE") {
        mobilePhone_ = value;
    } else if (property == "ONLINESTATUS") {
        std::wstring statusText = StatusTextFor(value);
        if (statusText != statusText_) {
            statusText_.swap(statusText);
            if (owner_->skype != nullptr) {
                owner_->skype->OnBuddyDisplayNameChanged();
            }
        }
    } else if (property == "BUDDYSTATUS") {
        isFriend_ = SameText(value, L"3");
    }
}

void CSkypeBuddy::Refresh() {
    TANDREL_TRACE("CSkypeBuddy::Refresh");
    // Locals only after the first send: a reply inside it may let go of
    // this record.
    const boost::shared_ptr<CSkype::OwnerLink> link = owner_;
    const std::wstring handle = handle_;
    if (link->skype != nullptr) {
        link->skype->GetUserProperty(L"FULLNAME", handle);
    }
    if (link->skype != nullptr) {
        link->skype->GetUserProperty(L"ONLINESTATUS", handle);
    }
}

const std::string& CSkypeBuddy::GetLowerHandle() const {
    if (!lowerHandleMade_) {
        lowerHandle_ = LowerAnsi(handle_);
        lowerHandleMade_ = true;
    }
    return lowerHandle_;
}

const std::string& CSkypeBuddy::GetLowerFullName() const {
    if (!lowerFullNameMade_) {
        lowerFullName_ = LowerAnsi(fullName_);
        lowerFullNameMade_ = true;
    }
    return lowerFullName_;
}

bool CSkypeBuddy::HasFullName(const std::wstring& fullName) const {
    return !fullName_.empty() && SameText(fullName_, fullName);
}

std::wstring CSkypeBuddy::GetDisplayName() const {
    if (statusText_.empty()) {
        return handle_;
    }
    return handle_ + L" (" + statusText_ + L")";
}
