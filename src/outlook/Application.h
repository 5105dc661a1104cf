// Outlook's _Application and _NameSpace as the add-in uses them.
#pragma once

#include <string>

#include "host/TypedObject.h"

namespace outlook {

class Explorer;
class Explorers;
class Inspectors;
class MAPIFolder;
class Recipient;

class NameSpace : public host::TypedObject {
  public:
    using TypedObject::TypedObject;
    // GetDefaultFolder(VT_I4 folder): null when there is none.
    MAPIFolder GetDefaultFolder(int folder) const;
    // The user signed in to this session; null when unreadable.
    Recipient CurrentUser() const;
};

class Application : public host::TypedObject {
  public:
    using TypedObject::TypedObject;

    outlook::Explorers Explorers() const;
    outlook::Inspectors Inspectors() const;
    // Null when no Explorer is active.
    Explorer ActiveExplorer() const;
    // Dotted numbers, major first ("11.0.5608.0"); empty when unreadable.
    std::wstring Version() const;
    // GetNamespace(VT_BSTR type); the add-in asks for "MAPI".
    NameSpace GetNamespace(const std::wstring& type) const;
    // CreateItem(VT_I4 item_type): a new item, in no folder and not saved,
    // or null.
    host::DispatchPtr CreateItem(int itemType) const;
};

}  // namespace outlook
