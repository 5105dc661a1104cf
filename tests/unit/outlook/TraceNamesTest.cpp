// The names the snapshots are traced under, and how the calls nest.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "OutlookFixture.h"
#include "outlook/Mail.h"
#include "util/Settings.h"

namespace {

using TraceNames = outlook_tests::OutlookFixture;

TEST_F(TraceNames, MailWithAContactSenderTracesEveryStep) {
    const std::string path = ::testing::TempDir() + "tandrel-outlook-trace.txt";
    std::remove(path.c_str());
    model.registry.SetString(platform::RegistryRoot::CurrentUser, settings::kKeyPath,
                             settings::kLogFile, path);
    outlook.AddContact(outlook.contacts(),
                       {{"FullName", L"Anne"}, {"Email1Address", L"a@x.example"}});
    model::ModelMailItem::Fields fields;
    fields.senderAddress = L"a@x.example";
    const model::ModelMailItemPtr item = outlook.AddMail(outlook.inbox(), fields);

    const CMail mail(outlook::MailItem::QueryFrom(item), outlook.application());
    ASSERT_TRUE(mail.GetSender());

    std::ifstream file(path.c_str());
    std::ostringstream text;
    text << file.rdbuf();
    std::remove(path.c_str());
    const std::string supported =
        "ENTR CSupported::IsSupportedFeature\n"
        "    ENTR CSupported::GetVersion\n"
        "    EXIT CSupported::GetVersion\n"
        "EXIT CSupported::IsSupportedFeature\n";
    auto indent = [](const std::string& lines, const std::string& by) {
        std::string out;
        std::istringstream in(lines);
        for (std::string line; std::getline(in, line);) out += by + line + "\n";
        return out;
    };
    const std::string expected =
        "#### BEGIN TRACE ####\n"
        "ENTR CMail::CMail\n"
        "    ENTR CContact::FindByEmailAddress\n" +
        indent(supported, "        ") + "        ENTR CContact::CContact\n" +
        indent(supported, "            ") +
        "        EXIT CContact::CContact\n"
        "    EXIT CContact::FindByEmailAddress\n"
        "EXIT CMail::CMail\n";
    EXPECT_EQ(expected, text.str());
}

}  // namespace
