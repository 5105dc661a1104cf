#include "model/outlook/ModelExplorer.h"

#include <algorithm>

#include "model/office/ModelCollection.h"
#include "outlook/OutlookIds.h"

namespace model {

ModelSelection::ModelSelection(CallLog* log, const std::vector<ModelItemPtr>& items,
                               const host::DispatchPtr& parent)
    : ModelObject("Selection", log), items_(items), parent_(parent) {
    Implements(outlook::kIID_Selection);
    DefineProperty("Parent", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::Object(parent_);
        return host::hr::kOk;
    });
    DefineProperty("Count", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::I4(CountOf(items_.size()));
        return host::hr::kOk;
    });
    DefineMethod("Item", Params{1, 0},
                 [this](const std::vector<host::Variant>& args, host::Variant* result) {
                     return ItemAt(items_, args[0], result);
                 });
}

ModelExplorer::ModelExplorer(CallLog* log, const ModelFolderPtr& folder)
    : ModelObject("Explorer", log),
      log_(log),
      folder_(folder),
      commandBars_(ModelCommandBars::Create(log)) {
    Implements(outlook::kIID_Explorer);
    SourcesEvents(outlook::ExplorerEvents::kDiid);
    DefineProperty("CurrentFolder",
                   [this](const std::vector<host::Variant>&, host::Variant* result) {
                       *result = host::Variant::Object(folder_);
                       return host::hr::kOk;
                   });
    DefineProperty("Selection", [this](const std::vector<host::Variant>&, host::Variant* result) {
        if (!selectionUnavailable_) {
            *result = host::Variant::Object(SelectionObject());
        } else {
            *result = host::Variant::Object(host::DispatchPtr());
        }
        return host::hr::kOk;
    });
    DefineProperty("CommandBars", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::Object(commandBars_);
        return host::hr::kOk;
    });
    DefineMethod("Activate", Params{0, 0},
                 [this](const std::vector<host::Variant>&, host::Variant*) {
                     Activate();
                     return host::hr::kOk;
                 });
    DefineMethod("Close", Params{0, 0}, [this](const std::vector<host::Variant>&, host::Variant*) {
        Close();
        return host::hr::kOk;
    });
}

host::DispatchPtr ModelExplorer::SelectionObject() {
    return host::DispatchPtr(new ModelSelection(log_, selection_, shared_from_this()));
}

void ModelExplorer::Fire(host::DispId dispid, const std::vector<host::Variant>& args) {
    FireEvent(outlook::ExplorerEvents::kDiid, dispid, args);
}

void ModelExplorer::Select(const std::vector<ModelItemPtr>& items) {
    selection_ = items;
    Fire(outlook::ExplorerEvents::kSelectionChange);
}

bool ModelExplorer::SwitchFolder(const ModelFolderPtr& folder) {
    std::int16_t cancel = host::kVariantFalse;
    Fire(outlook::ExplorerEvents::kBeforeFolderSwitch,
         {host::Variant::Object(folder), host::Variant::BoolRef(&cancel)});
    if (cancel != host::kVariantFalse) {
        return false;
    }
    folder_ = folder;
    selection_.clear();
    Fire(outlook::ExplorerEvents::kFolderSwitch);
    Fire(outlook::ExplorerEvents::kSelectionChange);
    return true;
}

void ModelExplorer::SwitchView() { Fire(outlook::ExplorerEvents::kViewSwitch); }

void ModelExplorer::Activate() { Fire(outlook::ExplorerEvents::kActivate); }

void ModelExplorer::Deactivate() { Fire(outlook::ExplorerEvents::kDeactivate); }

void ModelExplorer::Close() {
    if (closed_) {
        return;
    }
    const ModelObjectPtr self = shared_from_this();
    closed_ = true;
    Fire(outlook::ExplorerEvents::kClose);
    if (boost::shared_ptr<ModelWindows> owner = owner_.lock()) {
        owner->Remove(this);
    }
}

ModelInspector::ModelInspector(CallLog* log, const ModelItemPtr& item, int editorType)
    : ModelObject("Inspector", log), item_(item), commandBars_(ModelCommandBars::Create(log)) {
    Implements(outlook::kIID_Inspector);
    SourcesEvents(outlook::InspectorEvents::kDiid);
    DefineProperty("CurrentItem", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::Object(item_);
        return host::hr::kOk;
    });
    DefineValue("EditorType", host::Variant::I4(editorType));
    DefineProperty("CommandBars", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::Object(commandBars_);
        return host::hr::kOk;
    });
    DefineMethod("Close", Params{1, 0}, [this](const std::vector<host::Variant>&, host::Variant*) {
        Close();
        return host::hr::kOk;
    });
}

void ModelInspector::Activate() {
    FireEvent(outlook::InspectorEvents::kDiid, outlook::InspectorEvents::kActivate, {});
}

void ModelInspector::Close() {
    if (closed_) {
        return;
    }
    const ModelObjectPtr self = shared_from_this();
    closed_ = true;
    FireEvent(outlook::InspectorEvents::kDiid, outlook::InspectorEvents::kClose, {});
    if (boost::shared_ptr<ModelWindows> owner = owner_.lock()) {
        owner->Remove(this);
    }
}

ModelWindows::ModelWindows(const std::string& className, CallLog* log, const host::Guid& iid,
                           const host::Guid& eventsDiid)
    : ModelObject(className, log), eventsDiid_(eventsDiid) {
    Implements(iid);
    SourcesEvents(eventsDiid);
    DefineProperty("Count", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::I4(CountOf(windows_.size()));
        return host::hr::kOk;
    });
    DefineMethod("Item", Params{1, 0},
                 [this](const std::vector<host::Variant>& args, host::Variant* result) {
                     return ItemAt(windows_, args[0], result);
                 });
}

void ModelWindows::Open(const ModelObjectPtr& window) {
    windows_.push_back(window);
    // NewExplorer and NewInspector share DISPID 0xF001.
    FireEvent(eventsDiid_, outlook::ExplorersEvents::kNewExplorer, {host::Variant::Object(window)});
}

void ModelWindows::Remove(const ModelObject* window) {
    windows_.erase(std::remove_if(windows_.begin(), windows_.end(),
                                  [window](const ModelObjectPtr& candidate) {
                                      return candidate.get() == window;
                                  }),
                   windows_.end());
}

}  // namespace model
