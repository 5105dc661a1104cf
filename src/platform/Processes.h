// Processes port: which programs are running.
#pragma once

#include <string>
#include <vector>

namespace platform {

// EnumProcesses fills a buffer of this many identifiers at most.
constexpr std::size_t kMaxProcesses = 1024;

class Processes {
  public:
    virtual ~Processes() = default;
    // The base name of the first module of each process (EnumProcesses,
    // OpenProcess with query-information and read access, EnumProcessModules,
    // GetModuleBaseNameA), in enumeration order, at most kMaxProcesses
    // processes. Processes that cannot be opened are left out. False when
    // the enumeration itself fails.
    virtual bool ListModuleNames(std::vector<std::string>* names) = 0;
};

}  // namespace platform
