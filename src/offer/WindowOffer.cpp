#include "offer/WindowOffer.h"

#include <utility>

#include <boost/make_shared.hpp>

#include "resources/StringIds.h"
#include "skype/Skype.h"
#include "skype/SkypeBuddy.h"
#include "util/Text.h"

namespace offer {

namespace {

const EntriesPtr& NoEntries() {
    static const EntriesPtr none = boost::make_shared<const Entries>();
    return none;
}

bool SameBox(const Box& a, const Box& b) {
    return a.list == b.list && a.text == b.text && a.target == b.target && a.chosen == b.chosen;
}

}  // namespace

CWindowOffer::CWindowOffer(const boost::shared_ptr<CSkype>& skype) : skype_(skype) {
    const unsigned prompts[2] = {ids::kPromptSkypeName, ids::kPromptPhoneNumber};
    for (int kind = 0; kind < 2; ++kind) {
        boxes_[kind].list = NoEntries();
        boxes_[kind].prompt = text::LoadWideString(prompts[kind]);
        boxes_[kind].text = boxes_[kind].prompt;
    }
}

CWindowOffer::Boxes CWindowOffer::ResetBoxes() {
    // No list yet: ask for one, unless one is on its way (the handshake's,
    // while Skype's ONLINE has every window reset). It may come inside.
    if (skype_->IsBuddyListEmpty() && !skype_->IsBuddyListLoading()) {
        skype_->LoadBuddyList();
    }
    const std::uint64_t changes = skype_->GetBuddyListChanges();
    if (!buddyEntries_ || changes != buddyEntriesChanges_) {
        // 10,000 buddies are as many entries: a list that shows the same is
        // kept, so the surfaces that filled themselves from it need not fill
        // again.
        const boost::shared_ptr<Entries> entries = boost::make_shared<Entries>();
        const std::vector<CSkypeBuddyPtr> buddies = skype_->GetBuddyList();
        entries->reserve(buddies.size());
        for (const CSkypeBuddyPtr& buddy : buddies) {
            entries->push_back(Entry{buddy->GetDisplayName(), buddy->GetHandle()});
        }
        buddyEntries_ = entries;
        buddyEntriesChanges_ = changes;
    }
    Boxes boxes;
    for (int kind = 0; kind < 2; ++kind) {
        Box& box = boxes.box[kind];
        box.prompt = boxes_[kind].prompt;
        box.text = box.prompt;
        box.list = NoEntries();
    }
    boxes.box[static_cast<int>(BoxKind::kSkype)].list = buddyEntries_;
    return boxes;
}

void CWindowOffer::Fill(Boxes& boxes, const CContact& contact) {
    Box& numbers = boxes.box[static_cast<int>(BoxKind::kSkypeOut)];
    const std::vector<CContact::Telephone>& telephones = contact.GetTelephones();
    if (!telephones.empty()) {
        const boost::shared_ptr<Entries> entries = boost::make_shared<Entries>();
        for (const CContact::Telephone& telephone : telephones) {
            entries->push_back(
                Entry{telephone.first + telephone.second + L" (" + contact.GetName() + L")",
                      telephone.second});
        }
        numbers.list = entries;
        numbers.chosen = 0;
        numbers.text = entries->front().text;
        numbers.target = entries->front().target;
    }

    Box& names = boxes.box[static_cast<int>(BoxKind::kSkype)];
    const std::wstring& skypeName = contact.GetSkypeName();
    if (!skypeName.empty()) {
        ShowSkypeName(names, skypeName, skype_->FindBuddy(skypeName));
        return;
    }
    if (const CSkypeBuddyPtr buddy = skype_->FindBuddy(contact)) {
        ShowSkypeName(names, buddy->GetHandle(), buddy);
    }
}

void CWindowOffer::ShowSkypeName(Box& box, const std::wstring& skypeName,
                                 const boost::shared_ptr<CSkypeBuddy>& buddy) {
    box.text = buddy ? buddy->GetDisplayName() : skypeName;
    box.target = skypeName;
    box.chosen = -1;
}

void CWindowOffer::ItemChange() {
    if (!showsBoxes_) {
        Commit(nullptr, Menu());
        return;
    }
    const Boxes boxes = ResetBoxes();
    Commit(&boxes, Menu());
}

void CWindowOffer::ItemChange(const CContactPtr& contact) {
    if (!contact) {
        ItemChange();
        return;
    }
    Menu menu = ContactMenu(*contact);
    if (!showsBoxes_) {
        Commit(nullptr, std::move(menu));
        return;
    }
    Boxes boxes = ResetBoxes();
    Fill(boxes, *contact);
    Commit(&boxes, std::move(menu));
}

void CWindowOffer::ItemChange(const CMailPtr& mail) {
    if (!mail) {
        ItemChange();
        return;
    }
    Menu menu = MailMenu(mail);
    if (!showsBoxes_) {
        Commit(nullptr, std::move(menu));
        return;
    }
    const std::vector<std::wstring>& names = mail->GetSkypeNames();
    for (const std::wstring& name : names) {
        skype_->AddBuddy(name, false);
        if (const CSkypeBuddyPtr buddy = skype_->FindBuddy(name)) {
            buddy->Refresh();
        }
    }
    Boxes boxes = ResetBoxes();
    const CContactPtr& sender = mail->GetSender();
    if (sender) {
        Fill(boxes, *sender);
        if (sender->GetSkypeName().empty() && !names.empty()) {
            ShowSkypeName(boxes.box[static_cast<int>(BoxKind::kSkype)], names.front(),
                          skype_->FindBuddy(names.front()));
        }
    }
    Commit(&boxes, std::move(menu));
}

void CWindowOffer::ItemChange(const std::vector<CContactPtr>& contacts) {
    Menu menu = ContactsMenu(contacts);
    const unsigned parts = menu != menu_ ? kMenu : 0u;
    menu_ = std::move(menu);
    if (parts && listener_) listener_(parts);
}

void CWindowOffer::Commit(const Boxes* boxes, Menu menu) {
    unsigned parts = 0;
    for (int kind = 0; kind < 2; ++kind) {
        const unsigned part = kind == 0 ? kSkypeBox : kSkypeOutBox;
        if (boxes && !SameBox(boxes->box[kind], boxes_[kind])) {
            boxes_[kind] = boxes->box[kind];
            parts |= part;
        }
        // A new item shows its own text, whatever was typed over the last.
        if (typedSet_[kind]) {
            typedSet_[kind] = false;
            typed_[kind].clear();
            parts |= part;
        }
    }
    if (menu != menu_) {
        menu_ = std::move(menu);
        parts |= kMenu;
    }
    if (parts && listener_) listener_(parts);
}

const Menu& CWindowOffer::OpenMenu() {
    Open(menu_);
    return menu_;
}

void CWindowOffer::Type(BoxKind kind, const std::wstring& text) {
    const int index = static_cast<int>(kind);
    typed_[index] = text;
    typedSet_[index] = true;
}

const std::wstring& CWindowOffer::ShownText(BoxKind kind) const {
    const int index = static_cast<int>(kind);
    return typedSet_[index] ? typed_[index] : boxes_[index].text;
}

std::wstring CWindowOffer::Target(BoxKind kind) const {
    const Box& box = GetBox(kind);
    Entries written;
    if (!box.target.empty()) written.push_back(Entry{box.text, box.target});
    return ResolveTarget(ShownText(kind), written, box.list.get(), kind == BoxKind::kSkypeOut);
}

}  // namespace offer
