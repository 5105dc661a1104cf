#include "controllers/InspectorController.h"

#include <boost/bind/bind.hpp>
#include <boost/make_shared.hpp>

#include "outlook/OutlookIds.h"
#include "outlook/Supported.h"
#include "skype/Skype.h"
#include "util/CaughtExceptions.h"
#include "util/RegistryKey.h"
#include "util/Settings.h"
#include "util/Trace.h"

const host::SinkTable& CInspector::Sinks() {
    typedef outlook::ItemEvents Item;
    typedef outlook::InspectorEvents Window;
    static const host::SinkTable table = {
        host::Row<CInspector, &CInspector::OnItemChange>(inspector_sink::kPropertyChange,
                                                         Item::kDiid, Item::kPropertyChange),
        host::Row<CInspector, &CInspector::OnCloseEvent>(inspector_sink::kClose, Window::kDiid,
                                                         Window::kClose),
        host::Row<CInspector, &CInspector::OnItemChange>(inspector_sink::kCustomPropertyChange,
                                                         Item::kDiid, Item::kCustomPropertyChange),
    };
    return table;
}

CInspector::CInspector(const outlook::Application& application, const outlook::Inspector& inspector,
                       const boost::shared_ptr<CSkype>& skype, offer::WindowKind kind,
                       const offer::WindowListener& listener)
    : offer_(boost::make_shared<offer::CWindowOffer>(skype)),
      toolbar_(application, skype, offer_),
      skype_(skype),
      inspector_(inspector),
      application_(application),
      kind_(kind) {
    TANDREL_TRACE("CInspector::CInspector");
    ribbon_ = CSupported::IsSupportedFeature(application_, CSupported::kRibbon);
    if (listener) {
        offer_->SetListener(boost::bind(listener, kind, boost::placeholders::_1));
    }
    currentItem_ = inspector_.CurrentItem();
    const host::TypedObject item(currentItem_);
    PropertyChangeSink::Advise(item);
    CloseSink::Advise(inspector_);
    CustomPropertyChangeSink::Advise(item);
    statusKey_ = skype_->AdviseConnectionStatus(
        boost::bind(&CInspector::OnChangeConnectionStatus, this, boost::placeholders::_1));
}

CInspector::~CInspector() {
    try {
        if (skype_) {
            skype_->Unadvise(statusKey_);  // harmless when already removed
        }
        // A controller dropped without its close must not leave its sinks
        // advised on a window or an item that outlives it.
        if (inspector_) {
            CInspector::OnInspectorClose();
        }
    } catch (...) {
        caught::Record("CInspector::~CInspector");  // nothing may leave a destructor
    }
}

void CInspector::OnInspectorClose() {
    TANDREL_TRACE("CInspector::OnInspectorClose");
    if (!inspector_) {
        return;  // already closed
    }
    if (skype_) {
        skype_->Unadvise(statusKey_);
    }
    offer_->SetListener(offer::CWindowOffer::Listener());  // nobody shows a closed window
    // A mail's menu holds the mail and Outlook's application until it
    // opens: a closed window holds nothing of Outlook's.
    offer_->ShowBoxes(false);
    offer_->ItemChange();
    // The window and its item are let go even when the bar refuses to go:
    // nothing of a closed window may be touched again.
    struct LetGo {
        CInspector& self;
        ~LetGo() {
            if (self.currentItem_) {
                const host::TypedObject item(self.currentItem_);
                self.PropertyChangeSink::Unadvise(item);
                self.CustomPropertyChangeSink::Unadvise(item);
                self.currentItem_.reset();
            }
            self.CloseSink::Unadvise(self.inspector_);
            self.inspector_ = outlook::Inspector();
        }
    } letGo{*this};
    toolbar_.Unload(false);
}

void CInspector::ChangeConnectionStatus(ConnectionStatus status, ConnectionStatus* last) {
    if (status == *last) {
        return;
    }
    *last = status;
    if (status == kConnectionOnline) {
        OnItemChange(L"");
    } else {
        PrepareOffer();
        offer_->ItemChange();
        ShowOffer();
    }
}

void CInspector::LoadToolbar() {
    // Word's command bars are Word's own, wherever it edits.
    if (inspector_.EditorType() == outlook::editor_type::kWord) {
        return;
    }
    if (ribbon_ &&
        !settings::ReadBoolean(settings::kClassicToolbar, settings::kDefaultClassicToolbar)) {
        return;
    }
    toolbar_.Load(inspector_.CommandBars(), false);
    toolbar_.Show(true);
}

void CInspector::PrepareOffer() {
    offer_->ShowBoxes(inspector_ && (toolbar_.IsLoaded() || ribbon_));
}
