// A model Outlook contact (_ContactItem) with its user-defined properties.
#pragma once

#include <string>
#include <vector>

#include "model/outlook/ModelItem.h"

namespace model {

class ModelContactItem;

// One user-defined property. Setting its Value through IDispatch fires
// CustomPropertyChange(name) on its item.
class ModelUserProperty : public ModelObject {
  public:
    ModelUserProperty(CallLog* log, const boost::weak_ptr<ModelContactItem>& item,
                      const std::wstring& name, int type, const host::Variant& value);
    const std::wstring& name() const { return name_; }
    int type() const { return type_; }
    const host::Variant& value() const { return value_; }
    void SetValueQuietly(const host::Variant& value) { value_ = value; }

  private:
    boost::weak_ptr<ModelContactItem> item_;
    std::wstring name_;
    int type_;
    host::Variant value_;
};

typedef boost::shared_ptr<ModelUserProperty> ModelUserPropertyPtr;

// UserProperties: Count, Item, Find (case-insensitive), Add, Remove.
class ModelUserProperties : public ModelObject {
  public:
    ModelUserProperties(CallLog* log, const boost::weak_ptr<ModelContactItem>& item);

    ModelUserPropertyPtr FindByName(const std::wstring& name) const;
    ModelUserPropertyPtr AddProperty(const std::wstring& name, int type,
                                     const host::Variant& value);
    const std::vector<ModelUserPropertyPtr>& properties() const { return properties_; }

  private:
    CallLog* log_;
    boost::weak_ptr<ModelContactItem> item_;
    std::vector<ModelUserPropertyPtr> properties_;
};

class ModelContactItem : public ModelItem {
  public:
    ModelContactItem(CallLog* log, const boost::weak_ptr<ModelObject>& application);

    // Every text property a model contact has.
    static const std::vector<std::string>& TextProperties();

    ModelUserProperties& userProperties();
    // A user property as the user would make it in a form (no event).
    ModelUserPropertyPtr AddUserProperty(const std::wstring& name, const host::Variant& value,
                                         int type = 1);
    // The user property's value, VT_EMPTY when there is none.
    host::Variant UserPropertyValue(const std::wstring& name) const;

    // Its user properties too.
    void Checkpoint() override;
    void Rollback() override;

  private:
    // Made on first use, when the item is owned by a shared pointer that
    // its properties can refer back to weakly.
    const boost::shared_ptr<ModelUserProperties>& EnsureUserProperties();

    struct SavedProperty {
        std::wstring name;
        int type;
        host::Variant value;
    };
    std::vector<SavedProperty> SaveUserProperties() const;

    CallLog* log_;
    boost::shared_ptr<ModelUserProperties> userProperties_;
    std::vector<SavedProperty> checkpoint_;
};

typedef boost::shared_ptr<ModelContactItem> ModelContactItemPtr;

}  // namespace model
