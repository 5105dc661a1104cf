// Office's ribbon in the model: what Outlook 2010 and later do with an
// add-in's IRibbonExtensibility. Each ribbon's customUI is asked for once
// (GetCustomUI), read and checked (RibbonXml.h), and handed its IRibbonUI
// through onLoad; then the add-in's groups and context-menu entries are
// shown per window, each dynamic attribute asked of the add-in by callback
// name (GetIDsOfNames, then Invoke with a model IRibbonControl whose Context
// is the window, or for an item context menu the Explorer's Selection).
//
// As Office does, a group's answers are kept per window until the add-in
// invalidates the control (or the whole ribbon) through its IRibbonUI; a
// context menu asks afresh each time it opens. A combo box shows what the
// user typed until the add-in's text is asked for again. The user clicks a
// button (onAction) only while it is shown and enabled, and types into a
// combo box (onChange). A control is found by the one naming rule
// (ControlNames.h) applied to its label, or to its screentip.
//
// Text drawing, one line per control (a menu's items numbered "7.1"):
//   1 comboBox "Skype: " text "alice.wonder (Online)" list [...] tooltip "..."
//   2 button icon 229 tooltip "Start a Skype IP Telephony call to Contact"
//   8 button "Buy Credit" tooltip "..."        (disabled, hidden as they are)
// "icon N" is a picture of the module (a model picture's resource id),
// "picture NAME" an Office icon by imageMso.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host/Dispatch.h"
#include "model/host/ModelObject.h"
#include "model/office/ModelRibbonObjects.h"
#include "model/office/RibbonXml.h"
#include "ribbon/RibbonExtensibility.h"

namespace model {

class ModelRibbon {
  public:
    // A built-in tab or context menu of one ribbon as one window shows it.
    struct View {
        std::wstring ribbonId;
        std::wstring idMso;
        // The Explorer or Inspector; for a context menu the Selection.
        host::DispatchPtr context;
    };

    // `addIn` and `log` outlive the ribbon.
    ModelRibbon(ribbon::RibbonExtensibility& addIn, CallLog* log);
    // Detaches the IRibbonUIs it handed out.
    ~ModelRibbon();
    ModelRibbon(const ModelRibbon&) = delete;
    ModelRibbon& operator=(const ModelRibbon&) = delete;

    // Office shows `ribbonId` for the first time: the add-in's customUI is
    // asked for, checked and, when it has no problems, loaded (onLoad). An
    // id asked for before is not asked again. False when the customUI has
    // problems (then nothing of it is shown).
    bool Load(const std::wstring& ribbonId);
    bool Loaded(const std::wstring& ribbonId) const { return documents_.count(ribbonId) != 0; }
    // What Office found wrong, with the customUIs and with callbacks that
    // failed, in the order found.
    const std::vector<std::string>& problems() const { return problems_; }
    // The IRibbonUI handed to the onLoad of `ribbonId` (null before).
    ModelRibbonUIPtr ui(const std::wstring& ribbonId) const;

    // The add-in's controls in the view as text; empty when it has none.
    std::string Describe(const View& view);
    // The first control of the view named `name`, shown or not; of element
    // `element` unless that is empty. Null when none is.
    const RibbonNode* Find(const View& view, const std::wstring& name,
                           const std::string& element = std::string());
    // The user clicks a button of the view: false (nothing asked of the
    // add-in) while it is hidden or disabled.
    bool Click(const View& view, const RibbonNode& control);
    // The user types into a combo box of the view, or picks `text` from it.
    bool Type(const View& view, const RibbonNode& control, const std::wstring& text);
    // What a combo box of the view shows.
    std::wstring Text(const View& view, const RibbonNode& control);
    // Whether a control of the view is shown (its visible or getVisible).
    bool Shown(const View& view, const RibbonNode& control);
    // The entries of a combo box's list (getItemCount, getItemLabel), asked
    // for when the user first opens it after the box was invalidated.
    std::vector<std::wstring> Items(const View& view, const RibbonNode& control);

  private:
    struct Asked {
        host::DispatchPtr context;  // kept: its identity is the key
        std::map<std::string, host::Variant> values;
        // A combo box's entries, asked for when its list is first shown.
        std::vector<std::wstring> items;
        bool itemsAsked = false;
    };

    void Invalidate(const std::wstring& ribbonId, const std::wstring& id);
    // What was asked about the control in the view's window (made empty).
    Asked& Remembered(const View& view, const RibbonNode& control);
    // The tabs or context menus of the view in its ribbon's customUI.
    std::vector<const RibbonNode*> Containers(const View& view) const;
    bool IsContextMenu(const View& view) const;
    // An attribute: static, asked through its callback (kept until
    // invalidated, except in context menus) or `fallback`.
    host::Variant Value(const View& view, const RibbonNode& control, const std::string& name,
                        const host::Variant& fallback);
    host::Variant Call(const View& view, const RibbonNode& control, const std::wstring& callback,
                       const std::vector<host::Variant>& more);
    std::wstring Name(const View& view, const RibbonNode& control, bool screentip);
    bool Enabled(const View& view, const RibbonNode& control);
    void DescribeControl(const View& view, const RibbonNode& control, const std::string& number,
                         std::string& out);
    const RibbonNode* FindIn(const View& view, const RibbonNode& parent, const std::wstring& normal,
                             const std::string& element);

    ribbon::RibbonExtensibility& addIn_;
    CallLog* log_;
    std::map<std::wstring, RibbonDocument> documents_;
    std::map<std::wstring, ModelRibbonUIPtr> uis_;
    // By ribbon, control id and window identity.
    std::map<std::wstring, std::map<std::wstring, std::map<const void*, Asked>>> asked_;
    std::vector<std::string> problems_;
};

}  // namespace model
