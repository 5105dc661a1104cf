#include "commandbars/ContextMenu.h"

#include <map>

#include <boost/bind/bind.hpp>

#include "office/OfficeIds.h"
#include "skype/Skype.h"
#include "util/CaughtExceptions.h"
#include "util/Trace.h"

namespace {

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

    void Add(const offer::MenuItem& item) {
        const boost::shared_ptr<CSkypeTargetButton> button = Make(item.action);
        menu_.buttons_.push_back(button);
        menu_.followsStatus_.push_back(item.followsStatus);
        button->Load(controls_, host::Variant::I4(index_));
        if (!button->IsLoaded()) {
            return;  // refused: nothing took this position
        }
        button->SetLabel(item.label, item.face == offer::kNoFace ? CButton::kNoFace : item.face);
        if (item.beginGroup) {
            button->BeginGroup(true);
        }
        button->SetTag(item.target);
        button->Enable(item.Enabled(enabled_));
        ++index_;
    }

  private:
    boost::shared_ptr<CSkypeTargetButton> Make(offer::Action action) const {
        switch (action) {
            case offer::Action::kChat:
                return boost::shared_ptr<CSkypeTargetButton>(new CSkypeIMButton(menu_.skype_));
            case offer::Action::kSkypeOut:
                return boost::shared_ptr<CSkypeTargetButton>(new CSkypeOutButton(menu_.skype_));
            default:
                return boost::shared_ptr<CSkypeTargetButton>(new CSkypeButton(menu_.skype_));
        }
    }

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

void CContextMenu::SetMenu(const offer::Menu& menu) {
    // Traced under the name of what was selected, as it always was.
    static const char* const kTraceNames[] = {"CContextMenu::Reset", "CContextMenu::SetContact",
                                              "CContextMenu::SetMail", "CContextMenu::Reset"};
    const CTrace trace(kTraceNames[static_cast<int>(menu.selection)], __FILE__, __LINE__);
    DropButtons();
    const bool oneItem =
        menu.selection == offer::Selection::kContact || menu.selection == offer::Selection::kMail;
    menu_ = oneItem ? menu : offer::Menu();
}

void CContextMenu::SetContact(const CContactPtr& contact) {
    SetMenu(contact ? offer::ContactMenu(*contact) : offer::Menu());
}

void CContextMenu::SetMail(const CMailPtr& mail) {
    SetMenu(mail ? offer::MailMenu(mail) : offer::Menu());
}

void CContextMenu::Reset() { SetMenu(offer::Menu()); }

void CContextMenu::Unload() {
    TANDREL_TRACE("CContextMenu::Unload");
    if (!statusKey_.empty()) {
        skype_->Unadvise(statusKey_);
        statusKey_.clear();
    }
    Unadvise(commandBars_);
    commandBars_ = office::CommandBars();
    DropButtons();
    menu_ = offer::Menu();
    explorer_ = outlook::Explorer();
    application_ = outlook::Application();
}

void CContextMenu::OnUpdate() {
    TANDREL_TRACE("CContextMenu::OnUpdate");
    if (menu_.selection == offer::Selection::kNothing) {
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
            // Only now, with a menu to fill: a mail's participants are
            // searched for here (once per mail), not at every selection.
            offer::Open(menu_);
            Insertion insertion(*this, controls, index);
            // A copy: a click's message box may let a new selection in.
            const std::vector<offer::MenuItem> items = menu_.items;
            for (const offer::MenuItem& item : items) {
                insertion.Add(item);
            }
        }
    } catch (...) {
        menu.SetProtection(protection);  // the menu is Office's: leave it as it was
        throw;
    }
    menu.SetProtection(protection);
}

void CContextMenu::OnChangeConnectionStatus(ConnectionStatus status) {
    TANDREL_TRACE("CContextMenu::OnChangeConnectionStatus");
    // A copy: enabling may let Skype's messages in, and they may drop the list.
    const std::vector<boost::shared_ptr<CSkypeTargetButton>> buttons = buttons_;
    // Links need no desktop API: they stay usable whatever its status.
    const bool enabled = status == kConnectionOnline || skype_->PlacesCallsAsLinks();
    const std::vector<bool> followsStatus = followsStatus_;
    for (std::size_t index = 0; index < buttons.size(); ++index) {
        buttons[index]->Enable(followsStatus[index] && enabled);
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
    followsStatus_.clear();
    filledMenu_ = office::CommandBar();
}
