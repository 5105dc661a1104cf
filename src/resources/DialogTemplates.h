// The module's dialog templates as a C++ table, expanded from dialogs.inc:
// what the model shows as dialogs and what the tests compare the compiled
// templates with. One row opens each dialog, one row per control follows,
// and an end row closes it.
#pragma once

#include "resources/BitmapIds.h"
#include "resources/DialogIds.h"
#include "resources/DialogTexts.h"

namespace ids {

// Modal and CentredModal: caption and system menu, for ShowDialog. Notice:
// the same frame, kept above other windows, never activated, without a
// task bar button, for ShowModeless.
enum class DialogStyle { Modal, CentredModal, Notice };
enum class ControlKind {
    Static,
    CentredStatic,
    Group,
    Picture,
    Button,
    DefaultButton,
    CheckBox,
    DropDownList,
    SortedDropDownList
};
enum class ControlState { Enabled, Disabled };

struct TemplateRow {
    enum class Row { Dialog, Control, End };
    Row row;
    int id;  // the dialog's or the control's; -1 for a control without one
    ControlKind kind;
    DialogStyle style;  // dialog rows
    const char* text;   // the dialog's title or the control's text
    int bitmap;         // picture controls
    int x, y, width, height;
    ControlState state;
};

// clang-format off
inline constexpr TemplateRow kTemplateRows[] = {
#define TANDREL_DIALOG(id, width, height, style, title) \
    {TemplateRow::Row::Dialog, id, ControlKind::Static, DialogStyle::style, title, 0, \
     0, 0, width, height, ControlState::Enabled},
#define TANDREL_CONTROL(kind, id, text, x, y, width, height, state) \
    {TemplateRow::Row::Control, id, ControlKind::kind, DialogStyle::Modal, text, 0, \
     x, y, width, height, ControlState::state},
#define TANDREL_PICTURE(id, bitmap, x, y, width, height) \
    {TemplateRow::Row::Control, id, ControlKind::Picture, DialogStyle::Modal, "", bitmap, \
     x, y, width, height, ControlState::Enabled},
#define TANDREL_DIALOG_END() \
    {TemplateRow::Row::End, 0, ControlKind::Static, DialogStyle::Modal, "", 0, \
     0, 0, 0, 0, ControlState::Enabled},
#include "resources/dialogs.inc"
#undef TANDREL_DIALOG
#undef TANDREL_CONTROL
#undef TANDREL_PICTURE
#undef TANDREL_DIALOG_END
};
// clang-format on

}  // namespace ids
