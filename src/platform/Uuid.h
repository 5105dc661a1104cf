// UUID port: UuidCreate and UuidToStringA.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace platform {

struct Uuid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};
};

namespace rpc {
constexpr Status kOk = 0;                // RPC_S_OK
constexpr Status kUuidLocalOnly = 1824;  // RPC_S_UUID_LOCAL_ONLY (a warning)
constexpr Status kUuidNoAddress = 1739;  // RPC_S_UUID_NO_ADDRESS (a warning)
constexpr Status kOutOfMemory = 14;      // RPC_S_OUT_OF_MEMORY
}  // namespace rpc

class UuidSource {
  public:
    virtual ~UuidSource() = default;
    // UuidCreate: a status of kOk or one of the two warnings still gives a UUID.
    virtual Status Create(Uuid* uuid) = 0;
    // UuidToStringA: "xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx", lower case.
    virtual Status ToString(const Uuid& uuid, std::string* text) = 0;
};

}  // namespace platform
