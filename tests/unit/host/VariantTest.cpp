// Variant: the VARTYPE words of each kind, "missing", null and empty BSTRs,
// by-reference booleans and equality.
#include <gtest/gtest.h>

#include "host/Variant.h"
#include "model/host/ModelObject.h"

namespace {

using host::Variant;
using host::VarType;

TEST(Variant, EachKindCarriesItsVartypeWord) {
    std::int16_t word = 0;
    const struct {
        Variant value;
        std::uint16_t vt;
    } cases[] = {
        {Variant(), 0},
        {Variant::Null(), 1},
        {Variant::I2(-2), 2},
        {Variant::I4(70000), 3},
        {Variant::Bstr(L"x"), 8},
        {Variant::NullBstr(), 8},
        {Variant::Object(host::DispatchPtr()), 9},
        {Variant::Error(host::hr::kFail), 10},
        {Variant::Missing(), 10},
        {Variant::Bool(true), 11},
        {Variant::BoolRef(&word), 11 | 0x4000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.vt, c.value.vt()) << c.value.Describe();
        EXPECT_EQ(c.vt & ~host::kVtByRef, static_cast<std::uint16_t>(c.value.type()));
    }
    EXPECT_EQ(-2, Variant::I2(-2).i2());
    EXPECT_EQ(70000, Variant::I4(70000).i4());
}

TEST(Variant, BooleansAreVariantBoolWords) {
    EXPECT_EQ(-1, Variant::Bool(true).boolWord());
    EXPECT_EQ(0, Variant::Bool(false).boolWord());
    EXPECT_TRUE(Variant::Bool(true).boolValue());
    std::int32_t value = 0;
    ASSERT_TRUE(Variant::Bool(true).ToInt32(&value));
    EXPECT_EQ(-1, value);
}

TEST(Variant, MissingIsParamNotFoundAndNothingElse) {
    const Variant missing = Variant::Missing();
    EXPECT_TRUE(missing.isMissing());
    EXPECT_EQ(static_cast<host::HResult>(0x80020004), missing.error());
    EXPECT_EQ(missing, Variant::Error(host::hr::kParamNotFound));
    EXPECT_FALSE(Variant::Error(host::hr::kFail).isMissing());
    EXPECT_FALSE(Variant().isMissing());
    EXPECT_FALSE(Variant::I4(static_cast<std::int32_t>(0x80020004)).isMissing());
    EXPECT_EQ("VT_ERROR 0x80020004 (missing)", missing.Describe());
}

TEST(Variant, NullBstrStaysDistinctFromEmptyText) {
    const Variant null = Variant::NullBstr();
    const Variant empty = Variant::Bstr(L"");
    EXPECT_TRUE(null.isNullBstr());
    EXPECT_FALSE(empty.isNullBstr());
    EXPECT_NE(null, empty);
    EXPECT_EQ(L"", null.ToText());
    EXPECT_EQ(L"", empty.ToText());
    EXPECT_NE(null.Describe(), empty.Describe());
    // Embedded NULs and text beyond Latin-1 are kept.
    const std::wstring text(L"a\0b\u0416", 4);
    EXPECT_EQ(text, Variant::Bstr(text).bstr());
    EXPECT_NE(Variant::Bstr(text), Variant::Bstr(L"a"));
}

TEST(Variant, ByReferenceBooleanWritesThroughToItsStorage) {
    std::int16_t cancel = host::kVariantFalse;
    const Variant ref = Variant::BoolRef(&cancel);
    const Variant copy = ref;  // a copy points at the same storage
    EXPECT_TRUE(ref.isByRef());
    EXPECT_FALSE(ref.boolValue());
    *copy.boolRef() = host::kVariantTrue;
    EXPECT_EQ(host::kVariantTrue, cancel);
    EXPECT_EQ(host::kVariantTrue, ref.boolWord());
    EXPECT_EQ(copy, ref);
    std::int16_t other = host::kVariantTrue;
    EXPECT_NE(ref, Variant::BoolRef(&other));  // same value, other storage
    EXPECT_NE(ref, Variant::Bool(true));       // by value is another kind
    EXPECT_EQ(nullptr, Variant::Bool(true).boolRef());
    EXPECT_EQ(0, Variant::BoolRef(nullptr).boolWord());
}

TEST(Variant, EqualityNeedsTheSameKindAndValue) {
    EXPECT_NE(Variant::I2(1), Variant::I4(1));
    EXPECT_NE(Variant::I4(1), Variant::Bool(true));
    EXPECT_NE(Variant(), Variant::Null());
    EXPECT_EQ(Variant::I4(-5), Variant::I4(-5));
    EXPECT_NE(Variant::I4(-5), Variant::I4(5));
    EXPECT_EQ(Variant::Object(host::DispatchPtr()), Variant::Object(host::DispatchPtr()));
    model::ModelObjectPtr object(new model::ModelObject("Object", nullptr));
    EXPECT_NE(Variant::Object(object), Variant::Object(host::DispatchPtr()));
    EXPECT_EQ(Variant::Object(object), Variant::Object(object));
}

TEST(Variant, AccessorsOfAnotherKindGiveTheZeroValue) {
    const Variant text = Variant::Bstr(L"12");
    EXPECT_EQ(0, text.i4());
    EXPECT_EQ(0, text.i2());
    EXPECT_FALSE(text.boolValue());
    EXPECT_FALSE(text.object());
    EXPECT_EQ(host::hr::kOk, text.error());
    std::int32_t value = 9;
    EXPECT_FALSE(text.ToInt32(&value));
    EXPECT_EQ(9, value);
    EXPECT_EQ(L"", Variant::I4(3).bstr());
    ASSERT_TRUE(Variant::I2(-7).ToInt32(&value));
    EXPECT_EQ(-7, value);
}

}  // namespace
