#include "commandbars/Toolbar.h"

#include <climits>
#include <utility>

#include <boost/make_shared.hpp>

#include "offer/BoxTexts.h"
#include "office/CommandBarControls.h"
#include "office/OfficeIds.h"
#include "outlook/Supported.h"
#include "resources/BitmapIds.h"
#include "resources/StringIds.h"
#include "util/RegistryKey.h"
#include "util/Settings.h"
#include "util/Text.h"
#include "util/Trace.h"

namespace {

// What a property read answers when the host cannot tell: such a value is
// not stored.
constexpr std::int32_t kUnreadable = INT32_MIN;

// A stored number, or false when it is absent.
bool ReadNumber(const char* name, std::int32_t* value) {
    const CRegistryValuePtr stored = settings::Read(name);
    if (!stored) {
        return false;
    }
    *value = settings::ToNumber(stored->GetText());
    return true;
}

void WriteIfRead(CRegistryKey& key, const char* name, std::int32_t value) {
    if (value != kUnreadable) {
        key.WriteNumber(name, value);
    }
}

office::CommandBarComboBox AddCombo(const office::CommandBarControls& controls) {
    return office::CommandBarComboBox::QueryFrom(
        controls.Add(office::control_type::kComboBox, host::Variant::Missing(), true));
}

void SetUpCombo(const office::CommandBarComboBox& combo, const wchar_t* caption, std::int32_t width,
                const wchar_t* tooltip) {
    if (!combo) {
        return;
    }
    combo.SetVisible(true);
    combo.SetStyle(office::combo_style::kLabel);
    combo.SetCaption(caption);
    combo.SetWidth(width);
    combo.SetTooltipText(tooltip);
}

// Load, link to `combo`, label, tooltip, enable and (when the host takes
// custom pictures) face picture of one of the three Skype buttons.
void LoadSkypeButton(CSkypeTargetButton& button, const office::CommandBarControls& controls,
                     const office::CommandBarComboBox& combo, int face, unsigned tooltip,
                     std::uint16_t picture, bool pictures) {
    button.Load(controls, host::Variant::Missing());
    button.SetCombo(combo);
    button.SetLabel(std::wstring(), face);
    button.SetTooltip(text::LoadWideString(tooltip));
    button.Enable(true);
    if (pictures) {
        button.SetImage(picture, ids::kFaceMask);
    }
}

void LoadHelpItem(CButton& item, const office::CommandBarControls& controls, unsigned label,
                  int face, bool beginGroup) {
    item.Load(controls, host::Variant::Missing());
    item.SetLabel(text::LoadWideString(label), face);
    if (beginGroup) {
        item.BeginGroup(true);
    }
}

}  // namespace

CToolbar::CToolbar(const outlook::Application& application, const boost::shared_ptr<CSkype>& skype)
    : CToolbar(application, skype, boost::make_shared<offer::CWindowOffer>(skype)) {}

CToolbar::CToolbar(const outlook::Application& application, const boost::shared_ptr<CSkype>& skype,
                   const boost::shared_ptr<offer::CWindowOffer>& offer)
    : application_(application),
      skype_(skype),
      callButton_(skype),
      chatButton_(skype),
      skypeOutButton_(skype),
      offer_(offer) {}

void CToolbar::Load(const office::CommandBars& commandBars, bool restorePosition) {
    TANDREL_TRACE("CToolbar::Load");
    if (bar_) {
        return;
    }
    // A bar left by an earlier run (Office keeps what it did not get to
    // remove when Outlook ended abruptly).
    const std::int32_t count = commandBars.Count();
    for (std::int32_t index = 1; index <= count; ++index) {
        const office::CommandBar old = commandBars.Item(index);
        if (old.Name() == kBarName) {
            old.Delete();
            break;
        }
    }

    std::int32_t position = settings::kDefaultPosition;
    ReadNumber(settings::kPosition, &position);
    bar_ = commandBars.Add(kBarName, position, true);
    if (!bar_ && position != settings::kDefaultPosition) {
        // A stored position the host refuses must not hide the bar for good.
        bar_ = commandBars.Add(kBarName, settings::kDefaultPosition, true);
    }
    if (!bar_) {
        return;
    }
    bar_.SetVisible(false);
    bar_.SetEnabled(true);
    const office::CommandBarControls controls = bar_.Controls();
    filled_.reset();  // a new combo, with nothing in it
    const bool pictures = CSupported::IsSupportedFeature(application_, CSupported::kButtonPictures);

    skypeCombo_ = AddCombo(controls);
    SetUpCombo(skypeCombo_, offer::kSkypeBoxCaption, 250, offer::kSkypeBoxTooltip);
    LoadSkypeButton(callButton_, controls, skypeCombo_, 610, ids::kTipCall, ids::kCallFace,
                    pictures);
    LoadSkypeButton(chatButton_, controls, skypeCombo_, 162, ids::kTipChat, ids::kChatFace,
                    pictures);
    skypeOutCombo_ = AddCombo(controls);
    SetUpCombo(skypeOutCombo_, offer::kSkypeOutBoxCaption, 300, offer::kSkypeOutBoxTooltip);
    if (skypeOutCombo_) {
        skypeOutCombo_.SetBeginGroup(true);
    }
    LoadSkypeButton(skypeOutButton_, controls, skypeOutCombo_, 568, ids::kTipSkypeOut,
                    ids::kSkypeOutFace, pictures);

    buyButton_.Load(controls, host::Variant::Missing());
    buyButton_.SetLabel(std::wstring(), 734);
    buyButton_.BeginGroup(true);
    buyButton_.SetTooltip(text::LoadWideString(ids::kTipBuySkypeOut));
    buyButton_.Enable(true);

    helpPopup_ = office::CommandBarPopup::QueryFrom(
        controls.Add(office::control_type::kPopup, host::Variant::Missing(), true));
    if (helpPopup_) {
        helpPopup_.SetCaption(text::LoadWideString(ids::kMenuHelp));
        helpPopup_.SetTooltipText(text::LoadWideString(ids::kTipHelpMenu));
        helpPopup_.SetBeginGroup(true);
        helpPopup_.SetEnabled(true);
        const office::CommandBarControls items = helpPopup_.Controls();
        LoadHelpItem(helpItem_, items, ids::kMenuTandrelHelp, 984, true);
        LoadHelpItem(optionsItem_, items, ids::kMenuOptions, CButton::kNoFace, true);
        LoadHelpItem(updateItem_, items, ids::kMenuCheckUpdate, CButton::kNoFace, false);
        LoadHelpItem(contactUsItem_, items, ids::kMenuContactUs, CButton::kNoFace, true);
        LoadHelpItem(aboutItem_, items, ids::kMenuAbout, CButton::kNoFace, true);
    }

    if (restorePosition) {
        std::int32_t value = 0;
        if (ReadNumber(settings::kLeft, &value)) {
            bar_.SetLeft(value);
        }
        if (ReadNumber(settings::kTop, &value)) {
            bar_.SetTop(value);
        }
        if (ReadNumber(settings::kRow, &value)) {
            bar_.SetRowIndex(value);
        }
    }
}

void CToolbar::Unload(bool savePosition) {
    TANDREL_TRACE("CToolbar::Unload");
    callButton_.Unload();
    chatButton_.Unload();
    skypeOutButton_.Unload();
    helpItem_.Unload();
    contactUsItem_.Unload();
    updateItem_.Unload();
    optionsItem_.Unload();
    aboutItem_.Unload();
    buyButton_.Unload();
    filled_.reset();
    for (office::CommandBarComboBox* combo : {&skypeCombo_, &skypeOutCombo_}) {
        if (*combo) {
            combo->Delete();
            *combo = office::CommandBarComboBox();
        }
    }
    // The buttons no longer read the combo boxes.
    callButton_.SetCombo(office::CommandBarComboBox());
    chatButton_.SetCombo(office::CommandBarComboBox());
    skypeOutButton_.SetCombo(office::CommandBarComboBox());
    if (!bar_) {
        return;
    }
    if (savePosition) {
        const std::int32_t row = bar_.RowIndex(kUnreadable);
        const std::int32_t left = bar_.Left(kUnreadable);
        const std::int32_t top = bar_.Top(kUnreadable);
        const std::int32_t position = bar_.Position(kUnreadable);
        // Write access only: saving needs no more, and a key the user may
        // write but not read still keeps the place.
        CRegistryKey key(settings::kRoot, settings::kKeyPath, platform::access::kWrite);
        WriteIfRead(key, settings::kLeft, left);
        WriteIfRead(key, settings::kTop, top);
        WriteIfRead(key, settings::kRow, row);
        WriteIfRead(key, settings::kPosition, position);
    }
    bar_.Delete();  // the popup and its items go with it
    bar_ = office::CommandBar();
    helpPopup_ = office::CommandBarPopup();
}

void CToolbar::Show(bool visible) {
    if (bar_) {
        bar_.SetVisible(visible);
    }
}

void CToolbar::ItemChange() {
    TANDREL_TRACE("CToolbar::ItemChange");
    if (!bar_) {
        return;
    }
    offer_->ItemChange();
    Write();
}

void CToolbar::ItemChange(const CContactPtr& contact) {
    TANDREL_TRACE("CToolbar::ItemChange");
    if (!bar_) {
        return;
    }
    offer_->ItemChange(contact);
    Write();
}

void CToolbar::ItemChange(const CMailPtr& mail) {
    TANDREL_TRACE("CToolbar::ItemChange");
    if (!bar_) {
        return;
    }
    offer_->ItemChange(mail);
    Write();
}

void CToolbar::ItemChange(const std::vector<CContactPtr>& contacts) {
    TANDREL_TRACE("CToolbar::ItemChange");
    if (!bar_) {
        return;
    }
    offer_->ItemChange(contacts);
    Write();
}

void CToolbar::Refill() {
    TANDREL_TRACE("CToolbar::ItemChange");
    if (bar_) {
        Write();
    }
}

void CToolbar::Write() {
    // Several contacts: the toolbar keeps what it shows.
    if (offer_->GetMenu().selection == offer::Selection::kContacts) {
        return;
    }
    WriteReset();
    WriteItem();
}

void CToolbar::WriteReset() {
    const offer::Box& names = offer_->GetBox(offer::BoxKind::kSkype);
    if (skypeCombo_) {
        if (filled_ && filled_ == names.list) {
            // The same entries in the same order: only the text goes back.
            skypeCombo_.SetText(names.prompt);
        } else {
            filled_.reset();  // until the list is whole again
            skypeCombo_.Clear();
            skypeCombo_.SetText(names.prompt);
            for (const offer::Entry& entry : *names.list) {
                skypeCombo_.AddItem(entry.text);
            }
            filled_ = names.list;
        }
        callButton_.SetComboEntries(names.list);
        chatButton_.SetComboEntries(names.list);
    }
    callButton_.SetTag(std::wstring());
    chatButton_.SetTag(std::wstring());
    const offer::Box& numbers = offer_->GetBox(offer::BoxKind::kSkypeOut);
    if (skypeOutCombo_) {
        skypeOutCombo_.Clear();
        skypeOutCombo_.SetText(numbers.prompt);
    }
    skypeOutButton_.SetComboEntries(CSkypeTargetButton::ComboEntries());
    skypeOutButton_.SetTag(std::wstring());
}

void CToolbar::WriteItem() {
    const offer::Box& numbers = offer_->GetBox(offer::BoxKind::kSkypeOut);
    if (skypeOutCombo_ && !numbers.list->empty()) {
        for (const offer::Entry& entry : *numbers.list) {
            skypeOutCombo_.AddItem(entry.text);
        }
        skypeOutButton_.SetComboEntries(numbers.list);
        skypeOutCombo_.SetListIndex(numbers.chosen + 1);
    }
    if (!numbers.target.empty()) {
        skypeOutButton_.SetTag(numbers.target);
    }

    const offer::Box& names = offer_->GetBox(offer::BoxKind::kSkype);
    if (names.target.empty()) {
        return;
    }
    if (skypeCombo_) {
        skypeCombo_.SetText(names.text);
        // What the toolbar wrote stands for the name, whatever it holds.
        callButton_.AddComboEntry({names.text, names.target});
        chatButton_.AddComboEntry({names.text, names.target});
    }
    callButton_.SetTag(names.target);
    chatButton_.SetTag(names.target);
}
