#include "model/outlook/Mailbox.h"

#include <cwctype>

namespace model {

namespace {

bool SameName(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    }
    return true;
}

ModelFolderPtr Child(const ModelFolderPtr& parent, const std::wstring& name) {
    for (const ModelFolderPtr& folder : parent->folders()) {
        if (SameName(folder->name(), name)) return folder;
    }
    return ModelFolderPtr();
}

// The folder at `path` below `root`; with `itemType` >= 0, missing ones are made.
ModelFolderPtr Walk(const ModelFolderPtr& root, const std::wstring& path, int itemType) {
    ModelFolderPtr folder = root;
    std::size_t start = 0;
    while (folder && start <= path.size()) {
        const std::size_t slash = path.find(L'/', start);
        const std::wstring name =
            path.substr(start, slash == std::wstring::npos ? std::wstring::npos : slash - start);
        ModelFolderPtr next = Child(folder, name);
        if (!next && itemType >= 0) next = folder->AddFolder(name, itemType);
        folder = next;
        if (slash == std::wstring::npos) break;
        start = slash + 1;
    }
    return folder;
}

ModelFolderPtr FindByName(const ModelFolderPtr& parent, const std::wstring& name) {
    for (const ModelFolderPtr& folder : parent->folders()) {
        if (SameName(folder->name(), name)) return folder;
        if (ModelFolderPtr found = FindByName(folder, name)) return found;
    }
    return ModelFolderPtr();
}

void AddPaths(const ModelFolderPtr& parent, const std::wstring& prefix,
              std::vector<std::wstring>* paths) {
    for (const ModelFolderPtr& folder : parent->folders()) {
        paths->push_back(prefix + folder->name());
        AddPaths(folder, prefix + folder->name() + L"/", paths);
    }
}

void AddItem(ModelOutlook& outlook, const ModelFolderPtr& folder, const MailboxItem& item) {
    switch (item.kind) {
        case MailboxItem::Kind::Contact: {
            const ModelContactItemPtr contact = outlook.AddContact(folder, item.fields);
            if (!item.skypeName.empty()) {
                contact->AddUserProperty(L"Skype Name", host::Variant::Bstr(item.skypeName));
            }
            break;
        }
        case MailboxItem::Kind::DistributionList:
            outlook.AddDistributionList(folder, item.subject);
            break;
        case MailboxItem::Kind::Mail:
            outlook.AddMail(folder, item.mail);
            break;
        case MailboxItem::Kind::MeetingRequest:
            outlook.AddMeetingRequest(folder, item.subject, item.sender);
            break;
        case MailboxItem::Kind::Appointment:
            outlook.AddAppointment(folder, item.subject);
            break;
    }
}

}  // namespace

MailboxItem MailboxItem::Contact(ModelOutlook::Properties fields, std::wstring skypeName) {
    MailboxItem item;
    item.fields = std::move(fields);
    item.skypeName = std::move(skypeName);
    return item;
}

MailboxItem MailboxItem::DistributionList(std::wstring name) {
    MailboxItem item;
    item.kind = Kind::DistributionList;
    item.subject = std::move(name);
    return item;
}

MailboxItem MailboxItem::Mail(ModelMailItem::Fields fields) {
    MailboxItem item;
    item.kind = Kind::Mail;
    item.mail = std::move(fields);
    return item;
}

MailboxItem MailboxItem::MeetingRequest(std::wstring subject, std::wstring senderAddress) {
    MailboxItem item;
    item.kind = Kind::MeetingRequest;
    item.subject = std::move(subject);
    item.sender = std::move(senderAddress);
    return item;
}

MailboxItem MailboxItem::Appointment(std::wstring subject) {
    MailboxItem item;
    item.kind = Kind::Appointment;
    item.subject = std::move(subject);
    return item;
}

MailboxFolder& Mailbox::Folder(const std::wstring& path, int itemType) {
    for (MailboxFolder& folder : folders) {
        if (SameName(folder.path, path)) return folder;
    }
    folders.push_back(MailboxFolder{path, itemType, {}});
    return folders.back();
}

void LoadMailbox(const Mailbox& mailbox, ModelOutlook& outlook) {
    for (const MailboxFolder& each : mailbox.folders) {
        const ModelFolderPtr folder = Walk(outlook.mailbox(), each.path, each.itemType);
        for (const MailboxItem& item : each.items) AddItem(outlook, folder, item);
    }
}

ModelFolderPtr FindFolder(const ModelOutlook& outlook, const std::wstring& path) {
    if (path.empty()) return ModelFolderPtr();
    if (ModelFolderPtr folder = Walk(outlook.mailbox(), path, -1)) return folder;
    return FindByName(outlook.mailbox(), path);
}

std::vector<std::wstring> FolderPaths(const ModelOutlook& outlook) {
    std::vector<std::wstring> paths;
    AddPaths(outlook.mailbox(), L"", &paths);
    return paths;
}

}  // namespace model
