#include "commandbars/SkypeButtons.h"

#include <utility>

#include <boost/make_shared.hpp>

CSkypeTargetButton::CSkypeTargetButton(const boost::shared_ptr<CSkype>& skype, offer::Action action)
    : skype_(skype), action_(action) {}

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
    return offer::ResolveTarget(combo_.Text(), textEntries_, listEntries_.get(),
                                action_ == offer::Action::kSkypeOut);
}

void CSkypeTargetButton::OnClick() { offer::Run(action_, GetTarget(), skype_.get()); }

CSkypeButton::CSkypeButton(const boost::shared_ptr<CSkype>& skype)
    : CSkypeTargetButton(skype, offer::Action::kCall) {}

CSkypeIMButton::CSkypeIMButton(const boost::shared_ptr<CSkype>& skype)
    : CSkypeTargetButton(skype, offer::Action::kChat) {}

CSkypeOutButton::CSkypeOutButton(const boost::shared_ptr<CSkype>& skype)
    : CSkypeTargetButton(skype, offer::Action::kSkypeOut) {}
