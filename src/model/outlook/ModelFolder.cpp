#include "model/outlook/ModelFolder.h"

#include <algorithm>
#include <cctype>
#include <cwctype>

#include "model/office/ModelCollection.h"
#include "model/outlook/FindFilter.h"
#include "model/outlook/ModelContactItem.h"
#include "model/outlook/ModelMailItem.h"
#include "outlook/OutlookIds.h"

namespace model {

namespace {

std::string Narrow(const std::wstring& wide) {
    std::string narrow;
    for (wchar_t c : wide) {
        narrow += (c > 0 && c < 0x80) ? static_cast<char>(c) : '?';
    }
    return narrow;
}

// Whether items of `itemType` have property `name`: a restriction on any
// other property is refused, as Outlook refuses it.
bool IsKnownProperty(int itemType, const std::string& name) {
    static const std::vector<std::string> kGeneral = {"Subject", "Body", "EntryID", "Location"};
    const std::vector<std::string>* names = &kGeneral;
    if (itemType == outlook::item_type::kContact) {
        names = &ModelContactItem::TextProperties();
    } else if (itemType == outlook::item_type::kMail) {
        names = &ModelMailItem::TextProperties();
    }
    const std::string key = ModelItem::Key(name);
    for (const std::string& known : *names) {
        if (ModelItem::Key(known) == key) return true;
    }
    return false;
}

// A user-defined field the folder knows (an item of it carries the field).
bool IsFolderField(const std::vector<ModelItemPtr>& items, const std::wstring& name) {
    for (const ModelItemPtr& item : items) {
        const auto contact = boost::dynamic_pointer_cast<ModelContactItem>(item);
        if (contact && contact->UserPropertyValue(name).type() != host::VarType::Empty) {
            return true;
        }
    }
    return false;
}

bool SameName(const std::string& a, const std::string& b) {
    if (a == b) return true;  // as the caller spells it, mostly
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// One item as a walk with cached columns hands it out: the cached
// properties read as the item has them, any other property of the item
// reads empty (as Outlook answers it), nothing can be written. Rows are
// made by the thousand: they define no members of their own.
class ModelItemRow : public ModelObject {
  public:
    ModelItemRow(CallLog* log, const ModelItemPtr& item,
                 const boost::shared_ptr<const ModelItems::Columns>& columns)
        : ModelObject(item->className(), log), log_(log), item_(item), columns_(columns) {}

    host::HResult GetProperty(const std::string& name, const std::vector<host::Variant>& args,
                              host::Variant* result) override {
        host::HResult answer = host::hr::kOk;
        const host::Variant* value = nullptr;
        bool cached = false;
        for (const auto& column : *columns_) {
            if (SameName(column.first, name)) {
                value = item_->FindProperty(column.second);
                cached = true;
                break;
            }
        }
        if (!cached) value = item_->FindProperty(ModelItem::Key(name));
        if (value == nullptr) {
            answer = host::hr::kUnknownName;
        } else if (!args.empty()) {
            answer = host::hr::kBadParamCount;
        } else {
            *result = cached ? *value : host::Variant::Bstr(L"");
        }
        Log(CallRecord::Kind::Get, name, args, answer);
        return answer;
    }
    host::HResult PutProperty(const std::string& name, const host::Variant& value) override {
        Log(CallRecord::Kind::Put, name, {value}, host::hr::kMemberNotFound);
        return host::hr::kMemberNotFound;  // a row is read-only
    }
    host::HResult Call(const std::string& name, const std::vector<host::Variant>& args,
                       host::Variant* result) override {
        return GetProperty(name, args, result);
    }

  private:
    void Log(CallRecord::Kind kind, const std::string& member,
             const std::vector<host::Variant>& args, host::HResult answer) {
        if (log_ == nullptr) return;
        CallRecord record;
        record.object = className();
        record.member = member;
        record.kind = kind;
        record.args = args;
        record.result = answer;
        log_->Add(std::move(record));
    }

    CallLog* log_;
    ModelItemPtr item_;
    boost::shared_ptr<const ModelItems::Columns> columns_;
};

std::vector<std::string> ColumnList(const std::wstring& text) {
    std::vector<std::string> columns;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(L',', start);
        std::string name = Narrow(text.substr(start, comma - start));
        const std::size_t first = name.find_first_not_of(' ');
        name = first == std::string::npos
                   ? std::string()
                   : name.substr(first, name.find_last_not_of(' ') - first + 1);
        columns.push_back(name);
        if (comma == std::wstring::npos) break;
        start = comma + 1;
    }
    return columns;
}

}  // namespace

ModelItems::ModelItems(CallLog* log, int itemType)
    : ModelObject("Items", log), log_(log), itemType_(itemType) {
    Implements(outlook::kIID_Items);
    DefineProperty("Count", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::I4(CountOf(items_.size()));
        return host::hr::kOk;
    });
    DefineMethod("Item", Params{1, 0},
                 [this](const std::vector<host::Variant>& args, host::Variant* result) {
                     return ItemAt(items_, args[0], result);
                 });
    DefineMethod("Find", Params{1, 0},
                 [this](const std::vector<host::Variant>& args, host::Variant* result) {
                     if (args.size() != 1) return host::hr::kBadParamCount;
                     if (args[0].type() != host::VarType::Bstr) return host::hr::kTypeMismatch;
                     ModelItemPtr found;
                     if (!FindFirst(args[0].bstr(), &found)) {
                         // Outlook raises "Cannot parse condition" through IDispatch.
                         return host::hr::kException;
                     }
                     *result = host::Variant::Object(found);
                     return host::hr::kOk;
                 });
    // SetColumns("A,B,C"): names the items of the folder have, none empty.
    DefineMethod("SetColumns", Params{1, 0},
                 [this](const std::vector<host::Variant>& args, host::Variant*) {
                     if (args[0].type() != host::VarType::Bstr) return host::hr::kTypeMismatch;
                     boost::shared_ptr<Columns> columns(new Columns);
                     for (const std::string& column : ColumnList(args[0].bstr())) {
                         if (column.empty() || !IsKnownProperty(itemType_, column)) {
                             return host::hr::kException;
                         }
                         columns->push_back({column, ModelItem::Key(column)});
                     }
                     columns_ = columns;
                     return host::hr::kOk;
                 });
    DefineMethod("ResetColumns", Params{0, 0},
                 [this](const std::vector<host::Variant>&, host::Variant*) {
                     columns_.reset();
                     return host::hr::kOk;
                 });
    DefineMethod("GetFirst", Params{0, 0},
                 [this](const std::vector<host::Variant>&, host::Variant* result) {
                     cursor_ = 0;
                     *result = Next();
                     return host::hr::kOk;
                 });
    DefineMethod("GetNext", Params{0, 0},
                 [this](const std::vector<host::Variant>&, host::Variant* result) {
                     *result = Next();
                     return host::hr::kOk;
                 });
}

host::Variant ModelItems::Next() {
    if (cursor_ >= items_.size()) {
        return host::Variant::Object(host::DispatchPtr());
    }
    const ModelItemPtr& item = items_[cursor_++];
    if (!columns_) {
        return host::Variant::Object(item);
    }
    return host::Variant::Object(ModelObjectPtr(new ModelItemRow(log_, item, columns_)));
}

bool ModelItems::FindFirst(const std::wstring& filter, ModelItemPtr* found) const {
    std::vector<FindTerm> terms;
    if (!ParseFindFilter(filter, &terms)) return false;
    // Each term's property key once, not once per item; a user-defined
    // field is looked up among the contact's own fields.
    std::vector<std::string> keys;
    std::vector<bool> userFields;
    for (const FindTerm& term : terms) {
        const std::string property = Narrow(term.property);
        const bool builtIn = IsKnownProperty(itemType_, property);
        if (!builtIn && !IsFolderField(items_, term.property)) return false;
        keys.push_back(ModelItem::Key(property));
        userFields.push_back(!builtIn);
    }
    found->reset();
    for (const ModelItemPtr& item : items_) {
        for (std::size_t t = 0; t < terms.size(); ++t) {
            host::Variant userValue;
            const host::Variant* value = nullptr;
            if (userFields[t]) {
                const auto contact = boost::dynamic_pointer_cast<ModelContactItem>(item);
                if (contact) userValue = contact->UserPropertyValue(terms[t].property);
                value = &userValue;
            } else {
                value = item->FindProperty(keys[t]);
            }
            // bstr() is the text of a VT_BSTR and empty for any other kind.
            if (value != nullptr && EqualIgnoringCase(value->bstr(), terms[t].value)) {
                *found = item;
                return true;
            }
        }
    }
    return true;
}

ModelFolders::ModelFolders(CallLog* log) : ModelObject("Folders", log) {
    Implements(outlook::kIID_Folders);
    DefineProperty("Count", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::I4(CountOf(folders_.size()));
        return host::hr::kOk;
    });
    // Item(index) 1-based, or Item(name).
    DefineMethod("Item", Params{1, 0},
                 [this](const std::vector<host::Variant>& args, host::Variant* result) {
                     if (args.size() != 1) return host::hr::kBadParamCount;
                     if (args[0].type() == host::VarType::Bstr) {
                         for (const ModelFolderPtr& folder : folders_) {
                             if (EqualIgnoringCase(folder->name(), args[0].bstr())) {
                                 *result = host::Variant::Object(folder);
                                 return host::hr::kOk;
                             }
                         }
                         return host::hr::kInvalidArg;
                     }
                     return ItemAt(folders_, args[0], result);
                 });
}

ModelFolder::ModelFolder(CallLog* log, const std::wstring& name, int defaultItemType)
    : ModelObject("MAPIFolder", log),
      log_(log),
      name_(name),
      defaultItemType_(defaultItemType),
      folders_(new ModelFolders(log)),
      items_(new ModelItems(log, defaultItemType)) {
    Implements(outlook::kIID_MAPIFolder);
    DefineValue("Name", host::Variant::Bstr(name));
    DefineValue("DefaultItemType", host::Variant::I4(defaultItemType));
    DefineProperty("Folders", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::Object(folders_);
        return host::hr::kOk;
    });
    DefineProperty("Items", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::Object(items_);
        return host::hr::kOk;
    });
}

ModelFolderPtr ModelFolder::AddFolder(const std::wstring& name, int defaultItemType) {
    ModelFolderPtr folder(new ModelFolder(log_, name, defaultItemType));
    folders_->Append(folder);
    return folder;
}

}  // namespace model
