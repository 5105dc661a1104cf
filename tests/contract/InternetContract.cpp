// The internet port: a session, its options, a request and one read at a
// time, against the model's scripted addresses and against WinInet talking
// to an HTTP server inside this program (Wine).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contract/ContractEnvironment.h"

namespace {

namespace inet = platform::inet;
constexpr std::uint32_t kUrlFlags =
    inet::kFlagExistingConnect | inet::kFlagNoAuth | inet::kFlagPragmaNoCache;

class InternetContract : public ::testing::Test {
  protected:
    void SetUp() override {
        session = internet().OpenSession("Tandrel", inet::kOpenTypePreconfig, 0);
        ASSERT_NE(0u, session);
    }
    void TearDown() override {
        if (session != 0) {
            EXPECT_TRUE(internet().Close(session));
        }
    }
    static platform::Internet& internet() { return platform::internet(); }

    // Everything a request answers, read `chunk` bytes at a time; "(no
    // request)" or "(read failed)" when it cannot get that far.
    std::string Fetch(const std::string& url, std::uint32_t chunk = 1023) {
        const platform::InternetHandle request = internet().OpenUrl(session, url, kUrlFlags);
        if (request == 0) return "(no request)";
        std::string body;
        std::vector<char> buffer(chunk);
        for (;;) {
            std::uint32_t read = 12345;
            if (!internet().Read(request, buffer.data(), chunk, &read)) {
                body = "(read failed)";
                break;
            }
            EXPECT_LE(read, chunk);
            if (read == 0) break;
            body.append(buffer.data(), read);
            reads.push_back(read);
        }
        EXPECT_TRUE(internet().Close(request));
        return body;
    }

    platform::InternetHandle session = 0;
    std::vector<std::uint32_t> reads;
};

TEST_F(InternetContract, ASessionTakesTheTimeoutsAndRetries) {
    for (std::uint32_t option :
         {inet::kConnectTimeout, inet::kControlReceiveTimeout, inet::kControlSendTimeout,
          inet::kSendTimeout, inet::kReceiveTimeout}) {
        EXPECT_TRUE(internet().SetNumberOption(session, option, 1000)) << option;
    }
    EXPECT_TRUE(internet().SetNumberOption(session, inet::kConnectRetries, 2));
}

TEST_F(InternetContract, WhatEachServerGives) {
    const struct {
        std::string url;
        std::string expected;
    } cases[] = {
        {contract::AddressAnswering(200, "2.1.0.6"), "2.1.0.6"},
        // An error status still opens the request: its page is the body.
        {contract::AddressAnswering(404, "<html>Not here</html>"), "<html>Not here</html>"},
        {contract::AddressAnswering(200, ""), ""},
        {contract::AddressRefused(), "(no request)"},
        // A server that closes without answering gives an empty body.
        {contract::AddressClosing(), ""},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(each.expected, Fetch(each.url)) << each.url;
    }
}

TEST_F(InternetContract, AReadNeverGivesMoreThanAskedFor) {
    std::string body;
    for (int i = 0; body.size() < 3000; ++i) body += std::to_string(i) + ".";
    EXPECT_EQ(body, Fetch(contract::AddressAnswering(200, body), 1023));
    EXPECT_GE(reads.size(), 3u);  // each read at most 1023 bytes
}

}  // namespace
