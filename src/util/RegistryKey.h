// The settings layer: an open registry key owned by one local object, and
// the text form of one value. Every value reads back as text: numbers in
// decimal, one-byte booleans as "T" or "F", other binary data as hex.
#pragma once

#include <cstdint>
#include <string>

#include <boost/shared_ptr.hpp>

#include "platform/Registry.h"

// The text form of one registry value at the time it was read. Immutable.
class CRegistryValue {
  public:
    CRegistryValue(std::string text, std::uint32_t storedType);

    std::string GetText() const { return text_; }
    // True when the text is not empty and begins with "T".
    bool IsTrue() const;
    // The registry type the value was stored with (REG_xxx).
    std::uint32_t GetStoredType() const { return storedType_; }
    // Whether it was stored as text (REG_SZ or REG_EXPAND_SZ).
    bool IsString() const;

  private:
    const std::string text_;
    const std::uint32_t storedType_;
};

// Empty when the value does not exist or cannot be read.
typedef boost::shared_ptr<const CRegistryValue> CRegistryValuePtr;

class CRegistryKey {
  public:
    // Opens root\path. A mask holding every bit of KEY_WRITE creates the key
    // when it is missing. On failure the key is null and stays so.
    CRegistryKey(platform::RegistryRoot root, const std::string& path, std::uint32_t access);
    ~CRegistryKey();
    CRegistryKey(const CRegistryKey&) = delete;
    CRegistryKey& operator=(const CRegistryKey&) = delete;

    bool IsNull() const { return handle_ == 0; }

    // The value's text, or empty when the key is null, the value is missing,
    // has no data, or cannot be read (it is longer than the read buffer).
    CRegistryValuePtr Query(const std::string& name) const;
    // Stores REG_DWORD, then reads it back (empty if the key cannot be read).
    CRegistryValuePtr WriteNumber(const std::string& name, std::int32_t value);
    // Stores one REG_BINARY byte (1 or 0), then reads it back.
    CRegistryValuePtr WriteBoolean(const std::string& name, bool value);
    // Stores REG_SZ (the text and its NUL), then reads it back.
    CRegistryValuePtr WriteText(const std::string& name, const std::string& value);
    // The name of sub-key `index`; false after the last one or on failure.
    bool EnumSubKey(std::uint32_t index, std::string* name) const;

    // Size of the buffer values are read into.
    static constexpr std::uint32_t kReadBufferSize = 1024;

  private:
    platform::RegistryKeyHandle handle_ = 0;
};

namespace settings {

// Decimal conversion of a setting's text: leading blanks skipped, an
// optional sign, then digits; no digits gives 0; out-of-range values are
// clamped to the 32-bit range.
std::int32_t ToNumber(const std::string& text);

// Reads one value of HKEY_CURRENT_USER\Software\Tandrel with read access.
CRegistryValuePtr Read(const char* name);
// A boolean setting: `whenAbsent` if the value does not exist, else IsTrue().
bool ReadBoolean(const char* name, bool whenAbsent);

}  // namespace settings
