#include "SkypeFixture.h"

#include "model/skype/SampleSkypeUsers.h"
#include "skype/SkypeApiMessages.h"
#include "skype/SkypeProtocol.h"

namespace skype_test {

SkypeFixture::SkypeFixture() {
    // Each test has a desktop of its own, with numbers of its own.
    skype_api::ForgetMessageNumbers();
    model::AddSampleSkypeUsers(skype);
    model::RegisterSkypeInstallation(model.registry);
}

SkypeFixture::~SkypeFixture() {
    client.reset();
    skype_api::ForgetMessageNumbers();
}

CSkype& SkypeFixture::CreateClient() {
    client.reset(new CSkype(host::DispatchPtr()));
    client->CreateMessageWindow();
    return *client;
}

CSkype& SkypeFixture::Attach() {
    if (!skype.IsRunning()) {
        skype.Start();
    }
    CreateClient();
    Advance(skype_protocol::kDiscoveryPeriodMs);
    return *client;
}

void SkypeFixture::Reply(const std::string& text) { ReplyBytes(text.c_str(), text.size() + 1); }

void SkypeFixture::ReplyBytes(const void* data, std::uint32_t size) {
    model.desktop.SendCopyData(client->GetMessageWindow(), skype.Window(), 0, data, size);
}

std::vector<std::string> SkypeFixture::CommandsStartingWith(const std::string& prefix) const {
    std::vector<std::string> matching;
    for (const std::string& command : Commands()) {
        if (command.compare(0, prefix.size(), prefix) == 0) matching.push_back(command);
    }
    return matching;
}

std::vector<std::string> SkypeFixture::MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& box : model.ui.messageBoxes) texts.push_back(box.text);
    return texts;
}

bool SkypeFixture::DiscoveryRunning() const {
    return model.desktop.IsTimerRunning(client->GetMessageWindow(),
                                        skype_protocol::kDiscoveryTimerId);
}

bool SkypeFixture::PingRunning() const {
    return model.desktop.IsTimerRunning(client->GetMessageWindow(), skype_protocol::kPingTimerId);
}

}  // namespace skype_test
