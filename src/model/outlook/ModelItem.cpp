#include "model/outlook/ModelItem.h"

#include <cctype>
#include <unordered_map>

#include "outlook/OutlookIds.h"

namespace model {

std::string ModelItem::Key(const std::string& name) {
    std::string key;
    for (char c : name) {
        key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return key;
}

ModelItem::ModelItem(const std::string& className, CallLog* log, const host::Guid& iid,
                     int objectClass, const std::vector<std::string>& textProperties,
                     const boost::weak_ptr<ModelObject>& application)
    : ModelObject(className, log), application_(application) {
    Implements(iid);
    SourcesEvents(outlook::ItemEvents::kDiid);
    DefineProperty("Class",
                   [objectClass](const std::vector<host::Variant>&, host::Variant* result) {
                       *result = host::Variant::I4(objectClass);
                       return host::hr::kOk;
                   });
    DefineProperty("Application", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::Object(application_.lock());
        return host::hr::kOk;
    });
    for (const std::string& name : textProperties) {
        AddProperty(name, host::Variant::Bstr(L""));
    }
    DefineMethod(
        "Display", Params{0, 1}, [this](const std::vector<host::Variant>&, host::Variant*) {
            if (onDisplay) {
                const auto self = boost::static_pointer_cast<ModelItem>(shared_from_this());
                const auto display = onDisplay;
                display(self);
            }
            return host::hr::kOk;
        });
}

int ModelItem::KeyNumber(const std::string& key, bool make) {
    static std::unordered_map<std::string, int> numbers;
    const auto found = numbers.find(key);
    if (found != numbers.end()) return found->second;
    if (!make) return -1;
    const int number = static_cast<int>(numbers.size());
    numbers.emplace(key, number);
    return number;
}

int ModelItem::Slot(const std::string& key) const {
    const int number = KeyNumber(key, false);
    if (number < 0) return -1;
    for (std::size_t slot = 0; slot < keys_.size(); ++slot) {
        if (keys_[slot] == number) return static_cast<int>(slot);
    }
    return -1;
}

void ModelItem::AddProperty(const std::string& name, const host::Variant& initial) {
    const int slot = Slot(Key(name));
    if (slot >= 0) {
        stored_[slot] = Stored{name, initial};
    } else {
        keys_.push_back(KeyNumber(Key(name), true));
        stored_.push_back(Stored{name, initial});
    }
    DefineProperty(
        name,
        [this, name](const std::vector<host::Variant>&, host::Variant* result) {
            *result = Property(name);
            return host::hr::kOk;
        },
        [this, name](const host::Variant& value) {
            Change(name, value);
            return host::hr::kOk;
        });
}

bool ModelItem::HasProperty(const std::string& name) const { return Slot(Key(name)) >= 0; }

host::Variant ModelItem::Property(const std::string& name) const {
    const int slot = Slot(Key(name));
    return slot < 0 ? host::Variant() : stored_[slot].value;
}

const host::Variant* ModelItem::FindProperty(const std::string& key) const {
    const int slot = Slot(key);
    return slot < 0 ? nullptr : &stored_[slot].value;
}

void ModelItem::Checkpoint() {
    checkpointKeys_ = keys_;
    checkpointStored_ = stored_;
    changed_ = false;
}

void ModelItem::Rollback() {
    if (!changed_) return;
    keys_ = checkpointKeys_;
    stored_ = checkpointStored_;
    changed_ = false;
}

void ModelItem::SetProperty(const std::string& name, const host::Variant& value) {
    changed_ = true;
    const int slot = Slot(Key(name));
    if (slot < 0) {
        AddProperty(name, value);
    } else {
        stored_[slot].value = value;
    }
}

void ModelItem::Change(const std::string& name, const host::Variant& value) {
    SetProperty(name, value);
    const std::string& spelled = stored_[Slot(Key(name))].name;
    FirePropertyChange(std::wstring(spelled.begin(), spelled.end()));
}

void ModelItem::FirePropertyChange(const std::wstring& name) {
    FireEvent(outlook::ItemEvents::kDiid, outlook::ItemEvents::kPropertyChange,
              {host::Variant::Bstr(name)});
}

void ModelItem::FireCustomPropertyChange(const std::wstring& name) {
    FireEvent(outlook::ItemEvents::kDiid, outlook::ItemEvents::kCustomPropertyChange,
              {host::Variant::Bstr(name)});
}

}  // namespace model
