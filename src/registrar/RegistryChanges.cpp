#include "registrar/RegistryChanges.h"

#include "platform/Platform.h"

namespace addin {

namespace {

namespace access = platform::access;
namespace status = platform::status;
using platform::RegistryKeyHandle;
using platform::RegistryRoot;
using platform::Status;

// An open key, closed when it goes.
class OpenKey {
  public:
    OpenKey() = default;
    ~OpenKey() {
        if (handle_ != 0) {
            platform::registry().CloseKey(handle_);
        }
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    Status Open(RegistryRoot root, const std::string& path, std::uint32_t rights) {
        return platform::registry().OpenKey(root, path, rights, &handle_);
    }
    Status Create(RegistryRoot root, const std::string& path, std::uint32_t rights) {
        return platform::registry().CreateKey(root, path, rights, &handle_);
    }
    RegistryKeyHandle handle() const { return handle_; }

  private:
    RegistryKeyHandle handle_ = 0;
};

std::string Child(const std::string& path, const std::string& name) {
    return path.empty() ? name : path + "\\" + name;
}

Status ReadValue(RegistryKeyHandle key, const std::string& name, StoredValue* value) {
    platform::Registry& registry = platform::registry();
    std::uint32_t size = 0;
    Status result = registry.QueryValue(key, name, &value->type, nullptr, &size);
    if (result != status::kSuccess) {
        return result;
    }
    value->bytes.assign(size, 0);
    if (size > 0) {
        result = registry.QueryValue(key, name, &value->type, value->bytes.data(), &size);
        value->bytes.resize(size);
    }
    return result;
}

Status WriteValue(RegistryKeyHandle key, const std::string& name, const StoredValue& value) {
    return platform::registry().SetValue(key, name, value.type,
                                         value.bytes.empty() ? nullptr : value.bytes.data(),
                                         static_cast<std::uint32_t>(value.bytes.size()));
}

// Every value and sub-key name of an open key.
Status ListNames(RegistryKeyHandle key, std::vector<std::string>* values,
                 std::vector<std::string>* subkeys) {
    platform::Registry& registry = platform::registry();
    std::string name;
    Status result;
    for (std::uint32_t i = 0; (result = registry.EnumValue(key, i, &name)) == status::kSuccess;
         ++i) {
        values->push_back(name);
    }
    if (result != status::kNoMoreItems) {
        return result;
    }
    for (std::uint32_t i = 0; (result = registry.EnumKey(key, i, &name)) == status::kSuccess; ++i) {
        subkeys->push_back(name);
    }
    return result == status::kNoMoreItems ? status::kSuccess : result;
}

Status Snapshot(RegistryRoot root, const std::string& path, KeySnapshot* tree) {
    OpenKey key;
    Status result = key.Open(root, path, access::kRead);
    if (result != status::kSuccess) {
        return result;
    }
    std::vector<std::string> values, subkeys;
    result = ListNames(key.handle(), &values, &subkeys);
    for (const std::string& name : values) {
        StoredValue value;
        if (result == status::kSuccess) {
            result = ReadValue(key.handle(), name, &value);
            tree->values.emplace_back(name, value);
        }
    }
    for (const std::string& name : subkeys) {
        if (result == status::kSuccess) {
            tree->subkeys.emplace_back();
            tree->subkeys.back().name = name;
            result = Snapshot(root, Child(path, name), &tree->subkeys.back());
        }
    }
    return result;
}

void Restore(RegistryRoot root, const std::string& path, const KeySnapshot& tree) {
    OpenKey key;
    if (key.Create(root, path, access::kReadWrite) != status::kSuccess) {
        return;
    }
    for (const auto& value : tree.values) {
        WriteValue(key.handle(), value.first, value.second);
    }
    for (const KeySnapshot& subkey : tree.subkeys) {
        Restore(root, Child(path, subkey.name), subkey);
    }
}

}  // namespace

bool RegistryChanges::KeyExists(RegistryRoot root, const std::string& path) {
    OpenKey key;
    return key.Open(root, path, access::kRead) == status::kSuccess;
}

bool RegistryChanges::IsEmpty(RegistryRoot root, const std::string& path) {
    OpenKey key;
    std::vector<std::string> values, subkeys;
    return key.Open(root, path, access::kRead) == status::kSuccess &&
           ListNames(key.handle(), &values, &subkeys) == status::kSuccess && values.empty() &&
           subkeys.empty();
}

Status RegistryChanges::CreateKey(RegistryRoot root, const std::string& path) {
    if (KeyExists(root, path)) {
        return status::kSuccess;
    }
    // Creating a key creates its missing ancestors too: the undo deletes
    // the first of those.
    std::string created = path;
    for (std::size_t cut = path.find('\\'); cut != std::string::npos;
         cut = path.find('\\', cut + 1)) {
        if (!KeyExists(root, path.substr(0, cut))) {
            created = path.substr(0, cut);
            break;
        }
    }
    OpenKey key;
    const Status result = key.Create(root, path, access::kWrite);
    // A creation refused halfway may still have left ancestors behind.
    if (result == status::kSuccess || KeyExists(root, created)) {
        Step step{Step::Kind::KeyCreated, root, created, std::string(), false, {}, {}};
        steps_.push_back(step);
    }
    return result;
}

Status RegistryChanges::ChangeValue(RegistryRoot root, const std::string& path,
                                    const std::string& name, const StoredValue* value) {
    OpenKey key;
    Status result = key.Open(root, path, access::kReadWrite);
    if (result != status::kSuccess) {
        return result;
    }
    Step step{Step::Kind::ValueWritten, root, path, name, false, {}, {}};
    result = ReadValue(key.handle(), name, &step.previous);
    if (result != status::kSuccess && result != status::kFileNotFound) {
        return result;
    }
    step.existed = result == status::kSuccess;
    if (!value && !step.existed) {
        return status::kSuccess;  // nothing to delete
    }
    result = value ? WriteValue(key.handle(), name, *value)
                   : platform::registry().DeleteValue(key.handle(), name);
    if (result == status::kSuccess) {
        steps_.push_back(step);
    }
    return result;
}

Status RegistryChanges::SetValue(RegistryRoot root, const std::string& path,
                                 const std::string& name, const StoredValue& value) {
    return ChangeValue(root, path, name, &value);
}

Status RegistryChanges::DeleteValue(RegistryRoot root, const std::string& path,
                                    const std::string& name) {
    return ChangeValue(root, path, name, nullptr);
}

Status RegistryChanges::DeleteTree(RegistryRoot root, const std::string& path) {
    if (!KeyExists(root, path)) {
        return status::kSuccess;
    }
    Step step{Step::Kind::TreeDeleted, root, path, std::string(), false, {}, {}};
    Status result = Snapshot(root, path, &step.tree);
    if (result != status::kSuccess) {
        return result;
    }
    result = platform::registry().DeleteTree(root, path);
    if (result == status::kSuccess) {
        steps_.push_back(step);
    }
    return result;
}

void RegistryChanges::Append(RegistryChanges* later) {
    for (Step& step : later->steps_) {
        steps_.push_back(std::move(step));
    }
    later->steps_.clear();
}

void RegistryChanges::Undo() {
    for (auto step = steps_.rbegin(); step != steps_.rend(); ++step) {
        switch (step->kind) {
            case Step::Kind::KeyCreated:
                platform::registry().DeleteTree(step->root, step->path);
                break;
            case Step::Kind::ValueWritten: {
                OpenKey key;
                if (key.Open(step->root, step->path, access::kReadWrite) != status::kSuccess) {
                    break;
                }
                if (step->existed) {
                    WriteValue(key.handle(), step->valueName, step->previous);
                } else {
                    platform::registry().DeleteValue(key.handle(), step->valueName);
                }
                break;
            }
            case Step::Kind::TreeDeleted:
                Restore(step->root, step->path, step->tree);
                break;
        }
    }
    steps_.clear();
}

}  // namespace addin
