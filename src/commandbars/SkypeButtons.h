// The three button kinds that act on a Skype target, shared by the toolbar
// and the context menu: CSkypeButton (a Skype call or conference),
// CSkypeIMButton (an instant-message chat) and CSkypeOutButton (a SkypeOut
// call). A toolbar button reads its target from the combo box it is linked
// to; a context-menu button has no combo and uses its tag unchanged.
#pragma once

#include <string>

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

  protected:
    // `skype` is kept for the button's life. `numberTarget`: combo texts
    // carry a label before the number.
    CSkypeTargetButton(const boost::shared_ptr<CSkype>& skype, bool numberTarget);

    // With a combo: its Text, the label removed for a number, cut before
    // its remark. Without: the tag as it is.
    std::wstring GetTarget();
    CSkype& skype() const { return *skype_; }

  private:
    boost::shared_ptr<CSkype> skype_;
    office::CommandBarComboBox combo_;
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
