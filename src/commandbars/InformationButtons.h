// The six button kinds that live only on the add-in's toolbar and its Help
// popup. Each carries nothing beyond CButton; its click runs one of the
// information commands (offer/Actions.h). Their operations are CButton's
// and are traced as CButton's are.
#pragma once

#include "commandbars/Button.h"

// Opens the help file at its start page.
class CHelpButton : public CButton {
  protected:
    void OnClick() override;
};

// Opens the options page.
class COptionsButton : public CButton {
  protected:
    void OnClick() override;
};

// Runs the update check.
class CUpdateButton : public CButton {
  protected:
    void OnClick() override;
};

// Opens a new e-mail to the support address.
class CContactUsButton : public CButton {
  protected:
    void OnClick() override;
};

// Shows the About box.
class CAboutButton : public CButton {
  protected:
    void OnClick() override;
};

// Opens the web page where SkypeOut credit is bought.
class CBuySkypeOutButton : public CButton {
  protected:
    void OnClick() override;
};
