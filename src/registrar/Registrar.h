// Runs a registry script (RegistryScript.h) against the installed registry
// port, as the ATL registrar does, all or nothing.
//
// Registering creates every key that is missing and writes every value;
// a ForceRemove key is first deleted with all below it, so nothing stale
// survives a re-registration; a Delete key is only deleted.
//
// Unregistering deletes ForceRemove keys with all below them. Other keys
// lose the values the script gives them and their sub-keys as the script
// says, and are then deleted only when nothing is left in them, so keys and
// values other programs put there stay; NoRemove keys always stay (their
// "val" values go).
//
// A script that does not parse changes nothing and answers E_FAIL. When the
// registry refuses a step, every change of the run is taken back and the
// answer is that refusal as an HRESULT (HRESULT_FROM_WIN32 of its status).
#pragma once

#include <string>

#include "host/HResult.h"
#include "registrar/RegistryChanges.h"
#include "registrar/RegistryScript.h"

namespace addin {

// Registers `script`; the changes made are added to *changes, so that the
// caller can still take them back when a later step of its own fails.
host::HResult RegisterScript(const std::string& script, const ScriptReplacements& replacements,
                             RegistryChanges* changes);
host::HResult UnregisterScript(const std::string& script, const ScriptReplacements& replacements);

// HRESULT_FROM_WIN32.
constexpr host::HResult HResultFromStatus(platform::Status status) {
    return status <= 0 ? static_cast<host::HResult>(status)
                       : static_cast<host::HResult>(0x80070000u |
                                                    (static_cast<std::uint32_t>(status) & 0xFFFFu));
}

}  // namespace addin
