// CWindowOffer: what one Outlook window offers for the item it shows, worked
// out in this one place and read by every surface that shows the window:
// the command-bar toolbar and context menu, and the ribbon's group and
// context menus. Its controller tells it of each selection or item; the
// surfaces read the result and write it out in their own idiom.
//
//   the Skype box      the buddies' display names (list order), the text
//                      it shows (its prompt, or the item's Skype name as its
//                      buddy's entry) and the name that text stands for
//   the SkypeOut box   the item's telephone entries ('Mobile: +44 555 123
//                      (Jane Doe)'), the first one shown, and its number
//   the menu           the right-click entries for the selection (Menu.h),
//                      completed when a menu opens
//
// Working out the boxes asks Skype for things (the buddy list when there is
// none, the records of a mail's Skype names), so it happens only while some
// surface shows them (ShowBoxes); the menu needs nothing but the item.
// Several contacts leave the boxes as they are. A surface that keeps what
// the user types itself (an Office combo box) reads the boxes; one that
// hands it to the add-in (the ribbon's) stores it here with Type, until the
// next item. Whoever shows the window may listen for what changed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>

#include "offer/Menu.h"
#include "offer/SkypeTarget.h"
#include "outlook/Contact.h"
#include "outlook/Mail.h"

class CSkype;
class CSkypeBuddy;

namespace offer {

enum class BoxKind { kSkype = 0, kSkypeOut = 1 };

// The windows that show an offer: a folder window (Explorer) and the
// windows of a contact and of a mail (Inspectors).
enum class WindowKind { kFolder, kContact, kMail };
// What a controller passes on from its offer's listener (CWindowOffer::Part
// bits), for whoever shows every window of a kind at once (the ribbon).
typedef boost::function<void(WindowKind kind, unsigned parts)> WindowListener;

typedef boost::shared_ptr<const Entries> EntriesPtr;

struct Box {
    // The entries of its list; never null. The Skype box keeps one list
    // object while the buddies show the same, so a surface that filled
    // itself from it knows it need not fill again.
    EntriesPtr list;
    // Shown while nothing is chosen.
    std::wstring prompt;
    // What it shows: the prompt, an entry of the list, or a Skype name.
    std::wstring text;
    // What `text` stands for; empty while the prompt shows.
    std::wstring target;
    // The position in `list` of the entry shown, or -1.
    int chosen = -1;
};

class CWindowOffer {
  public:
    // What a listener is told has changed.
    enum Part : unsigned { kSkypeBox = 1u, kSkypeOutBox = 2u, kMenu = 4u };
    typedef boost::function<void(unsigned parts)> Listener;

    // Both boxes show their prompts and list nothing; the menu is empty.
    explicit CWindowOffer(const boost::shared_ptr<CSkype>& skype);
    CWindowOffer(const CWindowOffer&) = delete;
    CWindowOffer& operator=(const CWindowOffer&) = delete;

    // Whether the boxes are worked out from here on (true at first).
    void ShowBoxes(bool shown) { showsBoxes_ = shown; }
    bool ShowsBoxes() const { return showsBoxes_; }

    // Nothing usable: the boxes' prompts, every buddy listed (Skype is
    // asked for the list when it has none and none is on its way).
    void ItemChange();
    // That, then `contact` (empty: the reset only): its telephone entries,
    // its Skype name, or else the buddy Skype finds for it.
    void ItemChange(const CContactPtr& contact);
    // The records of the mail's Skype names brought up to date, then its
    // sender as a contact; a sender without a Skype name lends the mail's
    // first Skype name instead.
    void ItemChange(const CMailPtr& mail);
    // Several contacts: the boxes stay as they are.
    void ItemChange(const std::vector<CContactPtr>& contacts);

    const Box& GetBox(BoxKind kind) const { return boxes_[static_cast<int>(kind)]; }
    // The menu as the selection made it, and as it opens (Menu.h: a mail's
    // conference entries are worked out then).
    const Menu& GetMenu() const { return menu_; }
    const Menu& OpenMenu();

    // Text the user typed into a box of a surface that hands it over.
    void Type(BoxKind kind, const std::wstring& text);
    // What the box shows there: the text typed since the last item, else
    // the box's own text.
    const std::wstring& ShownText(BoxKind kind) const;
    // What a click on the box's buttons acts on (ResolveTarget): a text the
    // add-in wrote stands for its own target, typed text is cut.
    std::wstring Target(BoxKind kind) const;

    const boost::shared_ptr<CSkype>& GetSkype() const { return skype_; }
    // Told after every item that changed something, never during the work.
    void SetListener(const Listener& listener) { listener_ = listener; }

  private:
    struct Boxes {
        Box box[2];
    };

    Boxes ResetBoxes();
    void Fill(Boxes& boxes, const CContact& contact);
    void ShowSkypeName(Box& box, const std::wstring& skypeName,
                       const boost::shared_ptr<CSkypeBuddy>& buddy);
    // Takes the new state (boxes only when given), forgets what was typed
    // and tells the listener what changed.
    void Commit(const Boxes* boxes, Menu menu);

    boost::shared_ptr<CSkype> skype_;
    Box boxes_[2];
    Menu menu_;
    std::wstring typed_[2];
    bool typedSet_[2] = {false, false};
    // The buddies' entries as last listed, and the buddy list's change
    // count then (null: never listed).
    EntriesPtr buddyEntries_;
    std::uint64_t buddyEntriesChanges_ = 0;
    bool showsBoxes_ = true;
    Listener listener_;
};

}  // namespace offer
