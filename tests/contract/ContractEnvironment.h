// The adapters a contract suite runs against. Each contract program links
// one implementation of this: the model adapters (contract_model) or the
// win32 adapters (contract_win32, run under Wine).
#pragma once

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

}  // namespace contract
