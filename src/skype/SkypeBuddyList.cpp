// CSkype's buddy list: loading it from Skype, adding records, finding a
// record by handle or by an Outlook contact, and the "USERS" reply.
#include <algorithm>
#include <string>
#include <vector>

#include <boost/make_shared.hpp>

#include "outlook/Contact.h"
#include "platform/Platform.h"
#include "skype/SafeTargets.h"
#include "skype/Skype.h"
#include "skype/SkypeBuddy.h"
#include "skype/SkypeProtocol.h"
#include "skype/SkypeReply.h"
#include "util/Text.h"
#include "util/Trace.h"

namespace {

// Skype needs a moment after a list before it answers property requests.
constexpr std::uint32_t kPauseAfterListMs = 50;
// Shorter surname keys match too much to mean anything.
constexpr std::size_t kMinimumSurnameKey = 4;

bool SameText(const std::wstring& a, const std::wstring& b) {
    return platform::text().CompareLocale(a, b) == 0;
}

// The lower-case text (through the ANSI code page) of a name.
std::string LowerAnsi(const std::wstring& text) { return text::ToLowerAnsi(text::ToAnsi(text)); }

// The contact's surname for matching: its last name, or else what follows
// the first blank of its full name; in lower case.
std::string SurnameKey(const CContact& contact) {
    if (!contact.GetLastName().empty()) {
        return LowerAnsi(contact.GetLastName());
    }
    const std::string fullName = text::ToAnsi(contact.GetFullName());
    const std::size_t blank = fullName.find(' ');
    if (blank == std::string::npos) {
        return std::string();
    }
    return text::ToLowerAnsi(fullName.substr(blank + 1));
}

}  // namespace

void CSkype::LoadBuddyList() {
    TANDREL_TRACE("CSkype::LoadBuddyList");
    SearchFriends();
}

void CSkype::SearchFriends() {
    ++friendSearches_;
    // Outstanding before the send: Skype may answer inside it.
    friendSearchOutstanding_ = true;
    if (!SendCommand(skype_protocol::kSearchFriendsCommand)) {
        friendSearchOutstanding_ = false;
    }
}

void CSkype::GetUserProperty(const std::wstring& property, const std::wstring& handle) {
    TANDREL_TRACE("CSkype::GetUserProperty");
    const std::string ansiHandle = text::ToAnsi(handle);
    if (!skype_text::IsSafeHandle(ansiHandle)) {
        return;  // its words would not be the ones asked for
    }
    SendCommand(skype_protocol::kGetUserPrefix + ansiHandle + " " + text::ToAnsi(property));
}

void CSkype::AddBuddy(const std::wstring& handle, bool isFriend) {
    TANDREL_TRACE("CSkype::AddBuddy");
    // An empty handle names nobody; a record for it would only ask Skype
    // about nobody. One that no Skype Name can be (a quote, a control
    // character, a blank) would only put words of its own into the
    // commands that ask about it.
    if (handle.empty() || !skype_text::IsSafeHandle(text::ToAnsi(handle)) || FindBuddy(handle)) {
        return;
    }
    // One allocation for the record and its count: the ONLINE refresh and
    // every notification touch both.
    const CSkypeBuddyPtr buddy = boost::make_shared<CSkypeBuddy>(this, handle, isFriend);
    MutableBuddies().push_back(buddy);
    buddyIndex_.Insert(buddy->GetHandle(), buddy);
}

CSkypeBuddyPtr CSkype::FindBuddy(const std::wstring& handle) {
    TANDREL_TRACE("CSkype::FindBuddy");
    return FindListed(handle);
}

CSkypeBuddyPtr CSkype::FindListed(const std::wstring& handle) const {
    CSkypeBuddyPtr first;
    std::size_t equal = 0;
    buddyIndex_.ForEachEqual(handle, [&first, &equal](const CSkypeBuddyPtr& buddy) {
        if (!first) {
            first = buddy;
        }
        ++equal;
    });
    if (equal <= 1) {
        return first;
    }
    // Several records compare equal to it (their handles differ only in
    // what the locale ignores): the first in list order answers.
    for (const CSkypeBuddyPtr& buddy : *buddies_) {
        if (SameText(buddy->GetHandle(), handle)) {
            return buddy;
        }
    }
    return CSkypeBuddyPtr();
}

void CSkype::ForgetBuddies() {
    // The window that would receive an outstanding list goes with the list.
    friendSearchOutstanding_ = false;
    ++buddyListChanges_;
    // Records unsubscribe as they go; the list and its index are emptied
    // before the last reference to any of them is let go.
    boost::shared_ptr<BuddyVector> doomed = boost::make_shared<BuddyVector>();
    doomed.swap(buddies_);
    HandleIndex<CSkypeBuddyPtr> doomedIndex;
    doomedIndex.Swap(buddyIndex_);
}

CSkype::BuddyVector& CSkype::MutableBuddies() {
    // Every change of the list comes through here.
    ++buddyListChanges_;
    if (!buddies_.unique()) {
        buddies_ = boost::make_shared<BuddyVector>(*buddies_);
    }
    return *buddies_;
}

CSkypeBuddyPtr CSkype::FindBuddy(const CContact& contact) {
    TANDREL_TRACE("CSkype::FindBuddy");
    const std::string key = SurnameKey(contact);
    const bool keyUsable = key.size() >= kMinimumSurnameKey;
    // A snapshot: the walk compares text, which never sends, but the list
    // must not change under it either way.
    const boost::shared_ptr<const BuddyVector> buddies = BuddySnapshot();
    for (const CSkypeBuddyPtr& buddy : *buddies) {
        const std::wstring& handle = buddy->GetHandle();
        if (SameText(handle, contact.GetSkypeName())) {
            return buddy;
        }
        if (buddy->HasFullName(contact.GetFullName())) {
            return buddy;
        }
        // Without a usable surname key the later records are still compared
        // by handle and full name: stopping here would miss them.
        if (!keyUsable) {
            continue;
        }
        // An empty handle or full name has an empty lower-case form, in
        // which no usable key is found.
        if (buddy->GetLowerHandle().find(key) != std::string::npos) {
            return buddy;
        }
        if (buddy->GetLowerFullName().find(key) != std::string::npos) {
            return buddy;
        }
    }
    return CSkypeBuddyPtr();
}

void CSkype::OnUsersReply(const std::string& list) {
    friendSearchOutstanding_ = false;
    for (const std::string& handle : skype_reply::SplitUserList(list)) {
        AddBuddy(text::FromAnsi(handle), true);
    }
    platform::sleeper().Sleep(kPauseAfterListMs);
    BuddyVector& buddies = MutableBuddies();
    std::stable_sort(buddies.begin(), buddies.end(),
                     [](const CSkypeBuddyPtr& a, const CSkypeBuddyPtr& b) {
                         return platform::text().CompareLocale(a->GetHandle(), b->GetHandle()) < 0;
                     });
    // Each refresh sends, and replies inside the sends may add, sort or
    // empty the list: walk a snapshot, so every record is asked once.
    const boost::shared_ptr<const BuddyVector> sorted = BuddySnapshot();
    for (const CSkypeBuddyPtr& buddy : *sorted) {
        buddy->Refresh();
    }
}
