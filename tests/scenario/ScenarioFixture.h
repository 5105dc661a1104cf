// Outlook with the add-in loaded, end to end: a model Outlook, the model
// Skype running with its sample users, and the add-in object driven through
// the entry the COM server calls. Tests act as Outlook and its user would
// and read what the user sees (the command bars as text, message boxes),
// what Skype received and what the settings hold.
#pragma once

#include <string>

#include "SkypeFixture.h"
#include "addin/GuardedExtensibility.h"
#include "model/outlook/ModelOutlook.h"

namespace scenario_test {

class ScenarioFixture : public skype_test::SkypeFixture {
  protected:
    ScenarioFixture();
    ~ScenarioFixture() override;

    // Outlook loads the add-in; Skype attaches while the clock runs.
    host::HResult Connect();
    host::HResult Disconnect();

    // "FirstRunImport" present, so that no offer of help gets in the way.
    void SkipFirstRun();
    // A contact in the Contacts folder; `skypeName` (when not empty) in its
    // "Skype Name" field.
    model::ModelContactItemPtr AddContact(const std::wstring& name, const std::wstring& skypeName,
                                          const std::wstring& mobile = L"");
    // The window's "tandrel" bar as text; "(none)" when there is none.
    std::string Toolbar(const model::ModelCommandBarsPtr& bars) const;
    // The text of the Skype combo and the SkypeOut combo of that bar.
    std::wstring SkypeText(const model::ModelCommandBarsPtr& bars) const;
    std::wstring SkypeOutText(const model::ModelCommandBarsPtr& bars) const;
    // The toolbar's combo box at `position` (1 Skype, 4 SkypeOut), or null.
    model::ModelCommandBarComboBoxPtr Combo(const model::ModelCommandBarsPtr& bars,
                                            int position) const;
    // Clicks the toolbar control at `position` (2 call, 3 chat, 5 SkypeOut).
    void ClickToolbar(const model::ModelCommandBarsPtr& bars, int position);
    // Skype's connection status as it tells the add-in.
    void SkypeStatus(const std::string& word);

    model::ModelOutlook outlook;
    addin::GuardedExtensibility entry;
};

}  // namespace scenario_test
