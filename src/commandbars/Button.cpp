#include "commandbars/Button.h"

#include "office/OfficeIds.h"
#include "platform/Platform.h"
#include "util/Trace.h"
#include "util/UniqueId.h"

const host::SinkTable& CButton::Sinks() {
    static const host::SinkTable table = {
        host::Row<CButton, &CButton::OnClickEvent>(kButtonClickSink,
                                                   office::CommandBarButtonEvents::kDiid,
                                                   office::CommandBarButtonEvents::kClick),
    };
    return table;
}

CButton::CButton() : uniqueId_(NewUniqueId()) {}

CButton::~CButton() = default;

std::wstring CButton::GetTag() {
    TANDREL_TRACE("CButton::GetTag");
    if (!control_) {
        return std::wstring();
    }
    std::wstring tag = control_.Tag();
    if (tag.size() < uniqueId_.size()) {
        return std::wstring();
    }
    tag.resize(tag.size() - uniqueId_.size());
    return tag;
}

void CButton::SetTag(const std::wstring& tag) {
    TANDREL_TRACE("CButton::SetTag");
    if (!control_) {
        return;
    }
    // The id is hexadecimal digits only: the same in every code page.
    control_.SetTag(tag + std::wstring(uniqueId_.begin(), uniqueId_.end()));
}

void CButton::SetTooltip(const std::wstring& text) {
    TANDREL_TRACE("CButton::SetTooltip");
    if (control_) {
        control_.SetTooltipText(text);
    }
}

void CButton::SetLabel(const std::wstring& label, int face) {
    TANDREL_TRACE("CButton::SetLabel");
    if (!control_) {
        return;
    }
    const bool hasFace = face != kNoFace;
    if (!label.empty() && hasFace) {
        control_.SetStyle(office::button_style::kIconAndCaption);
        control_.SetCaption(label);
        control_.SetFaceId(face);
    } else if (label.empty() && hasFace) {
        control_.SetStyle(office::button_style::kIcon);
        control_.SetFaceId(face);
    } else {
        control_.SetStyle(office::button_style::kCaption);
        control_.SetCaption(label);
    }
}

void CButton::BeginGroup(bool beginGroup) {
    TANDREL_TRACE("CButton::BeginGroup");
    if (control_) {
        control_.SetBeginGroup(beginGroup);
    }
}

void CButton::Enable(bool enabled) {
    TANDREL_TRACE("CButton::Enable");
    if (control_) {
        control_.SetEnabled(enabled);
    }
}

void CButton::Show(bool visible) {
    TANDREL_TRACE("CButton::Show");
    if (control_) {
        control_.SetVisible(visible);
    }
}

void CButton::SetImage(std::uint16_t face, std::uint16_t mask) {
    TANDREL_TRACE("CButton::SetImage");
    if (!control_) {
        return;
    }
    platform::Pictures& pictures = platform::pictures();
    control_.SetPicture(pictures.LoadBitmapPicture(face));
    control_.SetMask(pictures.LoadBitmapPicture(mask));
}

void CButton::Load(const office::CommandBarControls& controls, const host::Variant& before) {
    TANDREL_TRACE("CButton::Load");
    if (control_) {
        return;
    }
    control_ = office::CommandBarButton(
        controls.Add(office::control_type::kButton, before, false).object());
    if (!control_) {
        return;
    }
    AdviseClick();
    Show(true);
}

void CButton::Unload() {
    TANDREL_TRACE("CButton::Unload");
    if (!control_) {
        return;
    }
    UnadviseClick();
    control_.Delete();
    control_ = office::CommandBarButton();
}

void CButton::AdviseClick() {
    TANDREL_TRACE("CButton::AdviseClick");
    if (control_) {
        Advise(control_);
    }
}

void CButton::UnadviseClick() {
    TANDREL_TRACE("CButton::UnadviseClick");
    if (control_) {
        Unadvise(control_);
    }
}

void CButton::OnClickEvent(const host::DispatchPtr*, std::int16_t*) {
    // Empty for a button that is a member of its owner (the toolbar's).
    const boost::shared_ptr<CButton> keepAlive = weak_from_this().lock();
    OnClick();
}
