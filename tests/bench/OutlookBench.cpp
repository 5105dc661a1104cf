// The Outlook side: a contact snapshot, finding a mail's sender among
// many contacts or across many folders, and the "callto://" scan of a
// large mail body.
#include <benchmark/benchmark.h>

#include <string>

#include "model/world/World.h"
#include "outlook/ContactItem.h"
#include "outlook/Mail.h"
#include "outlook/MailItem.h"
#include "outlook/OutlookIds.h"

namespace {

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

model::ModelOutlook::Properties Person(std::size_t i) {
    const std::wstring number = Wide(std::to_string(i));
    return {{"FullName", L"Person " + number},
            {"LastName", L"Number" + number},
            {"Email1Address", L"person" + number + L"@example.com"},
            {"MobileTelephoneNumber", L"+44 7700 900" + number}};
}

// n people in the Contacts folder.
model::Mailbox People(std::int64_t count) {
    model::Mailbox mailbox;
    std::vector<model::MailboxItem>& contacts =
        mailbox.Folder(L"Contacts", outlook::item_type::kContact).items;
    for (std::int64_t i = 0; i < count; ++i) {
        contacts.push_back(model::MailboxItem::Contact(Person(static_cast<std::size_t>(i))));
    }
    return mailbox;
}

void BM_ContactSnapshot(benchmark::State& state) {
    model::World world;
    const auto item = world.outlook.AddContact(world.outlook.contacts(), Person(7));
    item->AddUserProperty(L"Skype Name", host::Variant::Bstr(L"person.seven"));
    const outlook::ContactItem contact(item);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CContact(contact));
        world.outlook.log().Clear();
    }
}
BENCHMARK(BM_ContactSnapshot)->Unit(benchmark::kMicrosecond);

// Looks up an address that no contact carries, as often as the benchmark asks.
void FindStranger(benchmark::State& state, model::World& world) {
    const outlook::Application application = world.outlook.application();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            CContact::FindByEmailAddress(application, L"stranger@example.com"));
        world.outlook.log().Clear();
    }
    state.SetComplexityN(state.range(0));
}

// An address no contact carries, among n contacts of the Contacts folder.
void BM_FindByEmailAddressContacts(benchmark::State& state) {
    model::World world(People(state.range(0)));
    FindStranger(state, world);
}
BENCHMARK(BM_FindByEmailAddressContacts)
    ->RangeMultiplier(10)
    ->Range(10, 10000)
    ->Unit(benchmark::kMicrosecond);

// The default contacts folder is a mail folder over n contacts folders in
// groups of ten, one contact each; the address is in none of them.
void BM_FindByEmailAddressFolders(benchmark::State& state) {
    model::World world;
    const model::ModelFolderPtr root =
        world.outlook.AddFolder(world.outlook.mailbox(), L"Shared", outlook::item_type::kMail);
    world.outlook.SetDefaultFolder(outlook::default_folder::kContacts, root);
    model::ModelFolderPtr group;
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        if (i % 10 == 0) {
            group = world.outlook.AddFolder(root, L"Group " + Wide(std::to_string(i / 10)),
                                            outlook::item_type::kMail);
        }
        const model::ModelFolderPtr folder = world.outlook.AddFolder(
            group, L"Contacts " + Wide(std::to_string(i)), outlook::item_type::kContact);
        world.outlook.AddContact(folder, Person(static_cast<std::size_t>(i)));
    }
    FindStranger(state, world);
}
BENCHMARK(BM_FindByEmailAddressFolders)
    ->RangeMultiplier(10)
    ->Range(10, 1000)
    ->Unit(benchmark::kMicrosecond);

// A mail whose body holds n blocks of 50 characters, every tenth with a
// "callto://" link: 10,000 blocks are 500,000 characters.
void BM_MailBody(benchmark::State& state) {
    model::World world;
    std::wstring body;
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        std::wstring block = i % 10 == 0 ? L"Call me on callto://friend." + Wide(std::to_string(i))
                                         : L"Nothing to see in this line of the mail";
        block.resize(49, L' ');
        body += block + L"\n";
    }
    const auto item =
        world.outlook.AddMail(world.outlook.inbox(), L"sender@example.com", L"Sender", body);
    const outlook::MailItem mail(item);
    const outlook::Application application = world.outlook.application();
    for (auto _ : state) {
        benchmark::DoNotOptimize(CMail(mail, application));
        world.outlook.log().Clear();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MailBody)->RangeMultiplier(10)->Range(10, 10000)->Unit(benchmark::kMicrosecond);

}  // namespace
