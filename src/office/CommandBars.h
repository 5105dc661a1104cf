// Office's command bars of one window: _CommandBars and CommandBar.
#pragma once

#include <cstdint>
#include <string>

#include "host/TypedObject.h"

namespace office {

class CommandBarControls;

class CommandBar : public host::TypedObject {
  public:
    using TypedObject::TypedObject;

    std::wstring Name() const;
    CommandBarControls Controls() const;
    void SetVisible(bool visible) const;
    void SetEnabled(bool enabled) const;
    // MsoBarPosition; `fallback` when unreadable (as are Left, Top, RowIndex
    // and Protection).
    std::int32_t Position(std::int32_t fallback = 0) const;
    void SetPosition(std::int32_t position) const;
    std::int32_t Left(std::int32_t fallback = 0) const;
    void SetLeft(std::int32_t left) const;
    std::int32_t Top(std::int32_t fallback = 0) const;
    void SetTop(std::int32_t top) const;
    std::int32_t RowIndex(std::int32_t fallback = 0) const;
    void SetRowIndex(std::int32_t row) const;
    // MsoBarProtection flags.
    std::int32_t Protection(std::int32_t fallback = 0) const;
    void SetProtection(std::int32_t protection) const;
    // Removes the bar; a failure raises host::ComError for CommandBar.
    void Delete() const;
};

class CommandBars : public host::TypedObject {
  public:
    using TypedObject::TypedObject;

    std::int32_t Count() const;
    // Item(VT_I4 index), 1-based.
    CommandBar Item(std::int32_t index) const;
    // Add(VT_BSTR name, VT_I4 position, MenuBar missing, VT_I2 temporary
    // (-1 or 0)): the new bar, or null when refused.
    CommandBar Add(const std::wstring& name, std::int32_t position, bool temporary) const;
};

}  // namespace office
