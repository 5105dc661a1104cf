#include "model/outlook/ModelOutlook.h"

#include "outlook/OutlookIds.h"

namespace model {

namespace {

// _NameSpace: GetDefaultFolder, the folder tree and the user signed in.
class ModelNameSpace : public ModelObject {
  public:
    ModelNameSpace(CallLog* log, const ModelFolderPtr& mailbox)
        : ModelObject("NameSpace", log), log_(log) {
        Implements(outlook::kIID_NameSpace);
        DefineValue("Type", host::Variant::Bstr(L"MAPI"));
        SetCurrentUser(ModelAddress{kCurrentUserAddress, kCurrentUserName});
        DefineProperty("CurrentUser",
                       [this](const std::vector<host::Variant>&, host::Variant* result) {
                           *result = host::Variant::Object(currentUser_);
                           return host::hr::kOk;
                       });
        DefineMethod("GetDefaultFolder", Params{1, 0},
                     [this](const std::vector<host::Variant>& args, host::Variant* result) {
                         std::int32_t number = 0;
                         if (!args[0].ToInt32(&number)) return host::hr::kTypeMismatch;
                         const auto found = defaultFolders_.find(number);
                         if (found == defaultFolders_.end() || !found->second) {
                             return host::hr::kInvalidArg;
                         }
                         *result = host::Variant::Object(found->second);
                         return host::hr::kOk;
                     });
        boost::shared_ptr<ModelFolders> folders(new ModelFolders(log));
        folders->Append(mailbox);
        DefineProperty("Folders",
                       [folders](const std::vector<host::Variant>&, host::Variant* result) {
                           *result = host::Variant::Object(folders);
                           return host::hr::kOk;
                       });
    }

    void SetDefaultFolder(int number, const ModelFolderPtr& folder) {
        defaultFolders_[number] = folder;
    }
    void SetCurrentUser(const ModelAddress& user) {
        currentUser_.reset(new ModelRecipient(log_, user, outlook::recipient_type::kOriginator));
    }
    const ModelAddress& currentUser() const { return currentUser_->address(); }

  private:
    CallLog* log_;
    std::map<int, ModelFolderPtr> defaultFolders_;
    boost::shared_ptr<ModelRecipient> currentUser_;
};

}  // namespace

ModelApplication::ModelApplication(CallLog* log, const ModelWindowsPtr& explorers,
                                   const ModelWindowsPtr& inspectors, const ModelFolderPtr& mailbox)
    : ModelObject("Application", log),
      explorers_(explorers),
      inspectors_(inspectors),
      namespace_(new ModelNameSpace(log, mailbox)) {
    Implements(outlook::kIID_Application);
    DefineValue("Version", host::Variant::Bstr(L""));
    DefineValue("Name", host::Variant::Bstr(L"Outlook"));
    DefineProperty("Explorers", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::Object(explorers_);
        return host::hr::kOk;
    });
    DefineProperty("Inspectors", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::Object(inspectors_);
        return host::hr::kOk;
    });
    DefineProperty("Session", [this](const std::vector<host::Variant>&, host::Variant* result) {
        *result = host::Variant::Object(namespace_);
        return host::hr::kOk;
    });
    DefineMethod("ActiveExplorer", Params{0, 0},
                 [this](const std::vector<host::Variant>&, host::Variant* result) {
                     const bool open = activeExplorer_ && !activeExplorer_->closed();
                     *result = host::Variant::Object(open ? activeExplorer_ : ModelExplorerPtr());
                     return host::hr::kOk;
                 });
    // CreateItem(ItemType): a new item, in no folder.
    DefineMethod("CreateItem", Params{1, 0},
                 [this](const std::vector<host::Variant>& args, host::Variant* result) {
                     std::int32_t type = 0;
                     if (!args[0].ToInt32(&type)) return host::hr::kTypeMismatch;
                     const host::DispatchPtr item = createItem ? createItem(type) : nullptr;
                     if (!item) return host::hr::kInvalidArg;
                     *result = host::Variant::Object(item);
                     return host::hr::kOk;
                 });
    // GetNamespace(Type): "MAPI" is the only type there is.
    DefineMethod("GetNamespace", Params{1, 0},
                 [this](const std::vector<host::Variant>& args, host::Variant* result) {
                     if (args[0].type() != host::VarType::Bstr) return host::hr::kTypeMismatch;
                     if (args[0].bstr() != L"MAPI") return host::hr::kInvalidArg;
                     *result = host::Variant::Object(namespace_);
                     return host::hr::kOk;
                 });
}

void ModelApplication::SetDefaultFolder(int number, const ModelFolderPtr& folder) {
    boost::static_pointer_cast<ModelNameSpace>(namespace_)->SetDefaultFolder(number, folder);
}

void ModelApplication::SetCurrentUser(const ModelAddress& user) {
    boost::static_pointer_cast<ModelNameSpace>(namespace_)->SetCurrentUser(user);
}

const ModelAddress& ModelApplication::currentUser() const {
    return boost::static_pointer_cast<ModelNameSpace>(namespace_)->currentUser();
}

ModelOutlook::ModelOutlook(const std::wstring& version)
    : explorers_(new ModelWindows("Explorers", &log_, outlook::kIID_Explorers,
                                  outlook::ExplorersEvents::kDiid)),
      inspectors_(new ModelWindows("Inspectors", &log_, outlook::kIID_Inspectors,
                                   outlook::InspectorsEvents::kDiid)),
      mailbox_(new ModelFolder(&log_, L"Personal Folders", outlook::item_type::kMail)) {
    application_.reset(new ModelApplication(&log_, explorers_, inspectors_, mailbox_));
    application_->SetVersion(version);
    deletedItems_ = mailbox_->AddFolder(L"Deleted Items", outlook::item_type::kMail);
    inbox_ = mailbox_->AddFolder(L"Inbox", outlook::item_type::kMail);
    sentItems_ = mailbox_->AddFolder(L"Sent Items", outlook::item_type::kMail);
    calendar_ = mailbox_->AddFolder(L"Calendar", outlook::item_type::kAppointment);
    contacts_ = mailbox_->AddFolder(L"Contacts", outlook::item_type::kContact);
    SetDefaultFolder(outlook::default_folder::kDeletedItems, deletedItems_);
    SetDefaultFolder(outlook::default_folder::kInbox, inbox_);
    SetDefaultFolder(outlook::default_folder::kSentMail, sentItems_);
    SetDefaultFolder(outlook::default_folder::kCalendar, calendar_);
    SetDefaultFolder(outlook::default_folder::kContacts, contacts_);
    const boost::weak_ptr<int> alive = alive_;
    application_->createItem = [this, alive](int itemType) {
        return alive.expired() ? host::DispatchPtr() : CreateItem(itemType);
    };
}

void ModelOutlook::HookDisplay(const ModelItemPtr& item) {
    const boost::weak_ptr<int> alive = alive_;
    item->onDisplay = [this, alive](const ModelItemPtr& shown) {
        if (!alive.expired()) displayed_ = OpenInspector(shown);
    };
}

host::DispatchPtr ModelOutlook::CreateItem(int itemType) {
    if (itemType != outlook::item_type::kContact) {
        return host::DispatchPtr();  // the model makes contacts only
    }
    ModelContactItemPtr contact(new ModelContactItem(&log_, application_));
    HookDisplay(contact);
    created_.push_back(contact);
    return contact;
}

ModelInspectorPtr ModelOutlook::TakeDisplayed() {
    ModelInspectorPtr displayed;
    displayed.swap(displayed_);
    return displayed;
}

ModelOutlook::~ModelOutlook() = default;

host::DispatchPtr ModelOutlook::applicationObject() const { return application_; }

void ModelOutlook::SetVersion(const std::wstring& version) { application_->SetVersion(version); }

std::wstring ModelOutlook::version() const { return application_->version(); }

ModelFolderPtr ModelOutlook::AddFolder(const ModelFolderPtr& parent, const std::wstring& name,
                                       int defaultItemType) {
    return parent->AddFolder(name, defaultItemType);
}

void ModelOutlook::SetDefaultFolder(int number, const ModelFolderPtr& folder) {
    application_->SetDefaultFolder(number, folder);
}

void ModelOutlook::SetCurrentUser(const ModelAddress& user) { application_->SetCurrentUser(user); }

const ModelAddress& ModelOutlook::currentUser() const { return application_->currentUser(); }

ModelContactItemPtr ModelOutlook::AddContact(const ModelFolderPtr& folder,
                                             const Properties& properties) {
    ModelContactItemPtr contact(new ModelContactItem(&log_, application_));
    for (const auto& property : properties) {
        contact->SetText(property.first, property.second);
    }
    HookDisplay(contact);
    folder->AddItem(contact);
    return contact;
}

ModelMailItemPtr ModelOutlook::AddMail(const ModelFolderPtr& folder,
                                       const ModelMailItem::Fields& fields) {
    ModelMailItemPtr mail(new ModelMailItem(&log_, application_, fields));
    HookDisplay(mail);
    folder->AddItem(mail);
    return mail;
}

ModelMailItemPtr ModelOutlook::AddMail(const ModelFolderPtr& folder,
                                       const std::wstring& senderAddress,
                                       const std::wstring& senderName, const std::wstring& body) {
    ModelMailItem::Fields fields;
    fields.senderAddress = senderAddress;
    fields.senderName = senderName;
    fields.body = body;
    return AddMail(folder, fields);
}

boost::shared_ptr<ModelDistListItem> ModelOutlook::AddDistributionList(const ModelFolderPtr& folder,
                                                                       const std::wstring& name) {
    boost::shared_ptr<ModelDistListItem> list(new ModelDistListItem(&log_, application_, name));
    folder->AddItem(list);
    return list;
}

boost::shared_ptr<ModelAppointmentItem> ModelOutlook::AddAppointment(const ModelFolderPtr& folder,
                                                                     const std::wstring& subject) {
    boost::shared_ptr<ModelAppointmentItem> item(
        new ModelAppointmentItem(&log_, application_, subject));
    folder->AddItem(item);
    return item;
}

boost::shared_ptr<ModelMeetingItem> ModelOutlook::AddMeetingRequest(
    const ModelFolderPtr& folder, const std::wstring& subject, const std::wstring& senderAddress) {
    boost::shared_ptr<ModelMeetingItem> item(
        new ModelMeetingItem(&log_, application_, subject, senderAddress));
    folder->AddItem(item);
    return item;
}

ModelExplorerPtr ModelOutlook::AddExplorer(const ModelFolderPtr& folder) {
    ModelExplorerPtr explorer(new ModelExplorer(&log_, folder));
    explorer->AttachTo(explorers_);
    explorers_->Add(explorer);
    return explorer;
}

ModelExplorerPtr ModelOutlook::OpenExplorer(const ModelFolderPtr& folder) {
    ModelExplorerPtr explorer(new ModelExplorer(&log_, folder));
    explorer->AttachTo(explorers_);
    explorers_->Open(explorer);
    application_->SetActiveExplorer(explorer);
    explorer->Activate();
    return explorer;
}

void ModelOutlook::SetActiveExplorer(const ModelExplorerPtr& explorer) {
    application_->SetActiveExplorer(explorer);
}

namespace {

void ForEachItem(const ModelFolderPtr& folder, void (ModelItem::*act)()) {
    for (const ModelItemPtr& item : folder->items()) ((*item).*act)();
    for (const ModelFolderPtr& child : folder->folders()) ForEachItem(child, act);
}

}  // namespace

void ModelOutlook::Checkpoint() { ForEachItem(mailbox_, &ModelItem::Checkpoint); }

void ModelOutlook::Rollback() {
    for (const ModelWindowsPtr& windows : {inspectors_, explorers_}) {
        // Closing takes a window out of the list: close copies.
        const std::vector<ModelObjectPtr> open = windows->windows();
        for (const ModelObjectPtr& window : open) {
            if (auto inspector = boost::dynamic_pointer_cast<ModelInspector>(window)) {
                inspector->Close();
            } else if (auto explorer = boost::dynamic_pointer_cast<ModelExplorer>(window)) {
                explorer->Close();
            }
        }
    }
    application_->SetActiveExplorer(ModelExplorerPtr());
    log_.Clear();
    ForEachItem(mailbox_, &ModelItem::Rollback);
}

ModelInspectorPtr ModelOutlook::OpenInspector(const ModelItemPtr& item, int editorType) {
    ModelInspectorPtr inspector(new ModelInspector(&log_, item, editorType));
    inspector->AttachTo(inspectors_);
    inspectors_->Open(inspector);
    return inspector;
}

}  // namespace model
