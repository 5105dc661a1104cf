// The base of the model's Outlook items (contacts, mails, distribution
// lists, appointments, meeting requests): a property store whose texts can
// be read and written through IDispatch, the item's Application, and the
// ItemEvents connection point. Writing a property, through IDispatch or by
// the builder's Change, fires PropertyChange(name) as Outlook does.
// Display([Modal]) shows the item in its own window (onDisplay).
#pragma once

#include <map>
#include <string>
#include <vector>

#include <boost/function.hpp>
#include <boost/shared_ptr.hpp>
#include <boost/weak_ptr.hpp>

#include "model/host/ModelObject.h"

namespace model {

class ModelItem : public ModelObject {
  public:
    // The item's class name and interface, its OlObjectClass number, the
    // text properties it has (initially empty) and its application.
    ModelItem(const std::string& className, CallLog* log, const host::Guid& iid, int objectClass,
              const std::vector<std::string>& textProperties,
              const boost::weak_ptr<ModelObject>& application);

    // The builder's view, not recorded in the call log.
    bool HasProperty(const std::string& name) const;
    // VT_EMPTY for a property the item does not have.
    host::Variant Property(const std::string& name) const;
    // The stored value under a property's Key(), or null: for searches over
    // many items, which must not copy every value they look at.
    const host::Variant* FindProperty(const std::string& key) const;
    // Sets a property without any event (building the item).
    void SetProperty(const std::string& name, const host::Variant& value);
    void SetText(const std::string& name, const std::wstring& value) {
        SetProperty(name, host::Variant::Bstr(value));
    }
    // The user edits a property: sets it and fires PropertyChange(name).
    void Change(const std::string& name, const host::Variant& value);

    // Fires ItemEvents.PropertyChange / CustomPropertyChange with `name`.
    void FirePropertyChange(const std::wstring& name);
    void FireCustomPropertyChange(const std::wstring& name);

    // Case-insensitive member-name key ("fullname").
    static std::string Key(const std::string& name);

    // Remembers what the item holds now; Rollback() brings it back (only
    // when something changed since). For a world used again and again.
    virtual void Checkpoint();
    virtual void Rollback();

    // What Display does (the model Outlook opens an Inspector); nothing
    // when empty.
    boost::function<void(const boost::shared_ptr<ModelItem>& item)> onDisplay;

  protected:
    // A further property with its own initial value.
    void AddProperty(const std::string& name, const host::Variant& initial);

  private:
    struct Stored {
        std::string name;  // as Outlook spells it
        host::Variant value;
    };
    // The slot of the property with that key, or -1. A search walks
    // thousands of items and reads many properties of each: the keys are
    // numbers shared by every item (one table for all, always at hand),
    // each item's numbers lie side by side, and a lookup touches the
    // item's own memory once.
    int Slot(const std::string& key) const;
    static int KeyNumber(const std::string& key, bool make);

    std::vector<int> keys_;       // the key numbers, in the order the properties came
    std::vector<Stored> stored_;  // in the same order
    std::vector<int> checkpointKeys_;
    std::vector<Stored> checkpointStored_;
    bool changed_ = false;  // since the checkpoint
    boost::weak_ptr<ModelObject> application_;
};

typedef boost::shared_ptr<ModelItem> ModelItemPtr;

}  // namespace model
