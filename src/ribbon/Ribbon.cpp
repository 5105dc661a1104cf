#include "ribbon/Ribbon.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <utility>

#include "platform/Platform.h"
#include "resources/BitmapIds.h"
#include "ribbon/CustomUi.h"
#include "skype/Skype.h"
#include "util/CaughtExceptions.h"

namespace ribbon {

namespace {

bool Is(const Callback& callback, const char* name) {
    return std::strcmp(callback.name, name) == 0;
}

// Whether `value` is something a parameter of that kind takes.
bool Takes(Argument kind, const host::Variant& value) {
    switch (kind) {
        case Argument::kObject:
            // A null control is taken (and answered with the safe default).
            return value.type() == host::VarType::Dispatch || value.isEmpty() ||
                   value.type() == host::VarType::Null;
        case Argument::kText:
            return value.type() == host::VarType::Bstr;
        case Argument::kIndex:
            return value.type() == host::VarType::I4 || value.type() == host::VarType::I2;
    }
    return false;
}

host::Variant SafeAnswer(Answer answer) {
    switch (answer) {
        case Answer::kText:
            return host::Variant::Bstr(std::wstring());
        case Answer::kFlag:
            return host::Variant::Bool(false);
        case Answer::kCount:
            return host::Variant::I4(0);
        default:
            return host::Variant();
    }
}

int KindIndex(offer::WindowKind kind) { return static_cast<int>(kind); }

// Our own pictures for the faces the command bars show with Office's.
int PictureOfFace(int face) {
    switch (face) {
        case offer::kCallFace:
            return ids::kCallFace;
        case offer::kChatFace:
            return ids::kChatFace;
        default:
            return 0;
    }
}

}  // namespace

CRibbon::CRibbon(Windows& windows) : windows_(windows) {}

std::wstring CRibbon::GetCustomUI(const std::wstring& ribbonId) { return CustomUi(ribbonId); }

host::HResult CRibbon::GetIdOfName(const std::wstring& name, host::DispId* id) {
    const Callback* callback = FindCallback(name);
    if (!callback) {
        return host::hr::kUnknownName;
    }
    *id = callback->dispid;
    return host::hr::kOk;
}

host::HResult CRibbon::Invoke(host::DispId id, const std::vector<host::Variant>& args,
                              host::Variant* result) {
    const Callback* callback = FindCallback(id);
    if (!callback) {
        return host::hr::kMemberNotFound;
    }
    if (args.size() != callback->argumentCount) {
        return host::hr::kBadParamCount;
    }
    for (std::size_t index = 0; index < args.size(); ++index) {
        if (!Takes(callback->arguments[index], args[index])) {
            return host::hr::kTypeMismatch;
        }
    }
    host::Variant answer;
    try {
        answer = Run(*callback, args);
    } catch (...) {
        caught::Record(callback->name);  // Office must never see it
        answer = SafeAnswer(callback->answer);
    }
    if (result) {
        *result = answer;
    }
    return host::hr::kOk;
}

host::Variant CRibbon::Run(const Callback& callback, const std::vector<host::Variant>& args) {
    const offer::WindowKind loads[] = {offer::WindowKind::kFolder, offer::WindowKind::kContact,
                                       offer::WindowKind::kMail};
    const char* const loadNames[] = {callback::kExplorerLoad, callback::kContactLoad,
                                     callback::kMailReadLoad};
    for (int index = 0; index < 3; ++index) {
        if (Is(callback, loadNames[index])) {
            ui_[KindIndex(loads[index])] = args[0].object();
            return host::Variant();
        }
    }

    Control control;
    if (!Find(args[0], &control)) {
        return SafeAnswer(callback.answer);
    }
    offer::BoxKind kind = offer::BoxKind::kSkype;
    const offer::Box* box = BoxKindOf(control.id, &kind) ? &control.offer->GetBox(kind) : nullptr;
    const offer::MenuItem* entry = EntryOf(control);
    if (Is(callback, callback::kGetText)) {
        return host::Variant::Bstr(box ? control.offer->ShownText(kind) : std::wstring());
    }
    if (Is(callback, callback::kGetItemCount)) {
        const std::size_t count = box ? box->list->size() : 0;
        const std::size_t most = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
        return host::Variant::I4(static_cast<std::int32_t>(count < most ? count : most));
    }
    if (Is(callback, callback::kGetItemLabel)) {
        std::int32_t index = -1;
        args[1].ToInt32(&index);
        const bool listed =
            box && index >= 0 && static_cast<std::size_t>(index) < box->list->size();
        return host::Variant::Bstr(listed ? (*box->list)[index].text : std::wstring());
    }
    if (Is(callback, callback::kOnChange)) {
        if (box) {
            control.offer->Type(kind, args[1].ToText());
        }
        return host::Variant();
    }
    if (Is(callback, callback::kOnAction)) {
        Act(control);
        return host::Variant();
    }
    if (Is(callback, callback::kGetImage)) {
        return Picture(control);
    }
    if (Is(callback, callback::kGetLabel)) {
        return host::Variant::Bstr(entry ? entry->label : std::wstring());
    }
    if (Is(callback, callback::kGetVisible)) {
        return host::Variant::Bool(entry != nullptr);
    }
    if (Is(callback, callback::kGetEnabled)) {
        const boost::shared_ptr<CSkype>& skype = control.offer->GetSkype();
        return host::Variant::Bool(entry && entry->Enabled(skype && skype->MayPlaceCalls()));
    }
    return SafeAnswer(callback.answer);
}

bool CRibbon::Find(const host::Variant& argument, Control* control) {
    const host::DispatchPtr object = argument.object();
    if (!object) {
        return false;
    }
    if (!ParseId(object->Get("Id").ToText(), &control->id)) {
        return false;
    }
    const host::DispatchPtr context = object->Get("Context").object();
    if (!context) {
        return false;
    }
    control->offer = FindWindow(context, WindowOf(control->id.place));
    return static_cast<bool>(control->offer);
}

boost::shared_ptr<offer::CWindowOffer> CRibbon::FindWindow(const host::DispatchPtr& context,
                                                           offer::WindowKind kind) {
    if (boost::shared_ptr<offer::CWindowOffer> found =
            windows_.FindOffer(context->Identity(), kind)) {
        return found;
    }
    if (kind != offer::WindowKind::kFolder) {
        return boost::shared_ptr<offer::CWindowOffer>();
    }
    // An item context menu names the Explorer's Selection. Office asks every
    // entry's callbacks about the same one: its Explorer is looked up once.
    if (lastSelection_ && lastSelection_->Identity() == context->Identity()) {
        return lastSelectionWindow_.lock();
    }
    const host::DispatchPtr parent = context->Get("Parent").object();
    boost::shared_ptr<offer::CWindowOffer> found =
        parent ? windows_.FindOffer(parent->Identity(), kind)
               : boost::shared_ptr<offer::CWindowOffer>();
    lastSelection_ = context;
    lastSelectionWindow_ = found;
    return found;
}

const offer::MenuItem* CRibbon::EntryOf(const Control& control) {
    if (control.id.part != Part::kEntry) {
        return nullptr;
    }
    // Office asks the entries each time the menu opens: the first ask
    // completes a mail's menu with its conference entries.
    const offer::Menu& menu = control.offer->OpenMenu();
    const std::size_t index = static_cast<std::size_t>(control.id.number - 1);
    if (menu.selection != SelectionOf(control.id.place) || index >= menu.items.size()) {
        return nullptr;
    }
    return &menu.items[index];
}

bool CRibbon::BoxKindOf(const ControlId& id, offer::BoxKind* kind) {
    if (id.part != Part::kSkypeBox && id.part != Part::kSkypeOutBox) {
        return false;
    }
    *kind = id.part == Part::kSkypeBox ? offer::BoxKind::kSkype : offer::BoxKind::kSkypeOut;
    return true;
}

host::Variant CRibbon::Picture(const Control& control) const {
    int picture = 0;
    switch (control.id.part) {
        case Part::kCall:
            picture = ids::kCallFace;
            break;
        case Part::kChat:
            picture = ids::kChatFace;
            break;
        case Part::kSkypeOut:
            picture = ids::kSkypeOutFace;
            break;
        case Part::kEntry:
            if (const offer::MenuItem* entry = EntryOf(control))
                picture = PictureOfFace(entry->face);
            break;
        default:
            break;
    }
    if (picture == 0) {
        return host::Variant();
    }
    const host::DispatchPtr loaded = platform::pictures().LoadBitmapPicture(picture);
    return loaded ? host::Variant::Object(loaded) : host::Variant();
}

void CRibbon::Act(const Control& control) {
    // Held through the click: its message boxes let Skype's messages and
    // Outlook's events in, which may change or close the window.
    const boost::shared_ptr<offer::CWindowOffer> offer = control.offer;
    const boost::shared_ptr<CSkype> skype = offer->GetSkype();
    if (const offer::MenuItem* entry = EntryOf(control)) {
        if (!entry->Enabled(skype && skype->MayPlaceCalls())) {
            return;  // Office clicks no disabled entry
        }
        const offer::MenuItem chosen = *entry;
        offer::Run(chosen.action, chosen.target, skype.get());
        return;
    }
    offer::Action action;
    if (!ActionOf(control.id.part, &action)) {
        return;
    }
    std::wstring target;
    if (action == offer::Action::kCall || action == offer::Action::kChat) {
        target = offer->Target(offer::BoxKind::kSkype);
    } else if (action == offer::Action::kSkypeOut) {
        target = offer->Target(offer::BoxKind::kSkypeOut);
    }
    offer::Run(action, target, skype.get());
}

void CRibbon::OfferChanged(offer::WindowKind kind, unsigned parts) {
    const host::DispatchPtr ui = ui_[KindIndex(kind)];
    if (!ui) {
        return;  // Office has not shown that ribbon
    }
    const Place folder[] = {Place::kMailTab, Place::kContactsTab};
    const Place contact[] = {Place::kContactTab};
    const Place mail[] = {Place::kReadMessageTab};
    const Place* begin = kind == offer::WindowKind::kFolder    ? folder
                         : kind == offer::WindowKind::kContact ? contact
                                                               : mail;
    const Place* end = kind == offer::WindowKind::kFolder ? folder + 2 : begin + 1;
    for (const Place* place = begin; place != end; ++place) {
        for (const auto& box :
             {std::make_pair(offer::CWindowOffer::kSkypeBox, Part::kSkypeBox),
              std::make_pair(offer::CWindowOffer::kSkypeOutBox, Part::kSkypeOutBox)}) {
            if (parts & box.first) {
                host::Variant ignored;
                ui->Call("InvalidateControl",
                         {host::Variant::Bstr(IdOf(ControlId{*place, box.second}))}, &ignored);
            }
        }
    }
}

void CRibbon::Close() {
    for (host::DispatchPtr& ui : ui_) ui.reset();
    lastSelection_.reset();
    lastSelectionWindow_.reset();
}

}  // namespace ribbon
