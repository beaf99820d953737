// Starting the program and running its message loop.
#include "app/win32/application.h"

#include <commctrl.h>

namespace app::win32 {

Application::Application(platform::Win32Platform& platform, HINSTANCE instance, int iconResource,
                         int handCursorResource)
    : window_(platform),
      windows_(window_.form(), instance, iconResource, handCursorResource, platform::leadByteTest(platform)) {
    // The common controls (the tab control) are registered before start() makes any window.
    InitCommonControls();
    windows_.onDestroy = [this] { window_.form().dispatch([this] { window_.destroy(); }); };
}

void Application::start() {
    windows_.create();
    window_.form().dispatch([this] { window_.create(); });
    windows_.show();
}

int Application::run() {
    return windows_.run();
}

}  // namespace app::win32
