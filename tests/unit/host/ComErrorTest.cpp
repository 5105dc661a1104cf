// The COM error: the failing HRESULT, the interface and the host's description.
#include <gtest/gtest.h>

#include <string>

#include "host/ComError.h"
#include "model/host/ModelObject.h"

namespace {

const host::Guid kIID_CommandBarControl =
    host::MakeGuid(0x000C0308, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46);

class Control : public model::ModelObject {
  public:
    Control() : ModelObject("CommandBarControl", nullptr) {
        DefineMethod("Delete", {0, 1}, [](const std::vector<host::Variant>&, host::Variant*) {
            return host::hr::kOk;
        });
    }
};

TEST(ComError, ThrowsOnlyForFailuresAndCarriesCodeAndInterface) {
    EXPECT_NO_THROW(host::ThrowIfFailed(host::hr::kOk, kIID_CommandBarControl));
    EXPECT_NO_THROW(host::ThrowIfFailed(host::hr::kFalse, kIID_CommandBarControl));
    try {
        host::ThrowIfFailed(host::hr::kFail, kIID_CommandBarControl);
        FAIL() << "no ComError";
    } catch (const host::ComError& error) {
        EXPECT_EQ(host::hr::kFail, error.code());
        EXPECT_EQ(kIID_CommandBarControl, error.iid());
        EXPECT_EQ(L"", error.description());
        EXPECT_EQ("COM error 0x80004005 on interface {000C0308-0000-0000-C000-000000000046}",
                  std::string(error.what()));
    }
}

TEST(ComError, TakesTheDescriptionTheObjectGaveWithItsFailure) {
    boost::shared_ptr<Control> control(new Control);
    control->FailNext("Delete", host::hr::kInvalidArg, 1, L"Method 'Delete' failed \u00e9");
    host::Variant result;
    const host::HResult code = control->Call("Delete", {host::Variant::Missing()}, &result);
    try {
        host::ThrowIfFailed(code, kIID_CommandBarControl, *control);
        FAIL() << "no ComError";
    } catch (const host::ComError& error) {
        EXPECT_EQ(host::hr::kInvalidArg, error.code());
        EXPECT_EQ(L"Method 'Delete' failed \u00e9", error.description());
        EXPECT_NE(std::string::npos,
                  std::string(error.what()).find("0x80070057 on interface {000C0308"));
        EXPECT_NE(std::string::npos, std::string(error.what()).find(": Method 'Delete' failed ?"));
    }
}

}  // namespace
