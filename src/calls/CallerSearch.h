// Who calls: the contact of the default Contacts folder an incoming Skype
// call comes from. Each search costs Outlook as little as it can: a Skype
// name or a full name is Outlook's own search (Items.Find with a filter),
// a number is one walk over the folder reading only the callable telephone
// fields, which Items.SetColumns makes cheap. Several matches: the first
// in the folder's order.
#pragma once

#include <string>

#include "outlook/Application.h"
#include "outlook/ContactItem.h"
#include "outlook/MAPIFolder.h"

class CCallerSearch {
  public:
    explicit CCallerSearch(const outlook::Application& application);

    // The contact whose "Skype Name" field is `handle`; null when there is
    // none or the folder does not know the field.
    outlook::ContactItem ForSkypeName(const std::wstring& handle) const;
    // The contact whose full name is `fullName`; null for an empty name.
    outlook::ContactItem ForFullName(const std::wstring& fullName) const;
    // The contact holding a number that, in SkypeOut's form (the stored
    // "CountryCode" for national numbers; the user is never asked), is the
    // caller's `number` (taken as written when it starts with "+").
    outlook::ContactItem ForNumber(const std::wstring& number) const;

  private:
    outlook::Items ContactItems() const;
    outlook::ContactItem Find(const std::string& property, const std::wstring& value) const;

    outlook::Application application_;
};
