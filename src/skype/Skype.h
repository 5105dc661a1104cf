// CSkype: the add-in's single client of Skype's desktop API. Its hidden
// window is the add-in's address for Skype: discovery and attachment arrive
// there as registered window messages, commands and replies as WM_COPYDATA
// text. On top of that transport it keeps the connection status, the
// logged-in user, the protocol version and the buddy list, tells observers
// about changes, and places calls, conferences, chats and SkypeOut calls.
//
// Everything runs on one thread. Commands are sent synchronously and Skype
// may answer inside the send, so every handler may be entered again while
// an outer one is still running: tables and lists are walked over copies.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>

#include "host/Variant.h"
#include "platform/Windowing.h"
#include "skype/ConnectionStatus.h"
#include "skype/HandleIndex.h"

class CContact;
class CSkypeBuddy;
typedef boost::shared_ptr<CSkypeBuddy> CSkypeBuddyPtr;

class CSkype : public platform::WindowHandler {
  public:
    typedef boost::function<void(ConnectionStatus)> ConnectionStatusCallback;
    typedef boost::function<void(const std::string& reply)> APIResultCallback;
    typedef boost::function<void(int code, const std::string& description)> APIErrorCallback;

    // What a buddy record holds of its owner: a pointer that the owner
    // clears when it is destroyed, so a record kept alive elsewhere never
    // reaches a CSkype that is gone.
    struct OwnerLink {
        CSkype* skype;
    };

    // `application`: the Outlook application, held for the object's life
    // (may be empty where there is no Outlook). Creates no window.
    explicit CSkype(const host::DispatchPtr& application);
    ~CSkype() override;
    CSkype(const CSkype&) = delete;
    CSkype& operator=(const CSkype&) = delete;

    // --- Window and attachment ---
    // Creates the hidden window ("Tandrel", never shown); its creation starts
    // the discovery broadcast. Returns the window, or 0 on failure.
    platform::WindowHandle CreateMessageWindow();
    // Destroys the hidden window (its timers die with it; the buddy list is
    // emptied).
    void DestroyMessageWindow();
    platform::WindowHandle GetMessageWindow() const { return window_; }
    // The window Skype attached from; 0 while not attached.
    platform::WindowHandle GetSkypeWindow() const { return skypeWindow_; }

    // Sends one command to Skype, synchronously. Dropped without a word when
    // not attached or when no Skype process runs; false then.
    bool SendCommand(const std::string& command);
    bool IsSkypeConnected();
    // Whether calls and chats go as links ("CallVia" skype or tel), which
    // need neither Skype's desktop API nor its connection.
    bool PlacesCallsAsLinks() const;
    // Whether a click may place a call now: links, or Skype online.
    bool MayPlaceCalls();
    bool IsSkypeRunning();
    bool IsSkypeInstalled();
    // Launches Skype, asking it to call `target` unless that is empty.
    // Nothing is launched for a target that is not safe (SafeTargets.h).
    void StartSkype(const std::string& target);

    // --- Replies, connection state and observers ---
    ConnectionStatus GetConnectionStatus() const { return connectionStatus_; }
    const std::string& GetCurrentUserHandle() const { return currentUserHandle_; }
    int GetProtocol() const { return protocol_; }
    int GetPingsSent() const { return pingsSent_; }
    int GetPongsReceived() const { return pongsReceived_; }

    // Each stores the callback under a new key and returns the key. An
    // exception a callback lets out is recorded (caught::Record) and the
    // observers after it are still called.
    std::string AdviseConnectionStatus(const ConnectionStatusCallback& callback);
    std::string AdviseAPIResult(const APIResultCallback& callback);
    std::string AdviseAPIError(const APIErrorCallback& callback);
    // Removes the key from all three tables (absent keys are ignored).
    void Unadvise(const std::string& key);
    // From now on the API-result observer `key` hears only the "USER"
    // notifications about `handle` (compared as the buddy records compare
    // handles): a record ignores every other reply, and a reply then costs
    // the same however many records there are. Unknown keys are ignored.
    void LimitAPIResultToUser(const std::string& key, const std::wstring& handle);

    // Records a new status and tells the observers (nothing when unchanged).
    void OnChangeConnectionStatus(ConnectionStatus status);

    // --- Skype users ---
    // Sends "SEARCH FRIENDS"; Skype answers with the "USERS" list.
    void LoadBuddyList();
    // True from a "SEARCH FRIENDS" sent until its "USERS" list arrives (or
    // the attachment it was asked of is over): asking again meanwhile would
    // only have Skype send the same list twice.
    bool IsBuddyListLoading() const { return friendSearchOutstanding_; }
    // Sends "GET USER <handle> <property>"; nothing for a handle that is
    // not safe (SafeTargets.h).
    void GetUserProperty(const std::wstring& property, const std::wstring& handle);
    // Appends a record for `handle` unless one exists, or the handle is
    // empty or not safe (SafeTargets.h).
    void AddBuddy(const std::wstring& handle, bool isFriend);
    CSkypeBuddyPtr FindBuddy(const std::wstring& handle);
    CSkypeBuddyPtr FindBuddy(const CContact& contact);
    // A copy of the list, in its current order.
    std::vector<CSkypeBuddyPtr> GetBuddyList() const { return *buddies_; }
    bool IsBuddyListEmpty() const { return buddies_->empty(); }
    // Counts the changes to what a list of the buddies shows (their display
    // names, in list order): a record added, the list sorted or emptied, a
    // record's status text changed. A view filled at one count is still
    // what a refill would give while the count is the same.
    std::uint64_t GetBuddyListChanges() const { return buddyListChanges_; }
    // Called by a record whose display name has changed.
    void OnBuddyDisplayNameChanged() { ++buddyListChanges_; }

    // --- Calls and chats ---
    // Each goes as the setting "CallVia" says: through the desktop API
    // (after PreChecks), or as a link the shell opens (CallLinks.h).
    // True when a command may be sent now; false after telling the user why
    // not. A target that is not safe (SafeTargets.h) is refused first.
    bool PreChecks(const std::wstring& target);
    void SkypeIPCall(const std::wstring& target);
    void SkypeIMChat(const std::wstring& target);
    void SkypeOut(const std::wstring& number);
    // Converts `number` in place into SkypeOut's international form; false
    // (and the number unchanged) when that is not possible.
    bool SkypifyPhoneNumber(std::wstring& number);

    // --- platform::WindowHandler ---
    void OnCreate(platform::WindowHandle self) override;
    void OnDestroy(platform::WindowHandle self) override;
    void OnTimer(platform::WindowHandle self, std::uintptr_t timerId) override;
    platform::LResult OnCopyData(platform::WindowHandle self, platform::WindowHandle sender,
                                 std::uintptr_t dataWord, const void* data,
                                 std::uint32_t size) override;
    bool OnMessage(platform::WindowHandle self, platform::MessageId message,
                   platform::WParam wParam, platform::LParam lParam,
                   platform::LResult* result) override;

    // The handlers behind the window procedure.
    platform::LResult OnSkypeAPIAttach(platform::WParam skypeWindow, platform::LParam status);
    void OnDestoy();

    const boost::shared_ptr<OwnerLink>& GetOwnerLink() const { return ownerLink_; }

  private:
    typedef std::map<std::string, ConnectionStatusCallback> ConnectionStatusTable;
    typedef std::map<std::string, APIResultCallback> APIResultTable;
    typedef std::map<std::string, APIErrorCallback> APIErrorTable;

    void HandleReply(const std::string& reply);
    // "SEARCH FRIENDS", outstanding until the list comes.
    void SearchFriends();
    void OnUsersReply(const std::string& list);
    void NotifyAPIResult(const std::string& reply);
    // The record in the list whose handle equals `handle`, found through
    // the index: the first in list order when several are.
    CSkypeBuddyPtr FindListed(const std::wstring& handle) const;
    // Empties the list and its index; the records go with their last holder.
    void ForgetBuddies();

    // The list shared, not copied, for a walk in which replies may arrive:
    // a change made meanwhile copies the list first (MutableBuddies), so
    // the walk goes on over the list, and the records, as they were.
    typedef std::vector<CSkypeBuddyPtr> BuddyVector;
    boost::shared_ptr<const BuddyVector> BuddySnapshot() const { return buddies_; }
    BuddyVector& MutableBuddies();
    void NotifyAPIError(int code, const std::string& description);
    void NotifyConnectionStatus(ConnectionStatus status);
    void StartDiscovery();
    void StopDiscovery();
    void OnPingTimer();
    // A message box owned by the hidden window, caption "Tandrel Information".
    int Inform(const std::string& text, unsigned flags);
    // Opens a call or chat link ("CallVia" skype or tel) through the shell,
    // or tells the user that no program is registered for `scheme`.
    void OpenCallLink(const char* scheme, const std::string& link);
    // The checks of a call or chat after PreChecks: false after telling why not.
    bool MayCallOrChat(const std::string& target, unsigned selfMessageId);

    // Members in the order the add-in has always kept them.
    platform::WindowHandle window_ = platform::kNoWindow;
    platform::WindowHandle skypeWindow_ = platform::kNoWindow;
    host::DispatchPtr application_;
    ConnectionStatus connectionStatus_ = kConnectionUnknown;
    std::string currentUserHandle_;
    int protocol_ = 0;
    boost::shared_ptr<BuddyVector> buddies_;  // never null
    HandleIndex<CSkypeBuddyPtr> buddyIndex_;  // the records of buddies_ by handle
    int pingsSent_ = 0;
    int pongsReceived_ = 0;
    ConnectionStatusTable connectionStatusObservers_;
    APIResultTable apiResultObservers_;
    APIErrorTable apiErrorObservers_;
    // The API-result observers limited to one user (the records), by that
    // user's handle and by key, and the observers that hear every reply.
    struct LimitedObserver {
        std::string key;
        APIResultCallback callback;
        bool operator==(const LimitedObserver& other) const { return key == other.key; }
    };
    HandleIndex<LimitedObserver> userResultObservers_;
    std::map<std::string, std::wstring> userOfResultObserver_;
    std::set<std::string> allResultObservers_;
    // Counts every subscription and unsubscription of an API-result
    // observer, so that a walk over them sees whether a nested reply
    // changed the table while it ran.
    std::uint64_t resultObserverChanges_ = 0;

    boost::shared_ptr<OwnerLink> ownerLink_;
    std::uint64_t buddyListChanges_ = 0;
    // "SEARCH FRIENDS" sent, its list not come yet; and how many were sent
    // (the handshake asks only when nothing asked while it ran).
    bool friendSearchOutstanding_ = false;
    std::uint64_t friendSearches_ = 0;
};
