// CToolbar: the add-in's own command bar "tandrel" in one Outlook window:
// a combo box of Skype names with a call and a chat button, a combo box of
// telephone numbers with a SkypeOut button, a button for buying SkypeOut
// credit and a "Help" popup with the information commands. The window's
// controller loads it, refills its combo boxes whenever the item changes,
// shows or hides it and unloads it when the window closes. What the combo
// boxes and buttons show comes from the window's offer (offer/WindowOffer.h),
// worked out there for every surface; the toolbar writes it out.
//
// Load, Unload and ItemChange are traced as "CToolbar::<operation>". A host
// that refuses the bar or a control leaves the toolbar holding only what
// was made: later operations skip what is missing and nothing is raised
// for the refusal itself.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "commandbars/InformationButtons.h"
#include "commandbars/SkypeButtons.h"
#include "offer/WindowOffer.h"
#include "office/CommandBarComboBox.h"
#include "office/CommandBarPopup.h"
#include "office/CommandBars.h"
#include "outlook/Application.h"
#include "outlook/Contact.h"
#include "outlook/Mail.h"

class CSkype;

class CToolbar {
  public:
    // The bar's name in every window's CommandBars.
    static constexpr wchar_t kBarName[] = L"tandrel";

    // Builds the buttons; nothing is shown until Load. The toolbar works
    // out what it shows with an offer of its own.
    CToolbar(const outlook::Application& application, const boost::shared_ptr<CSkype>& skype);
    // The same, showing the window's offer, which its controller keeps.
    CToolbar(const outlook::Application& application, const boost::shared_ptr<CSkype>& skype,
             const boost::shared_ptr<offer::CWindowOffer>& offer);
    CToolbar(const CToolbar&) = delete;
    CToolbar& operator=(const CToolbar&) = delete;

    // Creates the bar (hidden) and its controls in `commandBars`, first
    // deleting a "tandrel" bar left over there; docks it at the stored
    // "Position" and, when `restorePosition`, puts back the stored "Left",
    // "Top" and "Row". Nothing when already loaded.
    void Load(const office::CommandBars& commandBars, bool restorePosition);
    // Unloads the buttons, deletes the combo boxes and the bar; when
    // `savePosition`, stores the bar's place first. A failed Delete raises
    // host::ComError.
    void Unload(bool savePosition);
    // The bar's Visible, when loaded.
    void Show(bool visible);

    // Each works the item out in the offer (CWindowOffer::ItemChange) and
    // shows it, when loaded. Nothing usable selected: both combo boxes
    // show their prompts, the Skype combo lists the buddies, the buttons'
    // tags are empty.
    void ItemChange();
    // Resets, then offers `contact` (may be empty: the reset only).
    void ItemChange(const CContactPtr& contact);
    // Brings the buddy records of the mail's Skype names up to date, then
    // offers its sender (and, for a sender without a Skype name, the mail's
    // first Skype name).
    void ItemChange(const CMailPtr& mail);
    // Several contacts: the toolbar keeps what it shows.
    void ItemChange(const std::vector<CContactPtr>& contacts);
    // Shows what the offer holds now (its controller has just worked out
    // an item there), when loaded. Traced as an ItemChange.
    void Refill();

    bool IsLoaded() const { return static_cast<bool>(bar_); }
    const office::CommandBar& GetBar() const { return bar_; }

  private:
    // The offer's item as the toolbar always wrote one: every control reset
    // to its prompt first, then the item's entries, names and tags.
    void Write();
    void WriteReset();
    void WriteItem();

    // Members in the order the toolbar has always kept them.
    outlook::Application application_;
    office::CommandBar bar_;
    office::CommandBarPopup helpPopup_;
    office::CommandBarComboBox skypeCombo_;
    office::CommandBarComboBox skypeOutCombo_;
    boost::shared_ptr<CSkype> skype_;
    CSkypeButton callButton_;
    CSkypeIMButton chatButton_;
    CSkypeOutButton skypeOutButton_;
    CHelpButton helpItem_;
    CContactUsButton contactUsItem_;
    CUpdateButton updateItem_;
    COptionsButton optionsItem_;
    CAboutButton aboutItem_;
    CBuySkypeOutButton buyButton_;
    boost::shared_ptr<offer::CWindowOffer> offer_;
    // The offer's list the Skype combo was last filled with (null: not
    // filled since the combo was made, or the fill failed). The list is
    // written again only when the offer holds another: 10,000 buddies are
    // as many calls into Office.
    offer::EntriesPtr filled_;
};
