// Model Outlook windows: Explorers with their Explorer windows (current
// folder, selection, command bars) and Inspectors with their Inspector
// windows (current item, editor, command bars), each firing its events.
#pragma once

#include <string>
#include <vector>

#include "model/office/ModelCommandBars.h"
#include "model/outlook/ModelFolder.h"

namespace model {

// A snapshot of the items selected when it was asked for; its Parent is
// the Explorer it was asked of.
class ModelSelection : public ModelObject {
  public:
    ModelSelection(CallLog* log, const std::vector<ModelItemPtr>& items,
                   const host::DispatchPtr& parent = host::DispatchPtr());

  private:
    std::vector<ModelItemPtr> items_;
    host::DispatchPtr parent_;
};

class ModelExplorer : public ModelObject {
  public:
    ModelExplorer(CallLog* log, const ModelFolderPtr& folder);

    const ModelFolderPtr& currentFolder() const { return folder_; }
    const std::vector<ModelItemPtr>& selection() const { return selection_; }
    const ModelCommandBarsPtr& commandBars() const { return commandBars_; }
    bool closed() const { return closed_; }

    // The user selects these items (fires SelectionChange).
    void Select(const std::vector<ModelItemPtr>& items);
    // The user opens another folder: BeforeFolderSwitch (which a sink may
    // cancel), then the selection empties, FolderSwitch and SelectionChange.
    // A null folder models a window that shows none. False when cancelled.
    bool SwitchFolder(const ModelFolderPtr& folder);
    // The user picks another view of the folder (fires ViewSwitch).
    void SwitchView();
    // The window gets or loses the focus.
    void Activate();
    void Deactivate();
    // The window closes (fires Close, then leaves Explorers).
    void Close();
    // Explorer.Selection answers null, as for a folder that has none.
    void SetSelectionUnavailable(bool unavailable) { selectionUnavailable_ = unavailable; }
    // The user right-clicks the selection (Office's context menu).
    ModelCommandBarPtr RightClick() { return commandBars_->RightClick(); }
    // A snapshot of the selection as Selection answers it (not recorded):
    // what Office names as the Context of an item context menu's controls.
    host::DispatchPtr SelectionObject();

    // Called by Explorers when it takes the window (for Close).
    void AttachTo(const boost::weak_ptr<class ModelWindows>& owner) { owner_ = owner; }

  private:
    void Fire(host::DispId dispid, const std::vector<host::Variant>& args = {});

    CallLog* log_;
    ModelFolderPtr folder_;
    std::vector<ModelItemPtr> selection_;
    ModelCommandBarsPtr commandBars_;
    bool selectionUnavailable_ = false;
    bool closed_ = false;
    boost::weak_ptr<class ModelWindows> owner_;
};

typedef boost::shared_ptr<ModelExplorer> ModelExplorerPtr;

class ModelInspector : public ModelObject {
  public:
    ModelInspector(CallLog* log, const ModelItemPtr& item, int editorType);

    const ModelItemPtr& currentItem() const { return item_; }
    const ModelCommandBarsPtr& commandBars() const { return commandBars_; }
    bool closed() const { return closed_; }
    void Activate();
    // The window closes (fires Close, then leaves Inspectors).
    void Close();

    void AttachTo(const boost::weak_ptr<class ModelWindows>& owner) { owner_ = owner; }

  private:
    ModelItemPtr item_;
    ModelCommandBarsPtr commandBars_;
    bool closed_ = false;
    boost::weak_ptr<class ModelWindows> owner_;
};

typedef boost::shared_ptr<ModelInspector> ModelInspectorPtr;

// _Explorers or _Inspectors: Count, Item(1-based), and the NewExplorer /
// NewInspector event when a window opens.
class ModelWindows : public ModelObject {
  public:
    // "Explorers" or "Inspectors".
    ModelWindows(const std::string& className, CallLog* log, const host::Guid& iid,
                 const host::Guid& eventsDiid);

    const std::vector<ModelObjectPtr>& windows() const { return windows_; }
    // Adds the window and fires the new-window event with it.
    void Open(const ModelObjectPtr& window);
    // Adds the window without any event.
    void Add(const ModelObjectPtr& window) { windows_.push_back(window); }
    void Remove(const ModelObject* window);

  private:
    host::Guid eventsDiid_;
    std::vector<ModelObjectPtr> windows_;
};

typedef boost::shared_ptr<ModelWindows> ModelWindowsPtr;

}  // namespace model
