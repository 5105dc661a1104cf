#include "model/outlook/ModelItem.h"

#include <cctype>

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

void ModelItem::AddProperty(const std::string& name, const host::Variant& initial) {
    properties_[Key(name)] = Stored{name, initial};
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

bool ModelItem::HasProperty(const std::string& name) const {
    return properties_.count(Key(name)) != 0;
}

host::Variant ModelItem::Property(const std::string& name) const {
    const auto found = properties_.find(Key(name));
    return found == properties_.end() ? host::Variant() : found->second.value;
}

const host::Variant* ModelItem::FindProperty(const std::string& key) const {
    const auto found = properties_.find(key);
    return found == properties_.end() ? nullptr : &found->second.value;
}

void ModelItem::SetProperty(const std::string& name, const host::Variant& value) {
    const auto found = properties_.find(Key(name));
    if (found == properties_.end()) {
        AddProperty(name, value);
    } else {
        found->second.value = value;
    }
}

void ModelItem::Change(const std::string& name, const host::Variant& value) {
    SetProperty(name, value);
    const std::string& spelled = properties_[Key(name)].name;
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
