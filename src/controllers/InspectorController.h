// CInspector: the controller of one Outlook item window (an Inspector on a
// contact or a mail). It owns the window's offer and toolbar, follows the
// item's property changes and Skype's connection status, and takes
// everything down when the window closes. CContactInspector and
// CMailInspector (ContactInspectorController.h, MailInspectorController.h)
// build the item wrapper the offer works out; the toolbar and, through the
// listener, the ribbon show it.
//
// A window Word edits never gets the toolbar (its command bars are Word's);
// Outlook 2010 and later, where Word edits every item, hook such windows for
// the ribbon alone. There the toolbar is loaded only while the
// "ClassicToolbar" setting is absent or true.
//
// The item is read once, at construction; the controller follows that item
// until the window closes. After OnInspectorClose it is inert.
#pragma once

#include <string>

#include <boost/shared_ptr.hpp>

#include "commandbars/Toolbar.h"
#include "host/Dispatch.h"
#include "host/TableSink.h"
#include "offer/WindowOffer.h"
#include "outlook/Application.h"
#include "outlook/Inspector.h"
#include "skype/ConnectionStatus.h"

class CSkype;

// The sink ids of the Inspector's three events.
namespace inspector_sink {
constexpr int kPropertyChange = 1;        // on the item
constexpr int kClose = 2;                 // on the Inspector
constexpr int kCustomPropertyChange = 3;  // on the item
}  // namespace inspector_sink

class CInspector : private host::TableSink<CInspector, inspector_sink::kPropertyChange>,
                   private host::TableSink<CInspector, inspector_sink::kClose>,
                   private host::TableSink<CInspector, inspector_sink::kCustomPropertyChange> {
  public:
    ~CInspector() override;
    CInspector(const CInspector&) = delete;
    CInspector& operator=(const CInspector&) = delete;

    // The Inspector's Close; also called at the add-in's disconnection.
    virtual void OnInspectorClose();
    // PropertyChange and CustomPropertyChange of the item (the name is not
    // used); also called with an empty name when Skype comes online.
    virtual void OnItemChange(const wchar_t* name) = 0;
    // Skype's connection-status observer.
    virtual void OnChangeConnectionStatus(ConnectionStatus status) = 0;

    bool IsClosed() const { return !inspector_; }
    // The window (null once closed) and what it offers.
    const outlook::Inspector& GetWindow() const { return inspector_; }
    const boost::shared_ptr<offer::CWindowOffer>& GetOffer() const { return offer_; }
    offer::WindowKind GetKind() const { return kind_; }
    const CToolbar& GetToolbar() const { return toolbar_; }

    static const host::SinkTable& Sinks();

  protected:
    // Reads the item, advises the sinks and follows Skype's status;
    // `listener` hears what changed in the offer, told it is a `kind` window.
    CInspector(const outlook::Application& application, const outlook::Inspector& inspector,
               const boost::shared_ptr<CSkype>& skype, offer::WindowKind kind,
               const offer::WindowListener& listener);

    // The derived controllers' shared status rule: same status, nothing;
    // online, the item again; otherwise no item.
    void ChangeConnectionStatus(ConnectionStatus status, ConnectionStatus* last);
    // Loads and shows the toolbar, unless this window goes without it.
    void LoadToolbar();
    // Before the offer works an item out (its boxes only while a surface of
    // an open window shows them), and after (the toolbar shows it).
    void PrepareOffer();
    void ShowOffer() { toolbar_.Refill(); }

    // Made first: the toolbar shows it.
    boost::shared_ptr<offer::CWindowOffer> offer_;
    // Members in the order the controller has always kept them.
    CToolbar toolbar_;
    boost::shared_ptr<CSkype> skype_;
    outlook::Inspector inspector_;
    outlook::Application application_;
    host::DispatchPtr currentItem_;
    std::string statusKey_;
    // Outlook 2010 and later: the ribbon shows the offer too.
    bool ribbon_ = false;
    offer::WindowKind kind_;

  private:
    typedef host::TableSink<CInspector, inspector_sink::kPropertyChange> PropertyChangeSink;
    typedef host::TableSink<CInspector, inspector_sink::kClose> CloseSink;
    typedef host::TableSink<CInspector, inspector_sink::kCustomPropertyChange>
        CustomPropertyChangeSink;
    friend PropertyChangeSink;
    friend CloseSink;
    friend CustomPropertyChangeSink;

    // The sinks' entry for Close (a virtual call: the derived version runs).
    void OnCloseEvent() { OnInspectorClose(); }
};

typedef boost::shared_ptr<CInspector> CInspectorPtr;
