// The simulator's world: a model desktop and registry with the model Skype
// installed (and its sample users), a model Outlook with a sample mailbox
// that loads the whole add-in, or the add-in's Skype client alone, and
// everything that happens between them reported to a Printer.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "SimOutlook.h"
#include "SimPrinter.h"
#include "model/ModelPlatform.h"
#include "model/skype/ModelSkype.h"
#include "model/skype/ModelSkypeProcess.h"
#include "skype/Skype.h"

namespace sim {

class World {
  public:
    explicit World(std::ostream& out);
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    // Merges a .reg file into the model registry.
    bool LoadSettings(const std::string& path, std::vector<std::string>* errors);

    // The add-in's side: its Skype client and the hidden window.
    void StartClient();
    void StopClient();
    // The Skype client commands act on: the add-in's own while Outlook runs
    // with it, else the one "start" made.
    CSkype* Client() { return client_ ? client_.get() : outlook_->Skype(); }
    // Prints the connection status changes of `client`.
    void WatchClient(CSkype& client);
    OutlookSide& Outlook() { return *outlook_; }
    // Brief: the buddy list's traffic and the toolbar's tooltips and
    // pictures are left out of what is printed.
    void SetBrief(bool brief) { brief_ = brief; }
    bool Brief() const { return brief_; }

    // Lets `ms` pass with messages dispatched (the user interface idle).
    void Wait(std::uint64_t ms);
    // Shows what the last operation put on the screen (message boxes,
    // dialogs) that was not shown yet.
    void ShowUi();

    void PrintBuddies();
    void PrintState();
    void PrintSettings();
    // The commands the model Skype received since `from`.
    std::vector<std::string> CommandsSince(std::size_t from) const;

    Printer& Out() { return printer_; }
    model::ModelPlatform& Model() { return model_; }
    model::ModelSkype& Skype() { return skype_; }

  private:
    void HookSkype();
    void ShowDialog(const model::ModelUi::DialogRecord& dialog);

    model::ModelPlatform model_;
    platform::ScopedPlatform installed_;
    Printer printer_;
    model::ModelSkype skype_;
    model::ModelSkypeProcess skypeProcess_;
    std::unique_ptr<CSkype> client_;
    std::unique_ptr<OutlookSide> outlook_;
    bool brief_ = false;
    std::size_t boxesShown_ = 0;
    std::size_t dialogsOpened_ = 0;
    std::size_t dialogsShown_ = 0;
};

}  // namespace sim
