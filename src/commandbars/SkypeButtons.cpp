#include "commandbars/SkypeButtons.h"

#include <utility>

#include <boost/make_shared.hpp>

#include "commandbars/SkypeTarget.h"
#include "skype/Skype.h"

CSkypeTargetButton::CSkypeTargetButton(const boost::shared_ptr<CSkype>& skype, bool numberTarget)
    : skype_(skype), numberTarget_(numberTarget) {}

void CSkypeTargetButton::SetComboEntries(const boost::shared_ptr<const ComboEntries>& entries) {
    listEntries_ = entries;
    textEntries_.clear();
}

void CSkypeTargetButton::SetComboEntries(ComboEntries entries) {
    SetComboEntries(boost::make_shared<const ComboEntries>(std::move(entries)));
}

std::wstring CSkypeTargetButton::GetTarget() {
    if (!combo_) {
        return GetTag();
    }
    const std::wstring text = combo_.Text();
    for (auto entry = textEntries_.rbegin(); entry != textEntries_.rend(); ++entry) {
        if (entry->first == text) {
            return entry->second;
        }
    }
    if (listEntries_) {
        for (const ComboEntry& entry : *listEntries_) {
            if (entry.first == text) {
                return entry.second;
            }
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
