#include "model/ModelUuid.h"

#include <cstdio>

namespace model {

ModelUuid::ModelUuid(std::uint32_t seed) : random_(seed) {}

platform::Status ModelUuid::Create(platform::Uuid* uuid) {
    platform::Status status = platform::rpc::kOk;
    if (!createStatuses_.empty()) {
        status = createStatuses_.front();
        createStatuses_.pop_front();
    }
    platform::Uuid made;
    made.data1 = random_();
    std::uint32_t middle = random_();
    made.data2 = static_cast<std::uint16_t>(middle);
    made.data3 = static_cast<std::uint16_t>(((middle >> 16) & 0x0FFF) | 0x4000);  // version 4
    for (std::size_t i = 0; i < made.data4.size(); ++i) {
        made.data4[i] = static_cast<std::uint8_t>(random_());
    }
    made.data4[0] = static_cast<std::uint8_t>((made.data4[0] & 0x3F) | 0x80);  // RFC 4122 variant
    // As UuidCreate: the warnings still deliver a UUID, errors deliver none.
    if (status == platform::rpc::kOk || status == platform::rpc::kUuidLocalOnly ||
        status == platform::rpc::kUuidNoAddress) {
        *uuid = made;
    }
    return status;
}

platform::Status ModelUuid::ToString(const platform::Uuid& uuid, std::string* text) {
    if (!toStringStatuses_.empty()) {
        platform::Status status = toStringStatuses_.front();
        toStringStatuses_.pop_front();
        if (status != platform::rpc::kOk) {
            return status;
        }
    }
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%08x-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x",
                  static_cast<unsigned>(uuid.data1), uuid.data2, uuid.data3, uuid.data4[0],
                  uuid.data4[1], uuid.data4[2], uuid.data4[3], uuid.data4[4], uuid.data4[5],
                  uuid.data4[6], uuid.data4[7]);
    *text = buffer;
    return platform::rpc::kOk;
}

}  // namespace model
