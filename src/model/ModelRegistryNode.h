// The tree behind the model registry (shared by the registry and its .reg
// text form).
#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "model/ModelRegistry.h"

namespace model {

inline char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Transparent, so names are looked up as views of a longer path without
// copying them out first.
struct NoCaseLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(),
            [](char x, char y) { return LowerAscii(x) < LowerAscii(y); });
    }
};

inline int RootIndex(platform::RegistryRoot root) {
    switch (root) {
        case platform::RegistryRoot::ClassesRoot:
            return 0;
        case platform::RegistryRoot::CurrentUser:
            return 1;
        case platform::RegistryRoot::LocalMachine:
            return 2;
    }
    return 1;
}

struct ModelRegistry::Node {
    std::string name;  // as first created (maps keep the first spelling of a name)
    // Shared so that open handles can hold their key weakly: a deleted
    // key's handles go stale with it.
    std::map<std::string, std::shared_ptr<Node>, NoCaseLess> children;
    std::map<std::string, RegistryValueData, NoCaseLess> values;
    // Set when its tree is deleted: its handles answer ERROR_KEY_DELETED even
    // while a checkpoint keeps the key for a rollback.
    bool deleted = false;
};

}  // namespace model
