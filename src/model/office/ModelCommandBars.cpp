#include "model/office/ModelCommandBars.h"

#include <algorithm>

#include "model/office/ModelCollection.h"
#include "office/OfficeIds.h"

namespace model {

ModelCommandBar::ModelCommandBar(CallLog* log, const std::wstring& name, int position,
                                 bool temporary)
    : ModelObject("CommandBar", log),
      temporary_(temporary),
      controls_(new ModelCommandBarControls(log)) {
    Implements(office::kIID_CommandBar);
    DefineValue("Name", host::Variant::Bstr(name));
    DefineValue("Visible", host::Variant::Bool(false));
    DefineValue("Enabled", host::Variant::Bool(true));
    DefineValue("Position", host::Variant::I4(position));
    DefineValue("Left", host::Variant::I4(0));
    DefineValue("Top", host::Variant::I4(0));
    DefineValue("RowIndex", host::Variant::I4(1));
    DefineValue("Protection", host::Variant::I4(0));
    DefineProperty("Controls", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::Object(controls_);
        return host::hr::kOk;
    });
    DefineMethod("Delete", Params{0, 0},
                 [this](const std::vector<host::Variant>& args, host::Variant*) {
                     if (!args.empty()) return host::hr::kBadParamCount;
                     if (deleted_) return host::hr::kFail;
                     // Keep this bar alive until the call returns.
                     const ModelObjectPtr self = shared_from_this();
                     MarkDeleted();
                     if (boost::shared_ptr<ModelCommandBars> owner = owner_.lock()) {
                         owner->Remove(this);
                     }
                     return host::hr::kOk;
                 });
}

void ModelCommandBar::MarkDeleted() {
    deleted_ = true;
    controls_->MarkAllDeleted();
}

ModelCommandBars::ModelCommandBars(CallLog* log) : ModelObject("CommandBars", log), log_(log) {
    Implements(office::kIID_CommandBars);
    SourcesEvents(office::CommandBarsEvents::kDiid);
    DefineProperty("Count", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::I4(CountOf(bars_.size()));
        return host::hr::kOk;
    });
    // Item(index) 1-based, or Item(name).
    DefineIndexedProperty("Item", Params{1, 0},
                          [this](const std::vector<host::Variant>& args, host::Variant* result) {
                              if (args.size() != 1) return host::hr::kBadParamCount;
                              if (args[0].type() == host::VarType::Bstr) {
                                  ModelCommandBarPtr bar = FindBar(args[0].bstr());
                                  if (!bar) return host::hr::kInvalidArg;
                                  *result = host::Variant::Object(bar);
                                  return host::hr::kOk;
                              }
                              return ItemAt(bars_, args[0], result);
                          });
    // Add([Name], [Position], [MenuBar], [Temporary]). A name already in
    // use is refused, as Office refuses it.
    DefineMethod(
        "Add", Params{0, 4}, [this](const std::vector<host::Variant>& args, host::Variant* result) {
            if (args.size() > 4) return host::hr::kBadParamCount;
            std::wstring name = L"Custom " + std::to_wstring(bars_.size() + 1);
            if (!Omitted(args, 0)) {
                if (args[0].type() != host::VarType::Bstr) return host::hr::kTypeMismatch;
                name = args[0].bstr();
            }
            if (FindBar(name)) return host::hr::kInvalidArg;
            std::int32_t position = office::bar_position::kFloating;
            if (!Omitted(args, 1) && !args[1].ToInt32(&position)) return host::hr::kTypeMismatch;
            if (position < office::bar_position::kLeft || position > office::bar_position::kPopup) {
                return host::hr::kInvalidArg;
            }
            std::int32_t temporary = 0;
            if (!Omitted(args, 3) && !args[3].ToInt32(&temporary)) return host::hr::kTypeMismatch;
            ModelCommandBarPtr bar(new ModelCommandBar(log_, name, position, temporary != 0));
            bar->AttachTo(boost::static_pointer_cast<ModelCommandBars>(shared_from_this()));
            bars_.push_back(bar);
            if (onBarAdded) onBarAdded(bar);
            *result = host::Variant::Object(bar);
            return host::hr::kOk;
        });
}

boost::shared_ptr<ModelCommandBars> ModelCommandBars::Create(CallLog* log) {
    boost::shared_ptr<ModelCommandBars> bars(new ModelCommandBars(log));
    bars->AddBar(L"Menu Bar", office::bar_position::kTop);
    bars->AddBar(L"Standard", office::bar_position::kTop);
    return bars;
}

ModelCommandBarPtr ModelCommandBars::FindBar(const std::wstring& name) const {
    for (const ModelCommandBarPtr& bar : bars_) {
        if (bar->name() == name) return bar;
    }
    return ModelCommandBarPtr();
}

ModelCommandBarPtr ModelCommandBars::AddBar(const std::wstring& name, int position) {
    ModelCommandBarPtr bar(new ModelCommandBar(log_, name, position, false));
    bar->Write("Visible", host::Variant::Bool(true));
    bar->AttachTo(boost::static_pointer_cast<ModelCommandBars>(shared_from_this()));
    bars_.push_back(bar);
    return bar;
}

void ModelCommandBars::Remove(const ModelCommandBar* bar) {
    bars_.erase(std::remove_if(
                    bars_.begin(), bars_.end(),
                    [bar](const ModelCommandBarPtr& candidate) { return candidate.get() == bar; }),
                bars_.end());
}

const std::vector<ModelCommandBars::MenuEntry>& ModelCommandBars::DefaultContextMenu() {
    static const std::vector<MenuEntry> kEntries = {
        {L"&Open", false},          {L"&Print", false},   {L"&Reply", true},
        {L"Reply to &All", false},  {L"For&ward", false}, {L"Follow &Up", true},
        {L"Categor&ies...", false}, {L"&Delete", true},   {L"&Options...", true}};
    return kEntries;
}

ModelCommandBarPtr ModelCommandBars::RightClick() { return RightClick(DefaultContextMenu()); }

ModelCommandBarPtr ModelCommandBars::RightClick(const std::vector<MenuEntry>& entries) {
    CloseContextMenu();
    ModelCommandBarPtr menu = AddBar(office::kContextMenuName, office::bar_position::kPopup);
    menu->Write("Protection", host::Variant::I4(kContextMenuProtection));
    for (const MenuEntry& entry : entries) {
        ModelCommandBarControlPtr control(new ModelCommandBarButton(log_, true));
        control->Write("Caption", host::Variant::Bstr(entry.caption));
        control->Write("BeginGroup", host::Variant::Bool(entry.beginGroup));
        menu->controls()->Append(control);
    }
    FireOnUpdate();
    return menu;
}

void ModelCommandBars::CloseContextMenu() {
    ModelCommandBarPtr menu = FindBar(office::kContextMenuName);
    if (menu) {
        menu->MarkDeleted();
        Remove(menu.get());
    }
}

void ModelCommandBars::FireOnUpdate() {
    FireEvent(office::CommandBarsEvents::kDiid, office::CommandBarsEvents::kOnUpdate, {});
}

}  // namespace model
