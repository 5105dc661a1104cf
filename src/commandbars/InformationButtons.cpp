#include "commandbars/InformationButtons.h"

#include "commands/InformationCommands.h"

void CHelpButton::OnClick() { commands::Help(); }

void COptionsButton::OnClick() { commands::Options(); }

void CUpdateButton::OnClick() { commands::CheckForUpdate(); }

void CContactUsButton::OnClick() { commands::ContactUs(); }

void CAboutButton::OnClick() { commands::About(); }

void CBuySkypeOutButton::OnClick() { commands::BuySkypeOutCredit(); }
