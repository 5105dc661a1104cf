// Office's _CommandBarComboBox as the add-in's toolbar uses it.
#pragma once

#include <cstdint>
#include <string>

#include "office/CommandBarControls.h"

namespace office {

class CommandBarComboBox : public CommandBarControl {
  public:
    using CommandBarControl::CommandBarControl;
    // `control` seen as a combo box, or a null wrapper when it is not one.
    static CommandBarComboBox QueryFrom(const CommandBarControl& control);

    // What the user typed or picked; empty when unreadable.
    std::wstring Text() const;
    void SetText(const std::wstring& text) const;
    // AddItem(VT_BSTR text, Index missing): appends. A failure raises
    // host::ComError for _CommandBarComboBox.
    void AddItem(const std::wstring& text) const;
    // Empties the list; a failure raises host::ComError for _CommandBarComboBox.
    void Clear() const;
    // 1-based position of the entry shown.
    void SetListIndex(std::int32_t index) const;
    // MsoComboStyle.
    void SetStyle(std::int32_t style) const;
    void SetCaption(const std::wstring& caption) const;
    void SetWidth(std::int32_t width) const;
    void SetTooltipText(const std::wstring& text) const;
    void SetVisible(bool visible) const;
};

}  // namespace office
