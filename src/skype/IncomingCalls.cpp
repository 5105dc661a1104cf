#include "skype/IncomingCalls.h"

#include <boost/bind/bind.hpp>

#include "skype/CallNotifications.h"
#include "skype/Skype.h"
#include "util/RegistryKey.h"
#include "util/Settings.h"
#include "util/Text.h"
#include "util/Trace.h"

constexpr std::size_t CIncomingCalls::kRemembered;

CIncomingCalls::CIncomingCalls(const boost::shared_ptr<CSkype>& skype, Listener& listener)
    : skype_(skype), listener_(listener) {
    key_ = skype_->AdviseAPIResult(
        boost::bind(&CIncomingCalls::OnReturnAPIResult, this, boost::placeholders::_1));
}

CIncomingCalls::~CIncomingCalls() { skype_->Unadvise(key_); }

CIncomingCalls::Call* CIncomingCalls::Find(const std::string& id) {
    for (Call& call : calls_) {
        if (call.call.id == id) {
            return &call;
        }
    }
    return nullptr;
}

void CIncomingCalls::OnReturnAPIResult(const std::string& reply) {
    skype_calls::CallNotification notification;
    if (!skype_calls::Read(reply, &notification)) {
        return;
    }
    TANDREL_TRACE("CIncomingCalls::OnReturnAPIResult");
    const std::string& id = notification.id;
    if (notification.property == skype_calls::kStatus) {
        OnStatus(id, notification.value);
        return;
    }
    Call* call = Find(id);
    if (call == nullptr) {
        return;  // a call nobody asked about
    }
    if (notification.property == skype_calls::kType) {
        call->type = notification.value;
    } else if (notification.property == skype_calls::kPartnerHandle) {
        call->call.partner = text::FromAnsi(notification.value);
        call->partnerKnown = true;
    } else if (notification.property == skype_calls::kPartnerDisplayName) {
        call->call.displayName = text::FromAnsi(notification.value);
        if (call->announced && call->ringing) {
            const IncomingCall told = call->call;
            listener_.OnDisplayName(told);
            return;
        }
    } else {
        return;
    }
    Proceed(id);
}

void CIncomingCalls::OnStatus(const std::string& id, const std::string& status) {
    Call* call = Find(id);
    if (status == skype_calls::kRinging) {
        if (call != nullptr) {
            call->ringing = true;
            Proceed(id);
        } else if (settings::ReadBoolean(settings::kScreenPop, settings::kDefaultScreenPop)) {
            StartAsking(id);
        }
        return;
    }
    if (call == nullptr) {
        return;
    }
    const bool wasAnnounced = call->announced && call->ringing;
    call->ringing = false;
    if (skype_calls::IsFinal(status)) {
        Forget(id);
    }
    if (wasAnnounced) {
        listener_.OnStoppedRinging(id);
    }
}

void CIncomingCalls::StartAsking(const std::string& id) {
    while (calls_.size() >= kRemembered) {
        Forget(calls_.front().call.id);
    }
    Call call;
    call.call.id = id;
    calls_.push_back(call);
    // Skype may answer, or end the call, inside each send.
    for (const char* property :
         {skype_calls::kType, skype_calls::kPartnerHandle, skype_calls::kPartnerDisplayName}) {
        if (Find(id) == nullptr) {
            return;
        }
        skype_->SendCommand(skype_calls::GetProperty(id, property));
    }
}

void CIncomingCalls::Proceed(const std::string& id) {
    Call* call = Find(id);
    if (call == nullptr || call->announced || !call->ringing || call->type.empty() ||
        !call->partnerKnown) {
        return;
    }
    const bool p2p = call->type == skype_calls::kIncomingP2P;
    const bool pstn = call->type == skype_calls::kIncomingPstn;
    if ((!p2p && !pstn) || call->call.partner.empty()) {
        return;  // outgoing, or nobody to show
    }
    call->announced = true;
    call->call.fromNumber = pstn;
    const IncomingCall told = call->call;
    listener_.OnRinging(told);
}

// `id` by value: it may be the id of the call being erased.
void CIncomingCalls::Forget(std::string id) {
    for (auto call = calls_.begin(); call != calls_.end(); ++call) {
        if (call->call.id != id) {
            continue;
        }
        const bool wasAnnounced = call->announced && call->ringing;
        calls_.erase(call);
        if (wasAnnounced) {
            listener_.OnStoppedRinging(id);
        }
        return;
    }
}
