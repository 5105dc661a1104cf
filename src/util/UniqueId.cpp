#include "util/UniqueId.h"

#include <algorithm>

#include "platform/Platform.h"
#include "util/Exception.h"

namespace {

// Where the add-in has always reported these failures from.
constexpr char kSource[] = "guid";
constexpr int kCreateLine = 66;
constexpr int kTextLine = 77;

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string NewUniqueId() {
    platform::UuidSource& uuids = platform::uuid();
    platform::Uuid uuid;
    const platform::Status created = uuids.Create(&uuid);
    if (created != platform::rpc::kOk && created != platform::rpc::kUuidLocalOnly &&
        created != platform::rpc::kUuidNoAddress) {
        throw norv::TransientException("Could not Create Unique Identifier", kSource, kCreateLine);
    }
    std::string text;
    if (uuids.ToString(uuid, &text) != platform::rpc::kOk || text.empty()) {
        throw norv::TransientException("Could not create Unique Identifier", kSource, kTextLine);
    }
    text.erase(std::remove(text.begin(), text.end(), '-'), text.end());
    std::transform(text.begin(), text.end(), text.begin(), Upper);
    return text;
}
