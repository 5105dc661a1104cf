#include "model/outlook/ModelFolder.h"

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

}  // namespace

ModelItems::ModelItems(CallLog* log, int itemType)
    : ModelObject("Items", log), itemType_(itemType) {
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
}

bool ModelItems::FindFirst(const std::wstring& filter, ModelItemPtr* found) const {
    std::vector<FindTerm> terms;
    if (!ParseFindFilter(filter, &terms)) return false;
    // Each term's property key once, not once per item.
    std::vector<std::string> keys;
    for (const FindTerm& term : terms) {
        const std::string property = Narrow(term.property);
        if (!IsKnownProperty(itemType_, property)) return false;
        keys.push_back(ModelItem::Key(property));
    }
    found->reset();
    for (const ModelItemPtr& item : items_) {
        for (std::size_t t = 0; t < terms.size(); ++t) {
            const host::Variant* value = item->FindProperty(keys[t]);
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
