#include "support/ModelFixture.h"

#include "util/Trace.h"

namespace testing_support {

ModelFixture::ModelFixture() : installed_(model.ports()) { CTrace::ResetForTesting(); }

ModelFixture::~ModelFixture() { CTrace::ResetForTesting(); }

void ModelFixture::TearDown() {
    EXPECT_EQ(expectedCaughtExceptions, model.CaughtExceptions())
        << "exceptions stopped at the model's window or dialog procedure";
}

}  // namespace testing_support
