#include "scenario.h"

namespace e2e {

void Scenario::SetUp() { ClearSettingsKey(); }

void Scenario::TearDown() {
    if (!HasFailure()) return;
    const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
    const std::string folder = BuildFolder() + "\\screens";
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = folder + "\\" + info->test_suite_name() + "." + info->name() + ".bmp";
    if (SaveScreenshot(path)) std::printf("screenshot: %s\n", path.c_str());
}

}  // namespace e2e
