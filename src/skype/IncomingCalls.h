// CIncomingCalls: the incoming Skype calls while they ring. It hears every
// reply Skype sends (an API-result observer of CSkype); when a call it has
// not seen rings ("CALL n STATUS RINGING") and "ScreenPop" is on, it asks
// Skype for the call's TYPE, PARTNER_HANDLE and PARTNER_DISPNAME, and tells
// its listener about an incoming one (INCOMING_P2P or INCOMING_PSTN) once
// the type and the partner are known, then about the display name, and
// when the call stops ringing. Outgoing calls are asked about once and
// otherwise left alone.
//
// Skype may answer inside the sends, so every step finds its call afresh.
// A call is forgotten when its status ends it for good (FINISHED, MISSED,
// ...); at most kRemembered calls are kept, the oldest going first, so
// that a Skype that never ends its calls costs bounded memory.
#pragma once

#include <cstddef>
#include <deque>
#include <string>

#include <boost/shared_ptr.hpp>

class CSkype;

struct IncomingCall {
    std::string id;
    bool fromNumber = false;   // INCOMING_PSTN: `partner` is a telephone number
    std::wstring partner;      // the caller's Skype name or telephone number
    std::wstring displayName;  // as Skype shows the caller; empty until told
};

class CIncomingCalls {
  public:
    class Listener {
      public:
        virtual ~Listener() = default;
        // An incoming call rings; its type and partner are known.
        virtual void OnRinging(const IncomingCall& call) = 0;
        // Skype told the display name of a call already announced.
        virtual void OnDisplayName(const IncomingCall& call) = 0;
        // An announced call no longer rings (answered, missed, ended, or
        // forgotten to make room).
        virtual void OnStoppedRinging(const std::string& id) = 0;
    };

    static constexpr std::size_t kRemembered = 16;

    // Hears `skype`'s replies until destroyed; `listener` outlives it.
    CIncomingCalls(const boost::shared_ptr<CSkype>& skype, Listener& listener);
    ~CIncomingCalls();
    CIncomingCalls(const CIncomingCalls&) = delete;
    CIncomingCalls& operator=(const CIncomingCalls&) = delete;

    void OnReturnAPIResult(const std::string& reply);
    std::size_t Remembered() const { return calls_.size(); }

  private:
    struct Call {
        IncomingCall call;
        std::string type;  // empty until told
        bool partnerKnown = false;
        bool ringing = true;
        bool announced = false;  // the listener heard OnRinging
    };

    Call* Find(const std::string& id);
    void StartAsking(const std::string& id);
    void OnStatus(const std::string& id, const std::string& status);
    // Announces the call once everything is known, if it is incoming and rings.
    void Proceed(const std::string& id);
    void Forget(std::string id);

    boost::shared_ptr<CSkype> skype_;
    Listener& listener_;
    std::string key_;
    std::deque<Call> calls_;  // oldest first
};
