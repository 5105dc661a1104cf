// The add-in's side of Skype's desktop API: the names of the two registered
// window messages, the attach statuses, the timers of the hidden window, the
// commands sent and the markers the replies are recognised by.
#pragma once

#include <cstdint>

namespace skype_protocol {

// Registered window messages (RegisterWindowMessage names).
constexpr char kDiscoverMessageName[] = "SkypeControlAPIDiscover";
constexpr char kAttachMessageName[] = "SkypeControlAPIAttach";

// Second parameter of the attach message.
constexpr long kAttachSuccess = 0;
constexpr long kAttachPendingAuthorization = 1;
constexpr long kAttachRefused = 2;
constexpr long kAttachNotAvailable = 3;
constexpr long kAttachApiAvailable = 0x8001;

// Timers of the hidden window.
constexpr std::uintptr_t kDiscoveryTimerId = 237;
constexpr std::uint32_t kDiscoveryPeriodMs = 500;
constexpr std::uintptr_t kPingTimerId = 238;
constexpr std::uint32_t kPingPeriodMs = 1000;

// Title of the hidden window.
constexpr char kWindowTitle[] = "Tandrel";

// The handshake, sent in this order after attach status 0.
constexpr char kNameCommand[] = "NAME Tandrel";
constexpr char kProtocolCommand[] = "PROTOCOL 4";
constexpr char kGetCurrentUserCommand[] = "GET CURRENTUSERHANDLE";
constexpr char kGetConnStatusCommand[] = "GET CONNSTATUS";
constexpr char kSearchFriendsCommand[] = "SEARCH FRIENDS";

constexpr char kPingCommand[] = "PING";
constexpr char kFocusCommand[] = "FOCUS";
// Followed by the target.
constexpr char kCallPrefix[] = "CALL ";
constexpr char kOpenImPrefix[] = "OPEN IM ";
// Followed by a handle, a blank and a property name.
constexpr char kGetUserPrefix[] = "GET USER ";

// Conferences need at least this protocol.
constexpr int kConferenceProtocol = 4;

// Skype's program image, as its process list shows it (either spelling).
constexpr char kProcessName[] = "Skype.exe";
constexpr char kProcessNameLower[] = "skype.exe";
// Skype is asked to call a target on its command line with this switch.
constexpr char kCallToSwitch[] = "/callto:";

}  // namespace skype_protocol
