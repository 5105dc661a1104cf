// The three button kinds that act on a Skype target, shared by the toolbar
// and the context menu: CSkypeButton (a Skype call or conference),
// CSkypeIMButton (an instant-message chat) and CSkypeOutButton (a SkypeOut
// call). A toolbar button reads its target from the combo box it is linked
// to; a context-menu button has no combo and uses its tag unchanged. The
// click runs the action as every surface runs it (offer/Actions.h).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "commandbars/Button.h"
#include "offer/Actions.h"
#include "offer/SkypeTarget.h"
#include "office/CommandBarComboBox.h"

class CSkype;

class CSkypeTargetButton : public CButton {
  public:
    // The combo box whose text a click acts on (the toolbar links it after
    // Load); a null one unlinks.
    void SetCombo(const office::CommandBarComboBox& combo) { combo_ = combo; }
    const office::CommandBarComboBox& GetCombo() const { return combo_; }

    // An entry the toolbar put into the combo box (its list or its text) and
    // the target it stands for.
    typedef offer::Entry ComboEntry;
    typedef offer::Entries ComboEntries;
    // A combo text that is exactly one of `entries` is that entry's target,
    // whatever the text holds; only other texts, typed by the user, are cut
    // (offer::ResolveTarget). The first entry of a text counts. The entries
    // of the combo's list are shared: the window's offer keeps them, with
    // the list, from one item to the next.
    void SetComboEntries(const boost::shared_ptr<const ComboEntries>& entries);
    void SetComboEntries(ComboEntries entries);
    // One more entry, ahead of the others (until the next SetComboEntries).
    void AddComboEntry(const ComboEntry& entry) { textEntries_.push_back(entry); }

    // With a combo: the target of the entry its Text is, or else the Text
    // with the label removed for a number, cut before its remark. Without:
    // the tag as it is.
    std::wstring GetTarget();
    offer::Action GetAction() const { return action_; }

  protected:
    // `skype` is kept for the button's life. `action` runs on the target;
    // a SkypeOut target's combo texts carry a label before the number.
    CSkypeTargetButton(const boost::shared_ptr<CSkype>& skype, offer::Action action);

    // offer::Run with the target.
    void OnClick() override;

  private:
    boost::shared_ptr<CSkype> skype_;
    offer::Action action_;
    office::CommandBarComboBox combo_;
    boost::shared_ptr<const ComboEntries> listEntries_;  // may be null
    ComboEntries textEntries_;                           // the latest last
};

// A Skype call or conference with the target (CSkype::SkypeIPCall).
class CSkypeButton : public CSkypeTargetButton {
  public:
    explicit CSkypeButton(const boost::shared_ptr<CSkype>& skype);
};

// A chat with the target (CSkype::SkypeIMChat).
class CSkypeIMButton : public CSkypeTargetButton {
  public:
    explicit CSkypeIMButton(const boost::shared_ptr<CSkype>& skype);
};

// A SkypeOut call to the target (CSkype::SkypeOut).
class CSkypeOutButton : public CSkypeTargetButton {
  public:
    explicit CSkypeOutButton(const boost::shared_ptr<CSkype>& skype);
};
