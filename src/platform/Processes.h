// Processes port: which programs are running, and which one made a window.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "platform/Types.h"

namespace platform {

// EnumProcesses fills a buffer of this many identifiers at most.
constexpr std::size_t kMaxProcesses = 1024;

// A process identifier (DWORD). 0 is the system's idle process, never a
// program: the ports answer it for "no process".
using ProcessId = std::uint32_t;
constexpr ProcessId kNoProcess = 0;

class Processes {
  public:
    // Offered the base name of a process's first module; true stops the walk.
    using ModuleTest = std::function<bool(const std::string& moduleName)>;

    virtual ~Processes() = default;
    // Walks the processes in enumeration order (EnumProcesses, at most
    // kMaxProcesses of them), opening each with query-information and read
    // access (0x0410) and offering the base name of its first module
    // (EnumProcessModules, GetModuleBaseNameA) to `test`, until `test`
    // answers true: the walk stops there, and that process's identifier is
    // stored in *found (when not null). Processes that cannot be opened or
    // read are skipped. False when no process passed or the enumeration
    // itself failed.
    virtual bool FindProcess(const ModuleTest& test, ProcessId* found) = 0;
    // The base name of the first module of one process, opened as above;
    // false when it cannot be opened or read (it has exited, for instance).
    virtual bool ModuleNameOf(ProcessId process, std::string* name) = 0;
    // GetWindowThreadProcessId: the process that made `window`, or
    // kNoProcess when there is no such window (any more).
    virtual ProcessId WindowProcess(WindowHandle window) = 0;
};

}  // namespace platform
