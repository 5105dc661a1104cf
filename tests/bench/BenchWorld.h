// The worlds the benchmarks run on: model::World with generated Skype users
// and, for Outlook's events, a generated mailbox. Sizes are the number of
// users (and of contacts).
#pragma once

#include <cstddef>
#include <string>

#include <memory>

#include "model/office/ModelRibbon.h"
#include "model/world/World.h"
#include "skype/Skype.h"

namespace bench {

// The n-th generated Skype handle ("friend.00042" style, in no sorted order).
std::string Handle(std::size_t index, std::size_t count);
// "USERS a, b, ..." of `count` generated handles, in Skype's order.
std::string UsersReply(std::size_t count);

// The Skype benchmarks: the model world without Outlook's part in play.
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

// The benchmarks of Outlook's events: the whole add-in in the model world.
// n friends in Skype's list and n contacts (n >= 4). Contacts 0, 2 and 3
// carry their friends' Skype names; the others carry none and match no
// friend, so that looking one up compares every record. Two mails in the
// Inbox come from contacts 0 and 1, each 20 KiB with three "callto://"
// links to friends, sent to the user and contact 2 with a copy to contact
// 3. Outlook's window shows the Contacts folder; nothing is loaded until
// Connect.
class OutlookWorld {
  public:
    explicit OutlookWorld(std::size_t count);
    ~OutlookWorld();

    // Outlook loads the add-in (a new add-in object each time), its window
    // on the Contacts folder gets the toolbar. Skype attaches on the next
    // discovery broadcast (Attach).
    void Connect();
    // The clock runs until Skype has answered the discovery broadcast and
    // the handshake has run.
    void Attach();
    // Connect, Attach, and the toolbar showing a first selection.
    void Start();
    // From the next Connect: Outlook 2016, whose ribbon Office loads right
    // after the add-in connects, without the classic toolbar.
    void UseOutlook2016();
    // Office's ribbon while an Outlook 2016 is connected, else null; the
    // Home tab of the window's contacts folder.
    model::ModelRibbon* ribbon() const { return ribbon_.get(); }
    model::ModelRibbon::View ContactsTab() const;

    // Every call the add-in made on Outlook and Office objects since the
    // last ClearCounts (the model Outlook and its command bars share one log).
    std::size_t HostCalls() { return world.outlook.log().records().size(); }
    std::size_t HostCallsOf(const std::string& member) {
        return world.outlook.log().Of(member).size();
    }
    void ClearCounts();

    const std::size_t count;
    model::World world;
    model::ModelSkype& skype = world.skype;
    model::ModelExplorerPtr window;
    model::ModelContactItemPtr withSkypeName;     // contact 0
    model::ModelContactItemPtr withoutSkypeName;  // contact 1
    model::ModelMailItemPtr mails[2];

  private:
    bool ribbonOutlook_ = false;
    std::unique_ptr<model::ModelRibbon> ribbon_;
};

}  // namespace bench
