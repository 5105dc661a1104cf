// What the model Skype answers to each command of its desktop API.
#include <algorithm>
#include <string>
#include <vector>

#include "model/skype/ModelSkype.h"

namespace model {

const char ModelSkype::kUnknownCommand[] = "ERROR 2 Unknown command";
const char ModelSkype::kUnknownSearch[] = "ERROR 3 Search: unknown WHAT";
const char ModelSkype::kEmptyTarget[] = "ERROR 4 Empty target not allowed";
const char ModelSkype::kInvalidGet[] = "ERROR 7 GET: invalid WHAT";
const char ModelSkype::kInvalidProperty[] = "ERROR 10 Invalid PROP";
const char ModelSkype::kInvalidUserHandle[] = "ERROR 26 Invalid user handle";
const char ModelSkype::kInvalidVersion[] = "ERROR 27 Invalid version number";
const char ModelSkype::kInvalidHandle[] = "ERROR 70 Invalid handle";
const char ModelSkype::kInvalidSkypeOut[] = "ERROR 92 call error";
const char ModelSkype::kCallToSelf[] = "ERROR 94 call error";
const char ModelSkype::kInvalidCallId[] = "ERROR 11 Invalid call id";

namespace {

// SkypeOut numbers: "+" and this many digits.
constexpr std::size_t kShortestSkypeOut = 6;
constexpr std::size_t kLongestSkypeOut = 15;

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// "a, b,c" -> a, b, c (blanks around the names dropped).
std::vector<std::string> SplitTargets(const std::string& targets) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = targets.find(',', start);
        parts.push_back(Trim(targets.substr(start, comma - start)));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return parts;
}

bool IsPhoneNumber(const std::string& target) {
    return !target.empty() && (target[0] == '+' || (target[0] >= '0' && target[0] <= '9'));
}

bool IsValidSkypeOut(const std::string& number) {
    if (number.size() < 2 || number[0] != '+') return false;
    const std::string digits = number.substr(1);
    if (digits.size() < kShortestSkypeOut || digits.size() > kLongestSkypeOut) return false;
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Join(const std::vector<std::string>& items, const char* separator) {
    std::string joined;
    for (const std::string& item : items) {
        if (!joined.empty()) joined += separator;
        joined += item;
    }
    return joined;
}

}  // namespace

std::vector<std::string> ModelSkype::Answer(const std::string& command) {
    if (command == "PING") {
        if (!answersPings_) return {};
        return {"PONG"};
    }
    if (StartsWith(command, "NAME ")) {
        return {"OK"};
    }
    if (StartsWith(command, "PROTOCOL ")) {
        const std::string version = command.substr(9);
        if (version.empty() || version.find_first_not_of("0123456789") != std::string::npos ||
            version.size() > 6) {
            return {kInvalidVersion};
        }
        const int granted = std::min(std::stoi(version), maxProtocol_);
        return {"PROTOCOL " + std::to_string(granted)};
    }
    if (command == "GET CURRENTUSERHANDLE") {
        return {"CURRENTUSERHANDLE " + currentUser_};
    }
    if (command == "GET CONNSTATUS") {
        return {"CONNSTATUS " + connectionStatus_};
    }
    if (command == "GET USERSTATUS") {
        const SkypeUser* self = FindUser(currentUser_);
        return {"USERSTATUS " + std::string(self ? self->onlineStatus : "OFFLINE")};
    }
    if (StartsWith(command, "GET USER ")) {
        return AnswerGetUser(command.substr(9));
    }
    if (StartsWith(command, "GET CALL ")) {
        return AnswerGetCall(command.substr(9));
    }
    if (StartsWith(command, "GET ")) {
        return {kInvalidGet};
    }
    if (command == "SEARCH FRIENDS") {
        return {"USERS " + Join(Friends(), ", ")};
    }
    if (StartsWith(command, "SEARCH ")) {
        return {kUnknownSearch};
    }
    if (command == "CALL" || StartsWith(command, "CALL ")) {
        return AnswerCall(command.size() > 5 ? command.substr(5) : std::string());
    }
    if (StartsWith(command, "OPEN ")) {
        return AnswerOpen(command.substr(5));
    }
    if (command == "FOCUS") {
        return {"FOCUS"};
    }
    return {kUnknownCommand};
}

std::vector<std::string> ModelSkype::AnswerGetUser(const std::string& rest) {
    const std::size_t blank = rest.find(' ');
    const std::string handle = rest.substr(0, blank);
    const std::string property =
        blank == std::string::npos ? std::string() : rest.substr(blank + 1);
    const SkypeUser* user = FindUser(handle);
    if (user == nullptr) {
        return {kInvalidUserHandle};
    }
    bool known = false;
    const std::string value = UserProperty(*user, property, &known);
    if (!known) {
        return {kInvalidProperty};
    }
    return {"USER " + handle + " " + property + " " + value};
}

std::string ModelSkype::UserProperty(const SkypeUser& user, const std::string& property,
                                     bool* known) const {
    *known = true;
    if (property == "HANDLE") return user.handle;
    if (property == "FULLNAME") return user.fullName;
    if (property == "ONLINESTATUS") return user.onlineStatus;
    if (property == "PHONE_HOME") return user.phoneHome;
    if (property == "PHONE_OFFICE") return user.phoneOffice;
    if (property == "PHONE_MOBILE") return user.phoneMobile;
    // 3: an authorised friend; 1: known but never added.
    if (property == "BUDDYSTATUS") return user.isFriend ? "3" : "1";
    *known = false;
    return std::string();
}

std::string ModelSkype::CheckCallTarget(const std::string& target) const {
    if (IsPhoneNumber(target)) {
        return IsValidSkypeOut(target) ? std::string() : kInvalidSkypeOut;
    }
    if (target == currentUser_) {
        return kCallToSelf;
    }
    if (FindUser(target) == nullptr) {
        return kInvalidHandle;
    }
    return std::string();
}

std::vector<std::string> ModelSkype::AnswerCall(const std::string& targets) {
    if (Trim(targets).empty()) {
        return {kEmptyTarget};
    }
    for (const std::string& target : SplitTargets(targets)) {
        if (target.empty()) {
            return {kInvalidHandle};
        }
        const std::string refusal = CheckCallTarget(target);
        if (!refusal.empty()) {
            return {refusal};
        }
    }
    const int id = nextCallId_++;
    calls_.push_back(PlacedCall{id, targets, false});
    const std::string partner = Trim(targets);
    knownCalls_.push_back(SkypeCall{id, IsPhoneNumber(partner) ? "OUTGOING_PSTN" : "OUTGOING_P2P",
                                    partner, partner, "ROUTING"});
    return {"CALL " + std::to_string(id) + " STATUS ROUTING"};
}

std::vector<std::string> ModelSkype::AnswerGetCall(const std::string& rest) {
    const std::size_t blank = rest.find(' ');
    const std::string number = rest.substr(0, blank);
    const std::string property =
        blank == std::string::npos ? std::string() : rest.substr(blank + 1);
    if (number.empty() || number.size() > 9 ||
        number.find_first_not_of("0123456789") != std::string::npos) {
        return {kInvalidCallId};
    }
    const SkypeCall* call = FindCall(std::stoi(number));
    if (call == nullptr) {
        return {kInvalidCallId};
    }
    std::string value;
    if (property == "TYPE") {
        value = call->type;
    } else if (property == "PARTNER_HANDLE") {
        value = call->partner;
    } else if (property == "PARTNER_DISPNAME") {
        value = call->displayName;
    } else if (property == "STATUS") {
        value = call->status;
    } else {
        return {kInvalidProperty};
    }
    return {"CALL " + number + " " + property + " " + value};
}

ModelSkype::SkypeCall* ModelSkype::FindCall(int id) {
    for (SkypeCall& call : knownCalls_) {
        if (call.id == id) return &call;
    }
    return nullptr;
}

int ModelSkype::Ring(const std::string& caller) {
    const int id = nextCallId_++;
    const bool number = IsPhoneNumber(caller);
    const SkypeUser* user = number ? nullptr : FindUser(caller);
    const std::string displayName =
        user != nullptr && !user->fullName.empty() ? user->fullName : caller;
    knownCalls_.push_back(
        SkypeCall{id, number ? "INCOMING_PSTN" : "INCOMING_P2P", caller, displayName, "RINGING"});
    Notify("CALL " + std::to_string(id) + " STATUS RINGING");
    return id;
}

bool ModelSkype::SetCallStatus(int id, const std::string& status) {
    SkypeCall* call = FindCall(id);
    if (call == nullptr) {
        return false;
    }
    call->status = status;
    Notify("CALL " + std::to_string(id) + " STATUS " + status);
    return true;
}

int ModelSkype::RingingCall() const {
    for (auto call = knownCalls_.rbegin(); call != knownCalls_.rend(); ++call) {
        if (call->status == "RINGING") return call->id;
    }
    return 0;
}

std::vector<std::string> ModelSkype::AnswerOpen(const std::string& what) {
    if (!StartsWith(what, "IM ")) {
        return {"ERROR 69 Invalid open what"};
    }
    const std::string targets = what.substr(3);
    if (Trim(targets).empty()) {
        return {kEmptyTarget};
    }
    for (const std::string& target : SplitTargets(targets)) {
        // A chat needs a Skype user other than oneself.
        if (target.empty() || target == currentUser_ || FindUser(target) == nullptr) {
            return {kInvalidHandle};
        }
    }
    chats_.push_back(targets);
    return {"OPEN IM " + targets};
}

}  // namespace model
