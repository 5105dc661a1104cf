// The model world: everything the add-in meets on the model host, put
// together once for the simulator, the scenario tests and the benchmarks.
// The model platform (installed while the world lives), the model Skype
// (installed, with its users, not yet started), a model Outlook holding a
// mailbox, the add-in loaded in this process when Outlook starts, and the
// add-in's Skype client alone for the runs without Outlook. As the Outlook
// user's host it shows the model's message boxes and dialogs and answers
// them from what the user said beforehand.
//
// Its parts stand alone too: a Mailbox fills any ModelOutlook, which needs
// no platform (OutlookHost.exe presents one to the real DLL under Wine).
#pragma once

#include <map>
#include <memory>
#include <string>

#include "model/ModelPlatform.h"
#include "model/outlook/Mailbox.h"
#include "model/skype/ModelSkype.h"
#include "model/skype/ModelSkypeProcess.h"
#include "model/world/InProcessAddIn.h"
#include "model/world/Printer.h"
#include "model/world/UserHost.h"
#include "skype/ConnectionStatus.h"

class CSkype;

namespace model {

// "ONLINE (3)" and the like, as the simulator prints a connection status.
std::string ConnectionStatusName(ConnectionStatus status);

class World : public UserHost {
  public:
    enum class SkypeUsers { Sample, None };

    explicit World(const Mailbox& mailbox = Mailbox(), SkypeUsers users = SkypeUsers::Sample);
    ~World() override;
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    // From now on prints to `out` what happens: the traffic with Skype (the
    // buddy list's left out when the printer is brief), Skype's answers to
    // the add-in's discovery, the client's connection status, message
    // boxes and dialogs.
    void ReportTo(Printer& out);

    // The add-in's Skype client alone, without Outlook; the one running is
    // kept. Stopping destroys its window.
    CSkype& StartClient();
    void StopClient();
    // The client that calls go to: the one alone, else the loaded add-in's;
    // null when there is neither.
    CSkype* Client();
    // The one alone, or null.
    CSkype* ClientAlone() { return client_.get(); }

    // Remembers the world as it is now: the platform's ports, the model
    // Skype and its process, the mailbox's items, what has been shown.
    // Rollback() brings all that back, however often, at a cost that grows
    // with what changed since rather than with the world's size (the fuzz
    // targets build their world once and roll it back for every input).
    // The add-in and the client alone are the code under test and are not
    // kept: Rollback unloads and stops them first, and a run loads or
    // starts them afresh.
    void Checkpoint();
    void Rollback();

    // UserHost: the add-in in this process, the model's message boxes and
    // dialogs, the model clock, the model Skype's log.
    bool LoadAddIns(ModelOutlook& outlook) override;
    bool UnloadAddIns() override;
    ribbon::RibbonExtensibility* Ribbon() override { return addin.Ribbon(); }
    void AnswerNextBox(int answer) override;
    void ActInNextDialog(const std::vector<DialogAction>& actions) override;
    void ShowScreen() override;
    void Wait(std::uint64_t ms) override;
    bool SkypeReceives(const std::string& prefix) override;
    bool SkypeRings(const std::string& caller) override;
    bool SkypeStopsRinging(bool answered) override;
    bool ClickInWindow(const std::string& caption) override;
    bool WindowShows(const std::string& text) override;

    // Declared in the order they are made.
    ModelPlatform platform;

  private:
    platform::ScopedPlatform installed_;

  public:
    ModelSkype skype;

  private:
    ModelSkypeProcess skypeProcess_;

  public:
    ModelOutlook outlook;
    InProcessAddIn addin;

  private:
    void WatchClient(CSkype& client);
    std::string DrawDialog(std::size_t index) const;

    std::unique_ptr<CSkype> client_;
    Printer* out_ = nullptr;
    std::size_t boxesShown_ = 0;
    std::size_t dialogsShown_ = 0;
    // The open dialogs' drawings when they opened, by record index.
    std::map<std::size_t, std::string> openDialogs_;
    std::size_t skypeMatched_ = 0;  // Skype's commands an expectation has passed

    struct Shown {
        std::size_t boxes = 0;
        std::size_t dialogs = 0;
        std::size_t skypeMatched = 0;
    };
    Shown checkpoint_;
};

}  // namespace model
