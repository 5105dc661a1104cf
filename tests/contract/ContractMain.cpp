// main() of the contract programs: installs the adapters under test.
#include <gtest/gtest.h>

#include <cstdio>

#include "contract/ContractEnvironment.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    platform::Install(contract::Ports());
    std::printf("contract suites against the %s adapters\n", contract::AdapterName().c_str());
    return RUN_ALL_TESTS();
}
