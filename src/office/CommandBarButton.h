// Office's _CommandBarButton as the add-in's buttons use it.
#pragma once

#include <cstdint>
#include <string>

#include "office/CommandBarControls.h"

namespace office {

class CommandBarButton : public CommandBarControl {
  public:
    using CommandBarControl::CommandBarControl;
    // `control` seen as a button, or a null wrapper when it is not one.
    static CommandBarButton QueryFrom(const CommandBarControl& control);

    // Empty when unreadable.
    std::wstring Tag() const;
    void SetTag(const std::wstring& tag) const;
    void SetTooltipText(const std::wstring& text) const;
    void SetCaption(const std::wstring& caption) const;
    // MsoButtonStyle.
    void SetStyle(std::int32_t style) const;
    // An Office built-in face number.
    void SetFaceId(std::int32_t faceId) const;
    // IPictureDisp objects (VT_DISPATCH; null hands an empty picture).
    void SetPicture(const host::DispatchPtr& picture) const;
    void SetMask(const host::DispatchPtr& mask) const;
    void SetEnabled(bool enabled) const;
    void SetVisible(bool visible) const;
};

}  // namespace office
