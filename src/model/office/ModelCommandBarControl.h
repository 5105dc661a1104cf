// Model Office command-bar controls: the CommandBarControl every control
// is, and its three kinds: button, combo box, popup. A control lives in a
// CommandBarControls collection until it is deleted; Delete on a control
// that is already gone fails, as Office refuses a call on a deleted control.
#pragma once

#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

#include "model/host/ModelObject.h"

namespace model {

class ModelCommandBarControls;

class ModelCommandBarControl : public ModelObject {
  public:
    ModelCommandBarControl(const std::string& className, CallLog* log, int type, bool temporary);

    // The builder's view (not recorded).
    int type() const { return type_; }
    bool temporary() const { return temporary_; }
    bool deleted() const { return deleted_; }
    host::Variant Read(const std::string& property) const { return Value(property); }
    std::wstring caption() const { return Value("Caption").ToText(); }
    std::wstring tag() const { return Value("Tag").ToText(); }
    std::wstring tooltipText() const { return Value("TooltipText").ToText(); }
    bool beginGroup() const { return Value("BeginGroup").boolValue(); }
    bool enabled() const { return Value("Enabled").boolValue(); }
    bool visible() const { return Value("Visible").boolValue(); }
    // Sets a property as Office itself or the user would (no record).
    void Write(const std::string& property, const host::Variant& value) {
        SetValue(property, value);
    }

    // Placed in `owner` (by CommandBarControls).
    void AttachTo(const boost::weak_ptr<ModelCommandBarControls>& owner) { owner_ = owner; }
    // Gone with its bar, without a Delete call.
    void MarkDeleted() { deleted_ = true; }

  private:
    int type_;
    bool temporary_;
    bool deleted_ = false;
    boost::weak_ptr<ModelCommandBarControls> owner_;
};

typedef boost::shared_ptr<ModelCommandBarControl> ModelCommandBarControlPtr;

// _CommandBarButton: Style, FaceId, Picture, Mask; sources Click.
class ModelCommandBarButton : public ModelCommandBarControl {
  public:
    ModelCommandBarButton(CallLog* log, bool temporary);
    // What Picture and Mask hold (model pictures tell their resource id).
    host::DispatchPtr picture() const { return Value("Picture").object(); }
    host::DispatchPtr mask() const { return Value("Mask").object(); }
    // The user clicks the button: fires Click(Ctrl, CancelDefault) when it
    // is enabled and visible. Returns whether the event fired; *cancelDefault
    // (optional) receives what the sinks left in CancelDefault.
    bool Click(bool* cancelDefault = nullptr);
};

// _CommandBarComboBox: a list of entries and an editable Text.
class ModelCommandBarComboBox : public ModelCommandBarControl {
  public:
    ModelCommandBarComboBox(CallLog* log, int type, bool temporary);
    const std::vector<std::wstring>& list() const { return list_; }
    std::wstring text() const { return text_; }
    std::int32_t listIndex() const { return listIndex_; }
    // The user types into the box (fires Change).
    void TypeText(const std::wstring& text);
    // The user picks entry `index` (1-based; fires Change). False when out of range.
    bool Pick(std::int32_t index);

  private:
    std::vector<std::wstring> list_;
    std::wstring text_;
    std::int32_t listIndex_ = 0;
};

// CommandBarPopup: a menu holding its own controls.
class ModelCommandBarPopup : public ModelCommandBarControl {
  public:
    ModelCommandBarPopup(CallLog* log, bool temporary);
    const boost::shared_ptr<ModelCommandBarControls>& controls() const { return controls_; }

  private:
    boost::shared_ptr<ModelCommandBarControls> controls_;
};

typedef boost::shared_ptr<ModelCommandBarButton> ModelCommandBarButtonPtr;
typedef boost::shared_ptr<ModelCommandBarComboBox> ModelCommandBarComboBoxPtr;
typedef boost::shared_ptr<ModelCommandBarPopup> ModelCommandBarPopupPtr;

}  // namespace model
