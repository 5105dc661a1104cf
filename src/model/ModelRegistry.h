// The model registry: an in-memory tree with Windows' rules (key and value
// names are case-insensitive, access masks are enforced per handle, a
// deleted key's handles go stale), loadable from and savable to a
// REGEDIT4-style .reg text file.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace model {

struct RegistryValueData {
    std::uint32_t type = platform::regtype::kNone;
    std::vector<std::uint8_t> bytes;
};

class ModelRegistry : public platform::Registry {
  public:
    ModelRegistry();
    ~ModelRegistry() override;

    platform::Status OpenKey(platform::RegistryRoot root, const std::string& path,
                             std::uint32_t access, platform::RegistryKeyHandle* key) override;
    platform::Status CreateKey(platform::RegistryRoot root, const std::string& path,
                               std::uint32_t access, platform::RegistryKeyHandle* key) override;
    platform::Status QueryValue(platform::RegistryKeyHandle key, const std::string& name,
                                std::uint32_t* type, std::uint8_t* data,
                                std::uint32_t* size) override;
    platform::Status SetValue(platform::RegistryKeyHandle key, const std::string& name,
                              std::uint32_t type, const std::uint8_t* data,
                              std::uint32_t size) override;
    platform::Status EnumKey(platform::RegistryKeyHandle key, std::uint32_t index,
                             std::string* name) override;
    platform::Status EnumValue(platform::RegistryKeyHandle key, std::uint32_t index,
                               std::string* name) override;
    platform::Status DeleteValue(platform::RegistryKeyHandle key, const std::string& name) override;
    platform::Status DeleteTree(platform::RegistryRoot root, const std::string& path) override;
    platform::Status CloseKey(platform::RegistryKeyHandle key) override;

    // Direct access for tests, tools and the simulator (no handles, no
    // access checks). Paths are "HKEY_CURRENT_USER\Software\Tandrel" style
    // or a root with a relative path.
    void SetString(platform::RegistryRoot root, const std::string& path, const std::string& name,
                   const std::string& value);
    void SetDword(platform::RegistryRoot root, const std::string& path, const std::string& name,
                  std::uint32_t value);
    void SetBinary(platform::RegistryRoot root, const std::string& path, const std::string& name,
                   const std::vector<std::uint8_t>& bytes);
    void SetRaw(platform::RegistryRoot root, const std::string& path, const std::string& name,
                const RegistryValueData& data);
    bool GetRaw(platform::RegistryRoot root, const std::string& path, const std::string& name,
                RegistryValueData* data) const;
    bool KeyExists(platform::RegistryRoot root, const std::string& path) const;
    void RemoveValue(platform::RegistryRoot root, const std::string& path, const std::string& name);
    // From now on root\path and everything below it refuse every change, as
    // keys the user has no write rights to: opening or creating them for
    // writing, creating keys at or below them and deleting a tree that holds
    // one of them answer kAccessDenied. Reading is still allowed.
    void DenyWrites(platform::RegistryRoot root, const std::string& path);
    // From now on root\path and everything below it refuse to be opened or
    // created for reading (querying values, listing keys), as keys whose
    // rights let the user write but not read: a handle asking for write
    // access only is still given. Deleting a tree that holds one is refused.
    void DenyReads(platform::RegistryRoot root, const std::string& path);
    // Number of handles not yet closed (tests check nothing leaks).
    std::size_t OpenHandleCount() const { return handles_.size(); }

    // Remembers the tree, its open handles and its denials as they are now;
    // each Rollback() brings them back (a later Checkpoint replaces this
    // one). A key is copied the first time it changes after the checkpoint,
    // so a rollback costs what changed, not the size of the tree: a world
    // holding the whole country list is rolled back in microseconds.
    void Checkpoint();
    void Rollback();

    // The .reg text of the whole tree ("REGEDIT4" header, keys in order).
    std::string SaveText() const;
    // Merges a .reg text into the tree. Lines it cannot read are skipped and
    // reported in *errors ("line N: ..."); false when there were any.
    bool LoadText(const std::string& text, std::vector<std::string>* errors);
    bool LoadFile(const std::string& path, std::vector<std::string>* errors);
    bool SaveFile(const std::string& path) const;

    static bool ParseRootName(const std::string& name, platform::RegistryRoot* root);
    static std::string RootName(platform::RegistryRoot root);

    struct Node;

  private:
    struct OpenHandle {
        std::weak_ptr<Node> key;
        std::uint32_t access;
    };

    struct DeniedKey {
        platform::RegistryRoot root;
        std::vector<std::string> path;
        std::uint32_t rights;  // the access bits refused
    };

    // Whether any of the `rights` at `path` is refused: `path` is at or
    // below a key denying one of them or (`withSubtree`) an existing such
    // key lies below it. Answers at once while nothing is denied, so that
    // ordinary opens copy nothing.
    bool Denied(platform::RegistryRoot root, const std::string& path, std::uint32_t rights,
                bool withSubtree) const;
    bool Denied(platform::RegistryRoot root, const std::vector<std::string>& path,
                std::uint32_t rights, bool withSubtree) const;
    // The key at `path` ("A\B", empty names skipped), read in place.
    std::shared_ptr<Node> Find(platform::RegistryRoot root, const std::string& path) const;
    bool Exists(platform::RegistryRoot root, const std::vector<std::string>& path) const;
    std::shared_ptr<Node> FindOrCreate(platform::RegistryRoot root, const std::string& path);
    Node* Resolve(platform::RegistryKeyHandle key, std::uint32_t needed,
                  platform::Status* status) const;
    platform::RegistryKeyHandle NewHandle(const std::shared_ptr<Node>& key, std::uint32_t access);

    // A key as it was at the checkpoint, saved before its first change.
    struct SavedKey;
    struct Journal;
    // Called before `key` changes while a checkpoint is kept.
    void Touch(const std::shared_ptr<Node>& key);
    void MarkDeleted(const std::shared_ptr<Node>& key);

    std::shared_ptr<Node> roots_[3];
    typedef std::vector<std::pair<platform::RegistryKeyHandle, OpenHandle>> Handles;
    // The open handle's entry, or end().
    Handles::iterator FindHandle(platform::RegistryKeyHandle key);
    Handles::const_iterator FindHandle(platform::RegistryKeyHandle key) const;

    // In ascending order: handles are handed out ascending, and every trace
    // record opens and closes one, so the latest is found and let go at the
    // end without a node made and freed each time.
    Handles handles_;
    std::vector<DeniedKey> denied_;
    platform::RegistryKeyHandle nextHandle_ = 0x1000;
    std::unique_ptr<Journal> journal_;  // while a checkpoint is kept
};

// Splits "A\B\\C" into its names, skipping empty ones.
std::vector<std::string> SplitRegistryPath(const std::string& path);

}  // namespace model
