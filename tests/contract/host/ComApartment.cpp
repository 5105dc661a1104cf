// The add-in lives in Outlook's single-threaded apartment; so do the tests
// of the win32 programs.
#include <gtest/gtest.h>

#include <objbase.h>

namespace {

class Apartment : public ::testing::Environment {
  public:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    }
    void TearDown() override { CoUninitialize(); }
};

::testing::Environment* const kApartment = ::testing::AddGlobalTestEnvironment(new Apartment);

}  // namespace
