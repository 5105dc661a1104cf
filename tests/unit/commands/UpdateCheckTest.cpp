// Check for Update against the model's internet: what the user is told for
// each reply, and the request that asks.
#include <gtest/gtest.h>

#include <string>

#include "commands/InformationCommands.h"
#include "resources/Addresses.h"
#include "support/ModelFixture.h"
#include "util/Text.h"

namespace {

namespace inet = platform::inet;

enum class Server { Answers, Refuses, FailsToRead, Offline };

class UpdateCheck : public testing_support::ModelFixture {
  protected:
    // The message the check shows after the server did `server` with `reply`.
    std::string Check(const std::string& addinVersion, Server server, const std::string& reply) {
        model.resources.fileVersion = addinVersion;
        model.internet = model::ModelInternet();
        switch (server) {
            case Server::Answers:
                model.internet.Answer(addresses::kUpdateEndpoint, reply);
                break;
            case Server::Refuses:
                model.internet.Refuse(addresses::kUpdateEndpoint);
                break;
            case Server::FailsToRead:
                model.internet.FailReading(addresses::kUpdateEndpoint);
                break;
            case Server::Offline:
                model.internet.failSessions = true;
                break;
        }
        model.ui.messageBoxes.clear();
        commands::CheckForUpdate();
        EXPECT_EQ(0u, model.internet.OpenHandles());
        if (model.ui.messageBoxes.size() != 1)
            return "(" + std::to_string(model.ui.messageBoxes.size()) + " boxes)";
        const auto& box = model.ui.messageBoxes[0];
        EXPECT_EQ(platform::kNoWindow, box.owner);
        EXPECT_EQ("Tandrel Information", box.caption);
        EXPECT_EQ(platform::mb::kOk | platform::mb::kIconInformation, box.flags);
        for (unsigned id : {102u, 103u, 104u}) {
            if (box.text == text::LoadAnsiString(id)) return std::to_string(id);
        }
        return box.text;
    }
};

TEST_F(UpdateCheck, TellsWhetherTheReplyIsNewerAndNeverCallsAFailureTheLatest) {
    const struct {
        std::string addin;
        Server server;
        std::string reply;
        std::string message;
    } cases[] = {
        {"2.1.0.5", Server::Answers, "2.1.0.5", "102"},
        {"2.1.0.5", Server::Answers, "2.1.0.6", "104"},
        {"2.1.0.5", Server::Answers, "3.0.0.0", "104"},
        {"2.1.0.5", Server::Answers, "2.0.9.9", "102"},
        {"2.1.0.5", Server::Answers, "2.2\r\n", "104"},    // missing parts are 0
        {"2.1.0.5", Server::Answers, "2.1.0.5.9", "102"},  // a fifth part is ignored
        {"2.1.0.5", Server::Answers, "2.0.300.0", "102"},  // 300 does not spill into 1
        {"2.1.0.5", Server::Answers, "200.0.0.0", "104"},  // a major beyond 127 still counts
        {"1.255.0.0", Server::Answers, "1.256.0.0", "104"},
        {"", Server::Answers, "0.0.0.1", "104"},  // no version resource: 0.0.0.0
        {"2.1.0.5", Server::Refuses, "", "103"},
        {"2.1.0.5", Server::Offline, "", "103"},
        {"2.1.0.5", Server::FailsToRead, "", "103"},
        {"2.1.0.5", Server::Answers, "", "103"},
        {"2.1.0.5", Server::Answers, "<html><body>Sign in to the hotel network</body></html>",
         "103"},
        {"2.1.0.5", Server::Answers, "404 Not Found", "103"},
        {"2.1.0.5", Server::Answers, " 2.2.0.0", "103"},
        {"2.1.0.5", Server::Answers, "3.", "103"},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(each.message, Check(each.addin, each.server, each.reply))
            << each.addin << " asked, \"" << each.reply << "\" answered";
    }
}

TEST_F(UpdateCheck, AsksOnceWithTheVersionAndShortTimeouts) {
    // A reply longer than one read: only its first 1023 bytes count.
    EXPECT_EQ("104", Check("2.1.0.5", Server::Answers, "2.2.0.0" + std::string(2000, ' ')));
    ASSERT_EQ(1u, model.internet.sessions.size());
    const auto& session = model.internet.sessions[0];
    EXPECT_EQ("Tandrel", session.agent);
    EXPECT_EQ(inet::kOpenTypePreconfig, session.accessType);
    EXPECT_EQ(0u, session.flags);
    const std::map<std::uint32_t, std::uint32_t> options = {
        {inet::kConnectTimeout, 1000},     {inet::kControlReceiveTimeout, 1000},
        {inet::kControlSendTimeout, 1000}, {inet::kSendTimeout, 1000},
        {inet::kReceiveTimeout, 1000},     {inet::kConnectRetries, 2}};
    EXPECT_EQ(options, session.options);
    ASSERT_EQ(1u, model.internet.requests.size());
    EXPECT_EQ("http://www.tandrel.example/update/check?version=2.1.0.5",
              model.internet.requests[0].url);
    EXPECT_EQ(0x20040100u, model.internet.requests[0].flags);
}

}  // namespace
