#include "AddinWorld.h"

#include <cstdio>

#include "addin/Extensibility.h"
#include "model/skype/SampleSkypeUsers.h"
#include "ribbon/RibbonIds.h"
#include "skype/SkypeApiMessages.h"
#include "skype/SkypeProtocol.h"
#include "util/Settings.h"

namespace bench {

namespace {

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

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

}  // namespace

AddinWorld::AddinWorld(std::size_t n)
    : count(n), installed_(model.ports()), skypeProcess_(skype, model.processes, model.shell) {
    // Each world has a desktop of its own, with message numbers of its own.
    skype_api::ForgetMessageNumbers();
    model::RegisterSkypeInstallation(model.registry);
    // The offer of help at the first start would wait for an answer.
    model.registry.SetBinary(settings::kRoot, settings::kKeyPath, settings::kFirstRunImport, {1});

    model::SkypeUser me;
    me.handle = model::kSampleCurrentUser;
    me.onlineStatus = "ONLINE";
    me.isFriend = false;
    skype.SetCurrentUser(me);
    static const char* const kStatuses[] = {"ONLINE", "AWAY", "NA", "DND", "OFFLINE"};
    for (std::size_t i = 0; i < count; ++i) {
        model::SkypeUser user;
        user.handle = Handle(i);
        user.fullName = "Friend Number " + std::to_string(i);
        user.onlineStatus = kStatuses[i % 5];
        skype.AddUser(user);
    }
    skype.Start();

    for (std::size_t i = 0; i < count; ++i) {
        const std::wstring number = Wide(std::to_string(i));
        const model::ModelContactItemPtr contact = outlook.AddContact(
            outlook.contacts(), {{"FullName", L"Contact Person " + number},
                                 {"FileAs", L"Person, Contact " + number},
                                 {"LastName", L"Person"},
                                 {"Email1Address", L"person" + number + L"@tandrel.example"},
                                 {"MobileTelephoneNumber", L"+44 7700 900" + number}});
        if (i == 0) {
            contact->AddUserProperty(L"Skype Name", host::Variant::Bstr(Wide(Handle(0))));
            withSkypeName = contact;
        } else if (i == 1) {
            withoutSkypeName = contact;
        }
    }
    for (std::size_t m = 0; m < 2; ++m) {
        const std::string links[3] = {Handle((m * 3 + 1) % count), Handle((m * 3 + 2) % count),
                                      Handle((m * 3 + 3) % count)};
        const std::wstring number = Wide(std::to_string(m));
        mails[m] = outlook.AddMail(outlook.inbox(), L"person" + number + L"@tandrel.example",
                                   L"Contact Person " + number, MailBody(links));
    }
    window = outlook.AddExplorer(outlook.contacts());
    outlook.SetActiveExplorer(window);
}

AddinWorld::~AddinWorld() {
    Disconnect();
    skype.Exit();
    skype_api::ForgetMessageNumbers();
}

std::string AddinWorld::Handle(std::size_t index) const {
    // A stride prime to every size used spreads the numbers over the range,
    // so Skype's list arrives unsorted.
    const std::size_t spread = (index * 7919) % (count == 0 ? 1 : count);
    char text[32];
    std::snprintf(text, sizeof text, "friend.%05zu", spread);
    return text;
}

void AddinWorld::Connect() {
    Disconnect();
    entry_.reset(new addin::GuardedExtensibility(addin::CreateAddIn()));
    entry_->OnConnection(outlook.applicationObject(), addin::connect_mode::kStartup, nullptr);
    if (ribbonOutlook_) {
        ribbon_.reset(new model::ModelRibbon(*entry_->Ribbon(), &outlook.log()));
        ribbon_->Load(ribbon::kExplorerRibbon);
    }
}

void AddinWorld::UseOutlook2016() {
    ribbonOutlook_ = true;
    outlook.SetVersion(L"16.0.4266.1001");
    model.registry.SetBinary(settings::kRoot, settings::kKeyPath, settings::kClassicToolbar, {0});
}

model::ModelRibbon::View AddinWorld::ContactsTab() const {
    model::ModelRibbon::View view;
    view.ribbonId = ribbon::kExplorerRibbon;
    view.idMso = L"TabContacts";
    view.context = window;
    return view;
}

void AddinWorld::Attach() { model.desktop.Advance(skype_protocol::kDiscoveryPeriodMs); }

void AddinWorld::Disconnect() {
    ribbon_.reset();  // Office lets go of the ribbon first
    if (entry_) {
        entry_->OnDisconnection(addin::disconnect_mode::kHostShutdown);
        entry_.reset();
    }
}

void AddinWorld::Start() {
    Connect();
    Attach();
    window->Select({withSkypeName});
    ClearCounts();
}

void AddinWorld::ClearCounts() {
    outlook.log().Clear();
    skype.ClearReceived();
    model.sleeper.totalSlept = 0;
    model.sleeper.sleeps.clear();
}

}  // namespace bench
