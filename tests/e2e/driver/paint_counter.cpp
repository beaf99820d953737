// Counts the WM_PAINT messages that reach the window procedures of a thread:
// those its message loops take from the queue and those sent to it directly
// (UpdateWindow, RedrawWindow). The test driver hooks it into the program's
// GUI thread and reads the count from the program's memory; it changes
// nothing the program does.
#include <windows.h>

extern "C" {

__declspec(dllexport) volatile LONG paintCount = 0;

__declspec(dllexport) LRESULT CALLBACK countTakenPaint(int code, WPARAM removal, LPARAM message) {
    if (code == HC_ACTION && removal == PM_REMOVE && reinterpret_cast<const MSG*>(message)->message == WM_PAINT)
        InterlockedIncrement(&paintCount);
    return CallNextHookEx(nullptr, code, removal, message);
}

__declspec(dllexport) LRESULT CALLBACK countSentPaint(int code, WPARAM fromThisThread, LPARAM message) {
    if (code == HC_ACTION && reinterpret_cast<const CWPSTRUCT*>(message)->message == WM_PAINT)
        InterlockedIncrement(&paintCount);
    return CallNextHookEx(nullptr, code, fromThisThread, message);
}

}  // extern "C"
