// The names the snapshots are traced under, and how the calls nest.
#include <gtest/gtest.h>

#include <sstream>

#include "OutlookFixture.h"
#include "outlook/Mail.h"
#include "support/TraceCapture.h"

namespace {

using TraceNames = outlook_tests::OutlookFixture;

TEST_F(TraceNames, MailWithAContactSenderTracesEveryStep) {
    testing_support::TraceCapture trace(model.registry);
    trace.Enable();
    outlook.AddContact(outlook.contacts(),
                       {{"FullName", L"Anne"}, {"Email1Address", L"a@x.example"}});
    model::ModelMailItem::Fields fields;
    fields.senderAddress = L"a@x.example";
    const model::ModelMailItemPtr item = outlook.AddMail(outlook.inbox(), fields);

    const CMail mail(outlook::MailItem::QueryFrom(item), outlook.application());
    ASSERT_TRUE(mail.GetSender());

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
    EXPECT_EQ(expected, trace.Text());
}

}  // namespace
