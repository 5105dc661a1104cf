// The model's UUID port: version-4 UUIDs from a seeded generator (the same
// sequence on every run), with scripted failures for tests.
#pragma once

#include <cstdint>
#include <deque>
#include <random>

#include "platform/Uuid.h"

namespace model {

class ModelUuid : public platform::UuidSource {
  public:
    explicit ModelUuid(std::uint32_t seed = 20061207);

    platform::Status Create(platform::Uuid* uuid) override;
    platform::Status ToString(const platform::Uuid& uuid, std::string* text) override;

    // The next calls answer these statuses, one per call, in order.
    void QueueCreateStatus(platform::Status status) { createStatuses_.push_back(status); }
    void QueueToStringStatus(platform::Status status) { toStringStatuses_.push_back(status); }

  private:
    std::mt19937 random_;
    std::deque<platform::Status> createStatuses_;
    std::deque<platform::Status> toStringStatuses_;
};

}  // namespace model
