// The adapters a contract suite runs against. Each contract program links
// one implementation of this: the model adapters (contract_model) or the
// win32 adapters (contract_win32, run under Wine).
#pragma once

#include <cstdint>
#include <string>

#include "platform/Platform.h"

namespace contract {

// The ports under test. Installed for every test by main().
const platform::Platform& Ports();
// "model" or "win32", for messages and for the few checks only one side makes.
std::string AdapterName();

// A registry path under HKEY_CURRENT_USER that the suites may fill and
// delete at will.
constexpr char kScratchKey[] = "Software\\TandrelContractTest";

// Lets `ms` milliseconds pass with the thread's messages dispatched, as the
// host's message loop would: the model moves its virtual clock
// (ModelDesktop::Advance), win32 runs a real message loop for that long.
void PumpMessages(std::uint32_t ms);
// A millisecond clock that both PumpMessages and the sleep port move.
std::uint64_t ClockMs();
// The base name of this program's image, as the processes port lists it.
std::string OwnImageName();
// This program's process identifier, as the processes port reports it.
platform::ProcessId OwnProcessId();
// The full path of this program's image, for the shell to start it again.
std::string OwnImagePath();

// Addresses for the internet suite: win32 runs an HTTP server on 127.0.0.1
// inside the program, the model scripts its internet to do the same.
// An address whose server answers with `status` and `body`.
std::string AddressAnswering(int status, const std::string& body);
// An address whose server closes the connection once the request is in,
// without answering.
std::string AddressClosing();
// An address where nothing listens: the connection is refused.
std::string AddressRefused();

}  // namespace contract
