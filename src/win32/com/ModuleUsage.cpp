#include "win32/com/ModuleUsage.h"

#include <atomic>

namespace win32 {

namespace {
// COM may ask DllCanUnloadNow from another thread than the apartment's.
std::atomic<long> g_objects{0};
std::atomic<long> g_locks{0};
// Set and called on the apartment's thread, where the objects live.
void (*g_unused)() = nullptr;

void TellIfUnused() {
    if (g_unused && !ModuleUsage::InUse()) {
        g_unused();
    }
}
}  // namespace

void ModuleUsage::ObjectCreated() { ++g_objects; }

void ModuleUsage::ObjectDestroyed() {
    --g_objects;
    TellIfUnused();
}

void ModuleUsage::Lock() { ++g_locks; }

bool ModuleUsage::Unlock() {
    long locks = g_locks.load();
    while (locks > 0) {
        if (g_locks.compare_exchange_weak(locks, locks - 1)) {
            TellIfUnused();
            return true;
        }
    }
    return false;
}

bool ModuleUsage::InUse() { return g_objects.load() > 0 || g_locks.load() > 0; }

void ModuleUsage::WhenUnused(void (*unused)()) { g_unused = unused; }

}  // namespace win32
