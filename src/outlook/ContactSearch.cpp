// CContact::FindByEmailAddress: the contact that carries an address.
#include "outlook/Application.h"
#include "outlook/Contact.h"
#include "outlook/ContactItem.h"
#include "outlook/EmailFilter.h"
#include "outlook/MAPIFolder.h"
#include "outlook/OutlookIds.h"
#include "outlook/Supported.h"
#include "util/Text.h"
#include "util/Trace.h"

namespace {

// Deeper than any real folder tree: a store that answered a folder as its
// own descendant must not walk the stack away.
const int kMaxFolderDepth = 64;

// A contacts folder is searched with the host's Find, its sub-folders are
// not; a folder of another kind is only a way to contacts folders below it.
CContactPtr SearchFolder(const outlook::MAPIFolder& folder, const std::wstring& filter, int depth) {
    if (folder.DefaultItemType() == outlook::item_type::kContact) {
        const outlook::ContactItem contact =
            outlook::ContactItem::QueryFrom(folder.Items().Find(filter));
        if (!contact) {
            return CContactPtr();
        }
        return CContactPtr(new CContact(contact));
    }
    if (depth >= kMaxFolderDepth) {
        return CContactPtr();
    }
    const outlook::Folders folders = folder.Folders();
    const std::int32_t count = folders.Count();
    for (std::int32_t index = 1; index <= count; ++index) {
        CContactPtr found = SearchFolder(folders.Item(index), filter, depth + 1);
        if (found) {
            return found;
        }
    }
    return CContactPtr();
}

}  // namespace

CContactPtr CContact::FindByEmailAddress(const outlook::Application& application,
                                         const std::wstring& address) {
    TANDREL_TRACE("CContact::FindByEmailAddress");
    if (!CSupported::IsSupportedFeature(application, CSupported::kEmailAddresses)) {
        return CContactPtr();
    }
    if (address.empty()) {
        return CContactPtr();
    }
    const outlook::MAPIFolder contacts =
        application.GetNamespace(L"MAPI").GetDefaultFolder(outlook::default_folder::kContacts);
    if (!contacts) {
        return CContactPtr();
    }
    // Deliberately doubles the address's apostrophes (the filter escapes
    // them so): o'brien@example.com is found and cannot add terms of its own.
    const std::wstring filter =
        text::FromAnsi(outlook::BuildEmailAddressFilter(text::ToAnsi(address)));
    return SearchFolder(contacts, filter, 0);
}
