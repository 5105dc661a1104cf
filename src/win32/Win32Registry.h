// The registry port over RegOpenKeyExA and friends.
#pragma once

#include "platform/Registry.h"

namespace win32 {

class Win32Registry : public platform::Registry {
  public:
    platform::Status OpenKey(platform::RegistryRoot root, const std::string& path,
                             std::uint32_t access, platform::RegistryKeyHandle* key) override;
    platform::Status CreateKey(platform::RegistryRoot root, const std::string& path,
                               std::uint32_t access, platform::RegistryKeyHandle* key) override;
    platform::Status QueryValue(platform::RegistryKeyHandle key, const std::string& name,
                                std::uint32_t* type, std::uint8_t* data,
                                std::uint32_t* size) override;
    platform::Status SetValue(platform::RegistryKeyHandle key, const std::string& name,
                              std::uint32_t type, const std::uint8_t* data,
                              std::uint32_t size) override;
    platform::Status EnumKey(platform::RegistryKeyHandle key, std::uint32_t index,
                             std::string* name) override;
    platform::Status EnumValue(platform::RegistryKeyHandle key, std::uint32_t index,
                               std::string* name) override;
    platform::Status DeleteValue(platform::RegistryKeyHandle key, const std::string& name) override;
    platform::Status DeleteTree(platform::RegistryRoot root, const std::string& path) override;
    platform::Status CloseKey(platform::RegistryKeyHandle key) override;
};

}  // namespace win32
