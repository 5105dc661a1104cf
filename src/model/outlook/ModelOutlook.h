// The model Outlook: an application with a configurable Version, the MAPI
// namespace with the user signed in, and a folder tree (a mailbox holding Inbox, Calendar,
// Contacts, Sent Items and Deleted Items), the windows, and a builder for tests and the simulator:
// add contacts, mails and other items, open and select in Explorers, open Inspectors, right-click,
// and let the user edit. Every call the add-in makes is recorded in log() with its arguments.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "model/outlook/ModelContactItem.h"
#include "model/outlook/ModelExplorer.h"
#include "model/outlook/ModelFolder.h"
#include "model/outlook/ModelMailItem.h"
#include "model/outlook/ModelOtherItems.h"
#include "outlook/Application.h"

namespace model {

class ModelApplication;
typedef boost::shared_ptr<ModelApplication> ModelApplicationPtr;

// Who is signed in to the model Outlook unless told otherwise.
constexpr wchar_t kCurrentUserAddress[] = L"me@tandrel.example";
constexpr wchar_t kCurrentUserName[] = L"Tandrel Demo";

class ModelOutlook {
  public:
    // Property name and text, for contacts.
    typedef std::vector<std::pair<std::string, std::wstring>> Properties;

    // Outlook 2003 unless told otherwise.
    explicit ModelOutlook(const std::wstring& version = L"11.0.5608.0");
    ~ModelOutlook();
    ModelOutlook(const ModelOutlook&) = delete;
    ModelOutlook& operator=(const ModelOutlook&) = delete;

    CallLog& log() { return log_; }
    // What Outlook hands the add-in.
    host::DispatchPtr applicationObject() const;
    outlook::Application application() const { return outlook::Application(applicationObject()); }
    void SetVersion(const std::wstring& version);
    // What Application.Version answers.
    std::wstring version() const;

    // The folder tree.
    const ModelFolderPtr& mailbox() const { return mailbox_; }
    const ModelFolderPtr& inbox() const { return inbox_; }
    const ModelFolderPtr& calendar() const { return calendar_; }
    const ModelFolderPtr& contacts() const { return contacts_; }
    const ModelFolderPtr& sentItems() const { return sentItems_; }
    ModelFolderPtr AddFolder(const ModelFolderPtr& parent, const std::wstring& name,
                             int defaultItemType);
    // What GetDefaultFolder(number) answers (null: it fails).
    void SetDefaultFolder(int number, const ModelFolderPtr& folder);
    // The user signed in: what Session.CurrentUser answers.
    void SetCurrentUser(const ModelAddress& user);
    const ModelAddress& currentUser() const;

    // Items, appended to `folder` in order.
    ModelContactItemPtr AddContact(const ModelFolderPtr& folder, const Properties& properties);
    ModelMailItemPtr AddMail(const ModelFolderPtr& folder, const ModelMailItem::Fields& fields);
    // A mail from this sender with this body.
    ModelMailItemPtr AddMail(const ModelFolderPtr& folder, const std::wstring& senderAddress,
                             const std::wstring& senderName, const std::wstring& body);
    boost::shared_ptr<ModelDistListItem> AddDistributionList(const ModelFolderPtr& folder,
                                                             const std::wstring& name);
    boost::shared_ptr<ModelAppointmentItem> AddAppointment(const ModelFolderPtr& folder,
                                                           const std::wstring& subject);
    boost::shared_ptr<ModelMeetingItem> AddMeetingRequest(const ModelFolderPtr& folder,
                                                          const std::wstring& subject,
                                                          const std::wstring& senderAddress);

    // Windows. OpenExplorer fires NewExplorer, makes the window the active
    // one and fires its Activate; AddExplorer puts a window there without
    // any event (one that was open before the add-in came).
    ModelExplorerPtr OpenExplorer(const ModelFolderPtr& folder);
    ModelExplorerPtr AddExplorer(const ModelFolderPtr& folder);
    // What ActiveExplorer answers (null: none is active).
    void SetActiveExplorer(const ModelExplorerPtr& explorer);
    // Fires NewInspector with a window showing `item`.
    ModelInspectorPtr OpenInspector(const ModelItemPtr& item,
                                    int editorType = 2 /* olEditorHTML */);
    // The window the last Display of an item opened, once; null when no
    // item was displayed since the last call.
    ModelInspectorPtr TakeDisplayed();
    // The items Application.CreateItem made (in no folder, never saved).
    const std::vector<ModelItemPtr>& createdItems() const { return created_; }
    const ModelWindowsPtr& explorers() const { return explorers_; }
    const ModelWindowsPtr& inspectors() const { return inspectors_; }

    // Remembers what every item of the folder tree holds now; Rollback()
    // closes the windows opened since (inspectors first), makes none the
    // active one, clears the call log and brings the items back as they
    // were. For a world used again and again: the folders themselves are
    // not rolled back (nothing the add-in does changes them).
    void Checkpoint();
    void Rollback();

  private:
    // Display on `item` opens an Inspector (as the last displayed).
    void HookDisplay(const ModelItemPtr& item);
    host::DispatchPtr CreateItem(int itemType);

    CallLog log_;  // first: outlives every object below
    ModelApplicationPtr application_;
    ModelWindowsPtr explorers_;
    ModelWindowsPtr inspectors_;
    ModelFolderPtr mailbox_;
    ModelFolderPtr inbox_;
    ModelFolderPtr calendar_;
    ModelFolderPtr contacts_;
    ModelFolderPtr sentItems_;
    ModelFolderPtr deletedItems_;
    std::vector<ModelItemPtr> created_;
    ModelInspectorPtr displayed_;
    // Gone with this object: its objects may outlive it (the add-in holds
    // them), and must not reach back into it then.
    boost::shared_ptr<int> alive_{new int(0)};
};

// _Application and _NameSpace of the model.
class ModelApplication : public ModelObject {
  public:
    ModelApplication(CallLog* log, const ModelWindowsPtr& explorers,
                     const ModelWindowsPtr& inspectors, const ModelFolderPtr& mailbox);

    void SetVersion(const std::wstring& version) {
        SetValue("Version", host::Variant::Bstr(version));
    }
    std::wstring version() const { return Value("Version").ToText(); }
    void SetActiveExplorer(const ModelExplorerPtr& explorer) { activeExplorer_ = explorer; }
    void SetDefaultFolder(int number, const ModelFolderPtr& folder);
    void SetCurrentUser(const ModelAddress& user);
    const ModelAddress& currentUser() const;
    // What CreateItem(type) answers (null: it fails).
    boost::function<host::DispatchPtr(int itemType)> createItem;

  private:
    ModelWindowsPtr explorers_;
    ModelWindowsPtr inspectors_;
    ModelExplorerPtr activeExplorer_;
    ModelObjectPtr namespace_;
};

}  // namespace model
