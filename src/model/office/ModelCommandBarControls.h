// A model CommandBarControls collection: Count, Item and Add, which
// creates a button (type 1), an edit, drop-down or combo box (2, 3, 4) or a
// popup (10), appended or placed before a 1-based position.
#pragma once

#include <vector>

#include "model/office/ModelCommandBarControl.h"

namespace model {

class ModelCommandBarControls : public ModelObject {
  public:
    explicit ModelCommandBarControls(CallLog* log);

    const std::vector<ModelCommandBarControlPtr>& controls() const { return controls_; }
    // A control as Office places it itself (a menu's own entries).
    void Append(const ModelCommandBarControlPtr& control);
    // Takes a deleted control out of the list.
    void Remove(const ModelCommandBarControl* control);
    // Marks every control gone (their bar was deleted).
    void MarkAllDeleted();
    // The first control with this caption, or null.
    ModelCommandBarControlPtr FindByCaption(const std::wstring& caption) const;

  private:
    host::HResult Add(const std::vector<host::Variant>& args, host::Variant* result);

    CallLog* log_;
    std::vector<ModelCommandBarControlPtr> controls_;
};

typedef boost::shared_ptr<ModelCommandBarControls> ModelCommandBarControlsPtr;

}  // namespace model
