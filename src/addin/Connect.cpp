#include "addin/Connect.h"

#include <boost/bind/bind.hpp>

#include "addin/ApiErrorMessages.h"
#include "calls/ScreenPop.h"
#include "commands/InformationCommands.h"
#include "controllers/ContactInspectorController.h"
#include "controllers/MailInspectorController.h"
#include "outlook/ContactItem.h"
#include "outlook/MailItem.h"
#include "outlook/OutlookIds.h"
#include "outlook/Supported.h"
#include "platform/Platform.h"
#include "resources/StringIds.h"
#include "skype/Skype.h"
#include "util/CaughtExceptions.h"
#include "util/RegistryKey.h"
#include "util/Settings.h"
#include "util/Text.h"
#include "util/Trace.h"

const host::SinkTable& CConnect::Sinks() {
    static const host::SinkTable table = {
        host::Row<CConnect, &CConnect::OnNewInspector>(connect_sink::kNewInspector,
                                                       outlook::InspectorsEvents::kDiid,
                                                       outlook::InspectorsEvents::kNewInspector),
        host::Row<CConnect, &CConnect::OnNewExplorer>(connect_sink::kNewExplorer,
                                                      outlook::ExplorersEvents::kDiid,
                                                      outlook::ExplorersEvents::kNewExplorer),
    };
    return table;
}

CConnect::CConnect() = default;

CConnect::~CConnect() {
    try {
        // An object let go while connected takes its windows, timers and
        // sinks with it.
        if (skype_) {
            OnDisconnection(addin::disconnect_mode::kHostShutdown);
        }
    } catch (...) {
        caught::Record("CConnect::~CConnect");  // nothing may leave a destructor
    }
}

host::HResult CConnect::OnConnection(const host::DispatchPtr& application, std::int32_t,
                                     const host::DispatchPtr& addInInstance) {
    TANDREL_TRACE("CConnect::OnConnection");
    application_ = outlook::Application(application);
    addInInstance_ = addInInstance;
    try {
        skype_.reset(new CSkype(application));
        skype_->CreateMessageWindow();
        errorKey_ = skype_->AdviseAPIError(boost::bind(
            &CConnect::OnReturnAPIError, this, boost::placeholders::_1, boost::placeholders::_2));
    } catch (...) {
        // Without its Skype client the add-in has nothing to offer.
        caught::Record("CConnect::OnConnection");
        if (skype_) {
            skype_->DestroyMessageWindow();
        }
        skype_.reset();
        application_ = outlook::Application();
        return host::hr::kFail;
    }

    inspectorsCollection_ = application_.Inspectors();
    if (inspectorsCollection_) {
        InspectorsSink::Advise(inspectorsCollection_);
    }
    explorersCollection_ = application_.Explorers();
    if (explorersCollection_) {
        ExplorersSink::Advise(explorersCollection_);
    }
    HookExistingExplorers();
    try {
        screenPop_.reset(new CScreenPop(application_, skype_));
    } catch (...) {
        caught::Record("CConnect::OnConnection");  // calls come in without it
    }
    try {
        OfferFirstRunHelp();
    } catch (...) {
        caught::Record("CConnect::OfferFirstRunHelp");  // the add-in runs without it
    }
    return host::hr::kOk;
}

void CConnect::HookExistingExplorers() {
    const outlook::Explorer active = application_.ActiveExplorer();
    if (active) {
        HookExplorer(active, true);
        return;
    }
    if (!explorersCollection_) {
        return;
    }
    const std::int32_t count = explorersCollection_.Count();
    for (std::int32_t index = 1; index <= count; ++index) {
        HookExplorer(explorersCollection_.Item(index), false);
    }
}

void CConnect::HookExplorer(const outlook::Explorer& explorer, bool activateNow) {
    try {
        explorers_.push_back(boost::shared_ptr<CExplorer>(
            new CExplorer(application_, explorer, activateNow, skype_, OfferListener())));
    } catch (...) {
        // That window goes without a toolbar; the others and the add-in go on.
        caught::Record("CConnect::HookExplorer");
    }
}

void CConnect::OfferFirstRunHelp() {
    CRegistryKey key(settings::kRoot, settings::kKeyPath, platform::access::kReadWrite);
    if (!key.Query(settings::kFirstRunImport)) {
        const int answer = platform::ui().ShowMessageBox(
            platform::kNoWindow, text::LoadAnsiString(ids::kOfferHelp),
            text::LoadAnsiString(ids::kCaptionInformation),
            platform::mb::kYesNo | platform::mb::kIconInformation);
        if (answer == platform::answer::kYes) {
            commands::FirstRunHelp();
        }
    }
    key.WriteBoolean(settings::kFirstRunImport, true);
}

void CConnect::OnNewExplorer(const host::DispatchPtr* explorer) {
    TANDREL_TRACE("CConnect::OnNewExplorer");
    const outlook::Explorer window(host::TypedObject::Query(
        explorer ? *explorer : host::DispatchPtr(), outlook::kIID_Explorer));
    if (!window || !skype_) {
        return;  // not an Explorer, or not connected
    }
    explorers_.push_back(boost::shared_ptr<CExplorer>(
        new CExplorer(application_, window, false, skype_, OfferListener())));
}

void CConnect::OnNewInspector(const host::DispatchPtr* inspector) {
    TANDREL_TRACE("CConnect::OnNewInspector");
    const outlook::Inspector window(host::TypedObject::Query(
        inspector ? *inspector : host::DispatchPtr(), outlook::kIID_Inspector));
    if (!window || !skype_) {
        return;  // not an Inspector, or not connected
    }
    const host::DispatchPtr item = window.CurrentItem();
    if (window.EditorType() == outlook::editor_type::kWord &&
        !CSupported::IsSupportedFeature(application_, CSupported::kRibbon)) {
        return;  // Word's windows are hooked only for the ribbon
    }
    if (outlook::ContactItem::QueryFrom(item)) {
        inspectors_.push_back(
            CInspectorPtr(new CContactInspector(application_, window, skype_, OfferListener())));
    } else if (CSupported::IsSupportedFeature(application_, CSupported::kEmailAddresses) &&
               outlook::MailItem::QueryFrom(item)) {
        inspectors_.push_back(
            CInspectorPtr(new CMailInspector(application_, window, skype_, OfferListener())));
    }
}

void CConnect::OnReturnAPIError(int code, const std::string& description) {
    TANDREL_TRACE("CConnect::OnReturnAPIError");
    ShowApiError(code, description);
}

void CConnect::CloseControllers() {
    // One window that cannot be taken down must not keep the others up.
    for (const CInspectorPtr& inspector : inspectors_) {
        try {
            inspector->OnInspectorClose();
        } catch (...) {
            caught::Record("CConnect::OnDisconnection");
        }
    }
    inspectors_.clear();
    for (const boost::shared_ptr<CExplorer>& explorer : explorers_) {
        try {
            explorer->OnExplorerClose();
        } catch (...) {
            caught::Record("CConnect::OnDisconnection");
        }
    }
    explorers_.clear();
}

host::HResult CConnect::OnDisconnection(std::int32_t) {
    TANDREL_TRACE("CConnect::OnDisconnection");
    CloseControllers();
    ribbon_.Close();
    InspectorsSink::Unadvise(inspectorsCollection_);
    inspectorsCollection_ = outlook::Inspectors();
    ExplorersSink::Unadvise(explorersCollection_);
    explorersCollection_ = outlook::Explorers();
    screenPop_.reset();
    if (skype_) {
        skype_->Unadvise(errorKey_);
        skype_->DestroyMessageWindow();
        skype_.reset();
    }
    application_ = outlook::Application();
    return host::hr::kOk;
}

offer::WindowListener CConnect::OfferListener() {
    return boost::bind(&CConnect::OnOfferChanged, this, boost::placeholders::_1,
                       boost::placeholders::_2);
}

void CConnect::OnOfferChanged(offer::WindowKind kind, unsigned parts) {
    ribbon_.OfferChanged(kind, parts);
}

boost::shared_ptr<offer::CWindowOffer> CConnect::FindOffer(const void* identity,
                                                           offer::WindowKind kind) {
    if (kind == offer::WindowKind::kFolder) {
        for (const boost::shared_ptr<CExplorer>& explorer : explorers_) {
            const outlook::Explorer& window = explorer->GetWindow();
            if (window && window.object()->Identity() == identity) return explorer->GetOffer();
        }
        return boost::shared_ptr<offer::CWindowOffer>();
    }
    for (const CInspectorPtr& inspector : inspectors_) {
        const outlook::Inspector& window = inspector->GetWindow();
        if (window && inspector->GetKind() == kind && window.object()->Identity() == identity) {
            return inspector->GetOffer();
        }
    }
    return boost::shared_ptr<offer::CWindowOffer>();
}

host::HResult CConnect::OnAddInsUpdate() { return host::hr::kOk; }
host::HResult CConnect::OnStartupComplete() { return host::hr::kOk; }
host::HResult CConnect::OnBeginShutdown() { return host::hr::kOk; }

namespace addin {

ExtensibilityPtr CreateAddIn() { return ExtensibilityPtr(new CConnect); }

}  // namespace addin
