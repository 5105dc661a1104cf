// CContextMenu: the Skype commands the add-in puts into Outlook's right-click
// menu of one folder window. It listens to OnUpdate of the window's
// CommandBars; while a "Context Menu" bar exists and the window's
// controller has told it of one selected contact or mail, each OnUpdate
// inserts call, chat and SkypeOut items for that item (for a mail also its
// conference, worked out at the first of them) before the menu's first
// group. The items are the window's offer's (offer/Menu.h), made Skype
// button kinds whose target is their tag.
//
// The menu's items stay alive until the next menu is built, the selection
// changes, Skype's status leaves ONLINE, or Unload. An item whose click is
// still running (a message box keeps Skype's messages flowing, and a status
// change drops the list) lives until that click returns.
#pragma once

#include <string>
#include <vector>

#include <boost/shared_ptr.hpp>

#include "commandbars/SkypeButtons.h"
#include "host/TableSink.h"
#include "offer/Menu.h"
#include "office/CommandBars.h"
#include "outlook/Application.h"
#include "outlook/Contact.h"
#include "outlook/Explorer.h"
#include "outlook/Mail.h"
#include "skype/ConnectionStatus.h"

class CSkype;

// The sink id of the context menu's OnUpdate sink in its sink table.
constexpr int kContextMenuUpdateSink = 1;

class CContextMenu : private host::TableSink<CContextMenu, kContextMenuUpdateSink> {
  public:
    // Takes the references, connects to OnUpdate of the Explorer's
    // CommandBars and follows Skype's connection status.
    CContextMenu(const outlook::Explorer& explorer, const outlook::Application& application,
                 const boost::shared_ptr<CSkype>& skype);
    // Unloads if Unload was not called.
    ~CContextMenu() override;
    CContextMenu(const CContextMenu&) = delete;
    CContextMenu& operator=(const CContextMenu&) = delete;

    // Drops the items; the next menus offer `menu`'s entries when it is
    // one contact's or one mail's, none for any other selection (the
    // command bars' menu offers nothing for several items).
    void SetMenu(const offer::Menu& menu);
    // One contact selected: SetMenu with its entries.
    void SetContact(const CContactPtr& contact);
    // One mail selected: SetMenu with its sender's.
    void SetMail(const CMailPtr& mail);
    // Anything else selected: drops the items; later menus get none.
    void Reset();
    // Stops following Skype and OnUpdate, drops the items and lets go of
    // the window. Later calls do nothing.
    void Unload();

    // OnUpdate (DISPID 1 of _CommandBarsEvents): inserts the items into the
    // "Context Menu" bar, if there is one.
    void OnUpdate();

    // The items of the last menu built, in order.
    const std::vector<boost::shared_ptr<CSkypeTargetButton>>& GetButtons() const {
        return buttons_;
    }
    bool IsUpdateAdvised() const { return advised(); }

    static const host::SinkTable& Sinks();

  private:
    friend class host::TableSink<CContextMenu, kContextMenuUpdateSink>;

    class Insertion;

    // Every item that follows Skype's status enabled exactly while ONLINE.
    void OnChangeConnectionStatus(ConnectionStatus status);
    // Takes the items of the current list off `controls` (of the menu they
    // went into) where they are.
    void RemoveOwnItems(const office::CommandBarControls& controls);
    void DropButtons();

    outlook::Explorer explorer_;
    outlook::Application application_;
    office::CommandBars commandBars_;
    // The entries of the next menus; none unless one contact or one mail.
    offer::Menu menu_;
    boost::shared_ptr<CSkype> skype_;
    std::vector<boost::shared_ptr<CSkypeTargetButton>> buttons_;
    // For each of buttons_: whether it follows Skype's status.
    std::vector<bool> followsStatus_;
    std::string statusKey_;
    // The menu the items of buttons_ went into, held so that it stays the
    // same object: only that menu, refreshed while open, can show them.
    office::CommandBar filledMenu_;
};
