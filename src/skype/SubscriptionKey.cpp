#include "skype/SubscriptionKey.h"

#include <algorithm>

#include "util/UniqueId.h"

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string NewSubscriptionKey() {
    std::string key = NewUniqueId();
    std::transform(key.begin(), key.end(), key.begin(), Lower);
    return key;
}
