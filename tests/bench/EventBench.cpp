// Outlook's events as the add-in handles them, with n friends in Skype and
// n contacts: a selection change (a contact, a mail; a contact in Outlook
// 2016, with Office's redrawing of the ribbon), a contact Inspector
// opening, the first attach with the toolbar up, a right-click on a contact
// and on a mail, a click on the toolbar's call button, and a Skype call
// coming in. Beside the time each reports, per event, the calls the add-in
// made on Outlook and Office objects ("host_calls", each a COM call on real
// Office; "add_item" of them fill the Skype combo) and the commands Skype
// received ("skype_commands").
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "BenchWorld.h"
#include "commandbars/Toolbar.h"
#include "model/office/ModelCommandBarControl.h"

namespace {

void Sizes(benchmark::internal::Benchmark* b) {
    b->RangeMultiplier(10)->Range(10, 10000)->Unit(benchmark::kMicrosecond);
}

// Sums what each event cost, outside the timing, and reports the averages.
class EventCounts {
  public:
    EventCounts(benchmark::State& state, bench::OutlookWorld& world)
        : state_(state), world_(world) {}
    ~EventCounts() {
        Report("host_calls", hostCalls_);
        Report("add_item", addItems_);
        Report("skype_commands", commands_);
    }
    // Call with the timing paused, after each event.
    void Take() {
        hostCalls_ += static_cast<double>(world_.HostCalls());
        addItems_ += static_cast<double>(world_.HostCallsOf("AddItem"));
        commands_ += static_cast<double>(world_.skype.Received().size());
        world_.ClearCounts();
    }

  private:
    void Report(const char* name, double total) {
        state_.counters[name] = benchmark::Counter(total, benchmark::Counter::kAvgIterations);
    }
    benchmark::State& state_;
    bench::OutlookWorld& world_;
    double hostCalls_ = 0;
    double addItems_ = 0;
    double commands_ = 0;
};

std::size_t Size(const benchmark::State& state) { return static_cast<std::size_t>(state.range(0)); }

// The user selects one contact, then another: one with a Skype name among
// the friends, one matching no friend (every record is compared).
void BM_SelectContact(benchmark::State& state) {
    bench::OutlookWorld world(Size(state));
    world.Start();
    EventCounts counts(state, world);
    std::size_t turn = 0;
    for (auto _ : state) {
        world.window->Select({++turn % 2 ? world.withoutSkypeName : world.withSkypeName});
        state.PauseTiming();
        counts.Take();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SelectContact)->Apply(Sizes);

// In the Inbox, the user selects one mail, then another: each 20 KiB with
// three "callto://" links, from a sender among the contacts, to two more.
void BM_SelectMail(benchmark::State& state) {
    bench::OutlookWorld world(Size(state));
    world.Start();
    world.window->SwitchFolder(world.world.outlook.inbox());
    world.window->Select({world.mails[1]});
    world.ClearCounts();
    EventCounts counts(state, world);
    std::size_t turn = 0;
    for (auto _ : state) {
        world.window->Select({world.mails[++turn % 2]});
        state.PauseTiming();
        counts.Take();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SelectMail)->Apply(Sizes);

// In Outlook 2016 without the classic toolbar, the user selects one contact,
// then another, and Office redraws the Home tab: the add-in invalidates the
// boxes that changed, and Office asks their text again (each callback reads
// its IRibbonControl: those reads are host calls too). A box's list is
// asked for when the user opens it, not here.
void BM_SelectContactRibbon(benchmark::State& state) {
    bench::OutlookWorld world(Size(state));
    world.UseOutlook2016();
    world.Start();
    const model::ModelRibbon::View tab = world.ContactsTab();
    std::vector<const model::RibbonNode*> boxes;
    for (const wchar_t* name : {L"skype", L"skypeout"}) {
        boxes.push_back(world.ribbon()->Find(tab, name, "comboBox"));
    }
    world.ClearCounts();
    EventCounts counts(state, world);
    double invalidated = 0;
    std::size_t turn = 0;
    for (auto _ : state) {
        world.window->Select({++turn % 2 ? world.withoutSkypeName : world.withSkypeName});
        for (const model::RibbonNode* box : boxes) world.ribbon()->Text(tab, *box);
        state.PauseTiming();
        invalidated += static_cast<double>(world.HostCallsOf("InvalidateControl"));
        counts.Take();
        state.ResumeTiming();
    }
    state.counters["invalidated"] =
        benchmark::Counter(invalidated, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_SelectContactRibbon)->Apply(Sizes);

// The user opens the contact with a Skype name: its window, its toolbar,
// the toolbar filled. The window closes between openings (not timed).
void BM_OpenContactInspector(benchmark::State& state) {
    bench::OutlookWorld world(Size(state));
    world.Start();
    EventCounts counts(state, world);
    for (auto _ : state) {
        const model::ModelInspectorPtr inspector =
            world.world.outlook.OpenInspector(world.withSkypeName);
        state.PauseTiming();
        counts.Take();
        inspector->Close();
        world.ClearCounts();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenContactInspector)->Apply(Sizes);

// Outlook has just loaded the add-in (its toolbar is up, a contact
// selected) and Skype attaches: the handshake, "USERS" of n friends, each
// asked for its full name and status, and the toolbar filled. Besides the
// counts: the list passes ("SEARCH FRIENDS" sent) and the milliseconds the
// pauses after a list held Outlook's thread (the model only moves its
// clock: they are not in the time).
void BM_FirstAttach(benchmark::State& state) {
    bench::OutlookWorld world(Size(state));
    world.window->Select({world.withSkypeName});
    double passes = 0;
    double pausedMs = 0;
    {
        EventCounts counts(state, world);
        for (auto _ : state) {
            state.PauseTiming();
            world.Connect();
            world.ClearCounts();
            state.ResumeTiming();
            world.Attach();
            state.PauseTiming();
            for (const model::ModelSkype::Command& command : world.skype.Received()) {
                passes += command.text == "SEARCH FRIENDS";
            }
            pausedMs += static_cast<double>(world.world.platform.sleeper.totalSlept);
            counts.Take();
            state.ResumeTiming();
        }
    }
    state.counters["list_passes"] = benchmark::Counter(passes, benchmark::Counter::kAvgIterations);
    state.counters["paused_ms"] = benchmark::Counter(pausedMs, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FirstAttach)->RangeMultiplier(10)->Range(10, 10000)->Unit(benchmark::kMillisecond);

// The user right-clicks the selected contact (a Skype name and a number):
// Office builds its context menu and the add-in puts its items in.
void BM_RightClick(benchmark::State& state) {
    bench::OutlookWorld world(Size(state));
    world.Start();
    EventCounts counts(state, world);
    for (auto _ : state) {
        world.window->RightClick();
        state.PauseTiming();
        counts.Take();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RightClick)->Apply(Sizes);

// The user right-clicks a mail just selected whose sender and two other
// participants have Skype names: the add-in looks the participants up
// among the contacts (once per mail) and offers a conference beside the
// replies.
void BM_RightClickMail(benchmark::State& state) {
    bench::OutlookWorld world(Size(state));
    world.Start();
    world.window->SwitchFolder(world.world.outlook.inbox());
    EventCounts counts(state, world);
    for (auto _ : state) {
        state.PauseTiming();
        world.window->Select({world.mails[1]});
        world.window->Select({world.mails[0]});
        world.ClearCounts();
        state.ResumeTiming();
        world.window->RightClick();
        state.PauseTiming();
        counts.Take();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RightClickMail)->Apply(Sizes);

// The user clicks the toolbar's call button for the selected contact.
void BM_ClickCall(benchmark::State& state) {
    bench::OutlookWorld world(Size(state));
    world.Start();
    const model::ModelCommandBarPtr bar = world.window->commandBars()->FindBar(CToolbar::kBarName);
    const auto callButton = boost::dynamic_pointer_cast<model::ModelCommandBarButton>(
        bar->controls()->controls().at(1));
    EventCounts counts(state, world);
    for (auto _ : state) {
        callButton->Click();
        state.PauseTiming();
        counts.Take();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ClickCall)->Apply(Sizes);

// A Skype call comes in until its window shows (the call is missed, not
// timed, between calls): from the number of the last contact in the
// folder, so that every contact's numbers are read, or from the Skype name
// of the first contact, which Outlook's own search finds.
void IncomingCall(benchmark::State& state, bool fromNumber) {
    bench::OutlookWorld world(Size(state));
    world.Start();
    const std::string caller =
        fromNumber ? "+447700900" + std::to_string(world.count - 1) : bench::Handle(0, world.count);
    EventCounts counts(state, world);
    double shown = 0;
    for (auto _ : state) {
        const int call = world.skype.Ring(caller);
        state.PauseTiming();
        shown += static_cast<double>(world.world.platform.ui.OpenModeless().size());
        counts.Take();
        world.skype.SetCallStatus(call, "MISSED");
        world.ClearCounts();
        state.ResumeTiming();
    }
    state.counters["windows"] = benchmark::Counter(shown, benchmark::Counter::kAvgIterations);
}
void BM_IncomingCallFromNumber(benchmark::State& state) { IncomingCall(state, true); }
void BM_IncomingCallFromSkypeName(benchmark::State& state) { IncomingCall(state, false); }
BENCHMARK(BM_IncomingCallFromNumber)->Apply(Sizes);
BENCHMARK(BM_IncomingCallFromSkypeName)->Apply(Sizes);

}  // namespace
