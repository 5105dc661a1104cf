#include "win32/com/ModuleUsage.h"

#include <atomic>

namespace win32 {

namespace {
// COM may ask DllCanUnloadNow from another thread than the apartment's.
std::atomic<long> g_objects{0};
std::atomic<long> g_locks{0};
}  // namespace

void ModuleUsage::ObjectCreated() { ++g_objects; }

void ModuleUsage::ObjectDestroyed() { --g_objects; }

void ModuleUsage::Lock() { ++g_locks; }

bool ModuleUsage::Unlock() {
    long locks = g_locks.load();
    while (locks > 0) {
        if (g_locks.compare_exchange_weak(locks, locks - 1)) {
            return true;
        }
    }
    return false;
}

bool ModuleUsage::InUse() { return g_objects.load() > 0 || g_locks.load() > 0; }

}  // namespace win32
