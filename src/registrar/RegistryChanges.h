// The changes one run of the registrar made to the registry, in order, with
// what each replaced, so that a run that fails halfway (or whose caller
// fails afterwards) can be taken back: created keys are deleted, values get
// their old data back (or go again), deleted trees are written back.
//
// Each change goes through this class: it reads what is there, records it,
// then changes the registry through the registry port.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace addin {

// A value as stored: its type and bytes.
struct StoredValue {
    std::uint32_t type = platform::regtype::kNone;
    std::vector<std::uint8_t> bytes;
};

// A key with everything below it, as read before it was deleted.
struct KeySnapshot {
    std::string name;
    std::vector<std::pair<std::string, StoredValue>> values;
    std::vector<KeySnapshot> subkeys;
};

class RegistryChanges {
  public:
    RegistryChanges() = default;
    RegistryChanges(const RegistryChanges&) = delete;
    RegistryChanges& operator=(const RegistryChanges&) = delete;

    // Whether root\path exists.
    static bool KeyExists(platform::RegistryRoot root, const std::string& path);

    // Creates root\path when it is missing.
    platform::Status CreateKey(platform::RegistryRoot root, const std::string& path);
    // Writes value `name` of the existing key root\path.
    platform::Status SetValue(platform::RegistryRoot root, const std::string& path,
                              const std::string& name, const StoredValue& value);
    // Deletes value `name` of root\path; a value that is not there is no failure.
    platform::Status DeleteValue(platform::RegistryRoot root, const std::string& path,
                                 const std::string& name);
    // Deletes root\path with all below it; a missing key is no failure.
    platform::Status DeleteTree(platform::RegistryRoot root, const std::string& path);
    // Whether root\path has neither sub-keys nor values (false when unreadable).
    static bool IsEmpty(platform::RegistryRoot root, const std::string& path);

    // Takes back every recorded change, newest first, and forgets them.
    // Best effort: a step the registry refuses does not stop the others.
    void Undo();
    bool empty() const { return steps_.empty(); }
    // Moves the changes recorded in *later to the end of this record.
    void Append(RegistryChanges* later);

  private:
    struct Step {
        enum class Kind { KeyCreated, ValueWritten, TreeDeleted };
        Kind kind;
        platform::RegistryRoot root;
        std::string path;
        std::string valueName;  // ValueWritten
        bool existed = false;   // ValueWritten: the value was there before
        StoredValue previous;   // ValueWritten
        KeySnapshot tree;       // TreeDeleted
    };

    // Writes `*value`, or deletes the value when `value` is null.
    platform::Status ChangeValue(platform::RegistryRoot root, const std::string& path,
                                 const std::string& name, const StoredValue* value);

    std::vector<Step> steps_;
};

}  // namespace addin
