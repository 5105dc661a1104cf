// CSkypeBuddy: one Skype user the add-in knows (a friend from Skype's list,
// or a Skype name an Outlook item shows). It asks Skype for the user's full
// name and online status and keeps itself current by reading the "USER"
// notifications every API-result observer receives.
#pragma once

#include <string>

#include <boost/shared_ptr.hpp>

#include "skype/Skype.h"

class CSkypeBuddy {
  public:
    // Subscribes to the owner's API results; `owner` must be alive.
    CSkypeBuddy(CSkype* owner, const std::wstring& handle, bool isFriend);
    // Unsubscribes (when the owner still exists).
    ~CSkypeBuddy();
    CSkypeBuddy(const CSkypeBuddy&) = delete;
    CSkypeBuddy& operator=(const CSkypeBuddy&) = delete;

    // Applies a "USER <handle> <property> <value>" notification about this
    // user; ignores every other reply.
    void OnReturnAPIResult(const std::string& reply);
    // Asks Skype for "FULLNAME", then "ONLINESTATUS".
    void Refresh();

    // The handle never changes, so a reference is as good as a copy.
    const std::wstring& GetHandle() const { return handle_; }
    std::wstring GetFullName() const { return fullName_; }
    std::wstring GetStatusText() const { return statusText_; }
    std::wstring GetHomePhone() const { return homePhone_; }
    std::wstring GetOfficePhone() const { return officePhone_; }
    std::wstring GetMobilePhone() const { return mobilePhone_; }
    bool IsFriend() const { return isFriend_; }
    // The key of its API-result subscription.
    const std::string& GetSubscriptionKey() const { return key_; }
    // The handle, then " (" status text ")" when there is a status text:
    // "echo123 (Online)".
    std::wstring GetDisplayName() const;
    // Whether the record has a full name and it equals `fullName` (the
    // locale's comparison, as handles are compared).
    bool HasFullName(const std::wstring& fullName) const;
    // The handle and the full name in lower case, through the ANSI code
    // page, as a contact's surname is looked for in them. Made when first
    // asked for and again after the full name changes: matching a contact
    // compares every record, and must not convert each one every time,
    // while a list of thousands that is never matched need not pay at all.
    const std::string& GetLowerHandle() const;
    const std::string& GetLowerFullName() const;

    // The status text for one of Skype's "ONLINESTATUS" words.
    static std::wstring StatusTextFor(const std::wstring& onlineStatus);

  private:
    const boost::shared_ptr<CSkype::OwnerLink> owner_;
    const std::wstring handle_;
    std::wstring fullName_;
    std::wstring statusText_;
    std::wstring homePhone_;
    std::wstring officePhone_;
    std::wstring mobilePhone_;
    std::string key_;
    bool isFriend_;
    mutable std::string lowerHandle_;
    mutable std::string lowerFullName_;
    mutable bool lowerHandleMade_ = false;
    mutable bool lowerFullNameMade_ = false;
};
