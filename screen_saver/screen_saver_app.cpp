#include "screen_saver_app.h"

#include "local_time.h"
#include "screen_saver_command.h"
#include "util.h"

namespace kalvor {

bool CScreenSaverApp::InitInstance() {
    // Nothing to configure and no preview: those requests end at once, and
    // so does a start while another copy is already on the screen.
    if (winui::FindTopLevelWindow(kScreenSaverTitle)) return false;
    if (ScreenSaverModeFromCommandLine(CommandLine()) != ScreenSaverMode::Run) return false;

    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);

    mainFrame_ = std::make_unique<CMainFrame>(state_);
    if (!mainFrame_->Create(CurrentTime())) return false;
    SetMainWindow(mainFrame_.get());

    mainFrame_->StartAnimation();
    ShowWindow(mainFrame_->Handle(), SW_SHOW);
    UpdateWindow(mainFrame_->Handle());
    ShowCursor(FALSE);
    return true;
}

}  // namespace kalvor
