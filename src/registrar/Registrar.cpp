#include "registrar/Registrar.h"

namespace addin {

namespace {

using platform::RegistryRoot;
using platform::Status;
namespace status = platform::status;

std::string Child(const std::string& path, const std::string& name) {
    return path.empty() ? name : path + "\\" + name;
}

StoredValue Stored(const ScriptValue& value) {
    return StoredValue{value.RegistryType(), value.Bytes()};
}

class Run {
  public:
    Run(RegistryRoot root, RegistryChanges* changes) : root_(root), changes_(changes) {}

    Status Register(const std::string& parent, const ScriptKey& key) {
        const std::string path = Child(parent, key.name);
        if (key.removal == ScriptKey::Removal::Delete) {
            return changes_->DeleteTree(root_, path);
        }
        Status result = status::kSuccess;
        if (key.removal == ScriptKey::Removal::ForceRemove) {
            result = changes_->DeleteTree(root_, path);
        }
        if (result == status::kSuccess) {
            result = changes_->CreateKey(root_, path);
        }
        if (result == status::kSuccess && key.hasDefault) {
            result = changes_->SetValue(root_, path, "", Stored(key.defaultValue));
        }
        for (const auto& value : key.namedValues) {
            if (result == status::kSuccess) {
                result = changes_->SetValue(root_, path, value.first, Stored(value.second));
            }
        }
        for (const ScriptKey& subkey : key.subkeys) {
            if (result == status::kSuccess) {
                result = Register(path, subkey);
            }
        }
        return result;
    }

    Status Unregister(const std::string& parent, const ScriptKey& key) {
        const std::string path = Child(parent, key.name);
        if (key.removal == ScriptKey::Removal::Delete || !RegistryChanges::KeyExists(root_, path)) {
            return status::kSuccess;
        }
        if (key.removal == ScriptKey::Removal::ForceRemove) {
            return changes_->DeleteTree(root_, path);
        }
        Status result = status::kSuccess;
        for (const ScriptKey& subkey : key.subkeys) {
            if (result == status::kSuccess) {
                result = Unregister(path, subkey);
            }
        }
        for (const auto& value : key.namedValues) {
            if (result == status::kSuccess) {
                result = changes_->DeleteValue(root_, path, value.first);
            }
        }
        if (key.removal == ScriptKey::Removal::NoRemove) {
            return result;
        }
        if (result == status::kSuccess && key.hasDefault) {
            result = changes_->DeleteValue(root_, path, "");
        }
        if (result == status::kSuccess && RegistryChanges::IsEmpty(root_, path)) {
            result = changes_->DeleteTree(root_, path);
        }
        return result;
    }

  private:
    RegistryRoot root_;
    RegistryChanges* changes_;
};

template <class Step>
host::HResult RunScript(const std::string& script, const ScriptReplacements& replacements,
                        RegistryChanges* changes, Step step) {
    std::vector<ScriptRoot> roots;
    std::string error;
    if (!ParseRegistryScript(script, replacements, &roots, &error)) {
        return host::hr::kFail;
    }
    RegistryChanges made;
    for (const ScriptRoot& root : roots) {
        Run run(root.root, &made);
        for (const ScriptKey& key : root.keys) {
            const Status result = step(run, key);
            if (result != status::kSuccess) {
                made.Undo();
                return HResultFromStatus(result);
            }
        }
    }
    if (changes) {
        changes->Append(&made);
    }
    return host::hr::kOk;
}

}  // namespace

host::HResult RegisterScript(const std::string& script, const ScriptReplacements& replacements,
                             RegistryChanges* changes) {
    return RunScript(script, replacements, changes,
                     [](Run& run, const ScriptKey& key) { return run.Register("", key); });
}

host::HResult UnregisterScript(const std::string& script, const ScriptReplacements& replacements) {
    return RunScript(script, replacements, nullptr,
                     [](Run& run, const ScriptKey& key) { return run.Unregister("", key); });
}

}  // namespace addin
