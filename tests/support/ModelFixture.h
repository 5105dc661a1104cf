// A test fixture that installs a fresh model platform for each test.
#pragma once

#include <gtest/gtest.h>

#include "model/ModelPlatform.h"

namespace testing_support {

class ModelFixture : public ::testing::Test {
  protected:
    ModelFixture();
    ~ModelFixture() override;
    // Fails the test when the model's edges caught other than
    // `expectedCaughtExceptions` exceptions.
    void TearDown() override;

    model::ModelPlatform model;
    std::size_t expectedCaughtExceptions = 0;

  private:
    platform::ScopedPlatform installed_;
};

}  // namespace testing_support
