// CContact: an immutable snapshot of one person as far as Skype is
// concerned: display name, Skype name, names for matching, labelled
// telephone numbers and e-mail addresses. Built from an Outlook contact
// item, from a mail correspondent's address and name, or from known fields.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include <boost/shared_ptr.hpp>

namespace outlook {
class Application;
class ContactItem;
}  // namespace outlook

class CContact;
typedef boost::shared_ptr<CContact> CContactPtr;

class CContact {
  public:
    // A telephone entry: its label (such as "Mobile: ") and the number.
    typedef std::pair<std::wstring, std::wstring> Telephone;

    struct Fields {
        std::wstring name;
        std::wstring skypeName;
        std::wstring entryId;
        std::wstring fullName;
        std::wstring lastName;
        std::vector<Telephone> telephones;
        std::vector<std::wstring> emailAddresses;
    };

    // Reads the contact item once; keeps no reference to it.
    explicit CContact(const outlook::ContactItem& item);
    // A correspondent who is not an Outlook contact: name and full name are
    // the display name, or the address when the name is empty.
    CContact(const std::wstring& address, const std::wstring& displayName);
    // A snapshot of known fields (the simulator and tests).
    explicit CContact(const Fields& fields);

    // The contact in the default Contacts folder (or its contact-folder
    // descendants of other kinds) that carries `address`, or empty.
    static CContactPtr FindByEmailAddress(const outlook::Application& application,
                                          const std::wstring& address);

    const std::wstring& GetName() const { return fields_.name; }
    const std::wstring& GetSkypeName() const { return fields_.skypeName; }
    const std::wstring& GetEntryId() const { return fields_.entryId; }
    const std::wstring& GetFullName() const { return fields_.fullName; }
    const std::wstring& GetLastName() const { return fields_.lastName; }
    const std::vector<Telephone>& GetTelephones() const { return fields_.telephones; }
    const std::vector<std::wstring>& GetEmailAddresses() const { return fields_.emailAddresses; }

  private:
    Fields fields_;
};
