// An index from Skype handles to values that answers the question the
// buddy records ask one by one -- which of them has a handle equal to this
// one by the user's locale-aware comparison? -- without asking every one.
//
// The comparison is linguistic: texts that differ may still compare equal
// (characters the locale ignores, hyphens in the word sort), so the index
// cannot look handles up by their text alone. It relies on one property
// only: two "plain" texts, made of nothing but ASCII letters, digits, '.'
// and '_', compare equal only when they are the same text. Plain handles
// are found by their text; every other handle stands in a short list that
// each lookup compares, and a lookup of a handle that is not plain walks
// everything, as the records themselves would.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include <boost/container/small_vector.hpp>

#include "platform/Platform.h"

namespace skype_index {

inline bool IsPlainHandle(const std::wstring& handle) {
    for (wchar_t c : handle) {
        const bool plain = (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') ||
                           (c >= L'0' && c <= L'9') || c == L'.' || c == L'_';
        if (!plain) {
            return false;
        }
    }
    return true;
}

// A plain handle's characters are ASCII: its narrow form is the same text,
// and short handles fit inside the index's own nodes.
inline std::string Narrow(const std::wstring& plainHandle) {
    return std::string(plainHandle.begin(), plainHandle.end());
}

inline bool SameHandle(const std::wstring& a, const std::wstring& b) {
    return platform::text().CompareLocale(a, b) == 0;
}

}  // namespace skype_index

template <class Value>
class HandleIndex {
  public:
    void Insert(const std::wstring& handle, const Value& value) {
        if (skype_index::IsPlainHandle(handle)) {
            plain_[skype_index::Narrow(handle)].push_back(value);
        } else {
            others_.emplace_back(handle, value);
        }
    }

    // Removes one entry with exactly this handle and value.
    void Erase(const std::wstring& handle, const Value& value) {
        if (skype_index::IsPlainHandle(handle)) {
            const auto found = plain_.find(skype_index::Narrow(handle));
            if (found == plain_.end()) {
                return;
            }
            Values& values = found->second;
            for (auto it = values.begin(); it != values.end(); ++it) {
                if (*it == value) {
                    values.erase(it);
                    break;
                }
            }
            if (values.empty()) {
                plain_.erase(found);
            }
            return;
        }
        for (auto it = others_.begin(); it != others_.end(); ++it) {
            if (it->first == handle && it->second == value) {
                others_.erase(it);
                return;
            }
        }
    }

    void Clear() {
        plain_.clear();
        others_.clear();
    }

    void Swap(HandleIndex& other) {
        plain_.swap(other.plain_);
        others_.swap(other.others_);
    }

    bool Empty() const { return plain_.empty() && others_.empty(); }

    // Calls `visit` with the value of every entry whose handle compares
    // equal to `handle`, each once, in no particular order.
    template <class Visit>
    void ForEachEqual(const std::wstring& handle, Visit visit) const {
        if (skype_index::IsPlainHandle(handle)) {
            const auto found = plain_.find(skype_index::Narrow(handle));
            if (found != plain_.end()) {
                for (const Value& value : found->second) visit(value);
            }
        } else {
            for (const auto& entry : plain_) {
                if (skype_index::SameHandle(std::wstring(entry.first.begin(), entry.first.end()),
                                            handle)) {
                    for (const Value& value : entry.second) visit(value);
                }
            }
        }
        for (const auto& entry : others_) {
            if (skype_index::SameHandle(entry.first, handle)) {
                visit(entry.second);
            }
        }
    }

  private:
    // Nearly always one value per handle, kept in the map's own node. An
    // ordered map, because the list is walked in the order of its handles
    // (the refreshes after a list, the ONLINE transition): one lookup after
    // another goes down nearly the same path, which stays in the cache.
    typedef boost::container::small_vector<Value, 1> Values;
    std::map<std::string, Values> plain_;  // by the narrow text
    std::vector<std::pair<std::wstring, Value>> others_;
};
