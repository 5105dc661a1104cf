#include "commandbars/ContextMenu.h"

#include <map>

#include <boost/bind/bind.hpp>

#include "office/OfficeIds.h"
#include "resources/StringIds.h"
#include "skype/Skype.h"
#include "util/CaughtExceptions.h"
#include "util/Text.h"
#include "util/Trace.h"

namespace {

// Faces of the menu's items (Office's built-in faces).
constexpr int kCallFace = 610;
constexpr int kChatFace = 162;
constexpr int kReplyFace = 132;

// The window's bar of that exact name (case counts), or null.
office::CommandBar FindBar(const office::CommandBars& bars, const wchar_t* name) {
    const std::int32_t count = bars.Count();
    for (std::int32_t index = 1; index <= count; ++index) {
        office::CommandBar bar = bars.Item(index);
        if (bar.Name() == name) {
            return bar;
        }
    }
    return office::CommandBar();
}

// The position of the first control that begins a group, or 0.
std::int32_t FirstGroup(const office::CommandBarControls& controls) {
    const std::int32_t count = controls.Count();
    for (std::int32_t index = 1; index <= count; ++index) {
        if (controls.Item(index).BeginGroup()) {
            return index;
        }
    }
    return 0;
}

}  // namespace

// Places the items of one menu, each before the next position.
class CContextMenu::Insertion {
  public:
    Insertion(CContextMenu& menu, const office::CommandBarControls& controls, std::int32_t index)
        : menu_(menu), controls_(controls), index_(index), enabled_(menu.skype_->MayPlaceCalls()) {}

    template <typename Kind>
    void Add(const std::wstring& label, int face, bool beginGroup, const std::wstring& tag) {
        const boost::shared_ptr<CSkypeTargetButton> button(new Kind(menu_.skype_));
        menu_.buttons_.push_back(button);
        button->Load(controls_, host::Variant::I4(index_));
        if (!button->IsLoaded()) {
            return;  // refused: nothing took this position
        }
        button->SetLabel(label, face);
        if (beginGroup) {
            button->BeginGroup(true);
        }
        button->SetTag(tag);
        button->Enable(enabled_);
        ++index_;
    }

  private:
    CContextMenu& menu_;
    const office::CommandBarControls controls_;
    std::int32_t index_;
    const bool enabled_;
};

const host::SinkTable& CContextMenu::Sinks() {
    static const host::SinkTable table = {
        host::Row<CContextMenu, &CContextMenu::OnUpdate>(kContextMenuUpdateSink,
                                                         office::CommandBarsEvents::kDiid,
                                                         office::CommandBarsEvents::kOnUpdate),
    };
    return table;
}

CContextMenu::CContextMenu(const outlook::Explorer& explorer,
                           const outlook::Application& application,
                           const boost::shared_ptr<CSkype>& skype)
    : explorer_(explorer), application_(application), skype_(skype) {
    TANDREL_TRACE("CContextMenu::CContextMenu");
    commandBars_ = explorer_.CommandBars();
    Advise(commandBars_);
    statusKey_ = skype_->AdviseConnectionStatus(
        boost::bind(&CContextMenu::OnChangeConnectionStatus, this, boost::placeholders::_1));
}

CContextMenu::~CContextMenu() {
    try {
        Unload();
    } catch (...) {
        caught::Record("CContextMenu::~CContextMenu");  // nothing may leave a destructor
    }
}

void CContextMenu::SetContact(const CContactPtr& contact) {
    TANDREL_TRACE("CContextMenu::SetContact");
    DropButtons();
    currentContact_ = contact;
    currentMail_.reset();
}

void CContextMenu::SetMail(const CMailPtr& mail) {
    TANDREL_TRACE("CContextMenu::SetMail");
    DropButtons();
    currentContact_.reset();
    currentMail_ = mail;
}

void CContextMenu::Reset() {
    TANDREL_TRACE("CContextMenu::Reset");
    DropButtons();
    currentContact_.reset();
    currentMail_.reset();
}

void CContextMenu::Unload() {
    TANDREL_TRACE("CContextMenu::Unload");
    if (!statusKey_.empty()) {
        skype_->Unadvise(statusKey_);
        statusKey_.clear();
    }
    Unadvise(commandBars_);
    commandBars_ = office::CommandBars();
    DropButtons();
    currentContact_.reset();
    currentMail_.reset();
    explorer_ = outlook::Explorer();
    application_ = outlook::Application();
}

void CContextMenu::OnUpdate() {
    TANDREL_TRACE("CContextMenu::OnUpdate");
    if (!currentContact_ && !currentMail_) {
        return;
    }
    const office::CommandBar menu = FindBar(commandBars_, office::kContextMenuName);
    if (!menu) {
        return;
    }
    const std::int32_t protection = menu.Protection();
    menu.SetProtection(office::kBarNoProtection);
    try {
        const office::CommandBarControls controls = menu.Controls();
        // A menu Office made anew holds none of our items: only the one
        // they went into, announced again while open, is searched.
        if (filledMenu_ && filledMenu_.object()->Identity() == menu.object()->Identity()) {
            RemoveOwnItems(controls);
        }
        const std::int32_t index = FirstGroup(controls);
        if (index > 0) {
            DropButtons();
            filledMenu_ = menu;
            Insertion insertion(*this, controls, index);
            if (currentContact_) {
                InsertContactItems(insertion, *currentContact_);
            } else {
                InsertMailItems(insertion, *currentMail_);
            }
        }
    } catch (...) {
        menu.SetProtection(protection);  // the menu is Office's: leave it as it was
        throw;
    }
    menu.SetProtection(protection);
}

void CContextMenu::InsertContactItems(Insertion& insertion, const CContact& contact) {
    const std::wstring& skypeName = contact.GetSkypeName();
    if (!skypeName.empty()) {
        insertion.Add<CSkypeButton>(text::LoadWideString(ids::kMenuCallContact), kCallFace, true,
                                    skypeName);
        insertion.Add<CSkypeIMButton>(text::LoadWideString(ids::kMenuMessageContact), kChatFace,
                                      false, skypeName);
    }
    for (const CContact::Telephone& telephone : contact.GetTelephones()) {
        insertion.Add<CSkypeOutButton>(telephone.first + telephone.second, CButton::kNoFace,
                                       buttons_.empty(), telephone.second);
    }
}

void CContextMenu::InsertMailItems(Insertion& insertion, const CMail& mail) {
    const CContactPtr& sender = mail.GetSender();
    if (!sender || sender->GetSkypeName().empty()) {
        return;
    }
    insertion.Add<CSkypeButton>(text::LoadWideString(ids::kMenuReplyCall), kReplyFace, true,
                                sender->GetSkypeName());
    insertion.Add<CSkypeIMButton>(text::LoadWideString(ids::kMenuReplyMessage), kReplyFace, false,
                                  sender->GetSkypeName());
}

void CContextMenu::OnChangeConnectionStatus(ConnectionStatus status) {
    TANDREL_TRACE("CContextMenu::OnChangeConnectionStatus");
    // A copy: enabling may let Skype's messages in, and they may drop the list.
    const std::vector<boost::shared_ptr<CSkypeTargetButton>> buttons = buttons_;
    // Links need no desktop API: they stay usable whatever its status.
    const bool enabled = status == kConnectionOnline || skype_->PlacesCallsAsLinks();
    for (const boost::shared_ptr<CSkypeTargetButton>& button : buttons) {
        button->Enable(enabled);
    }
}

void CContextMenu::RemoveOwnItems(const office::CommandBarControls& controls) {
    if (buttons_.empty()) {
        return;
    }
    // Office announces an open menu again whenever it refreshes it: the
    // items put there last time come out before the menu gets them anew, so
    // that none shows twice. Ours are known by the unique id ending the Tag.
    std::map<std::wstring, boost::shared_ptr<CSkypeTargetButton>> byId;
    for (const boost::shared_ptr<CSkypeTargetButton>& button : buttons_) {
        const std::string& id = button->GetUniqueId();
        byId[std::wstring(id.begin(), id.end())] = button;
    }
    const std::size_t idLength = buttons_.front()->GetUniqueId().size();
    std::vector<boost::shared_ptr<CSkypeTargetButton>> onThisMenu;
    const std::int32_t count = controls.Count();
    for (std::int32_t index = 1; index <= count; ++index) {
        const std::wstring tag = controls.Item(index).Tag();
        if (tag.size() < idLength) continue;
        const auto found = byId.find(tag.substr(tag.size() - idLength));
        if (found != byId.end()) onThisMenu.push_back(found->second);
    }
    for (const boost::shared_ptr<CSkypeTargetButton>& button : onThisMenu) {
        button->Unload();
    }
}

void CContextMenu::DropButtons() {
    // Each button's host control stays in the menu; its sink's link is cut
    // when the button goes, so that control's clicks reach nothing.
    std::vector<boost::shared_ptr<CSkypeTargetButton>>().swap(buttons_);
    filledMenu_ = office::CommandBar();
}
