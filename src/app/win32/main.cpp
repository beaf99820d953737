// Program entry: the platform, the main window and its windows, the message loop.
#include <windows.h>

#include <commctrl.h>

#include "app/main_form.h"
#include "app/win32/resource_ids.h"
#include "platform/win32/win32_platform.h"
#include "ui/win32/window_system.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    InitCommonControls();
    platform::Win32Platform platform;
    app::TForm1 Form1(platform);
    ui::win32::WindowSystem windows(Form1.form(), instance, IDI_VELNOR, IDC_HAND_POINT);
    windows.onDestroy = [&] { Form1.form().dispatch([&] { Form1.FormDestroy(); }); };
    windows.create();
    Form1.form().dispatch([&] { Form1.FormCreate(); });
    windows.show();
    return windows.run();
}
