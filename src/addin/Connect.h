// CConnect: the add-in object. OnConnection starts everything (the Skype
// client and its window, the API-error observer, the subscriptions to the
// Inspectors and Explorers collections, a controller for the active
// Explorer or else for every Explorer, the first-run offer of help);
// OnDisconnection takes it down in the opposite order. While connected, the
// caller's contact shows when a Skype call comes in (CScreenPop). In between it gives
// every new Explorer a CExplorer and every new contact or mail Inspector
// (Word as editor excepted) a CContactInspector or CMailInspector.
//
// A controller that cannot be made (its toolbar's buttons get no unique
// id, say) is left out and the add-in stays connected; OnConnection fails
// only when the Skype client cannot start.
//
// In Outlook 2010 and later it is also the ribbon's add-in (ribbon/Ribbon.h):
// the ribbon finds its windows among the controllers, and each controller's
// offer tells it what to invalidate. Word edits every item there, so its
// Inspectors are hooked too, for the ribbon (they get no toolbar).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "addin/Extensibility.h"
#include "controllers/ExplorerController.h"
#include "controllers/InspectorController.h"
#include "host/TableSink.h"
#include "outlook/Application.h"
#include "outlook/Explorer.h"
#include "outlook/Inspector.h"
#include "ribbon/Ribbon.h"

class CScreenPop;
class CSkype;

// The sink ids of the two collection events.
namespace connect_sink {
constexpr int kNewInspector = 1;
constexpr int kNewExplorer = 2;
}  // namespace connect_sink

class CConnect : public addin::Extensibility,
                 private ribbon::Windows,
                 private host::TableSink<CConnect, connect_sink::kNewInspector>,
                 private host::TableSink<CConnect, connect_sink::kNewExplorer> {
  public:
    CConnect();
    ~CConnect() override;
    CConnect(const CConnect&) = delete;
    CConnect& operator=(const CConnect&) = delete;

    host::HResult OnConnection(const host::DispatchPtr& application, std::int32_t connectMode,
                               const host::DispatchPtr& addInInstance) override;
    host::HResult OnDisconnection(std::int32_t removeMode) override;
    host::HResult OnAddInsUpdate() override;
    host::HResult OnStartupComplete() override;
    host::HResult OnBeginShutdown() override;
    ribbon::RibbonExtensibility* Ribbon() override { return &ribbon_; }

    // The collections' events.
    void OnNewExplorer(const host::DispatchPtr* explorer);
    void OnNewInspector(const host::DispatchPtr* inspector);
    // Skype's API-error observer: the message for the refusal.
    void OnReturnAPIError(int code, const std::string& description);

    const std::vector<boost::shared_ptr<CExplorer>>& GetExplorers() const { return explorers_; }
    const std::vector<CInspectorPtr>& GetInspectors() const { return inspectors_; }
    const boost::shared_ptr<CSkype>& GetSkype() const { return skype_; }

    static const host::SinkTable& Sinks();

  private:
    typedef host::TableSink<CConnect, connect_sink::kNewInspector> InspectorsSink;
    typedef host::TableSink<CConnect, connect_sink::kNewExplorer> ExplorersSink;
    friend InspectorsSink;
    friend ExplorersSink;

    // A controller for `explorer`, appended; one that cannot be made is
    // recorded and left out.
    void HookExplorer(const outlook::Explorer& explorer, bool activateNow);
    void HookExistingExplorers();
    // Asks once per user whether to show the help file's first steps.
    void OfferFirstRunHelp();
    void CloseControllers();
    // ribbon::Windows: the open controllers' windows.
    boost::shared_ptr<offer::CWindowOffer> FindOffer(const void* identity,
                                                     offer::WindowKind kind) override;
    // What every controller's offer tells: passed on to the ribbon.
    offer::WindowListener OfferListener();
    void OnOfferChanged(offer::WindowKind kind, unsigned parts);

    // Members in the order the add-in has always kept them.
    outlook::Application application_;
    host::DispatchPtr addInInstance_;
    outlook::Inspectors inspectorsCollection_;
    outlook::Explorers explorersCollection_;
    std::vector<CInspectorPtr> inspectors_;
    std::vector<boost::shared_ptr<CExplorer>> explorers_;
    boost::shared_ptr<CSkype> skype_;
    std::string errorKey_;
    ribbon::CRibbon ribbon_{*this};
    std::unique_ptr<CScreenPop> screenPop_;
};
