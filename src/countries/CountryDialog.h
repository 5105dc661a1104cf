// CCountryDialog: the country chooser (dialog template 220), shown when a
// telephone number carries no country code. The user picks a country from
// the system's telephony country list and may tick "Always use this
// choice". OK writes "CountryCode" (the chosen country's dialling code) and
// "AutoPrefix" (the tick) to the settings; Cancel writes nothing.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Ui.h"
#include "resources/DialogIds.h"

class CCountryDialog : public platform::DialogLogic {
  public:
    static constexpr int kTemplateId = ids::kCountryDialog;
    // Controls of the template.
    static constexpr int kCountryList = ids::kCountryList;
    static constexpr int kAlwaysUse = ids::kCountryAlwaysUse;
    static constexpr int kAlwaysUseLabel = ids::kCountryAlwaysUseLabel;
    static constexpr int kOk = ids::kOkButton;
    static constexpr int kCancel = ids::kCancelButton;

    // `number`: the number being converted (not shown).
    explicit CCountryDialog(const std::wstring& number);

    // Modal, owned by the thread's active window: 1 (OK) or 2 (Cancel); -1
    // when the dialog cannot be shown.
    std::intptr_t DoModal();

    void OnInitDialog(platform::DialogView& view) override;
    void OnCommand(platform::DialogView& view, int control, int notification) override;

  private:
    // OK, the check box and its label become usable.
    static void EnableChoice(platform::DialogView& view);
    static void Accept(platform::DialogView& view);

    const std::wstring number_;
};
