#include "support/ModelFixture.h"

#include "util/Trace.h"

namespace testing_support {

ModelFixture::ModelFixture() : installed_(model.ports()) { CTrace::ResetForTesting(); }

ModelFixture::~ModelFixture() { CTrace::ResetForTesting(); }

}  // namespace testing_support
