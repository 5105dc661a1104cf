// CExplorer: the controller of one Outlook folder window. It owns the
// window's offer (what the window offers for its selection), its toolbar
// and its context-menu extension, and keeps them in step with the folder
// shown (the toolbar only in mail and contact folders), the selection (one
// contact, one mail, several contacts or nothing usable) and Skype's
// connection status (online: the selection is evaluated again; any other
// status: no item). The offer is worked out once per change and shown by
// the toolbar, the context menu and, through the listener, the ribbon.
//
// In Outlook 2010 and later the toolbar (then on the "Add-ins" tab) is
// loaded only while the "ClassicToolbar" setting is absent or true.
//
// After OnExplorerClose the object is inert: it holds no window, no sinks
// and no status observer, and every handler does nothing but the no-item
// update of a toolbar that is no longer loaded.
#pragma once

#include <string>

#include <boost/shared_ptr.hpp>

#include "commandbars/ContextMenu.h"
#include "commandbars/Toolbar.h"
#include "host/TableSink.h"
#include "offer/WindowOffer.h"
#include "office/CommandBars.h"
#include "outlook/Application.h"
#include "outlook/Explorer.h"
#include "skype/ConnectionStatus.h"

class CSkype;

// The sink ids of the Explorer's four events.
namespace explorer_sink {
constexpr int kSelectionChange = 1;
constexpr int kClose = 2;
constexpr int kActivate = 3;
constexpr int kViewSwitch = 4;
}  // namespace explorer_sink

class CExplorer : private host::TableSink<CExplorer, explorer_sink::kSelectionChange>,
                  private host::TableSink<CExplorer, explorer_sink::kClose>,
                  private host::TableSink<CExplorer, explorer_sink::kActivate>,
                  private host::TableSink<CExplorer, explorer_sink::kViewSwitch> {
  public:
    // Advises the four sinks on `explorer` and follows Skype's status; with
    // `activateNow` the toolbar is loaded at once, as on an Activate event.
    // `listener` hears what changed in the window's offer.
    CExplorer(const outlook::Application& application, const outlook::Explorer& explorer,
              bool activateNow, const boost::shared_ptr<CSkype>& skype,
              const offer::WindowListener& listener = offer::WindowListener());
    ~CExplorer() override;
    CExplorer(const CExplorer&) = delete;
    CExplorer& operator=(const CExplorer&) = delete;

    // The Explorer's events.
    void OnSelectionChange();
    void OnExplorerClose();
    void OnExplorerActivate();
    void OnViewSwitch();
    // Skype's connection-status observer.
    void OnChangeConnectionStatus(ConnectionStatus status);

    bool IsClosed() const { return !explorer_; }
    // The window (null once closed) and what it offers.
    const outlook::Explorer& GetWindow() const { return explorer_; }
    const boost::shared_ptr<offer::CWindowOffer>& GetOffer() const { return offer_; }
    const CToolbar& GetToolbar() const { return toolbar_; }
    const CContextMenu& GetContextMenu() const { return contextMenu_; }

    static const host::SinkTable& Sinks();

  private:
    typedef host::TableSink<CExplorer, explorer_sink::kSelectionChange> SelectionChangeSink;
    typedef host::TableSink<CExplorer, explorer_sink::kClose> CloseSink;
    typedef host::TableSink<CExplorer, explorer_sink::kActivate> ActivateSink;
    typedef host::TableSink<CExplorer, explorer_sink::kViewSwitch> ViewSwitchSink;
    friend SelectionChangeSink;
    friend CloseSink;
    friend ActivateSink;
    friend ViewSwitchSink;

    // Shows the toolbar in mail and contact folders only; hides it when
    // the window shows no folder.
    void ApplyFolderType();
    // Nothing usable: the toolbar's reset and the context menu's.
    void NoItem();
    // Before the offer works an item out: its boxes only while a surface
    // of an open window shows them.
    void PrepareOffer();
    // After: the toolbar and the context menu show what it worked out.
    void ShowOffer();
    // The classification of one selection, by folder type.
    void EvaluateMailFolder(const outlook::Selection& selection, std::int32_t count);
    void EvaluateContactFolder(const outlook::Selection& selection, std::int32_t count);

    // Made first: the toolbar shows it.
    boost::shared_ptr<offer::CWindowOffer> offer_;
    // Members in the order the controller has always kept them.
    CToolbar toolbar_;
    CContextMenu contextMenu_;
    outlook::Explorer explorer_;
    office::CommandBars commandBars_;
    outlook::Application application_;
    boost::shared_ptr<CSkype> skype_;
    ConnectionStatus lastConnectionStatus_ = kConnectionUnknown;
    std::string statusKey_;
    // Outlook 2010 and later: the ribbon shows the offer too.
    bool ribbon_ = false;
};
