// Registry port: the few RegXxxA calls the settings layer and the country
// lists need, with Win32's semantics (status codes, access masks, sizes).
#pragma once

#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace platform {

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine };

// An open key (HKEY value); 0 is "no key".
using RegistryKeyHandle = std::uintptr_t;

namespace access {
constexpr std::uint32_t kQueryValue = 0x0001;        // KEY_QUERY_VALUE
constexpr std::uint32_t kSetValue = 0x0002;          // KEY_SET_VALUE
constexpr std::uint32_t kCreateSubKey = 0x0004;      // KEY_CREATE_SUB_KEY
constexpr std::uint32_t kEnumerateSubKeys = 0x0008;  // KEY_ENUMERATE_SUB_KEYS
constexpr std::uint32_t kRead = 0x20019;             // KEY_READ
constexpr std::uint32_t kWrite = 0x20006;            // KEY_WRITE
constexpr std::uint32_t kReadWrite = 0x2001F;        // KEY_READ | KEY_WRITE
}  // namespace access

// Registry value types (REG_xxx).
namespace regtype {
constexpr std::uint32_t kNone = 0;
constexpr std::uint32_t kString = 1;        // REG_SZ
constexpr std::uint32_t kExpandString = 2;  // REG_EXPAND_SZ
constexpr std::uint32_t kBinary = 3;        // REG_BINARY
constexpr std::uint32_t kDword = 4;         // REG_DWORD (little-endian)
constexpr std::uint32_t kMultiString = 7;   // REG_MULTI_SZ
}  // namespace regtype

// Longest sub-key name EnumKey reports (as RegEnumKeyExA with a 260-byte buffer).
constexpr std::size_t kMaxKeyNameLength = 259;

class Registry {
  public:
    virtual ~Registry() = default;

    // RegOpenKeyExA: opens an existing key. Paths use "\" between names.
    virtual Status OpenKey(RegistryRoot root, const std::string& path, std::uint32_t access,
                           RegistryKeyHandle* key) = 0;
    // RegCreateKeyExA (non-volatile, default security): opens or creates.
    virtual Status CreateKey(RegistryRoot root, const std::string& path, std::uint32_t access,
                             RegistryKeyHandle* key) = 0;
    // RegQueryValueExA. `type` and `data` may be null. On entry *size is the
    // capacity of `data` (ignored when data is null); on return it is the
    // value's size. A value larger than the capacity gives kMoreData and
    // nothing is written to `data`. Needs kQueryValue access.
    virtual Status QueryValue(RegistryKeyHandle key, const std::string& name, std::uint32_t* type,
                              std::uint8_t* data, std::uint32_t* size) = 0;
    // RegSetValueExA. Needs kSetValue access.
    virtual Status SetValue(RegistryKeyHandle key, const std::string& name, std::uint32_t type,
                            const std::uint8_t* data, std::uint32_t size) = 0;
    // RegEnumKeyExA: the name of sub-key `index`, or kNoMoreItems after the
    // last one. Needs kEnumerateSubKeys access.
    virtual Status EnumKey(RegistryKeyHandle key, std::uint32_t index, std::string* name) = 0;
    // RegEnumValueA: the name of value `index` ("" for the default value),
    // or kNoMoreItems after the last one. The order is the registry's own
    // (not sorted on Windows). Needs kQueryValue access.
    virtual Status EnumValue(RegistryKeyHandle key, std::uint32_t index, std::string* name) = 0;
    // RegDeleteValueA. Needs kSetValue access.
    virtual Status DeleteValue(RegistryKeyHandle key, const std::string& name) = 0;
    // RegDeleteTreeA on root\path: the key and all below it (the COM
    // server's registrar, tests and tools; never the settings layer).
    virtual Status DeleteTree(RegistryRoot root, const std::string& path) = 0;
    // RegCloseKey.
    virtual Status CloseKey(RegistryKeyHandle key) = 0;
};

}  // namespace platform
