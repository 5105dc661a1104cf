// The COM server's own keys: the registry script (tandrel.rgs, resource
// REGISTRY 101) with %MODULE% standing for the full path of tandrel.dll.
#pragma once

#include <string>

#include "host/HResult.h"
#include "registrar/RegistryChanges.h"

namespace addin {

// Longest module path Windows loads an in-process server from (MAX_PATH
// less the terminating NUL).
constexpr std::size_t kMaxModulePath = 259;

// HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE): the path is too long.
constexpr host::HResult kPathTooLong = static_cast<host::HResult>(0x800700CE);
// HRESULT_FROM_WIN32(ERROR_NO_UNICODE_TRANSLATION): the ANSI code page
// cannot hold the path.
constexpr host::HResult kPathNotAnsi = static_cast<host::HResult>(0x80070459);

// Writes the script's keys for the module at `modulePath` (as Windows
// gives it, UTF-16). The registry takes the path in the ANSI code page, so
// a path it cannot hold exactly would register another file: refused, as
// is a path longer than kMaxModulePath, before anything is written. On any
// failure nothing stays written; on success *changes can take it back.
host::HResult RegisterServerKeys(const std::string& script, const std::wstring& modulePath,
                                 RegistryChanges* changes);
// Removes what RegisterServerKeys wrote, wherever the module now is.
host::HResult UnregisterServerKeys(const std::string& script);

}  // namespace addin
