// Calls, conferences, chats and SkypeOut calls: the checks in front of them
// in their order, what goes to Skype, and how Skype's refusals are shown.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SkypeFixture.h"
#include "addin/ApiErrorMessages.h"
#include "model/skype/ModelSkypeProcess.h"
#include "util/Settings.h"
#include "util/Trace.h"

namespace {

using Strings = std::vector<std::string>;
using platform::RegistryRoot;
namespace answer = platform::answer;

constexpr unsigned kInformationOk = platform::mb::kIconInformation;
constexpr unsigned kInformationYesNo = platform::mb::kYesNo | platform::mb::kIconInformation;

const char kNotInstalled[] =
    "Skype is not installed. Please visit https://www.skype.com and download and install Skype.";
const char kNotRunning[] = "Skype is not running. Would you like to launch Skype?";
const char kNotLoggedIn[] = "You are not currently logged into Skype";
const char kCallSelf[] = "You cannot start a Skype IP call with the currently logged in Skype User";
const char kChatSelf[] =
    "You cannot start an Skype Instant Messanger chat with the currently logged in Skype User";
const char kNoConference[] =
    "The version of Skype you are running does not support starting conferences from 3rd Party "
    "applications.\nPlease install the latest version of Skype.";
const char kInvalidNumber[] = "The phone number is invalid";

class Calls : public skype_test::SkypeFixture {
  protected:
    // Attached, with the add-in's error messages registered as the add-in
    // object registers them, and nothing sent yet.
    void Ready() {
        Attach();
        client->AdviseAPIError(&ShowApiError);
        skype.ClearReceived();
    }
    void SetCountry(int code, bool autoPrefix) {
        model.registry.SetDword(RegistryRoot::CurrentUser, settings::kKeyPath,
                                settings::kCountryCode, code);
        model.registry.SetBinary(RegistryRoot::CurrentUser, settings::kKeyPath,
                                 settings::kAutoPrefix, {static_cast<std::uint8_t>(autoPrefix)});
    }
    void SetBypass(bool on) {
        model.registry.SetBinary(RegistryRoot::CurrentUser, settings::kKeyPath, settings::kBypass,
                                 {static_cast<std::uint8_t>(on)});
    }
    void ExpectOnlyMessage(const std::string& text, unsigned flags) {
        ASSERT_EQ(Strings{text}, MessageTexts());
        const auto& box = model.ui.messageBoxes[0];
        EXPECT_EQ(text, box.text);
        EXPECT_EQ("Tandrel Information", box.caption);
        EXPECT_EQ(flags, box.flags);
        EXPECT_EQ(client->GetMessageWindow(), box.owner);
    }
};

TEST_F(Calls, ACallToOneHandleGoesStraightToSkype) {
    Ready();
    client->SkypeIPCall(L"echo123");
    EXPECT_EQ(Strings{"CALL echo123"}, Commands());
    EXPECT_TRUE(model.ui.messageBoxes.empty());
    ASSERT_EQ(1u, skype.Calls().size());
    EXPECT_EQ("echo123", skype.Calls()[0].target);
    client->SkypeIMChat(L"bob.builder");
    EXPECT_EQ((Strings{"CALL echo123", "OPEN IM bob.builder"}), Commands());
    EXPECT_EQ(Strings{"bob.builder"}, skype.Chats());
}

TEST_F(Calls, ConferencesNeedProtocolFour) {
    skype.SetMaxProtocol(3);
    Ready();
    ASSERT_EQ(3, client->GetProtocol());
    client->SkypeIPCall(L"echo123");  // one person: whatever the protocol
    client->SkypeIPCall(L"alice.wonder, bob.builder");
    client->SkypeIMChat(L"alice.wonder, bob.builder");
    EXPECT_EQ(Strings{"CALL echo123"}, Commands());
    EXPECT_EQ((Strings{kNoConference, kNoConference}), MessageTexts());

    Reply("PROTOCOL 4");
    model.ui.messageBoxes.clear();
    client->SkypeIPCall(L"alice.wonder, bob.builder");
    client->SkypeIMChat(L"alice.wonder, bob.builder");
    EXPECT_EQ((Strings{"CALL echo123", "CALL alice.wonder, bob.builder",
                       "OPEN IM alice.wonder, bob.builder"}),
              Commands());
    EXPECT_TRUE(model.ui.messageBoxes.empty());
}

TEST_F(Calls, TheLoggedInUserCannotBeCalledOrChattedWith) {
    Ready();
    client->SkypeIPCall(L"tandrel.demo");
    client->SkypeIMChat(L"tandrel.demo");
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ((Strings{kCallSelf, kChatSelf}), MessageTexts());
    // Another letter case is not the same user to this check; Skype decides.
    client->SkypeIPCall(L"Tandrel.Demo");
    EXPECT_EQ(Strings{"CALL Tandrel.Demo"}, Commands());
}

TEST_F(Calls, NotInstalledIsTheOnlyMessageWhenSkypeIsMissingAltogether) {
    Ready();
    model.registry.RemoveValue(RegistryRoot::CurrentUser, "Software\\Skype\\Phone", "SkypePath");
    skype.Exit();
    client->SkypeIPCall(L"echo123");
    ExpectOnlyMessage(kNotInstalled, kInformationOk);
    EXPECT_TRUE(model.shell.executions.empty());
}

TEST_F(Calls, NotRunningOffersToLaunchSkypeWithTheTarget) {
    Ready();
    // Not online either: the check that Skype runs comes first.
    skype.SetConnectionStatus("CONNECTING");
    skype.Exit();
    model.ui.QueueAnswer(answer::kNo);
    client->SkypeIPCall(L"echo123");
    ExpectOnlyMessage(kNotRunning, kInformationYesNo);
    EXPECT_TRUE(model.shell.executions.empty());

    model.ui.messageBoxes.clear();
    model.ui.QueueAnswer(answer::kYes);
    client->SkypeIMChat(L"bob.builder");  // a chat target is launched as a call target
    ExpectOnlyMessage(kNotRunning, kInformationYesNo);
    ASSERT_EQ(1u, model.shell.executions.size());
    EXPECT_EQ("\"/callto:bob.builder\"", model.shell.executions[0].parameters);
    EXPECT_TRUE(skype.IsRunning());
    // Not repeated: the call is Skype's own, from its command line.
    EXPECT_TRUE(Commands().empty());
    ASSERT_EQ(1u, skype.Calls().size());
    EXPECT_TRUE(skype.Calls()[0].fromCommandLine);
}

TEST_F(Calls, LaunchingSkypeAndAskingAboutAUserPassNoHostileTextOn) {
    Ready();
    client->GetUserProperty(L"FULLNAME", L"a b");
    client->GetUserProperty(L"FULLNAME", L"c\"d");
    client->GetUserProperty(L"FULLNAME", std::wstring(L"echo\0"
                                                      L"123",
                                                      8));
    EXPECT_TRUE(Commands().empty());
    client->StartSkype("x\" /evil");
    client->StartSkype(
        std::string("echo\0"
                    "123",
                    8));
    EXPECT_TRUE(model.shell.executions.empty());
}

TEST_F(Calls, AnythingButOnlineIsNotLoggedIn) {
    Ready();
    for (const char* status : {"CONNECTING", "PAUSING", "OFFLINE"}) {
        model.ui.messageBoxes.clear();
        skype.SetConnectionStatus(status);
        client->SkypeIMChat(L"echo123");
        ExpectOnlyMessage(kNotLoggedIn, kInformationOk);
    }
    EXPECT_TRUE(Commands().empty());
}

TEST_F(Calls, SkypesRefusalsAreShownByTheErrorObserver) {
    Ready();
    client->SkypeIPCall(L"no.such.user");
    client->SkypeIMChat(L"no.such.user");
    client->SkypeIPCall(L"alice.wonder, nobody");
    SetBypass(true);
    client->SkypeOut(L"+12");
    const Strings expected = {
        "The Skype Name supplied is not recognised or refers to the currently logged in user.",
        "The Skype Name supplied is not recognised or refers to the currently logged in user.",
        "The Skype Name supplied is not recognised or refers to the currently logged in user.",
        "Invalid Number for SkypeOut. See Tandrel Help for more information."};
    EXPECT_EQ(expected, MessageTexts());
    for (const auto& box : model.ui.messageBoxes) {
        EXPECT_EQ("Tandrel", box.caption);
        EXPECT_EQ(platform::mb::kIconError, box.flags);
        EXPECT_EQ(platform::kNoWindow, box.owner);
    }
    EXPECT_TRUE(skype.Calls().empty());
}

TEST_F(Calls, SkypeOutConvertsTheNumberFocusesSkypeAndCalls) {
    Ready();
    SetCountry(44, true);
    client->SkypeOut(L"020 7946 0018");
    EXPECT_EQ((Strings{"FOCUS", "CALL +442079460018"}), Commands());
    EXPECT_TRUE(model.ui.messageBoxes.empty());
    ASSERT_EQ(1u, skype.Calls().size());
    EXPECT_EQ("+442079460018", skype.Calls()[0].target);
}

TEST_F(Calls, SkypeOutReportsANumberItCannotConvertAndSendsNothing) {
    Ready();
    SetCountry(44, true);
    client->SkypeOut(L"12");
    client->SkypeOut(L"");
    client->SkypeOut(L"+44 abcd");
    EXPECT_EQ((Strings{kInvalidNumber, kInvalidNumber, kInvalidNumber}), MessageTexts());
    EXPECT_TRUE(Commands().empty());
}

TEST_F(Calls, BypassSendsTheNumberAsTyped) {
    Ready();
    SetCountry(44, true);
    SetBypass(true);
    client->SkypeOut(L"020 7946 0018");
    EXPECT_EQ((Strings{"FOCUS", "CALL 020 7946 0018"}), Commands());
    SetBypass(false);
    skype.ClearReceived();
    client->SkypeOut(L"020 7946 0018");
    EXPECT_EQ((Strings{"FOCUS", "CALL +442079460018"}), Commands());
}

TEST_F(Calls, SkypeOutChecksSkypeAfterConvertingAndLaunchesWithTheConvertedNumber) {
    Ready();
    SetCountry(44, true);
    skype.Exit();
    model.ui.QueueAnswer(answer::kYes);
    client->SkypeOut(L"(020) 7946-0018");
    ExpectOnlyMessage(kNotRunning, kInformationYesNo);
    ASSERT_EQ(1u, model.shell.executions.size());
    EXPECT_EQ("\"/callto:+442079460018\"", model.shell.executions[0].parameters);
}

TEST_F(Calls, RepliesArrivingWhileAMessageIsShownAreHandled) {
    Ready();
    skype.SetConnectionStatus("CONNECTING");
    model.ui.whileModal = [this]() { skype.SetConnectionStatus("ONLINE"); };
    client->SkypeIPCall(L"echo123");
    ExpectOnlyMessage(kNotLoggedIn, kInformationOk);
    EXPECT_TRUE(client->IsSkypeConnected());
    EXPECT_TRUE(CommandsStartingWith("CALL").empty());
}

}  // namespace
