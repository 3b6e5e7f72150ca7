// Base fixture of every scenario: the settings key is cleared first, the
// programs a scenario started are ended afterwards, and a failed scenario
// leaves a screenshot in <build>\screens\<suite>.<test>.bmp.
#pragma once

#include <gtest/gtest.h>

#include "driver.h"

namespace e2e {

class Scenario : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace e2e
