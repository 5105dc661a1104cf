// Reading Skype's replies: the seven markers in their order, the fixed
// positions values start at, and untrusted blocks.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "skype/SkypeReply.h"

namespace {

using skype_reply::Classify;
using skype_reply::Kind;

struct Case {
    const char* reply;
    Kind kind;
    const char* value;
    long number;
};

TEST(SkypeReply, TheFirstMarkerFoundDecidesWhereverItStands) {
    const Case cases[] = {
        {"CONNSTATUS ONLINE", Kind::ConnStatus, "ONLINE", 0},
        {"CURRENTUSERHANDLE echo123", Kind::CurrentUserHandle, "echo123", 0},
        {"PONG", Kind::Pong, "", 0},
        {"PROTOCOL 5", Kind::Protocol, "", 5},
        {"ERROR 68 Access denied", Kind::Error, " Access denied", 68},
        {"USERS echo123, abc", Kind::Users, "echo123, abc", 0},
        // A group's member list is not the friends list.
        {"GROUP 7 USERS a, b", Kind::Other, "", 0},
        // "USERSTATUS" holds "USERS" but not "USERS " with its blank.
        {"USERSTATUS ONLINE", Kind::Other, "", 0},
        {"USER bob FULLNAME Bob", Kind::Other, "", 0},
        // A USER notification whose value holds a marker goes to that branch.
        {"USER bob FULLNAME PONG fan", Kind::Pong, "", 0},
        {"USER bob FULLNAME PROTOCOL 7", Kind::Protocol, "", 0},
        {"USER bob MOOD_TEXT ERROR 42 x", Kind::Error, " MOOD_TEXT ERROR 42 x", 0},
        // The value is read from the fixed position, not after the marker.
        {"USER CONNSTATUS x", Kind::ConnStatus, "ATUS x", 0},
        {"xCURRENTUSERHANDLE echo123", Kind::CurrentUserHandle, " echo123", 0},
        // Earlier markers win over later ones in the same reply.
        {"ERROR 1 CONNSTATUS", Kind::ConnStatus, "NSTATUS", 0},
        {"PROTOCOL PONG", Kind::Pong, "", 0},
        {"USERS a, PONG", Kind::Pong, "", 0},
        {"", Kind::Other, "", 0},
    };
    for (const Case& c : cases) {
        const skype_reply::Reply reply = Classify(c.reply);
        EXPECT_EQ(c.kind, reply.kind) << c.reply;
        EXPECT_EQ(c.value, reply.value) << c.reply;
        EXPECT_EQ(c.number, reply.number) << c.reply;
    }
}

TEST(SkypeReply, RepliesShorterThanTheirValuePositionHaveAnEmptyValue) {
    const Case cases[] = {
        {"CONNSTATUS", Kind::ConnStatus, "", 0},
        {"CONNSTATUS ", Kind::ConnStatus, "", 0},
        {"CURRENTUSERHANDLE", Kind::CurrentUserHandle, "", 0},
        {"PROTOCOL", Kind::Protocol, "", 0},
        {"PROTOCOL abc", Kind::Protocol, "", 0},
        {"ERROR", Kind::Error, "", 0},
        {"ERROR 12", Kind::Error, "", 12},
        {"ERROR x y", Kind::Error, " y", 0},
        {"USERS ", Kind::Users, "", 0},
    };
    for (const Case& c : cases) {
        const skype_reply::Reply reply = Classify(c.reply);
        EXPECT_EQ(c.kind, reply.kind) << c.reply;
        EXPECT_EQ(c.value, reply.value) << c.reply;
        EXPECT_EQ(c.number, reply.number) << c.reply;
    }
}

TEST(SkypeReply, HugeNumbersSaturateInsteadOfOverflowing) {
    EXPECT_EQ(LONG_MAX, Classify("PROTOCOL 99999999999999999999999").number);
    EXPECT_EQ(LONG_MAX, Classify("ERROR 99999999999999999999999 x").number);
    EXPECT_EQ(123, skype_reply::LeadingDigits("123abc"));
    EXPECT_EQ(0, skype_reply::LeadingDigits("-5"));
}

TEST(SkypeReply, ABlockIsReadUpToItsFirstNulAndNeverPastItsSize) {
    EXPECT_EQ("", skype_reply::FromBlock(nullptr, 10));
    EXPECT_EQ("", skype_reply::FromBlock("PONG", 0));
    EXPECT_EQ("PO", skype_reply::FromBlock("PO\0NG", 5));
    // No NUL at all: exactly the bytes given (a heap block of that size, so
    // a read past it would be caught by the sanitizer).
    const char text[] = "CONNSTATUS ONLINE";
    std::unique_ptr<char[]> block(new char[4]);
    std::memcpy(block.get(), text, 4);
    EXPECT_EQ("CONN", skype_reply::FromBlock(block.get(), 4));
    // Bytes outside ASCII pass through untouched.
    const char high[] = {'U', 'S', 'E', 'R', ' ', '\xE9', '\xFF', '\0'};
    EXPECT_EQ(std::string("USER \xE9\xFF"), skype_reply::FromBlock(high, sizeof(high)));
}

TEST(SkypeReply, UserListsSplitAtCommaAndBlank) {
    using List = std::vector<std::string>;
    EXPECT_EQ((List{"echo123", "abc"}), skype_reply::SplitUserList("echo123, abc"));
    EXPECT_EQ((List{"a"}), skype_reply::SplitUserList("a, "));
    EXPECT_EQ((List{"a,b"}), skype_reply::SplitUserList("a,b"));
    EXPECT_EQ((List{"a", " b"}), skype_reply::SplitUserList("a,  b"));
    // Empty names name nobody.
    EXPECT_EQ((List{"a", "b"}), skype_reply::SplitUserList("a, , b"));
    EXPECT_EQ(List{}, skype_reply::SplitUserList(""));
    EXPECT_EQ(List{}, skype_reply::SplitUserList(", , "));
}

}  // namespace
