// The Outlook version check, through the model application's Version.
#include <gtest/gtest.h>

#include <cwchar>

#include "OutlookFixture.h"
#include "outlook/Supported.h"

namespace {

using outlook_tests::OutlookFixture;

class Supported : public OutlookFixture {
  protected:
    bool Feature(const std::wstring& version, int feature) {
        outlook.SetVersion(version);
        return CSupported::IsSupportedFeature(outlook.application(), feature);
    }
};

TEST_F(Supported, DecidesByMajorVersionAndRevision) {
    struct Case {
        const wchar_t* version;
        bool emailAddresses;
        bool buttonPictures;
    };
    const Case cases[] = {
        {L"9.0.0.4200", true, false},  {L"9.0.0.4201", false, false},
        {L"9.0.0.5000", false, false}, {L"10.0.2627.0", false, true},
        {L"11.0.5608.0", true, true},  {L"12.0.4518.1014", true, true},
        {L"8.5.0.9999", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.version, c.version + std::wcslen(c.version)));
        EXPECT_EQ(c.emailAddresses, Feature(c.version, CSupported::kEmailAddresses));
        EXPECT_EQ(c.buttonPictures, Feature(c.version, CSupported::kButtonPictures));
        EXPECT_TRUE(Feature(c.version, 7));
    }
}

TEST_F(Supported, NoApplicationAllowsEveryFeature) {
    const outlook::Application none;
    EXPECT_TRUE(CSupported::IsSupportedFeature(none, CSupported::kEmailAddresses));
    EXPECT_TRUE(CSupported::IsSupportedFeature(none, CSupported::kButtonPictures));
    EXPECT_TRUE(CSupported::IsSupportedFeature(none, 2));
}

TEST_F(Supported, MissingVersionPartsCountAsZero) {
    // "9" alone: revision 0, so addresses are read; no pictures before 10.
    EXPECT_TRUE(Feature(L"9", CSupported::kEmailAddresses));
    EXPECT_FALSE(Feature(L"9", CSupported::kButtonPictures));
    EXPECT_FALSE(Feature(L"10", CSupported::kEmailAddresses));
    EXPECT_TRUE(Feature(L"10.0", CSupported::kButtonPictures));
    // Nothing readable at all: major 0.
    EXPECT_TRUE(Feature(L"", CSupported::kEmailAddresses));
    EXPECT_FALSE(Feature(L"", CSupported::kButtonPictures));
}

TEST_F(Supported, ParsesLeadingDigitsOfEachPart) {
    const CSupported::Version v = CSupported::ParseVersion("9.0b.x.4201 SP3");
    EXPECT_EQ(9, v.major);
    EXPECT_EQ(0, v.minor);
    EXPECT_EQ(0, v.build);
    EXPECT_EQ(4201, v.revision);

    const CSupported::Version shortText = CSupported::ParseVersion("11.2");
    EXPECT_EQ(11, shortText.major);
    EXPECT_EQ(2, shortText.minor);
    EXPECT_EQ(0, shortText.build);
    EXPECT_EQ(0, shortText.revision);

    // A fifth part is ignored; a number too large for 32 bits is clamped.
    const CSupported::Version odd = CSupported::ParseVersion("99999999999.1.2.3.4");
    EXPECT_EQ(2147483647, odd.major);
    EXPECT_EQ(3, odd.revision);

    const CSupported::Version dots = CSupported::ParseVersion("..");
    EXPECT_EQ(0, dots.major);
    EXPECT_EQ(0, dots.revision);
}

TEST_F(Supported, ReadsVersionOnceAndFailsSafelyWhenRefused) {
    outlook.SetVersion(L"10.0.2627.0");
    model::ModelObject& application =
        static_cast<model::ModelObject&>(*outlook.applicationObject());
    EXPECT_FALSE(CSupported::IsSupportedFeature(outlook.application(), 0));
    EXPECT_EQ(1u, Calls("Version", "Application").size());
    EXPECT_EQ(model::CallRecord::Kind::Get, Calls("Version", "Application")[0].kind);

    // A refused read leaves the version unknown: major 0.
    application.FailNext("Version", host::hr::kFail);
    EXPECT_TRUE(CSupported::IsSupportedFeature(outlook.application(), 0));
}

}  // namespace
