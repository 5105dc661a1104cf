// A model Outlook folder (MAPIFolder) with its sub-folders (_Folders) and
// its items (_Items). Items.Find understands the restriction the add-in
// builds (see FindFilter.h): it answers the first item, in folder order,
// whose named property equals one of the values (ignoring case, as Outlook
// compares), null when none does, and fails on a malformed filter or on a
// property the folder's kind of item does not have. A contact's
// user-defined field (such as "Skype Name") can be searched once the folder
// knows it, as Outlook requires: here, once an item of the folder has it.
//
// Items also walks its items (GetFirst, GetNext) and caches columns as
// Outlook does (SetColumns "A,B,C"): until ResetColumns, the walk hands out
// rows that carry only those properties, read-only; any other property of a
// row is unknown to it, as Outlook returns it empty.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/outlook/ModelItem.h"

namespace model {

class ModelFolder;
typedef boost::shared_ptr<ModelFolder> ModelFolderPtr;

class ModelItems : public ModelObject {
  public:
    ModelItems(CallLog* log, int itemType);
    void Append(const ModelItemPtr& item) { items_.push_back(item); }
    const std::vector<ModelItemPtr>& items() const { return items_; }

    // The first item matching `filter`; false when the filter is refused.
    bool FindFirst(const std::wstring& filter, ModelItemPtr* found) const;
    // The columns SetColumns cached (as named, and their keys).
    typedef std::vector<std::pair<std::string, std::string>> Columns;

  private:
    // The walk's next item (a row while columns are cached), or null.
    host::Variant Next();

    CallLog* log_;
    int itemType_;
    std::vector<ModelItemPtr> items_;
    boost::shared_ptr<const Columns> columns_;  // null: none cached
    std::size_t cursor_ = 0;
};

class ModelFolders : public ModelObject {
  public:
    explicit ModelFolders(CallLog* log);
    void Append(const ModelFolderPtr& folder) { folders_.push_back(folder); }
    const std::vector<ModelFolderPtr>& folders() const { return folders_; }

  private:
    std::vector<ModelFolderPtr> folders_;
};

class ModelFolder : public ModelObject {
  public:
    ModelFolder(CallLog* log, const std::wstring& name, int defaultItemType);

    const std::wstring& name() const { return name_; }
    int defaultItemType() const { return defaultItemType_; }
    ModelFolderPtr AddFolder(const std::wstring& name, int defaultItemType);
    void AddItem(const ModelItemPtr& item) { items_->Append(item); }
    const std::vector<ModelItemPtr>& items() const { return items_->items(); }
    const std::vector<ModelFolderPtr>& folders() const { return folders_->folders(); }

  private:
    CallLog* log_;
    std::wstring name_;
    int defaultItemType_;
    boost::shared_ptr<ModelFolders> folders_;
    boost::shared_ptr<ModelItems> items_;
};

}  // namespace model
