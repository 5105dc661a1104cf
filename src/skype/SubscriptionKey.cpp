#include "skype/SubscriptionKey.h"

#include <algorithm>

#include "platform/Platform.h"
#include "util/Exception.h"

std::string NewSubscriptionKey() {
    platform::UuidSource& uuids = platform::uuid();
    platform::Uuid uuid;
    const platform::Status created = uuids.Create(&uuid);
    if (created != platform::rpc::kOk && created != platform::rpc::kUuidLocalOnly &&
        created != platform::rpc::kUuidNoAddress) {
        throw norv::TransientException("Could not Create Unique Identifier", __FILE__, __LINE__);
    }
    std::string text;
    if (uuids.ToString(uuid, &text) != platform::rpc::kOk || text.empty()) {
        throw norv::TransientException("Could not create Unique Identifier", __FILE__, __LINE__);
    }
    text.erase(std::remove(text.begin(), text.end(), '-'), text.end());
    return text;
}
