#include "calls/ScreenPop.h"

#include "calls/CallerSearch.h"
#include "outlook/OutlookIds.h"
#include "skype/Skype.h"
#include "skype/SkypeBuddy.h"
#include "util/CaughtExceptions.h"
#include "util/Trace.h"

namespace {

constexpr wchar_t kSkypeNameField[] = L"Skype Name";
// Where a caller's number goes in a new contact: the field Outlook's
// contact form shows for a telephone the person carries.
constexpr char kNewContactNumberField[] = "MobileTelephoneNumber";

// A contact's name as the add-in shows it: its full name, else its File As.
std::wstring ContactName(const outlook::ContactItem& contact) {
    const std::wstring fullName = contact.FullName();
    return fullName.empty() ? contact.FileAs() : fullName;
}

}  // namespace

CScreenPop::CScreenPop(const outlook::Application& application,
                       const boost::shared_ptr<CSkype>& skype)
    : application_(application), skype_(skype), calls_(new CIncomingCalls(skype, *this)) {}

CScreenPop::~CScreenPop() {
    try {
        calls_.reset();
        for (auto& each : ringing_) {
            each.second.window->Close();
        }
    } catch (...) {
        caught::Record("CScreenPop::~CScreenPop");  // nothing may leave a destructor
    }
}

std::size_t CScreenPop::OpenWindows() const {
    std::size_t open = 0;
    for (const auto& each : ringing_) {
        open += each.second.window->IsOpen() ? 1 : 0;
    }
    return open;
}

outlook::ContactItem CScreenPop::FindCaller(const IncomingCall& call) const {
    const CCallerSearch search(application_);
    if (call.fromNumber) {
        return search.ForNumber(call.partner);
    }
    const outlook::ContactItem bySkypeName = search.ForSkypeName(call.partner);
    if (bySkypeName) {
        return bySkypeName;
    }
    // The name Skype knows the caller by: the buddy's full name, else the
    // display name of the call.
    const CSkypeBuddyPtr buddy = skype_->FindBuddy(call.partner);
    const std::wstring fullName =
        buddy && !buddy->GetFullName().empty() ? buddy->GetFullName() : call.displayName;
    return search.ForFullName(fullName);
}

CIncomingCallWindow::Caller CScreenPop::CallerShown(const Ringing& ringing) const {
    CIncomingCallWindow::Caller caller;
    caller.from = ringing.call.partner;
    caller.known = static_cast<bool>(ringing.contact);
    if (caller.known) {
        caller.name = ContactName(ringing.contact);
    }
    if (caller.name.empty()) {
        caller.name =
            ringing.call.displayName.empty() ? ringing.call.partner : ringing.call.displayName;
    }
    return caller;
}

void CScreenPop::OnRinging(const IncomingCall& call) {
    TANDREL_TRACE("CScreenPop::OnRinging");
    Ringing ringing;
    ringing.call = call;
    ringing.contact = FindCaller(call);
    const std::string id = call.id;
    ringing.window = std::make_shared<CIncomingCallWindow>([this, id]() { OnContact(id); });
    const CIncomingCallWindow::Caller shown = CallerShown(ringing);
    const std::shared_ptr<CIncomingCallWindow> window = ringing.window;
    ringing_[id] = ringing;
    window->Show(shown);
}

void CScreenPop::OnDisplayName(const IncomingCall& call) {
    TANDREL_TRACE("CScreenPop::OnDisplayName");
    const auto found = ringing_.find(call.id);
    if (found == ringing_.end()) {
        return;
    }
    Ringing& ringing = found->second;
    ringing.call.displayName = call.displayName;
    if (!ringing.contact && !call.fromNumber) {
        // Skype told the name only now: a contact may carry it.
        ringing.contact = CCallerSearch(application_).ForFullName(call.displayName);
    }
    // The search may let Skype's messages in: look again.
    const auto still = ringing_.find(call.id);
    if (still != ringing_.end()) {
        still->second.window->Update(CallerShown(still->second));
    }
}

void CScreenPop::OnStoppedRinging(const std::string& id) {
    TANDREL_TRACE("CScreenPop::OnStoppedRinging");
    const auto found = ringing_.find(id);
    if (found == ringing_.end()) {
        return;
    }
    const std::shared_ptr<CIncomingCallWindow> window = found->second.window;
    ringing_.erase(found);
    window->Close();
}

void CScreenPop::OnContact(const std::string& id) {
    const auto found = ringing_.find(id);
    if (found == ringing_.end()) {
        return;
    }
    const Ringing ringing = found->second;
    if (ringing.contact) {
        ringing.contact.Display();
    } else {
        CreateContact(ringing.call);
    }
}

void CScreenPop::CreateContact(const IncomingCall& call) const {
    TANDREL_TRACE("CScreenPop::CreateContact");
    const outlook::ContactItem contact =
        outlook::ContactItem::QueryFrom(application_.CreateItem(outlook::item_type::kContact));
    if (!contact) {
        return;
    }
    if (call.fromNumber) {
        contact.SetText(kNewContactNumberField, call.partner);
    } else {
        const outlook::UserProperty skypeName = contact.UserProperties().Add(
            kSkypeNameField, outlook::kUserPropertyText, false, outlook::kFormatTextText);
        if (skypeName) {
            skypeName.SetValue(host::Variant::Bstr(call.partner));
        }
    }
    // Skype's display name of a caller by number is often the number.
    if (!call.displayName.empty() && call.displayName != call.partner) {
        contact.SetText("FullName", call.displayName);
    }
    contact.Display();
}
