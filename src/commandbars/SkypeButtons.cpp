#include "commandbars/SkypeButtons.h"

#include "commandbars/SkypeTarget.h"
#include "skype/Skype.h"

CSkypeTargetButton::CSkypeTargetButton(const boost::shared_ptr<CSkype>& skype, bool numberTarget)
    : skype_(skype), numberTarget_(numberTarget) {}

std::wstring CSkypeTargetButton::GetTarget() {
    if (!combo_) {
        return GetTag();
    }
    const std::wstring text = combo_.Text();
    for (const ComboEntry& entry : entries_) {
        if (entry.first == text) {
            return entry.second;
        }
    }
    return CutBeforeRemark(numberTarget_ ? AfterLabel(text) : text);
}

CSkypeButton::CSkypeButton(const boost::shared_ptr<CSkype>& skype)
    : CSkypeTargetButton(skype, false) {}

void CSkypeButton::OnClick() { skype().SkypeIPCall(GetTarget()); }

CSkypeIMButton::CSkypeIMButton(const boost::shared_ptr<CSkype>& skype)
    : CSkypeTargetButton(skype, false) {}

void CSkypeIMButton::OnClick() { skype().SkypeIMChat(GetTarget()); }

CSkypeOutButton::CSkypeOutButton(const boost::shared_ptr<CSkype>& skype)
    : CSkypeTargetButton(skype, true) {}

void CSkypeOutButton::OnClick() { skype().SkypeOut(GetTarget()); }
