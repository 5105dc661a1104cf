#include "support/TraceCapture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "util/Settings.h"

namespace testing_support {

TraceCapture::TraceCapture(model::ModelRegistry& registry) : registry_(registry) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = ::testing::TempDir() + "tandrel-trace-" + (test ? test->test_suite_name() : "") + "-" +
            (test ? test->name() : "") + ".txt";
    std::remove(path_.c_str());
}

TraceCapture::~TraceCapture() { std::remove(path_.c_str()); }

void TraceCapture::Enable() { Enable(path_); }

void TraceCapture::Enable(const std::string& path) {
    registry_.SetString(platform::RegistryRoot::CurrentUser, settings::kKeyPath, settings::kLogFile,
                        path);
}

void TraceCapture::Disable() {
    registry_.RemoveValue(platform::RegistryRoot::CurrentUser, settings::kKeyPath,
                          settings::kLogFile);
}

std::string TraceCapture::Text() const {
    std::ifstream file(path_.c_str());
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

bool TraceCapture::Exists() const { return std::ifstream(path_.c_str()).good(); }

}  // namespace testing_support
