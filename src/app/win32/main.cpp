// Program entry: start the program and run its message loop.
#include <windows.h>

#include "app/win32/application.h"
#include "app/win32/resource_ids.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    app::win32::Application program(instance, IDI_VELNOR, IDC_HAND_POINT);
    program.start();
    return program.run();
}
