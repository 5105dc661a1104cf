// CButton: one button the add-in places on an Office command bar (its
// toolbar, the toolbar's Help popup, or Outlook's item context menu). It owns
// the host's CommandBarButton from Load to Unload, sets the button's look and
// receives its Click through a click sink of its own. A kind of button is a
// class derived from CButton that adds one click action (OnClick).
//
// Every operation is traced as "CButton::<operation>". Callers Load first;
// a button without a control (never loaded, unloaded, or refused by the
// host) does nothing and raises nothing, whatever is asked of it.
#pragma once

#include <cstdint>
#include <string>

#include <boost/enable_shared_from_this.hpp>

#include "host/TableSink.h"
#include "host/Variant.h"
#include "office/CommandBarButton.h"
#include "office/CommandBarControls.h"

// The sink id of a button's click sink in its sink table.
constexpr int kButtonClickSink = 1;

// A button held by shared pointers (the context menu's) stays alive until
// its click returns, even when the click drops the last of them: a message
// box keeps Skype's messages flowing, and a status change resets the menu.
class CButton : private host::TableSink<CButton, kButtonClickSink>,
                public boost::enable_shared_from_this<CButton> {
  public:
    // SetLabel's face number for "no face".
    static constexpr int kNoFace = -1;

    // Makes the button's unique id; raises norv::TransientException when
    // the system cannot make one.
    CButton();
    // Releases the control if one is still held; it stays on its bar. A
    // click on it reaches nothing any more.
    virtual ~CButton();
    CButton(const CButton&) = delete;
    CButton& operator=(const CButton&) = delete;

    // The control's Tag without its last 32 characters (the unique id that
    // SetTag appends); empty for a shorter Tag.
    virtual std::wstring GetTag();
    // Tag := `tag` followed by the unique id, so that buttons given the same
    // text still carry Tags of their own.
    virtual void SetTag(const std::wstring& tag);
    virtual void SetTooltip(const std::wstring& text);
    // Style, Caption and FaceId: icon and caption, caption only or icon only,
    // from whether there is a label and a face (kNoFace for none).
    virtual void SetLabel(const std::wstring& label, int face);
    // A separator before the button.
    virtual void BeginGroup(bool beginGroup);
    virtual void Enable(bool enabled);
    virtual void Show(bool visible);
    // Picture and Mask from the module's bitmaps `face` and `mask` (an
    // empty picture for one that cannot be loaded).
    virtual void SetImage(std::uint16_t face, std::uint16_t mask);
    // Adds the button to `controls` (before position `before`, or at the end
    // for Missing()), connects its click sink and shows it. A loaded button
    // stays as it is; a host that refuses the button leaves it without a
    // control.
    virtual void Load(const office::CommandBarControls& controls, const host::Variant& before);
    // Disconnects the click sink, deletes the control from its bar and
    // releases it. A failed Delete raises host::ComError (CommandBarControl)
    // and the control is kept. Without a control: nothing.
    virtual void Unload();
    // Connects the click sink to the control unless it is connected.
    virtual void AdviseClick();
    // Disconnects it; it counts as disconnected even if the host refuses.
    virtual void UnadviseClick();

    // 32 upper-case hexadecimal digits, made at construction.
    const std::string& GetUniqueId() const { return uniqueId_; }
    bool IsLoaded() const { return static_cast<bool>(control_); }
    const office::CommandBarButton& GetControl() const { return control_; }
    bool IsClickAdvised() const { return advised(); }

    // Click (DISPID 1 of _CommandBarButtonEvents) of sink 1: (Ctrl,
    // CancelDefault by reference), the same for every kind.
    static const host::SinkTable& Sinks();

  protected:
    // The kind's action on a click.
    virtual void OnClick() = 0;

  private:
    friend class host::TableSink<CButton, kButtonClickSink>;

    // Ignores the clicked control and leaves CancelDefault as it is.
    void OnClickEvent(const host::DispatchPtr* ctrl, std::int16_t* cancelDefault);

    office::CommandBarButton control_;
    std::string uniqueId_;
};
