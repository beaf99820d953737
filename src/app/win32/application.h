// The program as Windows runs it: the main window's model on the given
// platform and its real windows, the start-up sequence and the message loop.
// The entry point and the benchmarks start the program through it.
#pragma once

#include <windows.h>

#include "app/main_window.h"
#include "platform/win32/win32_platform.h"
#include "ui/win32/window_system.h"

namespace app::win32 {

class Application {
public:
    // The icon and hand cursor come from the executable's resources (0: none).
    // The platform outlives the application.
    Application(platform::Win32Platform& platform, HINSTANCE instance, int iconResource, int handCursorResource);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    MainWindow& window() { return window_; }

    // Makes the windows, runs the creation sequence, shows the main window.
    void start();
    // The message loop, until the main window is closed; the exit code.
    int run();

private:
    MainWindow window_;
    ui::win32::WindowSystem windows_;
};

}  // namespace app::win32
