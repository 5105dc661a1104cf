// A test fixture that installs a fresh model platform for each test.
#pragma once

#include <gtest/gtest.h>

#include "model/ModelPlatform.h"

namespace testing_support {

class ModelFixture : public ::testing::Test {
  protected:
    ModelFixture();
    ~ModelFixture() override;

    model::ModelPlatform model;

  private:
    platform::ScopedPlatform installed_;
};

}  // namespace testing_support
