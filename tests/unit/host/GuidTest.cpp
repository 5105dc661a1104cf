// Guid: the registry text form, and parsing that refuses malformed text.
#include <gtest/gtest.h>

#include "host/Guid.h"

namespace {

const host::Guid kInspectorsEvents =
    host::MakeGuid(0x00063079, 0x0000, 0x0000, 0xC0, 0, 0, 0, 0, 0, 0, 0x46);

TEST(Guid, TextFormIsUpperCaseWithBraces) {
    EXPECT_EQ("{00063079-0000-0000-C000-000000000046}", kInspectorsEvents.ToString());
    EXPECT_EQ(
        "{7BF80980-BF32-101A-8BBB-00AA00300CAB}",
        host::MakeGuid(0x7BF80980, 0xBF32, 0x101A, 0x8B, 0xBB, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB)
            .ToString());
}

TEST(Guid, ParsesWithOrWithoutBracesInEitherCase) {
    for (const char* text :
         {"{00063079-0000-0000-C000-000000000046}", "00063079-0000-0000-c000-000000000046"}) {
        host::Guid parsed;
        ASSERT_TRUE(host::Guid::Parse(text, &parsed)) << text;
        EXPECT_EQ(kInspectorsEvents, parsed);
    }
    host::Guid parsed;
    ASSERT_TRUE(host::Guid::Parse("{7bf80980-bf32-101a-8bbb-00aa00300cab}", &parsed));
    EXPECT_EQ("{7BF80980-BF32-101A-8BBB-00AA00300CAB}", parsed.ToString());
}

TEST(Guid, MalformedTextIsRefusedAndLeavesTheGuidAlone) {
    const char* bad[] = {
        "",
        "{}",
        "00063079-0000-0000-C000-00000000004",     // one digit short
        "00063079-0000-0000-C000-0000000000466",   // one digit too many
        "{00063079-0000-0000-C000-000000000046",   // opening brace alone
        "00063079-0000-0000-C000-000000000046}",   // closing brace alone
        "(00063079-0000-0000-C000-000000000046)",  // other brackets
        "0006307G-0000-0000-C000-000000000046",    // not a hex digit
        "00063079-0000-0000-C0 0-000000000046",    // a blank inside
        "00063079-+000-0000-C000-000000000046",    // a sign
        "000630790-000-0000-C000-000000000046",    // dash moved
        "00063079-0000-0000-C0000000000000046",    // dash missing (and too short)
        "000630790000-0000-C000-0000000000046",    // dash missing, same length
    };
    for (const char* text : bad) {
        host::Guid guid = kInspectorsEvents;
        EXPECT_FALSE(host::Guid::Parse(text, &guid)) << text;
        EXPECT_EQ(kInspectorsEvents, guid) << text;
    }
    std::string embeddedNul = "00063079-0000-0000-C000-000000000046";
    embeddedNul[30] = '\0';  // right length, a NUL where a digit belongs
    host::Guid guid;
    EXPECT_FALSE(host::Guid::Parse(embeddedNul, &guid));
    EXPECT_FALSE(host::Guid::Parse("00063079-0000-0000-C000-000000000046", nullptr));
}

TEST(Guid, OrderAndEqualityFollowEveryField) {
    host::Guid other = kInspectorsEvents;
    other.data4[7] = 0x47;
    EXPECT_NE(kInspectorsEvents, other);
    EXPECT_TRUE(kInspectorsEvents < other);
    EXPECT_FALSE(other < kInspectorsEvents);
    EXPECT_NE(host::kIID_IUnknown, host::kIID_IDispatch);
    EXPECT_EQ("{00020400-0000-0000-C000-000000000046}", host::kIID_IDispatch.ToString());
}

// The order is that of the text form, field by field from the left, though
// no text is made: a later field decides only when every earlier one is
// equal, and a digit counts below a letter as its value does.
TEST(Guid, OrderIsTheOrderOfTheTextForm) {
    using host::MakeGuid;
    const struct {
        const char* what;
        host::Guid lower;
        host::Guid higher;
    } pairs[] = {
        {"data1 high byte over low", MakeGuid(0x00FFFFFF, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9),
         MakeGuid(0x01000000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0)},
        {"data1 digit below letter", MakeGuid(0x00000009, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0),
         MakeGuid(0x0000000A, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0)},
        {"data1 before data2", MakeGuid(1, 0xFFFF, 0, 0, 0, 0, 0, 0, 0, 0, 0),
         MakeGuid(2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0)},
        {"data2 high byte", MakeGuid(1, 0x00FF, 0xFFFF, 0, 0, 0, 0, 0, 0, 0, 0),
         MakeGuid(1, 0x0100, 0, 0, 0, 0, 0, 0, 0, 0, 0)},
        {"data3 before data4", MakeGuid(1, 2, 3, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF),
         MakeGuid(1, 2, 4, 0, 0, 0, 0, 0, 0, 0, 0)},
        {"data4 first byte before the rest", MakeGuid(1, 2, 3, 0x0F, 0xFF, 0, 0, 0, 0, 0, 0),
         MakeGuid(1, 2, 3, 0x10, 0x00, 0, 0, 0, 0, 0, 0)},
        {"data4 last byte", MakeGuid(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0x7F),
         MakeGuid(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0x80)},
        {"IUnknown below IDispatch", host::kIID_IUnknown, host::kIID_IDispatch},
    };
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.what);
        ASSERT_LT(pair.lower.ToString(), pair.higher.ToString());
        EXPECT_TRUE(pair.lower < pair.higher);
        EXPECT_FALSE(pair.higher < pair.lower);
        EXPECT_FALSE(pair.lower < pair.lower);
        EXPECT_FALSE(pair.higher < pair.higher);
    }
}

}  // namespace
