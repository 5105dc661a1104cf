// The whole add-in in the model host, for the benchmarks of Outlook's
// events: a model platform, a model Outlook whose Contacts folder holds n
// contacts and whose active window shows it, the model Skype with n
// friends, and the add-in loaded through the entry the COM server calls.
// Everything the benchmarks of the events need is made here, in one place,
// so that they can move to another world without being rewritten.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "addin/GuardedExtensibility.h"
#include "model/ModelPlatform.h"
#include "model/office/ModelRibbon.h"
#include "model/outlook/ModelOutlook.h"
#include "model/skype/ModelSkype.h"
#include "model/skype/ModelSkypeProcess.h"

namespace bench {

class AddinWorld {
  public:
    // n friends in Skype's list and n contacts. Contact 0 carries friend
    // 0's Skype name; the others carry none and match no friend, so that
    // looking one up compares every record. Two mails in the Inbox come
    // from contacts 0 and 1, each 20 KiB with three "callto://" links to
    // friends. Nothing is loaded until Connect.
    explicit AddinWorld(std::size_t n);
    ~AddinWorld();
    AddinWorld(const AddinWorld&) = delete;
    AddinWorld& operator=(const AddinWorld&) = delete;

    // Outlook loads the add-in (a new add-in object each time), its window
    // on the Contacts folder gets the toolbar. Skype attaches on the next
    // discovery broadcast (Attach).
    void Connect();
    // The clock runs until Skype has answered the discovery broadcast and
    // the handshake has run.
    void Attach();
    // Outlook unloads the add-in.
    void Disconnect();
    // Connect, Attach, and the toolbar showing a first selection.
    void Start();
    // From the next Connect: Outlook 2016, whose ribbon Office loads right
    // after the add-in connects, without the classic toolbar.
    void UseOutlook2016();
    // Office's ribbon while an Outlook 2016 is connected, else null; the
    // Home tab of the window's contacts folder.
    model::ModelRibbon* ribbon() const { return ribbon_.get(); }
    model::ModelRibbon::View ContactsTab() const;

    // The n-th friend's handle ("friend.00042", in no sorted order).
    std::string Handle(std::size_t index) const;
    // Every call the add-in made on Outlook and Office objects since the
    // last Clear (the model Outlook and its command bars share one log).
    std::size_t HostCalls() { return outlook.log().records().size(); }
    std::size_t HostCallsOf(const std::string& member) { return outlook.log().Of(member).size(); }
    void ClearCounts();

    const std::size_t count;
    model::ModelPlatform model;

  private:
    platform::ScopedPlatform installed_;  // before anything that uses the ports

  public:
    model::ModelSkype skype;
    model::ModelOutlook outlook;
    model::ModelExplorerPtr window;
    model::ModelContactItemPtr withSkypeName;     // contact 0
    model::ModelContactItemPtr withoutSkypeName;  // contact 1
    model::ModelMailItemPtr mails[2];

  private:
    model::ModelSkypeProcess skypeProcess_;
    std::unique_ptr<addin::GuardedExtensibility> entry_;
    bool ribbonOutlook_ = false;
    std::unique_ptr<model::ModelRibbon> ribbon_;
};

}  // namespace bench
