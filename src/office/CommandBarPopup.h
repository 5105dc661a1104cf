// Office's CommandBarPopup: a menu on a bar (the toolbar's "Help").
#pragma once

#include <string>

#include "host/TypedObject.h"

namespace office {

class CommandBarControl;
class CommandBarControls;

class CommandBarPopup : public host::TypedObject {
  public:
    using TypedObject::TypedObject;
    // `control` seen as a popup, or a null wrapper when it is not one.
    static CommandBarPopup QueryFrom(const CommandBarControl& control);

    CommandBarControls Controls() const;
    void SetCaption(const std::wstring& caption) const;
    void SetTooltipText(const std::wstring& text) const;
    void SetBeginGroup(bool beginGroup) const;
    void SetEnabled(bool enabled) const;
};

}  // namespace office
