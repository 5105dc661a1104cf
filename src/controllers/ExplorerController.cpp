#include "controllers/ExplorerController.h"

#include <vector>

#include <boost/bind/bind.hpp>
#include <boost/make_shared.hpp>

#include "outlook/ContactItem.h"
#include "outlook/MAPIFolder.h"
#include "outlook/MailItem.h"
#include "outlook/OutlookIds.h"
#include "outlook/Supported.h"
#include "skype/Skype.h"
#include "util/CaughtExceptions.h"
#include "util/RegistryKey.h"
#include "util/Settings.h"
#include "util/Trace.h"

namespace {

// A step of the selection evaluation, traced under its own name.
#define TANDREL_TRACE_STEP(name) CTrace tandrel_step_guard_(name, __FILE__, __LINE__)

bool ShowsToolbar(std::int32_t defaultItemType) {
    return defaultItemType == outlook::item_type::kMail ||
           defaultItemType == outlook::item_type::kContact;
}

}  // namespace

const host::SinkTable& CExplorer::Sinks() {
    typedef outlook::ExplorerEvents Events;
    static const host::SinkTable table = {
        host::Row<CExplorer, &CExplorer::OnSelectionChange>(
            explorer_sink::kSelectionChange, Events::kDiid, Events::kSelectionChange),
        host::Row<CExplorer, &CExplorer::OnExplorerClose>(explorer_sink::kClose, Events::kDiid,
                                                          Events::kClose),
        host::Row<CExplorer, &CExplorer::OnExplorerActivate>(explorer_sink::kActivate,
                                                             Events::kDiid, Events::kActivate),
        host::Row<CExplorer, &CExplorer::OnViewSwitch>(explorer_sink::kViewSwitch, Events::kDiid,
                                                       Events::kViewSwitch),
    };
    return table;
}

CExplorer::CExplorer(const outlook::Application& application, const outlook::Explorer& explorer,
                     bool activateNow, const boost::shared_ptr<CSkype>& skype,
                     const offer::WindowListener& listener)
    : offer_(boost::make_shared<offer::CWindowOffer>(skype)),
      toolbar_(application, skype, offer_),
      contextMenu_(explorer, application, skype),
      explorer_(explorer),
      application_(application),
      skype_(skype) {
    TANDREL_TRACE("CExplorer::CExplorer");
    ribbon_ = CSupported::IsSupportedFeature(application_, CSupported::kRibbon);
    if (listener) {
        offer_->SetListener(
            boost::bind(listener, offer::WindowKind::kFolder, boost::placeholders::_1));
    }
    SelectionChangeSink::Advise(explorer_);
    CloseSink::Advise(explorer_);
    ActivateSink::Advise(explorer_);
    ViewSwitchSink::Advise(explorer_);
    statusKey_ = skype_->AdviseConnectionStatus(
        boost::bind(&CExplorer::OnChangeConnectionStatus, this, boost::placeholders::_1));
    if (activateNow) {
        OnExplorerActivate();
    }
}

CExplorer::~CExplorer() {
    try {
        if (skype_) {
            skype_->Unadvise(statusKey_);  // harmless when already removed
        }
        // A controller dropped without its close: its sinks must not stay
        // advised on a window that outlives it.
        OnExplorerClose();
    } catch (...) {
        caught::Record("CExplorer::~CExplorer");  // nothing may leave a destructor
    }
}

void CExplorer::OnExplorerActivate() {
    TANDREL_TRACE("CExplorer::OnExplorerActivate");
    if (!explorer_) {
        return;  // closed: there is no window to load into
    }
    if (!commandBars_) {
        commandBars_ = explorer_.CommandBars();
    }
    if (!toolbar_.IsLoaded() &&
        (!ribbon_ ||
         settings::ReadBoolean(settings::kClassicToolbar, settings::kDefaultClassicToolbar))) {
        toolbar_.Load(commandBars_, true);
    }
    ApplyFolderType();
}

void CExplorer::OnViewSwitch() {
    TANDREL_TRACE("CExplorer::OnViewSwitch");
    ApplyFolderType();
    OnSelectionChange();
}

void CExplorer::ApplyFolderType() {
    if (!explorer_) {
        return;
    }
    const outlook::MAPIFolder folder = explorer_.CurrentFolder();
    // A window that shows no folder has nothing the toolbar could act on.
    toolbar_.Show(folder && ShowsToolbar(folder.DefaultItemType()));
}

void CExplorer::PrepareOffer() { offer_->ShowBoxes(explorer_ && (toolbar_.IsLoaded() || ribbon_)); }

void CExplorer::ShowOffer() {
    toolbar_.Refill();
    contextMenu_.SetMenu(offer_->GetMenu());
}

void CExplorer::NoItem() {
    PrepareOffer();
    offer_->ItemChange();
    ShowOffer();
}

void CExplorer::OnSelectionChange() {
    TANDREL_TRACE("CExplorer::OnSelectionChange");
    if (!explorer_) {
        NoItem();
        return;
    }
    outlook::MAPIFolder folder;
    {
        TANDREL_TRACE_STEP("CExplorer::GetCurrentFolder");
        folder = explorer_.CurrentFolder();
    }
    if (!folder) {
        NoItem();
        return;
    }
    std::int32_t defaultItemType = outlook::MAPIFolder::kUnknownItemType;
    {
        TANDREL_TRACE_STEP("CExplorer::GetDefaultItemType");
        defaultItemType = folder.DefaultItemType();
    }
    const outlook::Selection selection = explorer_.Selection();
    if (!selection) {
        NoItem();
        return;
    }
    std::int32_t count = 0;
    {
        TANDREL_TRACE_STEP("CExplorer::GetSelectionCount");
        count = selection.Count();
    }
    const bool mailSupported =
        CSupported::IsSupportedFeature(application_, CSupported::kEmailAddresses);

    if (defaultItemType == outlook::item_type::kMail && mailSupported) {
        EvaluateMailFolder(selection, count);
    } else if (defaultItemType == outlook::item_type::kContact) {
        EvaluateContactFolder(selection, count);
    } else {
        TANDREL_TRACE_STEP("CExplorer::UnSupportedType");
        NoItem();
    }
}

void CExplorer::EvaluateMailFolder(const outlook::Selection& selection, std::int32_t count) {
    if (count == 1) {
        TANDREL_TRACE_STEP("CExplorer::SingleMail");
        const outlook::MailItem item = outlook::MailItem::QueryFrom(selection.Item(1));
        if (!item) {
            NoItem();  // a meeting request, a report, a post...
            return;
        }
        const CMailPtr mail(new CMail(item, application_));
        PrepareOffer();
        offer_->ItemChange(mail);
        ShowOffer();
    } else if (count > 1) {
        TANDREL_TRACE_STEP("CExplorer::MultiMail");
        NoItem();
    } else {
        TANDREL_TRACE_STEP("CExplorer::NoMail");
        NoItem();
    }
}

void CExplorer::EvaluateContactFolder(const outlook::Selection& selection, std::int32_t count) {
    if (count == 1) {
        TANDREL_TRACE_STEP("CExplorer::SingleContact");
        const outlook::ContactItem item = outlook::ContactItem::QueryFrom(selection.Item(1));
        if (!item) {
            NoItem();  // a distribution list
            return;
        }
        const CContactPtr contact(new CContact(item));
        PrepareOffer();
        offer_->ItemChange(contact);
        ShowOffer();
    } else if (count > 1) {
        TANDREL_TRACE_STEP("CExplorer::MultiContact");
        std::vector<CContactPtr> contacts;
        for (std::int32_t index = 1; index <= count; ++index) {
            const outlook::ContactItem item =
                outlook::ContactItem::QueryFrom(selection.Item(index));
            if (item) {
                contacts.push_back(CContactPtr(new CContact(item)));
            }
        }
        PrepareOffer();
        offer_->ItemChange(contacts);
        ShowOffer();
    } else {
        TANDREL_TRACE_STEP("CExplorer::NoContact");
        NoItem();
    }
}

void CExplorer::OnChangeConnectionStatus(ConnectionStatus status) {
    TANDREL_TRACE("CExplorer::OnChangeConnectionStatus");
    if (status == lastConnectionStatus_) {
        return;
    }
    lastConnectionStatus_ = status;
    if (status == kConnectionOnline) {
        OnSelectionChange();
    } else {
        NoItem();
    }
}

void CExplorer::OnExplorerClose() {
    TANDREL_TRACE("CExplorer::OnExplorerClose");
    if (!explorer_) {
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
    contextMenu_.Unload();
    // The window is let go even when its bar refuses to go: nothing of a
    // closed window may be touched again.
    const outlook::Explorer explorer = explorer_;
    explorer_ = outlook::Explorer();
    struct SinksOff {
        CExplorer& self;
        const outlook::Explorer& from;
        ~SinksOff() {
            self.SelectionChangeSink::Unadvise(from);
            self.CloseSink::Unadvise(from);
            self.ActivateSink::Unadvise(from);
            self.ViewSwitchSink::Unadvise(from);
        }
    } sinksOff{*this, explorer};
    toolbar_.Unload(true);
}
