// What the Skype benchmarks run on: the model world without Outlook's
// part in play, its model Skype holding a directory of generated users, and
// the add-in's Skype client attached to it. Sizes are the number of users.
#pragma once

#include <string>

#include "model/world/World.h"
#include "skype/Skype.h"

namespace bench {

// The n-th generated Skype handle ("friend.00042" style, in no sorted order).
std::string Handle(std::size_t index, std::size_t count);
// "USERS a, b, ..." of `count` generated handles, in Skype's order.
std::string UsersReply(std::size_t count);

class SkypeWorld {
  public:
    // `count` users in the model Skype's directory; none of them is listed
    // by "SEARCH FRIENDS", so attaching leaves the buddy list empty until a
    // test sends a list itself.
    explicit SkypeWorld(std::size_t count);

    // A new client, attached (the old one, if any, is destroyed first).
    CSkype& Attach();
    // The client with every generated user in its buddy list.
    CSkype& AttachWithBuddies();
    // A reply or notification from Skype's window to the client.
    void Reply(const std::string& text);

    model::World world{model::Mailbox(), model::World::SkypeUsers::None};
    model::ModelPlatform& model = world.platform;
    model::ModelSkype& skype = world.skype;
    const std::size_t count;
};

}  // namespace bench
