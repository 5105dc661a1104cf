#include "BenchWorld.h"

#include <cstdio>

#include "skype/SkypeProtocol.h"

namespace bench {

std::string Handle(std::size_t index, std::size_t count) {
    // A stride prime to every size used spreads the numbers over the range,
    // so the list arrives unsorted.
    const std::size_t spread = (index * 7919) % (count == 0 ? 1 : count);
    char text[32];
    std::snprintf(text, sizeof text, "friend.%05zu", spread);
    return text;
}

std::string UsersReply(std::size_t count) {
    std::string reply = "USERS ";
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) reply += ", ";
        reply += Handle(i, count);
    }
    return reply;
}

SkypeWorld::SkypeWorld(std::size_t users) : count(users) {
    static const char* const kStatuses[] = {"ONLINE", "AWAY", "NA", "DND", "OFFLINE"};
    for (std::size_t i = 0; i < count; ++i) {
        model::SkypeUser user;
        user.handle = Handle(i, count);
        user.fullName = "Friend Number " + std::to_string(i);
        user.onlineStatus = kStatuses[i % 5];
        user.isFriend = false;
        skype.AddUser(user);
    }
    skype.Start();
}

CSkype& SkypeWorld::Attach() {
    world.StopClient();
    CSkype& client = world.StartClient();
    model.desktop.Advance(skype_protocol::kDiscoveryPeriodMs);
    skype.ClearReceived();
    return client;
}

CSkype& SkypeWorld::AttachWithBuddies() {
    CSkype& client = Attach();
    Reply(UsersReply(count));
    skype.ClearReceived();
    return client;
}

void SkypeWorld::Reply(const std::string& text) {
    model.desktop.SendCopyData(world.Client()->GetMessageWindow(), skype.Window(), 0, text.c_str(),
                               static_cast<std::uint32_t>(text.size() + 1));
}

}  // namespace bench
