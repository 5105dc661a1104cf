#include "model/ModelRegistry.h"

#include "model/ModelRegistryNode.h"

#include <algorithm>
#include <cstring>

namespace model {

std::vector<std::string> SplitRegistryPath(const std::string& path) {
    std::vector<std::string> names;
    std::string current;
    for (char c : path) {
        if (c == '\\') {
            if (!current.empty()) names.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) names.push_back(current);
    return names;
}

ModelRegistry::ModelRegistry() {
    for (auto& root : roots_) {
        root = std::make_shared<Node>();
    }
}

struct ModelRegistry::SavedKey {
    std::shared_ptr<Node> key;
    std::map<std::string, std::shared_ptr<Node>, NoCaseLess> children;
    std::map<std::string, RegistryValueData, NoCaseLess> values;
};

struct ModelRegistry::Journal {
    std::map<const Node*, SavedKey> saved;
    std::vector<std::shared_ptr<Node>> deleted;  // marked deleted since the checkpoint
    Handles handles;
    std::size_t deniedCount = 0;
    platform::RegistryKeyHandle nextHandle = 0;
};

ModelRegistry::~ModelRegistry() = default;

void ModelRegistry::Checkpoint() {
    journal_.reset(new Journal);
    journal_->handles = handles_;
    journal_->deniedCount = denied_.size();
    journal_->nextHandle = nextHandle_;
}

void ModelRegistry::Rollback() {
    if (!journal_) return;
    for (auto& entry : journal_->saved) {
        SavedKey& saved = entry.second;
        saved.key->children = std::move(saved.children);
        saved.key->values = std::move(saved.values);
    }
    for (const std::shared_ptr<Node>& key : journal_->deleted) key->deleted = false;
    journal_->saved.clear();
    journal_->deleted.clear();
    handles_ = journal_->handles;
    denied_.resize(journal_->deniedCount);
    nextHandle_ = journal_->nextHandle;
}

void ModelRegistry::Touch(const std::shared_ptr<Node>& key) {
    if (!journal_ || !key || journal_->saved.count(key.get()) != 0) return;
    journal_->saved.emplace(key.get(), SavedKey{key, key->children, key->values});
}

void ModelRegistry::MarkDeleted(const std::shared_ptr<Node>& key) {
    key->deleted = true;
    if (journal_) journal_->deleted.push_back(key);
    for (const auto& child : key->children) MarkDeleted(child.second);
}

namespace {

// Calls `visit` with each name of a "A\B\\C" path, as views into it;
// stops early when `visit` answers false.
template <class Visit>
bool ForEachName(const std::string& path, Visit visit) {
    std::size_t start = 0;
    while (start < path.size()) {
        std::size_t end = path.find('\\', start);
        if (end == std::string::npos) end = path.size();
        if (end > start && !visit(std::string_view(path).substr(start, end - start))) {
            return false;
        }
        start = end + 1;
    }
    return true;
}

}  // namespace

// Every settings read and every trace record opens a key: no copies of the
// path or of its names are made on the way.
std::shared_ptr<ModelRegistry::Node> ModelRegistry::Find(platform::RegistryRoot root,
                                                         const std::string& path) const {
    const std::shared_ptr<Node>* node = &roots_[RootIndex(root)];
    const bool found = ForEachName(path, [&node](std::string_view name) {
        const auto it = (*node)->children.find(name);
        if (it == (*node)->children.end()) {
            return false;
        }
        node = &it->second;
        return true;
    });
    return found ? *node : std::shared_ptr<Node>();
}

std::shared_ptr<ModelRegistry::Node> ModelRegistry::FindOrCreate(platform::RegistryRoot root,
                                                                 const std::string& path) {
    std::shared_ptr<Node>* node = &roots_[RootIndex(root)];
    ForEachName(path, [this, &node](std::string_view name) {
        auto it = (*node)->children.find(name);
        if (it == (*node)->children.end()) {
            Touch(*node);
            auto child = std::make_shared<Node>();
            child->name = std::string(name);
            it = (*node)->children.emplace(child->name, child).first;
        }
        node = &it->second;
        return true;
    });
    return *node;
}

ModelRegistry::Handles::iterator ModelRegistry::FindHandle(platform::RegistryKeyHandle key) {
    const auto it =
        std::lower_bound(handles_.begin(), handles_.end(), key,
                         [](const Handles::value_type& entry, platform::RegistryKeyHandle wanted) {
                             return entry.first < wanted;
                         });
    return it != handles_.end() && it->first == key ? it : handles_.end();
}

ModelRegistry::Handles::const_iterator ModelRegistry::FindHandle(
    platform::RegistryKeyHandle key) const {
    return const_cast<ModelRegistry*>(this)->FindHandle(key);
}

platform::RegistryKeyHandle ModelRegistry::NewHandle(const std::shared_ptr<Node>& key,
                                                     std::uint32_t access) {
    platform::RegistryKeyHandle handle = nextHandle_;
    nextHandle_ += 4;
    handles_.emplace_back(handle, OpenHandle{key, access});
    return handle;
}

ModelRegistry::Node* ModelRegistry::Resolve(platform::RegistryKeyHandle key, std::uint32_t needed,
                                            platform::Status* status) const {
    auto it = FindHandle(key);
    if (it == handles_.end()) {
        *status = platform::status::kInvalidHandle;
        return nullptr;
    }
    if ((it->second.access & needed) != needed) {
        *status = platform::status::kAccessDenied;
        return nullptr;
    }
    // A key deleted since it was opened stays deleted for this handle, even
    // if a key of the same name has been made since, as on Windows.
    Node* node = it->second.key.lock().get();
    if (node == nullptr || node->deleted) {
        *status = 1018;  // ERROR_KEY_DELETED
        return nullptr;
    }
    *status = platform::status::kSuccess;
    return node;
}

namespace {

constexpr std::uint32_t kChangeRights =
    platform::access::kSetValue | platform::access::kCreateSubKey;
// KEY_QUERY_VALUE, KEY_ENUMERATE_SUB_KEYS and KEY_NOTIFY.
constexpr std::uint32_t kReadRights =
    platform::access::kQueryValue | platform::access::kEnumerateSubKeys | 0x0010;

bool SameName(const std::string& a, const std::string& b) {
    return !NoCaseLess()(a, b) && !NoCaseLess()(b, a);
}

// Whether `prefix` is `path` or one of its ancestors.
bool IsPrefix(const std::vector<std::string>& prefix, const std::vector<std::string>& path) {
    return prefix.size() <= path.size() &&
           std::equal(prefix.begin(), prefix.end(), path.begin(), SameName);
}

}  // namespace

void ModelRegistry::DenyWrites(platform::RegistryRoot root, const std::string& path) {
    denied_.push_back(DeniedKey{root, SplitRegistryPath(path), kChangeRights});
}

void ModelRegistry::DenyReads(platform::RegistryRoot root, const std::string& path) {
    denied_.push_back(DeniedKey{root, SplitRegistryPath(path), kReadRights});
}

bool ModelRegistry::Denied(platform::RegistryRoot root, const std::string& path,
                           std::uint32_t rights, bool withSubtree) const {
    return !denied_.empty() && Denied(root, SplitRegistryPath(path), rights, withSubtree);
}

bool ModelRegistry::Exists(platform::RegistryRoot root,
                           const std::vector<std::string>& path) const {
    const Node* node = roots_[RootIndex(root)].get();
    for (const std::string& name : path) {
        const auto it = node->children.find(name);
        if (it == node->children.end()) return false;
        node = it->second.get();
    }
    return true;
}

bool ModelRegistry::Denied(platform::RegistryRoot root, const std::vector<std::string>& path,
                           std::uint32_t rights, bool withSubtree) const {
    for (const DeniedKey& denied : denied_) {
        if (denied.root == root && (denied.rights & rights) != 0 &&
            (IsPrefix(denied.path, path) ||
             (withSubtree && IsPrefix(path, denied.path) && Exists(root, denied.path)))) {
            return true;
        }
    }
    return false;
}

platform::Status ModelRegistry::OpenKey(platform::RegistryRoot root, const std::string& path,
                                        std::uint32_t access, platform::RegistryKeyHandle* key) {
    if (key == nullptr) {
        return platform::status::kInvalidParameter;
    }
    *key = 0;
    const std::shared_ptr<Node> node = Find(root, path);
    if (!node) {
        return platform::status::kFileNotFound;
    }
    if (Denied(root, path, access, false)) {
        return platform::status::kAccessDenied;
    }
    *key = NewHandle(node, access);
    return platform::status::kSuccess;
}

platform::Status ModelRegistry::CreateKey(platform::RegistryRoot root, const std::string& path,
                                          std::uint32_t access, platform::RegistryKeyHandle* key) {
    if (key == nullptr) {
        return platform::status::kInvalidParameter;
    }
    *key = 0;
    // Making a key that is missing takes write rights, whatever is asked.
    const std::uint32_t needed = Find(root, path) ? access : access | kChangeRights;
    if (Denied(root, path, needed, false)) {
        return platform::status::kAccessDenied;
    }
    *key = NewHandle(FindOrCreate(root, path), access);
    return platform::status::kSuccess;
}

platform::Status ModelRegistry::QueryValue(platform::RegistryKeyHandle key, const std::string& name,
                                           std::uint32_t* type, std::uint8_t* data,
                                           std::uint32_t* size) {
    platform::Status status;
    Node* node = Resolve(key, platform::access::kQueryValue, &status);
    if (node == nullptr) {
        return status;
    }
    auto it = node->values.find(name);
    if (it == node->values.end()) {
        return platform::status::kFileNotFound;
    }
    const RegistryValueData& value = it->second;
    const std::uint32_t needed = static_cast<std::uint32_t>(value.bytes.size());
    if (data != nullptr) {
        if (size == nullptr) {
            return platform::status::kInvalidParameter;
        }
        if (*size < needed) {
            *size = needed;
            return platform::status::kMoreData;
        }
        if (needed > 0) {
            std::memcpy(data, value.bytes.data(), needed);
        }
    }
    if (size != nullptr) {
        *size = needed;
    }
    if (type != nullptr) {
        *type = value.type;
    }
    return platform::status::kSuccess;
}

platform::Status ModelRegistry::SetValue(platform::RegistryKeyHandle key, const std::string& name,
                                         std::uint32_t type, const std::uint8_t* data,
                                         std::uint32_t size) {
    platform::Status status;
    Node* node = Resolve(key, platform::access::kSetValue, &status);
    if (node == nullptr) {
        return status;
    }
    if (data == nullptr && size != 0) {
        return platform::status::kInvalidParameter;
    }
    if (journal_) Touch(FindHandle(key)->second.key.lock());
    RegistryValueData& value = node->values[name];
    value.type = type;
    value.bytes.assign(data, data + size);
    return platform::status::kSuccess;
}

platform::Status ModelRegistry::EnumKey(platform::RegistryKeyHandle key, std::uint32_t index,
                                        std::string* name) {
    platform::Status status;
    Node* node = Resolve(key, platform::access::kEnumerateSubKeys, &status);
    if (node == nullptr) {
        return status;
    }
    if (index >= node->children.size()) {
        return platform::status::kNoMoreItems;
    }
    auto it = node->children.begin();
    std::advance(it, index);
    if (it->second->name.size() > platform::kMaxKeyNameLength) {
        return platform::status::kMoreData;
    }
    *name = it->second->name;
    return platform::status::kSuccess;
}

platform::Status ModelRegistry::EnumValue(platform::RegistryKeyHandle key, std::uint32_t index,
                                          std::string* name) {
    platform::Status status;
    Node* node = Resolve(key, platform::access::kQueryValue, &status);
    if (node == nullptr) {
        return status;
    }
    if (index >= node->values.size()) {
        return platform::status::kNoMoreItems;
    }
    auto it = node->values.begin();
    std::advance(it, index);
    *name = it->first;
    return platform::status::kSuccess;
}

platform::Status ModelRegistry::DeleteValue(platform::RegistryKeyHandle key,
                                            const std::string& name) {
    platform::Status status;
    Node* node = Resolve(key, platform::access::kSetValue, &status);
    if (node == nullptr) {
        return status;
    }
    if (node->values.count(name) == 0) {
        return platform::status::kFileNotFound;
    }
    if (journal_) Touch(FindHandle(key)->second.key.lock());
    node->values.erase(name);
    return platform::status::kSuccess;
}

platform::Status ModelRegistry::DeleteTree(platform::RegistryRoot root, const std::string& path) {
    std::vector<std::string> names = SplitRegistryPath(path);
    if (names.empty()) {
        return platform::status::kAccessDenied;  // a root cannot be deleted
    }
    if (Denied(root, names, kChangeRights | kReadRights, true)) {
        return platform::status::kAccessDenied;
    }
    const std::string last = names.back();
    names.pop_back();
    std::shared_ptr<Node> parent = roots_[RootIndex(root)];
    for (const std::string& name : names) {
        const auto it = parent->children.find(name);
        if (it == parent->children.end()) {
            return platform::status::kFileNotFound;
        }
        parent = it->second;
    }
    const auto doomed = parent->children.find(last);
    if (doomed == parent->children.end()) {
        return platform::status::kFileNotFound;
    }
    Touch(parent);
    MarkDeleted(doomed->second);
    parent->children.erase(doomed);
    return platform::status::kSuccess;
}

platform::Status ModelRegistry::CloseKey(platform::RegistryKeyHandle key) {
    const auto it = FindHandle(key);
    if (it == handles_.end()) {
        return platform::status::kInvalidHandle;
    }
    handles_.erase(it);
    return platform::status::kSuccess;
}

void ModelRegistry::SetRaw(platform::RegistryRoot root, const std::string& path,
                           const std::string& name, const RegistryValueData& data) {
    const std::shared_ptr<Node> node = FindOrCreate(root, path);
    Touch(node);
    node->values[name] = data;
}

void ModelRegistry::SetString(platform::RegistryRoot root, const std::string& path,
                              const std::string& name, const std::string& value) {
    RegistryValueData data;
    data.type = platform::regtype::kString;
    data.bytes.assign(value.begin(), value.end());
    data.bytes.push_back(0);
    SetRaw(root, path, name, data);
}

void ModelRegistry::SetDword(platform::RegistryRoot root, const std::string& path,
                             const std::string& name, std::uint32_t value) {
    RegistryValueData data;
    data.type = platform::regtype::kDword;
    for (int i = 0; i < 4; ++i) {
        data.bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    SetRaw(root, path, name, data);
}

void ModelRegistry::SetBinary(platform::RegistryRoot root, const std::string& path,
                              const std::string& name, const std::vector<std::uint8_t>& bytes) {
    SetRaw(root, path, name, RegistryValueData{platform::regtype::kBinary, bytes});
}

bool ModelRegistry::GetRaw(platform::RegistryRoot root, const std::string& path,
                           const std::string& name, RegistryValueData* data) const {
    const std::shared_ptr<Node> node = Find(root, path);
    if (!node) {
        return false;
    }
    auto it = node->values.find(name);
    if (it == node->values.end()) {
        return false;
    }
    *data = it->second;
    return true;
}

bool ModelRegistry::KeyExists(platform::RegistryRoot root, const std::string& path) const {
    return static_cast<bool>(Find(root, path));
}

void ModelRegistry::RemoveValue(platform::RegistryRoot root, const std::string& path,
                                const std::string& name) {
    const std::shared_ptr<Node> node = Find(root, path);
    if (node && node->values.count(name) != 0) {
        Touch(node);
        node->values.erase(name);
    }
}

bool ModelRegistry::ParseRootName(const std::string& name, platform::RegistryRoot* root) {
    std::string lower;
    for (char c : name) lower += LowerAscii(c);
    if (lower == "hkey_current_user" || lower == "hkcu") {
        *root = platform::RegistryRoot::CurrentUser;
    } else if (lower == "hkey_local_machine" || lower == "hklm") {
        *root = platform::RegistryRoot::LocalMachine;
    } else if (lower == "hkey_classes_root" || lower == "hkcr") {
        *root = platform::RegistryRoot::ClassesRoot;
    } else {
        return false;
    }
    return true;
}

std::string ModelRegistry::RootName(platform::RegistryRoot root) {
    switch (root) {
        case platform::RegistryRoot::ClassesRoot:
            return "HKEY_CLASSES_ROOT";
        case platform::RegistryRoot::CurrentUser:
            return "HKEY_CURRENT_USER";
        case platform::RegistryRoot::LocalMachine:
            return "HKEY_LOCAL_MACHINE";
    }
    return "HKEY_CURRENT_USER";
}

}  // namespace model
