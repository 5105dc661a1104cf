#include "util/RegistryKey.h"

#include <array>
#include <climits>
#include <cstring>

#include "platform/Platform.h"
#include "util/Settings.h"

namespace {

std::string HexText(const std::uint8_t* data, std::uint32_t size) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(size * 2);
    for (std::uint32_t i = 0; i < size; ++i) {
        text += kDigits[data[i] >> 4];
        text += kDigits[data[i] & 0x0F];
    }
    return text;
}

std::string TextOf(std::uint32_t type, const std::uint8_t* data, std::uint32_t size) {
    switch (type) {
        case platform::regtype::kBinary:
            if (size == 1) {
                return data[0] == 1 ? "T" : "F";
            }
            return HexText(data, size);
        case platform::regtype::kDword: {
            // Little-endian; a shorter value counts its missing bytes as 0.
            std::uint32_t raw = 0;
            for (std::uint32_t i = 0; i < 4 && i < size; ++i) {
                raw |= std::uint32_t(data[i]) << (8 * i);
            }
            return std::to_string(static_cast<std::int32_t>(raw));
        }
        default: {
            // Text up to the first NUL, or all of it when it has none.
            const void* nul = std::memchr(data, 0, size);
            std::size_t length =
                nul ? static_cast<const std::uint8_t*>(nul) - data : static_cast<std::size_t>(size);
            return std::string(reinterpret_cast<const char*>(data), length);
        }
    }
}

}  // namespace

CRegistryValue::CRegistryValue(std::string text, std::uint32_t storedType)
    : text_(std::move(text)), storedType_(storedType) {}

bool CRegistryValue::IsTrue() const { return !text_.empty() && text_[0] == 'T'; }

bool CRegistryValue::IsString() const {
    return storedType_ == platform::regtype::kString ||
           storedType_ == platform::regtype::kExpandString;
}

CRegistryKey::CRegistryKey(platform::RegistryRoot root, const std::string& path,
                           std::uint32_t access) {
    platform::Registry& registry = platform::registry();
    platform::RegistryKeyHandle key = 0;
    platform::Status status;
    if ((access & platform::access::kWrite) == platform::access::kWrite) {
        status = registry.CreateKey(root, path, access, &key);
    } else {
        status = registry.OpenKey(root, path, access, &key);
    }
    handle_ = status == platform::status::kSuccess ? key : 0;
}

CRegistryKey::~CRegistryKey() {
    if (handle_ != 0) {
        platform::registry().CloseKey(handle_);
    }
}

CRegistryValuePtr CRegistryKey::Query(const std::string& name) const {
    if (handle_ == 0) {
        return CRegistryValuePtr();
    }
    platform::Registry& registry = platform::registry();
    std::uint32_t size = 0;
    if (registry.QueryValue(handle_, name, nullptr, nullptr, &size) != platform::status::kSuccess ||
        size == 0) {
        return CRegistryValuePtr();
    }
    // On the stack: settings are read for every trace record.
    std::array<std::uint8_t, kReadBufferSize> buffer{};
    std::uint32_t type = 0;
    size = kReadBufferSize;
    if (registry.QueryValue(handle_, name, &type, buffer.data(), &size) !=
            platform::status::kSuccess ||
        size > kReadBufferSize) {
        return CRegistryValuePtr();
    }
    return CRegistryValuePtr(new CRegistryValue(TextOf(type, buffer.data(), size), type));
}

CRegistryValuePtr CRegistryKey::WriteNumber(const std::string& name, std::int32_t value) {
    if (handle_ == 0) {
        return CRegistryValuePtr();
    }
    std::uint32_t raw = static_cast<std::uint32_t>(value);
    const std::uint8_t bytes[4] = {std::uint8_t(raw), std::uint8_t(raw >> 8),
                                   std::uint8_t(raw >> 16), std::uint8_t(raw >> 24)};
    platform::registry().SetValue(handle_, name, platform::regtype::kDword, bytes, 4);
    return Query(name);
}

CRegistryValuePtr CRegistryKey::WriteBoolean(const std::string& name, bool value) {
    if (handle_ == 0) {
        return CRegistryValuePtr();
    }
    const std::uint8_t byte = value ? 1 : 0;
    platform::registry().SetValue(handle_, name, platform::regtype::kBinary, &byte, 1);
    return Query(name);
}

CRegistryValuePtr CRegistryKey::WriteText(const std::string& name, const std::string& value) {
    if (handle_ == 0) {
        return CRegistryValuePtr();
    }
    platform::registry().SetValue(handle_, name, platform::regtype::kString,
                                  reinterpret_cast<const std::uint8_t*>(value.c_str()),
                                  static_cast<std::uint32_t>(value.size() + 1));
    return Query(name);
}

bool CRegistryKey::EnumSubKey(std::uint32_t index, std::string* name) const {
    if (handle_ == 0) {
        return false;
    }
    return platform::registry().EnumKey(handle_, index, name) == platform::status::kSuccess;
}

namespace settings {

std::int32_t ToNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            value = static_cast<long long>(INT_MAX) + 1;  // saturate; clamped below
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<std::int32_t>(value);
}

CRegistryValuePtr Read(const char* name) {
    CRegistryKey key(kRoot, kKeyPath, platform::access::kRead);
    return key.Query(name);
}

bool ReadBoolean(const char* name, bool whenAbsent) {
    CRegistryValuePtr value = Read(name);
    return value ? value->IsTrue() : whenAbsent;
}

}  // namespace settings
