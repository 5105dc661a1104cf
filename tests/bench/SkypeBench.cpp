// The Skype client's work on Outlook's thread as the buddy list grows: a
// "USERS" list, the ONLINE transition, one status notification, and
// finding a record by handle or by an Outlook contact.
#include <benchmark/benchmark.h>

#include "BenchWorld.h"
#include "outlook/Contact.h"
#include "skype/SkypeBuddy.h"
#include "util/Text.h"

namespace {

void Sizes(benchmark::internal::Benchmark* b) {
    b->RangeMultiplier(10)->Range(10, 10000)->Unit(benchmark::kMillisecond);
}

// One "USERS" list of n new handles: n records made, sorted, each asked
// for its full name and status (the model's 50 ms pause moves only its
// clock).
void BM_UsersReply(benchmark::State& state) {
    const std::size_t n = static_cast<std::size_t>(state.range(0));
    bench::SkypeWorld world(n);
    const std::string list = bench::UsersReply(n);
    for (auto _ : state) {
        state.PauseTiming();
        world.Attach();
        state.ResumeTiming();
        world.Reply(list);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_UsersReply)->Apply(Sizes);

// "CONNSTATUS ONLINE" after CONNECTING: every record is asked its status.
void BM_OnlineTransition(benchmark::State& state) {
    const std::size_t n = static_cast<std::size_t>(state.range(0));
    bench::SkypeWorld world(n);
    world.AttachWithBuddies();
    for (auto _ : state) {
        state.PauseTiming();
        world.Reply("CONNSTATUS CONNECTING");
        world.skype.ClearReceived();
        state.ResumeTiming();
        world.Reply("CONNSTATUS ONLINE");
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_OnlineTransition)->Apply(Sizes);

// One "USER <handle> ONLINESTATUS AWAY" that Skype sends unasked.
void BM_StatusNotification(benchmark::State& state) {
    const std::size_t n = static_cast<std::size_t>(state.range(0));
    bench::SkypeWorld world(n);
    world.AttachWithBuddies();
    const std::string notification = "USER " + bench::Handle(n / 2, n) + " ONLINESTATUS AWAY";
    for (auto _ : state) {
        world.Reply(notification);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_StatusNotification)
    ->RangeMultiplier(10)
    ->Range(10, 10000)
    ->Unit(benchmark::kMicrosecond);

void BM_FindBuddyByHandle(benchmark::State& state) {
    const std::size_t n = static_cast<std::size_t>(state.range(0));
    bench::SkypeWorld world(n);
    CSkype& client = world.AttachWithBuddies();
    const std::wstring handle = text::FromAnsi(bench::Handle(n / 2, n));
    for (auto _ : state) {
        benchmark::DoNotOptimize(client.FindBuddy(handle));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FindBuddyByHandle)
    ->RangeMultiplier(10)
    ->Range(10, 10000)
    ->Unit(benchmark::kMicrosecond);

// A contact that matches no record: the whole list is compared.
void BM_FindBuddyByContactNoMatch(benchmark::State& state) {
    const std::size_t n = static_cast<std::size_t>(state.range(0));
    bench::SkypeWorld world(n);
    CSkype& client = world.AttachWithBuddies();
    CContact::Fields fields;
    fields.skypeName = L"nobody.here";
    fields.fullName = L"Nobody Known";
    fields.lastName = L"Known";
    fields.name = fields.fullName;
    const CContact contact(fields);
    for (auto _ : state) {
        benchmark::DoNotOptimize(client.FindBuddy(contact));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FindBuddyByContactNoMatch)
    ->RangeMultiplier(10)
    ->Range(10, 10000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
