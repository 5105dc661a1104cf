// CScreenPop: the caller's contact when a Skype call comes in. While an
// incoming call rings (CIncomingCalls), it finds the caller among the
// contacts of the default Contacts folder (CCallerSearch): a Skype user by
// the "Skype Name" field, else by the full name Skype knows for them; a
// telephone number by the contacts' numbers. It shows the incoming call
// window with "Open contact" (the contact's own window) or "Create contact"
// (a new contact holding the Skype name or number, shown, not saved), and
// closes it when the call stops ringing.
#pragma once

#include <map>
#include <memory>
#include <string>

#include <boost/shared_ptr.hpp>

#include "calls/IncomingCallWindow.h"
#include "outlook/Application.h"
#include "outlook/ContactItem.h"
#include "skype/IncomingCalls.h"

class CSkype;

class CScreenPop : private CIncomingCalls::Listener {
  public:
    CScreenPop(const outlook::Application& application, const boost::shared_ptr<CSkype>& skype);
    // Closes every window it shows and hears Skype no more.
    ~CScreenPop() override;
    CScreenPop(const CScreenPop&) = delete;
    CScreenPop& operator=(const CScreenPop&) = delete;

    // The windows open now (a call that rings has one).
    std::size_t OpenWindows() const;

  private:
    struct Ringing {
        IncomingCall call;
        outlook::ContactItem contact;  // null: a caller nobody knows
        std::shared_ptr<CIncomingCallWindow> window;
    };

    void OnRinging(const IncomingCall& call) override;
    void OnDisplayName(const IncomingCall& call) override;
    void OnStoppedRinging(const std::string& id) override;

    outlook::ContactItem FindCaller(const IncomingCall& call) const;
    CIncomingCallWindow::Caller CallerShown(const Ringing& ringing) const;
    // The contact button of call `id`'s window.
    void OnContact(const std::string& id);
    void CreateContact(const IncomingCall& call) const;

    outlook::Application application_;
    boost::shared_ptr<CSkype> skype_;
    std::map<std::string, Ringing> ringing_;
    // Last: hears Skype only once everything above is there.
    std::unique_ptr<CIncomingCalls> calls_;
};
