#include "win32/Win32Registry.h"

#include <windows.h>

#include <vector>

namespace win32 {

namespace {

HKEY RootKey(platform::RegistryRoot root) {
    switch (root) {
        case platform::RegistryRoot::ClassesRoot:
            return HKEY_CLASSES_ROOT;
        case platform::RegistryRoot::CurrentUser:
            return HKEY_CURRENT_USER;
        case platform::RegistryRoot::LocalMachine:
            return HKEY_LOCAL_MACHINE;
    }
    return HKEY_CURRENT_USER;
}

HKEY ToHkey(platform::RegistryKeyHandle key) { return reinterpret_cast<HKEY>(key); }

}  // namespace

platform::Status Win32Registry::OpenKey(platform::RegistryRoot root, const std::string& path,
                                        std::uint32_t access, platform::RegistryKeyHandle* key) {
    HKEY opened = nullptr;
    LONG status = RegOpenKeyExA(RootKey(root), path.c_str(), 0, access, &opened);
    *key = status == ERROR_SUCCESS ? reinterpret_cast<platform::RegistryKeyHandle>(opened) : 0;
    return status;
}

platform::Status Win32Registry::CreateKey(platform::RegistryRoot root, const std::string& path,
                                          std::uint32_t access, platform::RegistryKeyHandle* key) {
    HKEY opened = nullptr;
    LONG status = RegCreateKeyExA(RootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  access, nullptr, &opened, nullptr);
    *key = status == ERROR_SUCCESS ? reinterpret_cast<platform::RegistryKeyHandle>(opened) : 0;
    return status;
}

platform::Status Win32Registry::QueryValue(platform::RegistryKeyHandle key, const std::string& name,
                                           std::uint32_t* type, std::uint8_t* data,
                                           std::uint32_t* size) {
    DWORD valueType = 0;
    DWORD valueSize = size ? *size : 0;
    LONG status = RegQueryValueExA(ToHkey(key), name.c_str(), nullptr, &valueType, data,
                                   size ? &valueSize : nullptr);
    if (type != nullptr) *type = valueType;
    if (size != nullptr) *size = valueSize;
    return status;
}

platform::Status Win32Registry::SetValue(platform::RegistryKeyHandle key, const std::string& name,
                                         std::uint32_t type, const std::uint8_t* data,
                                         std::uint32_t size) {
    return RegSetValueExA(ToHkey(key), name.c_str(), 0, type, data, size);
}

platform::Status Win32Registry::EnumKey(platform::RegistryKeyHandle key, std::uint32_t index,
                                        std::string* name) {
    char buffer[platform::kMaxKeyNameLength + 1] = {};
    DWORD length = sizeof buffer;
    LONG status =
        RegEnumKeyExA(ToHkey(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_SUCCESS) {
        name->assign(buffer, length < sizeof buffer ? length : sizeof buffer - 1);
    }
    return status;
}

platform::Status Win32Registry::EnumValue(platform::RegistryKeyHandle key, std::uint32_t index,
                                          std::string* name) {
    // Value names are at most 16383 characters.
    std::vector<char> buffer(16384);
    DWORD length = static_cast<DWORD>(buffer.size());
    LONG status = RegEnumValueA(ToHkey(key), index, buffer.data(), &length, nullptr, nullptr,
                                nullptr, nullptr);
    if (status == ERROR_SUCCESS) {
        name->assign(buffer.data(), length < buffer.size() ? length : buffer.size() - 1);
    }
    return status;
}

platform::Status Win32Registry::DeleteValue(platform::RegistryKeyHandle key,
                                            const std::string& name) {
    return RegDeleteValueA(ToHkey(key), name.c_str());
}

platform::Status Win32Registry::DeleteTree(platform::RegistryRoot root, const std::string& path) {
    // With a sub-key name RegDeleteTreeA removes that key too.
    return RegDeleteTreeA(RootKey(root), path.c_str());
}

platform::Status Win32Registry::CloseKey(platform::RegistryKeyHandle key) {
    return RegCloseKey(ToHkey(key));
}

}  // namespace win32
