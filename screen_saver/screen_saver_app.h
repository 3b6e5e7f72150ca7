// The screen saver's application object: command line, single instance and
// the full-screen window.
#pragma once

#include <memory>

#include "app.h"
#include "main_frame.h"
#include "screen_saver_state.h"

namespace kalvor {

class CScreenSaverApp : public winui::Application {
protected:
    bool InitInstance() override;

private:
    ScreenSaverState state_;
    std::unique_ptr<CMainFrame> mainFrame_;
};

}  // namespace kalvor
