// The objects Office hands an add-in's ribbon callbacks, in the model:
// IRibbonUI (given to onLoad; the add-in invalidates controls through it)
// and IRibbonControl (given to every other callback: the control's Id and
// Tag, and the Context it is shown in: an Explorer or Inspector, or for an
// item context menu the Explorer's Selection). Both are late-bound model
// objects, so their calls are recorded like the rest of the model Office's.
#pragma once

#include <functional>
#include <string>

#include "model/host/ModelObject.h"

namespace model {

// IRibbonUI: Invalidate, InvalidateControl(id), InvalidateControlMso(idMso)
// and ActivateTab(id); an invalidation is passed to `onInvalidate` (an
// empty id for the whole ribbon).
class ModelRibbonUI : public ModelObject {
  public:
    ModelRibbonUI(CallLog* log, std::function<void(const std::wstring& id)> onInvalidate);
    // Office's ribbon is gone: invalidations reach nothing any more (the
    // add-in may hold this object until it disconnects).
    void Detach() { onInvalidate_ = nullptr; }

  private:
    std::function<void(const std::wstring&)> onInvalidate_;
};

typedef boost::shared_ptr<ModelRibbonUI> ModelRibbonUIPtr;

// IRibbonControl: Id, Tag and Context, read-only.
class ModelRibbonControl : public ModelObject {
  public:
    ModelRibbonControl(CallLog* log, const std::wstring& id, const std::wstring& tag,
                       const host::DispatchPtr& context);
};

}  // namespace model
