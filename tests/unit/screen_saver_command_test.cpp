#include "screen_saver_command.h"

#include <gtest/gtest.h>

namespace kalvor {
namespace {

TEST(ScreenSaverCommand, TheLetterAfterTheLastSlashDecides) {
    struct Case {
        const char* commandLine;
        ScreenSaverMode mode;
    };
    const Case cases[] = {
        {"/c", ScreenSaverMode::Configure},
        {"/C", ScreenSaverMode::Configure},
        {"/c:1234", ScreenSaverMode::Configure},
        {"/p 1234", ScreenSaverMode::Preview},
        {"/P 1234", ScreenSaverMode::Preview},
        {"/s", ScreenSaverMode::Run},
        {"/S", ScreenSaverMode::Run},
        {"/x", ScreenSaverMode::Run},
        {"/", ScreenSaverMode::Run},
        {"  /s  ", ScreenSaverMode::Run},
        // Only the last switch counts.
        {"/s /c", ScreenSaverMode::Configure},
        {"/c /s", ScreenSaverMode::Run},
        {"/p 1234 /s", ScreenSaverMode::Run},
        // Without any "/": the first non-blank character, after an optional "-".
        {"", ScreenSaverMode::Configure},
        {"   ", ScreenSaverMode::Configure},
        {"c", ScreenSaverMode::Configure},
        {"p 1234", ScreenSaverMode::Preview},
        {"-c", ScreenSaverMode::Configure},
        {"-P 99", ScreenSaverMode::Preview},
        {"s", ScreenSaverMode::Run},
        {"-s", ScreenSaverMode::Run},
        {"-", ScreenSaverMode::Run},
        {"hello", ScreenSaverMode::Run},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ScreenSaverModeFromCommandLine(c.commandLine), c.mode) << '"' << c.commandLine << '"';
    }
}

}  // namespace
}  // namespace kalvor
