// The start-up floor the benchmark measures Velnor against: the least a
// program of Velnor's kind must do before its window shows something. It
// registers one class, opens one window of the main window's size and style,
// and paints one text in the system font. Built with the same toolchain,
// flags and start-up code as velnor.exe (bench/measure.py times it).
//
// Built a second time with VELNOR_FLOOR_COMMON_CONTROLS, it also loads the
// common controls library as velnor.exe does for its tab control: the
// difference between the two is what that one library costs the start-up.
#include <windows.h>
#if defined(VELNOR_FLOOR_COMMON_CONTROLS)
#include <commctrl.h>
#endif

namespace {

LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd, &paint);
            RECT client;
            GetClientRect(hwnd, &client);
            DrawTextA(dc, "1,024 MB", -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#if defined(VELNOR_FLOOR_COMMON_CONTROLS)
    InitCommonControls();
#endif
    WNDCLASSA wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "VelnorFloor";
    RegisterClassA(&wc);
    // The main window's style and client size (472 by 242).
    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    RECT outer{0, 0, 472, 242};
    AdjustWindowRectEx(&outer, kStyle, FALSE, 0);
    HWND hwnd = CreateWindowExA(0, "VelnorFloor", "Floor", kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                                outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance,
                                nullptr);
    if (hwnd == nullptr) return 1;
    ShowWindow(hwnd, SW_SHOWNORMAL);
    UpdateWindow(hwnd);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
