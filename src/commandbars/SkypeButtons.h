// The three button kinds that act on a Skype target, shared by the toolbar
// and the context menu: CSkypeButton (a Skype call or conference),
// CSkypeIMButton (an instant-message chat) and CSkypeOutButton (a SkypeOut
// call). A toolbar button reads its target from the combo box it is linked
// to; a context-menu button has no combo and uses its tag unchanged.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "commandbars/Button.h"
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
    typedef std::pair<std::wstring, std::wstring> ComboEntry;
    typedef std::vector<ComboEntry> ComboEntries;
    // A combo text that is exactly one of `entries` is that entry's target,
    // whatever the text holds (a contact named 'Flat 3 (Home)' would
    // otherwise lend its digits to the number); only other texts, typed by
    // the user, are cut. The first entry of a text counts. The entries of
    // the combo's list are shared: the toolbar keeps them, with the list,
    // from one item to the next.
    void SetComboEntries(const boost::shared_ptr<const ComboEntries>& entries);
    void SetComboEntries(ComboEntries entries);
    // One more entry, ahead of the others (until the next SetComboEntries).
    void AddComboEntry(const ComboEntry& entry) { textEntries_.push_back(entry); }

  protected:
    // `skype` is kept for the button's life. `numberTarget`: combo texts
    // carry a label before the number.
    CSkypeTargetButton(const boost::shared_ptr<CSkype>& skype, bool numberTarget);

    // With a combo: the target of the entry its Text is, or else the Text
    // with the label removed for a number, cut before its remark. Without:
    // the tag as it is.
    std::wstring GetTarget();
    CSkype& skype() const { return *skype_; }

  private:
    boost::shared_ptr<CSkype> skype_;
    office::CommandBarComboBox combo_;
    boost::shared_ptr<const ComboEntries> listEntries_;  // may be null
    ComboEntries textEntries_;                           // the latest last
    bool numberTarget_;
};

// CSkype::SkypeIPCall with the target.
class CSkypeButton : public CSkypeTargetButton {
  public:
    explicit CSkypeButton(const boost::shared_ptr<CSkype>& skype);

  protected:
    void OnClick() override;
};

// CSkype::SkypeIMChat with the target.
class CSkypeIMButton : public CSkypeTargetButton {
  public:
    explicit CSkypeIMButton(const boost::shared_ptr<CSkype>& skype);

  protected:
    void OnClick() override;
};

// CSkype::SkypeOut with the target.
class CSkypeOutButton : public CSkypeTargetButton {
  public:
    explicit CSkypeOutButton(const boost::shared_ptr<CSkype>& skype);

  protected:
    void OnClick() override;
};
