// COptionsDialog: the options page (dialog template 109). It shows and edits
// the default country ("CountryCode", "AutoPrefix"), the add-in's switches
// ("SkypeName", "Bypass", "ScreenPop", "ClassicToolbar") and the way calls
// are placed ("CallVia"); OK writes them, Cancel writes nothing.
#pragma once

#include <cstdint>

#include "platform/Ui.h"
#include "resources/DialogIds.h"

class COptionsDialog : public platform::DialogLogic {
  public:
    static constexpr int kTemplateId = ids::kOptionsDialog;
    // Controls of the template.
    static constexpr int kCountryList = ids::kCountryList;
    static constexpr int kAlwaysUse = ids::kCountryAlwaysUse;
    static constexpr int kAlwaysUseLabel = ids::kCountryAlwaysUseLabel;
    static constexpr int kSkypeName = ids::kOptionsSkypeName;
    static constexpr int kBypass = ids::kOptionsBypass;
    static constexpr int kScreenPop = ids::kOptionsScreenPop;
    static constexpr int kClassicToolbar = ids::kOptionsClassicToolbar;
    static constexpr int kCallVia = ids::kOptionsCallVia;
    static constexpr int kOk = ids::kOkButton;
    static constexpr int kCancel = ids::kCancelButton;

    // Modal, owned by the thread's active window: 1 (OK) or 2 (Cancel); -1
    // when the dialog cannot be shown.
    std::intptr_t DoModal();

    void OnInitDialog(platform::DialogView& view) override;
    void OnCommand(platform::DialogView& view, int control, int notification) override;

  private:
    // "Always use" and its label become usable.
    static void EnableAlwaysUse(platform::DialogView& view);
    static void Accept(platform::DialogView& view);
};
