// A model desktop with the model Skype installed and its sample users, and
// the add-in's Skype client on it. Tests drive the clock, the model Skype
// and the client, and read what the model Skype received.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/skype/ModelSkype.h"
#include "model/skype/ModelSkypeProcess.h"
#include "skype/Skype.h"
#include "support/ModelFixture.h"

namespace skype_test {

class SkypeFixture : public testing_support::ModelFixture {
  protected:
    SkypeFixture();
    ~SkypeFixture() override;

    // Makes the client and its window (discovery starts).
    CSkype& CreateClient();
    // Starts the model Skype, makes the client and lets discovery find Skype.
    CSkype& Attach();
    void Advance(std::uint64_t ms) { model.desktop.Advance(ms); }

    // A reply or notification from Skype's window to the client, as bytes.
    void Reply(const std::string& text);
    void ReplyBytes(const void* data, std::uint32_t size);

    // The commands the model Skype received, texts only.
    std::vector<std::string> Commands() const { return skype.CommandTexts(); }
    // Those starting with `prefix`.
    std::vector<std::string> CommandsStartingWith(const std::string& prefix) const;
    // The texts of the message boxes shown so far.
    std::vector<std::string> MessageTexts() const;

    bool DiscoveryRunning() const;
    bool PingRunning() const;

    model::ModelSkype skype;
    model::ModelSkypeProcess skypeProcess{skype, model.processes, model.shell};
    std::unique_ptr<CSkype> client;
};

}  // namespace skype_test
