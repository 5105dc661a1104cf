// What every command and every traced call pays: the trace guard with and
// without "LogFile", and the check that Skype runs among 1,024 processes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BenchWorld.h"
#include "util/Settings.h"
#include "util/Trace.h"

namespace {

void TracedOperation() { TANDREL_TRACE("CSkype::IsSkypeConnected"); }

void BM_TracedCall(benchmark::State& state, bool logFile) {
    model::ModelPlatform model;
    platform::ScopedPlatform installed(model.ports());
    const std::string path = "/tmp/tandrel-bench-trace.txt";
    std::remove(path.c_str());
    if (logFile) {
        model.registry.SetString(settings::kRoot, settings::kKeyPath, settings::kLogFile, path);
    }
    for (auto _ : state) {
        TracedOperation();
    }
    std::remove(path.c_str());
}
BENCHMARK_CAPTURE(BM_TracedCall, without_logfile, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_TracedCall, with_logfile, true)->Unit(benchmark::kMicrosecond);

// 1,024 processes with a Skype the last one the enumeration sees: once
// the attached Skype, whose window still stands; once a new Skype, the
// attached one having gone, so that only the walk finds it.
void BM_ProcessCheck(benchmark::State& state, bool attachedSkypeGone) {
    bench::SkypeWorld world(0);
    CSkype& client = world.Attach();
    model::ModelProcesses& processes = world.model.processes;
    processes.SetRunning(std::vector<std::string>(platform::kMaxProcesses - 1, "svchost.exe"));
    const platform::ProcessId skype = processes.Start("Skype.exe");
    if (!attachedSkypeGone) {
        processes.SetWindowProcess(client.GetSkypeWindow(), skype);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(client.IsSkypeRunning());
    }
}
BENCHMARK_CAPTURE(BM_ProcessCheck, attached_running, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ProcessCheck, attached_gone, true)->Unit(benchmark::kMicrosecond);

}  // namespace
