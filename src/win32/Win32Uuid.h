// The UUID port over UuidCreate and UuidToStringA.
#pragma once

#include "platform/Uuid.h"

namespace win32 {

class Win32Uuid : public platform::UuidSource {
  public:
    platform::Status Create(platform::Uuid* uuid) override;
    platform::Status ToString(const platform::Uuid& uuid, std::string* text) override;
};

}  // namespace win32
