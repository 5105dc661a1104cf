// CAboutDialog: the About box (dialog template 207): the artwork, the
// add-in's version and where to find help, on white. Enter, Escape and the
// close box end it.
#pragma once

#include <cstdint>

#include "platform/Ui.h"
#include "resources/DialogIds.h"

class CAboutDialog : public platform::DialogLogic {
  public:
    static constexpr int kTemplateId = ids::kAboutDialog;
    static constexpr int kVersionLine = ids::kAboutVersion;

    // Modal, owned by the thread's active window.
    std::intptr_t DoModal();

    void OnInitDialog(platform::DialogView& view) override;
    void OnCommand(platform::DialogView& view, int control, int notification) override;
    bool PaintsStaticsWhite() const override { return true; }
};
