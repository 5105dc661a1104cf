#include "commandbars/InformationButtons.h"

#include "offer/Actions.h"

void CHelpButton::OnClick() { offer::Run(offer::Action::kHelp, std::wstring(), nullptr); }

void COptionsButton::OnClick() { offer::Run(offer::Action::kOptions, std::wstring(), nullptr); }

void CUpdateButton::OnClick() {
    offer::Run(offer::Action::kCheckForUpdate, std::wstring(), nullptr);
}

void CContactUsButton::OnClick() { offer::Run(offer::Action::kContactUs, std::wstring(), nullptr); }

void CAboutButton::OnClick() { offer::Run(offer::Action::kAbout, std::wstring(), nullptr); }

void CBuySkypeOutButton::OnClick() {
    offer::Run(offer::Action::kBuyCredit, std::wstring(), nullptr);
}
