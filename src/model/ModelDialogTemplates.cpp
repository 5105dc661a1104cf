// The model's copy of the module's dialog templates, built from the same
// description as tandrel.rc (resources/dialogs.inc).
#include "model/ModelUi.h"
#include "resources/DialogTemplates.h"

namespace model {

std::map<int, DialogTemplate> ModuleDialogTemplates() {
    using Row = ids::TemplateRow::Row;
    std::map<int, DialogTemplate> templates;
    int dialogId = 0;
    DialogTemplate dialog;
    for (const ids::TemplateRow& row : ids::kTemplateRows) {
        switch (row.row) {
            case Row::Dialog:
                dialogId = row.id;
                dialog = DialogTemplate();
                dialog.title = row.text;
                dialog.width = row.width;
                dialog.height = row.height;
                dialog.centred = row.style == ids::DialogStyle::CentredModal;
                break;
            case Row::Control: {
                ControlTemplate control{row.id, row.kind, row.text,
                                        row.state == ids::ControlState::Enabled};
                control.x = row.x;
                control.y = row.y;
                control.width = row.width;
                control.height = row.height;
                control.bitmap = row.bitmap;
                dialog.controls.push_back(control);
                break;
            }
            case Row::End:
                templates[dialogId] = dialog;
                break;
        }
    }
    return templates;
}

void RegisterModuleDialogTemplates(ModelUi* ui) {
    for (const auto& each : ModuleDialogTemplates()) ui->RegisterTemplate(each.first, each.second);
}

}  // namespace model
