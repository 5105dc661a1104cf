// CRibbon: the add-in's side of the ribbon (Outlook 2010 and later). It
// answers GetCustomUI (CustomUi.h) and the callbacks (Callbacks.h), each
// from the offer of the window Office names as the control's Context: an
// Explorer or Inspector, found among the add-in's windows by COM identity,
// or for an item context menu the Explorer's Selection, whose Parent is the
// Explorer. Clicks run the same actions and read the same targets as the
// command bars' buttons (offer/Actions.h, CWindowOffer::Target).
//
// onLoad hands over each customUI's IRibbonUI; when a window's offer
// changes, the combo boxes that show it are invalidated in that ribbon, one
// control at a time. Context menus need no invalidation: Office asks their
// callbacks each time it opens one.
//
// Every callback is an edge of the add-in: what it lets out is recorded
// (caught::Record, under the callback's name) and the safe default
// answered: empty text, false, no entries, no picture, nothing done. A null
// control, a Context that is no open window of ours and an id not ours
// answer the same, with S_OK: a failing HRESULT would have Office report an
// add-in error for what is only a window it no longer shows.
#pragma once

#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

#include "offer/WindowOffer.h"
#include "ribbon/Callbacks.h"
#include "ribbon/Controls.h"
#include "ribbon/RibbonExtensibility.h"

namespace ribbon {

// The add-in's open windows, as the ribbon looks them up.
class Windows {
  public:
    virtual ~Windows() = default;
    // The offer of the open window of kind `kind` whose COM identity is
    // `identity`, or null.
    virtual boost::shared_ptr<offer::CWindowOffer> FindOffer(const void* identity,
                                                             offer::WindowKind kind) = 0;
};

class CRibbon : public RibbonExtensibility {
  public:
    // `windows` outlives the ribbon.
    explicit CRibbon(Windows& windows);
    CRibbon(const CRibbon&) = delete;
    CRibbon& operator=(const CRibbon&) = delete;

    std::wstring GetCustomUI(const std::wstring& ribbonId) override;
    host::HResult GetIdOfName(const std::wstring& name, host::DispId* id) override;
    host::HResult Invoke(host::DispId id, const std::vector<host::Variant>& args,
                         host::Variant* result) override;

    // A window of kind `kind` changed `parts` (CWindowOffer::Part) of its
    // offer: the controls showing them are invalidated in its ribbon.
    void OfferChanged(offer::WindowKind kind, unsigned parts);
    // Lets go of every IRibbonUI and Context held (the add-in disconnects).
    void Close();

  private:
    // A control Office asks about, with the offer of its window.
    struct Control {
        ControlId id;
        boost::shared_ptr<offer::CWindowOffer> offer;
    };

    host::Variant Run(const Callback& callback, const std::vector<host::Variant>& args);
    bool Find(const host::Variant& argument, Control* control);
    boost::shared_ptr<offer::CWindowOffer> FindWindow(const host::DispatchPtr& context,
                                                      offer::WindowKind kind);
    // The context-menu entry a control shows, or null.
    static const offer::MenuItem* EntryOf(const Control& control);
    // The box a combo box shows; false for any other control.
    static bool BoxKindOf(const ControlId& id, offer::BoxKind* kind);
    host::Variant Picture(const Control& control) const;
    void Act(const Control& control);

    Windows& windows_;
    // Each customUI's IRibbonUI, by the kind of window it serves.
    host::DispatchPtr ui_[3];
    // The last Selection a context menu named, held so that its identity
    // stays its own, and the window found for it.
    host::DispatchPtr lastSelection_;
    boost::weak_ptr<offer::CWindowOffer> lastSelectionWindow_;
};

}  // namespace ribbon
