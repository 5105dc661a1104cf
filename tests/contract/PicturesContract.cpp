// The pictures port: a bitmap of the module as an OLE picture that owns it
// (the Windows program carries test-bitmap.rc; the model is told of it).
#include <gtest/gtest.h>

#include "contract/ContractEnvironment.h"
#include "contract/TestBitmap.h"

namespace {

std::int32_t Number(const host::DispatchPtr& picture, const char* property) {
    std::int32_t value = 0;
    EXPECT_TRUE(picture->Get(property).ToInt32(&value)) << property;
    return value;
}

TEST(PicturesContract, AModuleBitmapBecomesABitmapPictureOfItsOwnOtherIdsNothing) {
    const host::DispatchPtr first = platform::pictures().LoadBitmapPicture(TANDREL_TEST_BITMAP);
    const host::DispatchPtr second = platform::pictures().LoadBitmapPicture(TANDREL_TEST_BITMAP);
    ASSERT_TRUE(first);
    ASSERT_TRUE(second);
    EXPECT_TRUE(first->QueryInterface(platform::kIID_IPictureDisp));
    EXPECT_EQ(platform::kPictureTypeBitmap, Number(first, "Type"));
    // 16 pixels at 96 dots per inch, in hundredths of a millimetre.
    EXPECT_EQ(423, Number(first, "Width"));
    EXPECT_EQ(423, Number(first, "Height"));
    // Each picture owns a bitmap of its own.
    EXPECT_NE(0, Number(first, "Handle"));
    EXPECT_NE(Number(first, "Handle"), Number(second, "Handle"));
    // None for a bitmap the module lacks.
    EXPECT_FALSE(platform::pictures().LoadBitmapPicture(TANDREL_TEST_BITMAP + 1));
    EXPECT_FALSE(platform::pictures().LoadBitmapPicture(0));
}

}  // namespace
