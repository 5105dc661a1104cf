// Skype's notifications and answers about one call: "CALL <id> <property>
// <value>", such as "CALL 1234 STATUS RINGING", "CALL 1234 TYPE
// INCOMING_PSTN" or "CALL 1234 PARTNER_DISPNAME Alice Wonder". Every other
// reply is no call notification.
#pragma once

#include <cstddef>
#include <string>

namespace skype_calls {

struct CallNotification {
    std::string id;        // digits only
    std::string property;  // "STATUS", "TYPE", "PARTNER_HANDLE", ...
    std::string value;     // the rest of the reply, blanks included; may be empty
};

// Values longer than this are cut: a display name nobody could read whole
// is not kept whole either.
constexpr std::size_t kLongestValue = 256;

// False for a reply that is not "CALL", a blank, an id of 1 to 18 digits, a
// blank and a property word (the value after one more blank).
bool Read(const std::string& reply, CallNotification* notification);

// The commands that ask Skype about call `id`.
std::string GetProperty(const std::string& id, const char* property);

// Property names and the values the add-in acts on.
constexpr char kStatus[] = "STATUS";
constexpr char kType[] = "TYPE";
constexpr char kPartnerHandle[] = "PARTNER_HANDLE";
constexpr char kPartnerDisplayName[] = "PARTNER_DISPNAME";
constexpr char kRinging[] = "RINGING";
constexpr char kIncomingP2P[] = "INCOMING_P2P";
constexpr char kIncomingPstn[] = "INCOMING_PSTN";

// Whether a STATUS ends the call for good (nothing more will be said of it):
// FINISHED, MISSED, REFUSED, CANCELLED, FAILED, BUSY.
bool IsFinal(const std::string& status);

}  // namespace skype_calls
