#include "calls/CallerSearch.h"

#include "outlook/FilterText.h"
#include "outlook/OutlookIds.h"
#include "outlook/TelephoneFields.h"
#include "skype/PhoneNumberForm.h"
#include "util/Text.h"
#include "util/Trace.h"

namespace {

constexpr char kSkypeNameField[] = "Skype Name";

// "+" and the digits of a number Skype gives in international form; the
// SkypeOut form of any other.
std::string CallerNumberForm(const std::wstring& number,
                             const phone_numbers::StoredCountryForm& form) {
    const std::size_t first = number.find_first_not_of(L' ');
    if (first == std::wstring::npos || number[first] != L'+') {
        return form.Of(number);
    }
    std::string digits;
    for (wchar_t c : number) {
        if (c >= L'0' && c <= L'9') {
            digits += static_cast<char>(c);
        }
    }
    return digits.empty() ? std::string() : "+" + digits;
}

// The last digits of a number in SkypeOut's form: a number that converts
// into it ends in them, whatever its layout, so that most numbers are told
// apart without converting them.
constexpr std::size_t kTailDigits = 6;

std::string Tail(const std::string& converted) {
    return converted.size() > kTailDigits ? converted.substr(converted.size() - kTailDigits)
                                          : converted.substr(1);
}

// Whether the digits of `stored`, before an extension ("x"), end in `tail`.
bool DigitsEndIn(const std::wstring& stored, const std::string& tail) {
    std::size_t matched = 0;
    std::size_t end = stored.find(L'x');
    for (std::size_t i = end == std::wstring::npos ? stored.size() : end;
         i-- > 0 && matched < tail.size();) {
        const wchar_t c = stored[i];
        if (c < L'0' || c > L'9') continue;
        if (static_cast<char>(c) != tail[tail.size() - 1 - matched]) return false;
        ++matched;
    }
    return matched == tail.size();
}

std::wstring TelephoneColumns() {
    std::wstring columns;
    for (const outlook::TelephoneField& field : outlook::kTelephoneFields) {
        columns += (columns.empty() ? L"" : L",") + text::FromAnsi(field.property);
    }
    return columns;
}

// Puts the folder's items back whole however the walk ends.
class CachedColumns {
  public:
    CachedColumns(const outlook::Items& items, const std::wstring& columns) : items_(items) {
        items_.SetColumns(columns);
    }
    ~CachedColumns() { items_.ResetColumns(); }
    CachedColumns(const CachedColumns&) = delete;
    CachedColumns& operator=(const CachedColumns&) = delete;

  private:
    const outlook::Items& items_;
};

}  // namespace

CCallerSearch::CCallerSearch(const outlook::Application& application) : application_(application) {}

outlook::Items CCallerSearch::ContactItems() const {
    return application_.GetNamespace(L"MAPI")
        .GetDefaultFolder(outlook::default_folder::kContacts)
        .Items();
}

outlook::ContactItem CCallerSearch::Find(const std::string& property,
                                         const std::wstring& value) const {
    if (value.empty()) {
        return outlook::ContactItem();
    }
    const std::string filter = outlook::PropertyEquals(property, text::ToAnsi(value));
    return outlook::ContactItem::QueryFrom(ContactItems().Find(text::FromAnsi(filter)));
}

outlook::ContactItem CCallerSearch::ForSkypeName(const std::wstring& handle) const {
    TANDREL_TRACE("CCallerSearch::ForSkypeName");
    return Find(kSkypeNameField, handle);
}

outlook::ContactItem CCallerSearch::ForFullName(const std::wstring& fullName) const {
    TANDREL_TRACE("CCallerSearch::ForFullName");
    return Find("FullName", fullName);
}

outlook::ContactItem CCallerSearch::ForNumber(const std::wstring& number) const {
    TANDREL_TRACE("CCallerSearch::ForNumber");
    const phone_numbers::StoredCountryForm form;
    const std::string wanted = CallerNumberForm(number, form);
    if (wanted.empty()) {
        return outlook::ContactItem();
    }
    const outlook::Items items = ContactItems();
    if (!items) {
        return outlook::ContactItem();
    }
    const std::string tail = Tail(wanted);
    std::int32_t found = 0;
    {
        const CachedColumns cached(items, TelephoneColumns());
        std::int32_t index = 0;
        for (host::DispatchPtr item = items.GetFirst(); item && found == 0;
             item = items.GetNext()) {
            ++index;
            // Read as a contact's fields without asking for the interface:
            // another kind of item (a distribution list) reads them empty.
            const outlook::ContactItem row(item);
            for (const outlook::TelephoneField& field : outlook::kTelephoneFields) {
                const std::wstring stored = row.TelephoneNumber(field.property);
                if (!stored.empty() && DigitsEndIn(stored, tail) && form.Of(stored) == wanted) {
                    found = index;
                    break;
                }
            }
        }
    }
    // The row a walk hands out carries only its cached fields: the contact
    // itself comes from the collection with its columns reset.
    return found == 0 ? outlook::ContactItem() : outlook::ContactItem::QueryFrom(items.Item(found));
}
