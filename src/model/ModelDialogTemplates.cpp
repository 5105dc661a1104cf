// The model's description of the module's dialog templates: the same
// controls, identifiers, kinds, texts and initial states as tandrel.rc.
#include "model/ModelUi.h"
#include "resources/DialogIds.h"
#include "resources/DialogTexts.h"

namespace model {

namespace {

DialogTemplate CountryDialog() {
    using Kind = ControlTemplate::Kind;
    DialogTemplate dialog;
    dialog.title = TANDREL_COUNTRY_TITLE;
    dialog.width = 279;
    dialog.height = 139;
    dialog.controls = {
        {TANDREL_IDC_NONE, Kind::Group, TANDREL_COUNTRY_GROUP, true},
        {TANDREL_IDC_NONE, Kind::Static, TANDREL_COUNTRY_EXPLANATION, true},
        {TANDREL_IDC_NONE, Kind::Static, TANDREL_COUNTRY_PROMPT, true},
        {ids::kCountryList, Kind::SortedDropDownList, "", true},
        {ids::kCountryAlwaysUse, Kind::CheckBox, "", false},
        {ids::kCountryAlwaysUseLabel, Kind::Static, TANDREL_COUNTRY_ALWAYS_USE_LABEL, false},
        {ids::kOkButton, Kind::DefaultButton, TANDREL_COUNTRY_OK, false},
        {ids::kCancelButton, Kind::Button, TANDREL_COUNTRY_CANCEL, true},
    };
    return dialog;
}

}  // namespace

void RegisterModuleDialogTemplates(ModelUi* ui) {
    ui->RegisterTemplate(ids::kCountryDialog, CountryDialog());
}

}  // namespace model
