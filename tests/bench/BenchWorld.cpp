#include "BenchWorld.h"

#include <cstdio>

#include "model/skype/SampleSkypeUsers.h"
#include "ribbon/RibbonIds.h"
#include "skype/SkypeProtocol.h"
#include "util/Settings.h"

namespace bench {

namespace {

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// `count` users, each in one of the online states in turn.
void AddUsers(model::ModelSkype& skype, std::size_t count, bool friends) {
    static const char* const kStatuses[] = {"ONLINE", "AWAY", "NA", "DND", "OFFLINE"};
    for (std::size_t i = 0; i < count; ++i) {
        model::SkypeUser user;
        user.handle = Handle(i, count);
        user.fullName = "Friend Number " + std::to_string(i);
        user.onlineStatus = kStatuses[i % 5];
        user.isFriend = friends;
        skype.AddUser(user);
    }
}

// 20 KiB of text with a "callto://" link to each of `handles` spread over it.
std::wstring MailBody(const std::string (&handles)[3]) {
    constexpr std::size_t kBodyLength = 20 * 1024;
    const std::wstring filler = L"Nothing to see in this line of the mail, read on.\n";
    std::wstring body;
    for (std::size_t link = 0; body.size() < kBodyLength; ++link) {
        if (link % 100 == 0 && link / 100 < 3) {
            body += L"Call me on callto://" + Wide(handles[link / 100]) + L" today.\n";
        }
        body += filler;
    }
    body.resize(kBodyLength);
    return body;
}

model::Mailbox GeneratedMailbox(std::size_t count) {
    model::Mailbox mailbox;
    auto& contacts = mailbox.Folder(L"Contacts", outlook::item_type::kContact).items;
    for (std::size_t i = 0; i < count; ++i) {
        const std::wstring number = Wide(std::to_string(i));
        contacts.push_back(model::MailboxItem::Contact(
            {{"FullName", L"Contact Person " + number},
             {"FileAs", L"Person, Contact " + number},
             {"LastName", L"Person"},
             {"Email1Address", L"person" + number + L"@tandrel.example"},
             {"MobileTelephoneNumber", L"+44 7700 900" + number}},
            i == 0 || i == 2 || i == 3 ? Wide(Handle(i, count)) : std::wstring()));
    }
    auto& inbox = mailbox.Folder(L"Inbox").items;
    for (std::size_t m = 0; m < 2; ++m) {
        const std::string links[3] = {Handle((m * 3 + 1) % count, count),
                                      Handle((m * 3 + 2) % count, count),
                                      Handle((m * 3 + 3) % count, count)};
        const std::wstring number = Wide(std::to_string(m));
        model::ModelMailItem::Fields fields;
        fields.senderAddress = L"person" + number + L"@tandrel.example";
        fields.senderName = L"Contact Person " + number;
        fields.body = MailBody(links);
        fields.to = {{model::kCurrentUserAddress, model::kCurrentUserName},
                     {L"person2@tandrel.example", L"Contact Person 2"}};
        fields.cc = {{L"person3@tandrel.example", L"Contact Person 3"}};
        inbox.push_back(model::MailboxItem::Mail(fields));
    }
    return mailbox;
}

}  // namespace

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
    AddUsers(skype, count, false);
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

OutlookWorld::OutlookWorld(std::size_t n)
    : count(n), world(GeneratedMailbox(n), model::World::SkypeUsers::None) {
    // The offer of help at the first start would wait for an answer.
    world.platform.registry.SetBinary(settings::kRoot, settings::kKeyPath,
                                      settings::kFirstRunImport, {1});
    model::SkypeUser me;
    me.handle = model::kSampleCurrentUser;
    me.onlineStatus = "ONLINE";
    me.isFriend = false;
    skype.SetCurrentUser(me);
    AddUsers(skype, count, true);
    skype.Start();

    const auto& contacts = world.outlook.contacts()->items();
    withSkypeName = boost::static_pointer_cast<model::ModelContactItem>(contacts.at(0));
    withoutSkypeName = boost::static_pointer_cast<model::ModelContactItem>(contacts.at(1));
    for (std::size_t m = 0; m < 2; ++m) {
        mails[m] =
            boost::static_pointer_cast<model::ModelMailItem>(world.outlook.inbox()->items().at(m));
    }
    window = world.outlook.AddExplorer(world.outlook.contacts());
    world.outlook.SetActiveExplorer(window);
}

OutlookWorld::~OutlookWorld() { ribbon_.reset(); }  // Office lets go of the ribbon first

void OutlookWorld::Connect() {
    ribbon_.reset();
    world.addin.Load(world.outlook.applicationObject());
    if (ribbonOutlook_ && world.addin.Ribbon()) {
        ribbon_.reset(new model::ModelRibbon(*world.addin.Ribbon(), &world.outlook.log()));
        ribbon_->Load(ribbon::kExplorerRibbon);
    }
}

void OutlookWorld::UseOutlook2016() {
    ribbonOutlook_ = true;
    world.outlook.SetVersion(L"16.0.4266.1001");
    world.platform.registry.SetBinary(settings::kRoot, settings::kKeyPath,
                                      settings::kClassicToolbar, {0});
}

model::ModelRibbon::View OutlookWorld::ContactsTab() const {
    model::ModelRibbon::View view;
    view.ribbonId = ribbon::kExplorerRibbon;
    view.idMso = L"TabContacts";
    view.context = window;
    return view;
}

void OutlookWorld::Attach() { world.platform.desktop.Advance(skype_protocol::kDiscoveryPeriodMs); }

void OutlookWorld::Start() {
    Connect();
    Attach();
    window->Select({withSkypeName});
    ClearCounts();
}

void OutlookWorld::ClearCounts() {
    world.outlook.log().Clear();
    skype.ClearReceived();
    world.platform.sleeper.totalSlept = 0;
    world.platform.sleeper.sleeps.clear();
}

}  // namespace bench
