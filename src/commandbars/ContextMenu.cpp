#include "commandbars/ContextMenu.h"

#include "office/OfficeIds.h"
#include "skype/Skype.h"

const host::SinkTable& CContextMenu::Sinks() {
    static const host::SinkTable table = {
        host::Row<CContextMenu, &CContextMenu::OnUpdate>(kContextMenuUpdateSink,
                                                         office::CommandBarsEvents::kDiid,
                                                         office::CommandBarsEvents::kOnUpdate),
    };
    return table;
}

CContextMenu::CContextMenu(const outlook::Explorer& explorer,
                           const outlook::Application& application,
                           const boost::shared_ptr<CSkype>& skype)
    : explorer_(explorer), application_(application), skype_(skype) {}

CContextMenu::~CContextMenu() = default;

void CContextMenu::SetContact(const CContactPtr& contact) {
    DropButtons();
    currentContact_ = contact;
    currentMail_.reset();
}

void CContextMenu::SetMail(const CMailPtr& mail) {
    DropButtons();
    currentContact_.reset();
    currentMail_ = mail;
}

void CContextMenu::Reset() {
    DropButtons();
    currentContact_.reset();
    currentMail_.reset();
}

void CContextMenu::Unload() { DropButtons(); }

void CContextMenu::OnUpdate() {}

void CContextMenu::OnChangeConnectionStatus(ConnectionStatus status) {
    for (const auto& button : std::vector<boost::shared_ptr<CSkypeTargetButton>>(buttons_)) {
        button->Enable(status == kConnectionOnline);
    }
}

void CContextMenu::DropButtons() { buttons_.clear(); }
