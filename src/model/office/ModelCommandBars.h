// Model Office command bars of one window: CommandBars with its bars, and
// the "Context Menu" bar Office builds when the user right-clicks an item,
// announced by OnUpdate while it is being built.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/office/ModelCommandBarControls.h"

namespace model {

class ModelCommandBars;

class ModelCommandBar : public ModelObject {
  public:
    ModelCommandBar(CallLog* log, const std::wstring& name, int position, bool temporary);

    std::wstring name() const { return Value("Name").ToText(); }
    bool temporary() const { return temporary_; }
    bool deleted() const { return deleted_; }
    host::Variant Read(const std::string& property) const { return Value(property); }
    void Write(const std::string& property, const host::Variant& value) {
        SetValue(property, value);
    }
    const ModelCommandBarControlsPtr& controls() const { return controls_; }

    void AttachTo(const boost::weak_ptr<ModelCommandBars>& owner) { owner_ = owner; }
    // Gone without a Delete call (a context menu that closed).
    void MarkDeleted();

  private:
    bool temporary_;
    bool deleted_ = false;
    ModelCommandBarControlsPtr controls_;
    boost::weak_ptr<ModelCommandBars> owner_;
};

typedef boost::shared_ptr<ModelCommandBar> ModelCommandBarPtr;

class ModelCommandBars : public ModelObject {
  public:
    // One entry of a context menu Office builds.
    struct MenuEntry {
        std::wstring caption;
        bool beginGroup;
    };

    // No bars at all; Create gives a window's usual ones.
    explicit ModelCommandBars(CallLog* log);
    // With Office's own "Menu Bar" and "Standard" bars, as a window has them.
    static boost::shared_ptr<ModelCommandBars> Create(CallLog* log);

    const std::vector<ModelCommandBarPtr>& bars() const { return bars_; }
    // The first bar with this name, or null.
    ModelCommandBarPtr FindBar(const std::wstring& name) const;
    // A bar as Office makes it itself.
    ModelCommandBarPtr AddBar(const std::wstring& name, int position);
    void Remove(const ModelCommandBar* bar);

    // The user right-clicks an item: Office makes the "Context Menu" bar
    // with these entries (Outlook's usual ones by default), protected
    // against customizing, and fires OnUpdate while it is there. The bar
    // stays until CloseContextMenu.
    ModelCommandBarPtr RightClick();
    ModelCommandBarPtr RightClick(const std::vector<MenuEntry>& entries);
    // The menu closes: its bar and every control on it are gone.
    void CloseContextMenu();
    // Office refreshes its bars.
    void FireOnUpdate();

    // Called with every bar Add makes, before Add returns it: a test can
    // prepare the bar an add-in is building (make its controls refuse).
    std::function<void(const ModelCommandBarPtr&)> onBarAdded;

    static const std::vector<MenuEntry>& DefaultContextMenu();
    // msoBarNoCustomize, which a context menu carries until an add-in lifts it.
    static constexpr int kContextMenuProtection = 1;

  private:
    CallLog* log_;
    std::vector<ModelCommandBarPtr> bars_;
};

typedef boost::shared_ptr<ModelCommandBars> ModelCommandBarsPtr;

}  // namespace model
