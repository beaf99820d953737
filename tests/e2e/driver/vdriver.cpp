// The end-to-end test driver. It runs under Wine beside velnor.exe, reads one
// command per line on standard input and answers one line on standard output:
// "ok ..." or "err ...". It finds the program's controls by their control IDs,
// reads texts and gauge positions, writes registry fixtures, and moves the real
// mouse and keyboard. Texts cross the pipe as hexadecimal bytes, so that no
// console code page conversion can touch them.
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>
#include <winternl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "pages/control_ids.h"
#include "app/layout/layouts.h"
#include "present/texts.h"
#include "ui/font.h"

namespace {

PROCESS_INFORMATION g_process{};
HWND g_main = nullptr;

std::string hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out.empty() ? "-" : out;
}

std::string unhex(const std::string& text) {
    std::string out;
    if (text == "-") return out;
    auto digit = [](char c) { return c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10; };
    out.reserve(text.size() / 2);
    for (std::size_t i = 0; i + 1 < text.size(); i += 2) out += static_cast<char>(digit(text[i]) * 16 + digit(text[i + 1]));
    return out;
}

struct Failure {
    std::string message;
};

[[noreturn]] void fail(const std::string& message) {
    throw Failure{message};
}

int controlId(const std::string& name) {
    for (const auto& entry : ids::kControlNames) {
        if (name == entry.name) return entry.id;
    }
    fail("unknown control " + name);
}

std::string controlName(int id) {
    for (const auto& entry : ids::kControlNames) {
        if (entry.id == id) return entry.name;
    }
    return "?" + std::to_string(id);
}

struct FindChild {
    int id;
    HWND found;
};

BOOL CALLBACK findChild(HWND hwnd, LPARAM lParam) {
    auto* find = reinterpret_cast<FindChild*>(lParam);
    if (GetDlgCtrlID(hwnd) == find->id) {
        find->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND mainWindow() {
    if (g_main == nullptr || !IsWindow(g_main)) fail("no main window");
    return g_main;
}

// The controls of the pages not in front get their windows once the program
// has painted its first figures and has nothing else to do, so a control
// asked for right after the start may need a moment to appear.
HWND control(const std::string& name) {
    if (name == "main") return mainWindow();
    FindChild find{controlId(name), nullptr};
    DWORD deadline = GetTickCount() + 5000;
    for (;;) {
        EnumChildWindows(mainWindow(), findChild, reinterpret_cast<LPARAM>(&find));
        if (find.found != nullptr) return find.found;
        if (static_cast<int>(deadline - GetTickCount()) <= 0) fail("no window for " + name);
        Sleep(10);
    }
}

std::string windowText(HWND hwnd) {
    // The length asked first may be more than the text (never less), so a
    // text of any size comes whole.
    LRESULT asked = SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::vector<char> buffer(static_cast<std::size_t>(asked > 0 ? asked : 0) * 2 + 65536);
    LRESULT length = SendMessageA(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

struct TopWindows {
    DWORD pid;
    std::vector<HWND> windows;
};

BOOL CALLBACK collectTop(HWND hwnd, LPARAM lParam) {
    auto* top = reinterpret_cast<TopWindows*>(lParam);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == top->pid) top->windows.push_back(hwnd);
    return TRUE;
}

std::vector<HWND> processWindows() {
    TopWindows top{g_process.dwProcessId, {}};
    EnumWindows(collectTop, reinterpret_cast<LPARAM>(&top));
    return top.windows;
}

std::string className(HWND hwnd) {
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

bool running() {
    return g_process.hProcess != nullptr && WaitForSingleObject(g_process.hProcess, 0) == WAIT_TIMEOUT;
}

void closeHandles() {
    if (g_process.hProcess) CloseHandle(g_process.hProcess);
    if (g_process.hThread) CloseHandle(g_process.hThread);
    g_process = {};
    g_main = nullptr;
}

// ----- memory in the program's process, for messages that carry pointers -----

class RemoteBuffer {
public:
    explicit RemoteBuffer(std::size_t size) : size_(size) {
        address_ = VirtualAllocEx(g_process.hProcess, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
        if (address_ == nullptr) fail("VirtualAllocEx");
    }
    ~RemoteBuffer() { VirtualFreeEx(g_process.hProcess, address_, 0, MEM_RELEASE); }
    void write(const void* data, std::size_t size, std::size_t offset = 0) {
        SIZE_T done = 0;
        WriteProcessMemory(g_process.hProcess, static_cast<char*>(address_) + offset, data, size, &done);
    }
    void read(void* data, std::size_t size, std::size_t offset = 0) {
        SIZE_T done = 0;
        ReadProcessMemory(g_process.hProcess, static_cast<char*>(address_) + offset, data, size, &done);
    }
    LPARAM at(std::size_t offset = 0) const { return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset); }

private:
    void* address_;
    std::size_t size_;
};

// A combo box entry of another process. Wine hands such a list text across
// processes in Unicode whatever the caller asked for, so ask in Unicode.
std::string comboItem(HWND combo, int index) {
    wchar_t wide[512] = {};
    LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR || length >= 500) return {};
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(wide));
    char narrow[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}

RECT tabRect(HWND tabs, int index) {
    RemoteBuffer remote(sizeof(RECT));
    if (!SendMessageA(tabs, TCM_GETITEMRECT, index, remote.at())) fail("no tab " + std::to_string(index));
    RECT rect;
    remote.read(&rect, sizeof rect);
    MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string tabText(HWND tabs, int index) {
    RemoteBuffer remote(sizeof(TCITEMA) + 256);
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<char*>(remote.at(sizeof item));
    item.cchTextMax = 255;
    remote.write(&item, sizeof item);
    char zero[256] = {};
    remote.write(zero, sizeof zero, sizeof item);
    if (!SendMessageA(tabs, TCM_GETITEMA, index, remote.at())) fail("no tab " + std::to_string(index));
    char text[256] = {};
    remote.read(text, 255, sizeof item);
    return text;
}

// The screen's pixels in a rectangle.
std::vector<unsigned> capture(const RECT& rect) {
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    std::vector<unsigned> pixels(static_cast<std::size_t>(width) * height);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    GetDIBits(memory, bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// ----- input -----

void settle(int ms = 150) {
    DWORD end = GetTickCount() + ms;
    while (static_cast<int>(end - GetTickCount()) > 0) Sleep(10);
}

void mouseTo(int x, int y) {
    SetCursorPos(x, y);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof input);
}

void mouseButton(const std::string& button, bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    if (button == "left") input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    else if (button == "right") input.mi.dwFlags = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
    else if (button == "middle") input.mi.dwFlags = down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
    else fail("unknown button " + button);
    SendInput(1, &input, sizeof input);
}

POINT centreOf(HWND hwnd) {
    RECT rect;
    GetWindowRect(hwnd, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void key(WORD vk, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}

void bringToFront() {
    HWND main = mainWindow();
    SetForegroundWindow(main);
    settle(50);
}

// ----- registry -----

HKEY rootKey(const std::string& name) {
    if (name == "HKLM") return HKEY_LOCAL_MACHINE;
    if (name == "HKCU") return HKEY_CURRENT_USER;
    if (name == "HKDD") return HKEY_DYN_DATA;
    fail("unknown root " + name);
}

REGSAM viewFlag(const std::string& view) {
    if (view == "64") return KEY_WOW64_64KEY;
    if (view == "32") return KEY_WOW64_32KEY;
    return 0;
}

std::wstring wide(const std::string& text) {
    std::vector<wchar_t> out(text.size() + 1);
    int count = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), out.data(),
                                    static_cast<int>(out.size()));
    return std::wstring(out.data(), static_cast<std::size_t>(count > 0 ? count : 0));
}

// A text as an edit control of the given kind gives it back: what a box of
// the program shows for the same bytes. The text goes in as the program's
// boxes take theirs (src/ui/win32/text_box_window.cpp): a single-line box
// gets it as it is made, a multi-line one is made empty, told to hold any
// length and then given it. The two ways differ in 64-bit Wine: a lead byte
// at the end, with nothing to pair with, becomes 81 45 "・" when the text is
// set but is dropped when it is given at creation.
std::string throughEdit(bool multiline, const std::string& text) {
    if (!multiline) {
        HWND box = CreateWindowExA(0, "EDIT", text.c_str(), WS_POPUP | ES_AUTOHSCROLL, 0, 0, 200, 50, nullptr,
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
        if (box == nullptr) fail("no edit control");
        std::string out = windowText(box);
        DestroyWindow(box);
        return out;
    }
    static HWND box = nullptr;
    if (box == nullptr) {
        box = CreateWindowExA(0, "EDIT", "", WS_POPUP | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0, 200, 50, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
        if (box == nullptr) fail("no edit control");
        SendMessageA(box, EM_LIMITTEXT, 0, 0);
    }
    SetWindowTextA(box, text.c_str());
    return windowText(box);
}

// ----- commands -----

// Starts exe with commandLine. Now and then Wine's new process ends, with no
// exit status, before Wine has finished starting it (CreateProcess then
// fails with ERROR_INTERNAL_ERROR): the test bed's fault, not the program's,
// whose failures to load end with a status of their own, so such a start is
// tried again a few times. Every other failure fails the command at once.
void createProcess(const std::string& exe, std::string commandLine, const std::string& directory,
                   STARTUPINFOA& startup, PROCESS_INFORMATION& process) {
    for (int attempt = 1;; ++attempt) {
        if (CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                           directory.empty() ? nullptr : directory.c_str(), &startup, &process))
            return;
        DWORD error = GetLastError();
        if (error != ERROR_INTERNAL_ERROR || attempt == 3)
            fail("CreateProcess failed " + std::to_string(error));
        std::fprintf(stderr, "vdriver: CreateProcess lost the new process (%lu), again\n",
                     static_cast<unsigned long>(error));
        Sleep(500);
    }
}

// Starts a program in its own directory, with the arguments given after its
// quoted name and, where show is given, as a shortcut set to that window
// state starts it; the time it started, for start-up figures.
LARGE_INTEGER launch(std::istringstream& args, const std::string& arguments = "", int show = -1) {
    std::string exe, directory;
    args >> exe >> directory;
    exe = unhex(exe);
    directory = unhex(directory);
    if (running()) fail("already running");
    closeHandles();
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (show >= 0) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = static_cast<WORD>(show);
    }
    std::string commandLine = "\"" + exe + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    LARGE_INTEGER began;
    QueryPerformanceCounter(&began);
    createProcess(exe, commandLine, directory, startup, g_process);
    return began;
}

// Waits for the started program's main window until ready(window) holds,
// takes it as the main window and lets it settle for settleMs; the
// program's process id.
template <typename Ready>
std::string awaitMainWindow(Ready ready, int settleMs) {
    WaitForInputIdle(g_process.hProcess, 10000);
    DWORD deadline = GetTickCount() + 15000;
    while (static_cast<int>(deadline - GetTickCount()) > 0) {
        for (HWND hwnd : processWindows()) {
            if (className(hwnd) == "VelnorForm" && ready(hwnd)) {
                g_main = hwnd;
                settle(settleMs);
                return std::to_string(g_process.dwProcessId);
            }
        }
        if (!running()) fail("the program ended");
        Sleep(20);
    }
    fail("no window appeared");
}

std::string startProgram(std::istringstream& args) {
    launch(args);
    return awaitMainWindow([](HWND hwnd) { return IsWindowVisible(hwnd) != FALSE; }, 100);
}

std::string childText(HWND child) {
    char text[256] = {};
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(child, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000,
                             &length))
        return "";
    return std::string(text, std::strlen(text));
}

bool endsWith(const std::string& text, const char* tail) {
    std::size_t n = std::strlen(tail);
    return text.size() > n && text.compare(text.size() - n, n, tail) == 0;
}

BOOL CALLBACK findUnpainted(HWND hwnd, LPARAM lParam) {
    if (IsWindowVisible(hwnd) && GetUpdateRect(hwnd, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(lParam) = true;
        return FALSE;
    }
    return TRUE;
}

// Figures are on the screen only once the window has painted them: no part of
// it or of its children is still waiting for a paint. (A program answers our
// questions before it paints, so a text alone does not show that.)
bool painted(HWND top) {
    bool waiting = GetUpdateRect(top, nullptr, FALSE) != FALSE;
    if (!waiting) EnumChildWindows(top, findUnpainted, reinterpret_cast<LPARAM>(&waiting));
    return !waiting;
}

// Our program has its first figures when the disk page's Memo1 shows a size
// with its unit.
HWND velnorWithFigures() {
    for (HWND hwnd : processWindows()) {
        if (className(hwnd) != "VelnorForm" || !IsWindowVisible(hwnd)) continue;
        FindChild find{controlId("Memo1"), nullptr};
        EnumChildWindows(hwnd, findChild, reinterpret_cast<LPARAM>(&find));
        if (find.found == nullptr) continue;
        std::string value = childText(find.found);
        if ((endsWith(value, " MB") || endsWith(value, " GB")) && painted(hwnd)) return hwnd;
    }
    return nullptr;
}

BOOL CALLBACK findStatusFigure(HWND hwnd, LPARAM lParam) {
    if (className(hwnd) != "msctls_statusbar32") return TRUE;
    // A status bar answers WM_GETTEXT with its first part's text.
    std::string text = childText(hwnd);
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            *reinterpret_cast<bool*>(lParam) = true;
            return FALSE;
        }
    }
    return TRUE;
}

// Another program (the peer we compare with) has its first figures when a
// visible window of it shows a number in its status bar.
HWND peerWithFigures() {
    for (HWND hwnd : processWindows()) {
        if (!IsWindowVisible(hwnd)) continue;
        bool found = false;
        EnumChildWindows(hwnd, findStatusFigure, reinterpret_cast<LPARAM>(&found));
        if (found && painted(hwnd)) return hwnd;
    }
    return nullptr;
}

// The start-up floor (bench/startup_floor.cpp) is up when its one window is
// visible and has painted its text.
HWND floorPainted() {
    for (HWND hwnd : processWindows()) {
        if (className(hwnd) == "VelnorFloor" && IsWindowVisible(hwnd) && painted(hwnd)) return hwnd;
    }
    return nullptr;
}

// Milliseconds from CreateProcess to the first figures painted on the screen:
// the disk page's (velnor), the status bar's (peer) or the floor's one text
// (floor). The program keeps running, and "close" closes that window.
std::string timeStartUp(std::istringstream& args) {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER began = launch(args);
    std::string kind = "velnor";
    args >> kind;
    for (;;) {
        QueryPerformanceCounter(&now);
        double ms = 1000.0 * static_cast<double>(now.QuadPart - began.QuadPart) / static_cast<double>(frequency.QuadPart);
        if (ms > 30000) fail("no figures after 30 s");
        if (!running()) fail("the program ended");
        g_main = kind == "peer" ? peerWithFigures() : kind == "floor" ? floorPainted() : velnorWithFigures();
        if (g_main != nullptr) {
            char out[32];
            std::snprintf(out, sizeof out, "%.1f", ms);
            return out;
        }
        Sleep(1);
    }
}

// ----- the program's resources, counted from outside -----

// GDI objects: Wine's GetGuiResources answers 0, so they are counted in the
// process's GDI handle table, which its process environment block points to
// (24-byte entries in both widths, the object type at offset 14, 0 when free).
// The pointer's place in the block depends on the width, which the driver
// shares with the program it started.
#if defined(_WIN64)
constexpr std::size_t kGdiTableInPeb = 0xF8;
#else
constexpr std::size_t kGdiTableInPeb = 0x94;
#endif

// Where the table is read, kinds counts the objects of each type.
DWORD gdiObjects(HANDLE process, std::map<int, int>& kinds) {
    DWORD count = GetGuiResources(process, GR_GDIOBJECTS);
    if (count != 0) return count;
    using Query = LONG(WINAPI*)(HANDLE, int, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (query == nullptr || query(process, 0, &basic, sizeof basic, nullptr) != 0) fail("no process information");
    ULONG_PTR table = 0;
    SIZE_T read = 0;
    const char* peb = static_cast<const char*>(static_cast<void*>(basic.PebBaseAddress));
    if (!ReadProcessMemory(process, peb + kGdiTableInPeb, &table, sizeof table, &read) || table == 0)
        fail("no GDI table");
    MEMORY_BASIC_INFORMATION region{};
    const char* at = reinterpret_cast<const char*>(table);
    if (!VirtualQueryEx(process, at, &region, sizeof region) || region.State != MEM_COMMIT) fail("GDI table unreadable");
    std::size_t available = static_cast<const char*>(region.BaseAddress) + region.RegionSize - at;
    std::vector<unsigned char> entries(available < 0x10000 * 24 ? available : 0x10000 * 24);
    if (!ReadProcessMemory(process, at, entries.data(), entries.size(), &read)) fail("GDI table unreadable");
    for (std::size_t entry = 0; (entry + 1) * 24 <= read; ++entry)
        if (entries[entry * 24 + 14] != 0) ++count, ++kinds[entries[entry * 24 + 14]];
    return count;
}

BOOL CALLBACK countWindow(HWND, LPARAM lParam) {
    ++*reinterpret_cast<DWORD*>(lParam);
    return TRUE;
}

// The program's windows, top-level and child: the USER objects it makes
// (Wine's GetGuiResources answers 0 for USER objects too).
DWORD windowCount() {
    DWORD count = 0;
    for (HWND hwnd : processWindows()) {
        ++count;
        EnumChildWindows(hwnd, countWindow, reinterpret_cast<LPARAM>(&count));
    }
    return count;
}

// Committed private memory, walked region by region (Wine answers 0 for PrivateUsage).
SIZE_T privateBytes(HANDLE process) {
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION region;
    for (const char* at = nullptr; VirtualQueryEx(process, at, &region, sizeof region) == sizeof region;) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
        const char* next = static_cast<const char*>(region.BaseAddress) + region.RegionSize;
        if (next <= at) break;
        at = next;
    }
    return total;
}

// ----- the taskbar entry, and messages from other threads and programs -----

// The program's windows that have a taskbar entry: visible top-level windows
// that nobody owns and that are no tool windows (or that ask for an entry).
std::vector<HWND> taskbarWindows() {
    std::vector<HWND> out;
    for (HWND hwnd : processWindows()) {
        LONG exStyle = GetWindowLongA(hwnd, GWL_EXSTYLE);
        bool unowned = GetWindow(hwnd, GW_OWNER) == nullptr && !(exStyle & WS_EX_TOOLWINDOW);
        if (IsWindowVisible(hwnd) && (unowned || (exStyle & WS_EX_APPWINDOW))) out.push_back(hwnd);
    }
    return out;
}

// "main", or "entry": the one window of the taskbar entry.
HWND namedWindow(const std::string& name) {
    if (name == "main") return mainWindow();
    if (name == "entry") {
        std::vector<HWND> entries = taskbarWindows();
        if (entries.size() != 1) fail("not one taskbar entry but " + std::to_string(entries.size()));
        return entries[0];
    }
    fail("unknown window " + name);
}

// Where a module of the driver's is loaded in the program (system DLLs may lie
// elsewhere there), and so where one of its functions is.
HMODULE remoteModule(HMODULE local) {
    char wanted[MAX_PATH] = {};
    GetModuleBaseNameA(GetCurrentProcess(), local, wanted, sizeof wanted);
    HMODULE modules[512];
    DWORD needed = 0;
    if (!EnumProcessModules(g_process.hProcess, modules, sizeof modules, &needed)) fail("EnumProcessModules");
    for (DWORD i = 0; i < needed / sizeof(HMODULE) && i < 512; ++i) {
        char name[MAX_PATH] = {};
        GetModuleBaseNameA(g_process.hProcess, modules[i], name, sizeof name);
        if (lstrcmpiA(name, wanted) == 0) return modules[i];
    }
    return nullptr;
}

ULONG_PTR remoteAddress(const char* module, const void* local) {
    HMODULE here = GetModuleHandleA(module);
    HMODULE there = here ? remoteModule(here) : nullptr;
    if (there == nullptr) fail(std::string("no ") + module + " in the program");
    return reinterpret_cast<ULONG_PTR>(there) + (reinterpret_cast<ULONG_PTR>(local) - reinterpret_cast<ULONG_PTR>(here));
}

// Watches the program as a debugger while something is done to it: the
// access violations it takes meanwhile, those that a handler swallows too
// (Wine ignores an exception raised inside a window procedure, where Windows
// 9x ends the program).
class ExceptionWatch {
public:
    ExceptionWatch() {
        if (!DebugActiveProcess(g_process.dwProcessId)) fail("DebugActiveProcess " + std::to_string(GetLastError()));
        DebugSetProcessKillOnExit(FALSE);
        pump(3000, true);  // up to the breakpoint the system raises on attaching
    }
    ~ExceptionWatch() {
        if (!ended_) DebugActiveProcessStop(g_process.dwProcessId);
    }
    ExceptionWatch(const ExceptionWatch&) = delete;
    ExceptionWatch& operator=(const ExceptionWatch&) = delete;

    // Handles the program's debug events for ms, or until the awaited thread
    // ends (when one is given), or the attach breakpoint comes.
    void pump(int ms, bool untilBreakpoint = false, DWORD awaitedThread = 0) {
        DWORD end = GetTickCount() + static_cast<DWORD>(ms);
        while (!ended_ && static_cast<int>(end - GetTickCount()) > 0) {
            DEBUG_EVENT event{};
            if (!WaitForDebugEvent(&event, 50)) continue;
            DWORD status = DBG_CONTINUE;
            bool done = false;
            switch (event.dwDebugEventCode) {
                case CREATE_PROCESS_DEBUG_EVENT:
                    if (event.u.CreateProcessInfo.hFile) CloseHandle(event.u.CreateProcessInfo.hFile);
                    break;
                case LOAD_DLL_DEBUG_EVENT:
                    if (event.u.LoadDll.hFile) CloseHandle(event.u.LoadDll.hFile);
                    break;
                case EXCEPTION_DEBUG_EVENT: {
                    const EXCEPTION_RECORD& record = event.u.Exception.ExceptionRecord;
                    if (record.ExceptionCode == EXCEPTION_BREAKPOINT) {
                        done = untilBreakpoint;
                    } else {
                        if (event.u.Exception.dwFirstChance && record.ExceptionCode == EXCEPTION_ACCESS_VIOLATION)
                            ++violations_;
                        status = DBG_EXCEPTION_NOT_HANDLED;
                    }
                    break;
                }
                case EXIT_THREAD_DEBUG_EVENT:
                    done = awaitedThread != 0 && event.dwThreadId == awaitedThread;
                    break;
                case EXIT_PROCESS_DEBUG_EVENT:
                    ended_ = true;
                    break;
                default:
                    break;
            }
            ContinueDebugEvent(event.dwProcessId, event.dwThreadId, status);
            if (done) return;
        }
    }
    int violations() const { return violations_; }
    bool ended() const { return ended_; }

private:
    int violations_ = 0;
    bool ended_ = false;
};

// Sends a message from a thread of the program's own process that is not its
// GUI thread: a message from elsewhere, whose lParam the system hands on as
// it is, as Windows does for WM_NOTIFY between processes. (Wine refuses to
// pass WM_NOTIFY between processes at all.) -> "sent RESULT VIOLATIONS",
// "timeout VIOLATIONS", or "ended" when the program died of it.
std::string sendFromAnotherThread(HWND target, UINT message, WPARAM wParam, LPARAM lParam) {
    auto sendMessage = remoteAddress("user32.dll", reinterpret_cast<const void*>(&SendMessageA));
    std::vector<unsigned char> code;
    auto put = [&code](const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        code.insert(code.end(), bytes, bytes + size);
    };
#if defined(__x86_64__)
    // sub rsp,28h; mov rcx,hwnd; mov edx,msg; mov r8,wParam; mov r9,lParam;
    // mov rax,SendMessageA; call rax; add rsp,28h; ret
    auto hwnd = reinterpret_cast<ULONG_PTR>(target);
    ULONG_PTR w = wParam, l = static_cast<ULONG_PTR>(lParam);
    put("\x48\x83\xEC\x28\x48\xB9", 6), put(&hwnd, 8), put("\xBA", 1), put(&message, 4), put("\x49\xB8", 2),
        put(&w, 8), put("\x49\xB9", 2), put(&l, 8), put("\x48\xB8", 2), put(&sendMessage, 8),
        put("\xFF\xD0\x48\x83\xC4\x28\xC3", 7);
#else
    // push lParam; push wParam; push msg; push hwnd; mov eax,SendMessageA; call eax; ret 4
    auto hwnd = static_cast<DWORD>(reinterpret_cast<ULONG_PTR>(target));
    auto w = static_cast<DWORD>(wParam), l = static_cast<DWORD>(lParam), proc = static_cast<DWORD>(sendMessage);
    put("\x68", 1), put(&l, 4), put("\x68", 1), put(&w, 4), put("\x68", 1), put(&message, 4), put("\x68", 1),
        put(&hwnd, 4), put("\xB8", 1), put(&proc, 4), put("\xFF\xD0\xC2\x04\x00", 5);
#endif
    void* remote = VirtualAllocEx(g_process.hProcess, nullptr, code.size(), MEM_COMMIT, PAGE_EXECUTE_READWRITE);
    if (remote == nullptr) fail("VirtualAllocEx");
    SIZE_T written = 0;
    WriteProcessMemory(g_process.hProcess, remote, code.data(), code.size(), &written);
    std::string out;
    {
        ExceptionWatch watch;
        DWORD threadId = 0;
        HANDLE thread = CreateRemoteThread(g_process.hProcess, nullptr, 0,
                                           reinterpret_cast<LPTHREAD_START_ROUTINE>(remote), nullptr, 0, &threadId);
        if (thread == nullptr) fail("CreateRemoteThread " + std::to_string(GetLastError()));
        watch.pump(10000, false, threadId);
        DWORD result = 0;
        bool finished = WaitForSingleObject(thread, 0) == WAIT_OBJECT_0;
        GetExitCodeThread(thread, &result);
        CloseHandle(thread);
        watch.pump(300);
        if (watch.ended()) return "ended";
        out = (finished ? "sent " + std::to_string(result) : std::string("timeout")) + " " +
              std::to_string(watch.violations());
    }
    if (running()) VirtualFreeEx(g_process.hProcess, remote, 0, MEM_RELEASE);
    return out;
}

// A pointer value that is no memory of the program's: reserved there, never committed.
class UnmappedAddress {
public:
    UnmappedAddress() {
        address_ = VirtualAllocEx(g_process.hProcess, nullptr, 0x10000, MEM_RESERVE, PAGE_NOACCESS);
        if (address_ == nullptr) fail("VirtualAllocEx");
    }
    ~UnmappedAddress() {
        if (running()) VirtualFreeEx(g_process.hProcess, address_, 0, MEM_RELEASE);
    }
    LPARAM value() const { return reinterpret_cast<LPARAM>(address_); }

private:
    void* address_;
};

// A window of the driver's own to activate, as another program's window would be.
HWND driverWindow() {
    static HWND window = nullptr;
    if (window == nullptr) {
        window = CreateWindowExA(0, "STATIC", "vdriver", WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 0, 160, 60, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        if (window == nullptr) fail("no window of our own");
    }
    return window;
}

void pumpOwnMessages(int ms) {
    DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(10);
    } while (static_cast<int>(end - GetTickCount()) > 0);
}

std::string closeProgram() {
    if (!running()) fail("not running");
    if (g_main) PostMessageA(g_main, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(g_process.hProcess, 15000) != WAIT_OBJECT_0) fail("did not end");
    DWORD code = 0;
    GetExitCodeProcess(g_process.hProcess, &code);
    closeHandles();
    return std::to_string(code);
}

std::string commandStart(const std::string&, std::istringstream& args) {
    return startProgram(args);
}

std::string commandStartup(const std::string&, std::istringstream& args) {
    return timeStartUp(args);
}

std::string commandClose(const std::string&, std::istringstream&) {
    return closeProgram();
}

std::string commandKill(const std::string&, std::istringstream&) {
    if (running()) TerminateProcess(g_process.hProcess, 1), WaitForSingleObject(g_process.hProcess, 5000);
    closeHandles();
    return "";
}

std::string commandRunning(const std::string&, std::istringstream&) {
    return running() ? "1" : "0";
}

// The refresh timer's tick, sent N times and handled each time before the next
std::string commandTick(const std::string&, std::istringstream& args) {
    // An optional limit in milliseconds per tick: a tick that opens a
    // message box does not return until the box is closed.
    // (A failed extraction stores 0, so the defaults are set after it.)
    int count = 1, limit = 30000;
    if (!(args >> count)) count = 1;
    if (!(args >> limit)) limit = 30000;
    HWND main = mainWindow();
    for (int i = 0; i < count; ++i) {
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(main, WM_TIMER, ids::Timer2, 0, SMTO_NORMAL, static_cast<UINT>(limit), &result))
            fail("tick not handled");
    }
    return "";
}

// A control's child controls, the topmost first: name=id
std::string commandZorder(const std::string&, std::istringstream& args) {
    std::string name, out;
    args >> name;
    for (HWND child = GetWindow(control(name), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        int id = GetDlgCtrlID(child);
        out += controlName(id) + "=" + std::to_string(id) + " ";
    }
    return out;
}

// GDI objects, windows, committed private bytes, GDI objects by type
std::string commandObjects(const std::string&, std::istringstream&) {
    if (!running()) fail("not running");
    std::map<int, int> kinds;
    std::string out = std::to_string(gdiObjects(g_process.hProcess, kinds)) + " " +
                      std::to_string(windowCount()) + " " + std::to_string(privateBytes(g_process.hProcess)) + " ";
    for (const auto& kind : kinds) out += std::to_string(kind.first) + ":" + std::to_string(kind.second) + ",";
    return out;
}

// The program's Windows process ID
std::string commandPid(const std::string&, std::istringstream&) {
    if (!running()) fail("not running");
    return std::to_string(g_process.dwProcessId);
}

std::string commandSleep(const std::string&, std::istringstream& args) {
    int ms = 0;
    args >> ms;
    settle(ms);
    return "";
}

// Physical memory as GlobalMemoryStatusEx reports it: total available
std::string commandMemory(const std::string&, std::istringstream&) {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) fail("GlobalMemoryStatusEx");
    return std::to_string(status.ullTotalPhys) + " " + std::to_string(status.ullAvailPhys);
}

// Holds that many megabytes of touched memory (0 lets it go), to move the free figure
std::string commandHog(const std::string&, std::istringstream& args) {
    // In pieces, since a 32-bit address space has no large holes.
    static std::vector<void*> held;
    const SIZE_T piece = SIZE_T{16} << 20;
    int megabytes = 0;
    args >> megabytes;
    for (void* block : held) VirtualFree(block, 0, MEM_RELEASE);
    held.clear();
    for (int taken = 0; taken < megabytes; taken += 16) {
        void* block = VirtualAlloc(nullptr, piece, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        if (block == nullptr) fail("out of memory");
        std::memset(block, 0x5A, piece);
        held.push_back(block);
    }
    return "";
}

std::string commandScreen(const std::string&, std::istringstream&) {
    return std::to_string(GetSystemMetrics(SM_CXSCREEN)) + " " + std::to_string(GetSystemMetrics(SM_CYSCREEN));
}

std::string commandCwd(const std::string&, std::istringstream&) {
    char path[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof path, path);
    return hex(path);
}

std::string commandText(const std::string&, std::istringstream& args) {
    std::string name;
    args >> name;
    return hex(windowText(control(name)));
}

std::string commandClass(const std::string&, std::istringstream& args) {
    std::string name;
    args >> name;
    return className(control(name));
}

// The control's own visibility, whether or not its page is in front
std::string commandVisible(const std::string&, std::istringstream& args) {
    std::string name;
    args >> name;
    return (GetWindowLongA(control(name), GWL_STYLE) & WS_VISIBLE) ? "1" : "0";
}

// Visible on the screen: it and everything it lies on
std::string commandShowing(const std::string&, std::istringstream& args) {
    std::string name;
    args >> name;
    return IsWindowVisible(control(name)) ? "1" : "0";
}

// Screen rectangle: left top right bottom
std::string commandRect(const std::string&, std::istringstream& args) {
    std::string name;
    args >> name;
    RECT r;
    GetWindowRect(control(name), &r);
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
           std::to_string(r.bottom);
}

// Where a control lies in its parent's client area: left top width height
std::string commandPlaced(const std::string&, std::istringstream& args) {
    std::string name;
    args >> name;
    HWND hwnd = control(name);
    RECT r;
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + " " +
           std::to_string(r.bottom - r.top);
}

// Client size
std::string commandClient(const std::string&, std::istringstream& args) {
    std::string name;
    args >> name;
    RECT r;
    GetClientRect(control(name), &r);
    return std::to_string(r.right) + " " + std::to_string(r.bottom);
}

std::string commandStyle(const std::string&, std::istringstream& args) {
    std::string name;
    args >> name;
    HWND hwnd = control(name);
    return std::to_string(GetWindowLongA(hwnd, GWL_STYLE)) + " " + std::to_string(GetWindowLongA(hwnd, GWL_EXSTYLE));
}

std::string commandGauge(const std::string&, std::istringstream& args) {
    std::string name;
    args >> name;
    HWND hwnd = control(name);
    LRESULT pos = SendMessageA(hwnd, PBM_GETPOS, 0, 0);
    LRESULT low = SendMessageA(hwnd, PBM_GETRANGE, TRUE, 0);
    LRESULT high = SendMessageA(hwnd, PBM_GETRANGE, FALSE, 0);
    // The range as a tool asks for it whole: into a buffer it placed in the
    // program, which the gauge fills in.
    RemoteBuffer remote(sizeof(PBRANGE));
    PBRANGE unset{-7, -7};
    remote.write(&unset, sizeof unset);
    SendMessageA(hwnd, PBM_GETRANGE, TRUE, remote.at());
    PBRANGE range{};
    remote.read(&range, sizeof range);
    if (range.iLow != low || range.iHigh != high)
        fail("the range filled in (" + std::to_string(range.iLow) + ", " + std::to_string(range.iHigh) +
             ") is not the one answered");
    return std::to_string(pos) + " " + std::to_string(low) + " " + std::to_string(high);
}

std::string commandTabs(const std::string&, std::istringstream&) {
    HWND tabs = control("PageControl1");
    int count = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
    std::string out = std::to_string(count);
    for (int i = 0; i < count; ++i) out += " " + hex(tabText(tabs, i));
    return out;
}

// A click on the tab of the given index
std::string commandTab(const std::string&, std::istringstream& args) {
    int index = 0;
    args >> index;
    HWND tabs = control("PageControl1");
    RECT rect = tabRect(tabs, index);
    bringToFront();
    mouseTo((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    mouseButton("left", true);
    mouseButton("left", false);
    settle(200);
    return std::to_string(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
}

std::string commandFocus(const std::string&, std::istringstream&) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(g_process.dwThreadId, &info) || info.hwndFocus == nullptr) return "none";
    return controlName(GetDlgCtrlID(info.hwndFocus));
}

// Whether anything blinks in a control: a caret, seen on the screen
std::string commandBlink(const std::string&, std::istringstream& args) {
    std::string name;
    int ms = 1500;
    args >> name >> ms;
    RECT rect;
    GetWindowRect(control(name), &rect);
    std::vector<unsigned> first = capture(rect);
    DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    while (static_cast<int>(end - GetTickCount()) > 0) {
        Sleep(60);
        if (capture(rect) != first) return "1";
    }
    return "0";
}

// Screen point, or a control's centre plus an offset
std::string commandMoveto(const std::string&, std::istringstream& args) {
    std::string target;
    args >> target;
    int dx = 0, dy = 0;
    POINT point;
    if (target == "abs") {
        args >> point.x >> point.y;
    } else {
        args >> dx >> dy;
        point = centreOf(control(target));
        point.x += dx;
        point.y += dy;
    }
    bringToFront();
    mouseTo(point.x, point.y);
    settle(50);
    return "";
}

std::string commandDown(const std::string& command, std::istringstream& args) {
    std::string button;
    args >> button;
    mouseButton(button, command == "down");
    settle(150);
    return "";
}

std::string commandClick(const std::string&, std::istringstream& args) {
    std::string name, button = "left";
    args >> name >> button;
    POINT point = centreOf(control(name));
    bringToFront();
    mouseTo(point.x, point.y);
    mouseButton(button, true);
    mouseButton(button, false);
    settle(200);
    return "";
}

// Virtual key codes, held in order and released in reverse
std::string commandKey(const std::string&, std::istringstream& args) {
    std::vector<WORD> keys;
    int vk;
    while (args >> vk) keys.push_back(static_cast<WORD>(vk));
    bringToFront();
    for (WORD k : keys) key(k, true);
    for (auto k = keys.rbegin(); k != keys.rend(); ++k) key(*k, false);
    settle(200);
    return "";
}

// Whether a menu window is open
std::string commandPopup(const std::string&, std::istringstream&) {
    HWND menu = FindWindowA("#32768", nullptr);
    return menu && IsWindowVisible(menu) ? "1" : "0";
}

// The program's visible top-level windows: class and title
std::string commandWindows(const std::string&, std::istringstream&) {
    std::string out;
    for (HWND hwnd : processWindows()) {
        if (!IsWindowVisible(hwnd)) continue;
        out += className(hwnd) + ":" + hex(windowText(hwnd)) + " ";
    }
    return out;
}

// The texts of the program's message box, if one is open
std::string commandDialog(const std::string&, std::istringstream&) {
    for (HWND hwnd : processWindows()) {
        if (className(hwnd) != "#32770" || !IsWindowVisible(hwnd)) continue;
        std::string out = hex(windowText(hwnd));
        for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (className(child) == "Static" && GetWindowTextLengthA(child) > 0) out += " " + hex(windowText(child));
        }
        return out;
    }
    return "none";
}

// Presses the message box's OK button
std::string commandDismiss(const std::string&, std::istringstream&) {
    for (HWND hwnd : processWindows()) {
        if (className(hwnd) == "#32770" && IsWindowVisible(hwnd)) {
            PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
            settle(200);
            return "";
        }
    }
    fail("no message box");
}

std::string commandPixel(const std::string&, std::istringstream& args) {
    int x, y;
    args >> x >> y;
    HDC screen = GetDC(nullptr);
    COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    char text[16];
    std::snprintf(text, sizeof text, "%02x%02x%02x", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

// Opens the drop-down list and clicks the entry starting with a text
std::string commandComboSelect(const std::string&, std::istringstream& args) {
    std::string name, prefix;
    args >> name >> prefix;
    prefix = unhex(prefix);
    HWND combo = control(name);
    LRESULT index = CB_ERR;
    int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count && index == CB_ERR; ++i) {
        if (comboItem(combo, i).compare(0, prefix.size(), prefix) == 0) index = i;
    }
    if (index == CB_ERR) fail("no entry " + prefix);
    POINT point = centreOf(combo);
    bringToFront();
    mouseTo(point.x, point.y);
    mouseButton("left", true);
    mouseButton("left", false);
    settle(300);
    HWND list = nullptr;
    for (HWND hwnd : processWindows()) {
        if (className(hwnd) == "ComboLBox" && IsWindowVisible(hwnd)) list = hwnd;
    }
    if (list == nullptr) fail("the list did not open");
    RECT listRect;
    GetWindowRect(list, &listRect);
    int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
    int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
    int y = listRect.top + 2 + (static_cast<int>(index) - top) * height + height / 2;
    mouseTo((listRect.left + listRect.right) / 2, y);
    settle(100);
    mouseButton("left", true);
    mouseButton("left", false);
    settle(300);
    return std::to_string(SendMessageA(combo, CB_GETCURSEL, 0, 0));
}

std::string commandComboItems(const std::string&, std::istringstream& args) {
    std::string name;
    args >> name;
    HWND combo = control(name);
    int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    std::string out = std::to_string(count) + " " + std::to_string(SendMessageA(combo, CB_GETCURSEL, 0, 0));
    for (int i = 0; i < count; ++i) out += " " + hex(comboItem(combo, i));
    return out;
}

// A whole text put into a control, as a paste would
std::string commandSettext(const std::string&, std::istringstream& args) {
    std::string name, text;
    args >> name >> text;
    SendMessageA(control(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(unhex(text).c_str()));
    settle(100);
    return "";
}

// Typed text (system code page), as Unicode keystrokes
std::string commandType(const std::string&, std::istringstream& args) {
    std::string text;
    args >> text;
    text = unhex(text);
    std::vector<wchar_t> wide(text.size() + 1);
    int count = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                    static_cast<int>(wide.size()));
    bringToFront();
    for (int i = 0; i < count; ++i) {
        INPUT input[2] = {};
        for (int k = 0; k < 2; ++k) {
            input[k].type = INPUT_KEYBOARD;
            input[k].ki.wScan = static_cast<WORD>(wide[static_cast<std::size_t>(i)]);
            input[k].ki.dwFlags = KEYEVENTF_UNICODE | (k ? KEYEVENTF_KEYUP : 0);
        }
        SendInput(2, input, sizeof(INPUT));
    }
    settle(300);
    return "";
}

// Typed text, as character messages to the focused control
std::string commandChars(const std::string&, std::istringstream& args) {
    std::string text;
    args >> text;
    text = unhex(text);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(g_process.dwThreadId, &info) || info.hwndFocus == nullptr) fail("no focus");
    for (unsigned char c : text) PostMessageA(info.hwndFocus, WM_CHAR, c, 1);
    settle(200);
    return "";
}

// Root path name type data [view]
std::string commandRegSet(const std::string&, std::istringstream& args) {
    std::string root, path, name, view;
    DWORD type = 0;
    std::string data;
    args >> root >> path >> name >> type >> data >> view;
    HKEY key;
    DWORD disposition;
    LONG result = RegCreateKeyExA(rootKey(root), unhex(path).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | viewFlag(view),
                                  nullptr, &key, &disposition);
    if (result != ERROR_SUCCESS) fail("create key " + std::to_string(result));
    std::string bytes = unhex(data);
    result = RegSetValueExA(key, unhex(name).c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                            static_cast<DWORD>(bytes.size()));
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) fail("set value " + std::to_string(result));
    return "";
}

// Root path name [view] -> type data
std::string commandRegGet(const std::string&, std::istringstream& args) {
    std::string root, path, name, view;
    args >> root >> path >> name >> view;
    HKEY key;
    LONG result = RegOpenKeyExA(rootKey(root), unhex(path).c_str(), 0, KEY_READ | viewFlag(view), &key);
    if (result != ERROR_SUCCESS) return "missing";
    DWORD type = 0, size = 0;
    result = RegQueryValueExA(key, unhex(name).c_str(), nullptr, &type, nullptr, &size);
    std::string data(size, '\0');
    if (result == ERROR_SUCCESS && size)
        result = RegQueryValueExA(key, unhex(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data[0]), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) return "missing";
    return std::to_string(type) + " " + hex(data.substr(0, size));
}

std::string commandRegDeleteValue(const std::string&, std::istringstream& args) {
    std::string root, path, name, view;
    args >> root >> path >> name >> view;
    HKEY key;
    if (RegOpenKeyExA(rootKey(root), unhex(path).c_str(), 0, KEY_ALL_ACCESS | viewFlag(view), &key) == ERROR_SUCCESS) {
        RegDeleteValueA(key, unhex(name).c_str());
        RegCloseKey(key);
    }
    return "";
}

// The key and everything below it
std::string commandRegDeleteKey(const std::string&, std::istringstream& args) {
    std::string root, path;
    args >> root >> path;
    LONG result = RegDeleteTreeA(rootKey(root), unhex(path).c_str());
    return std::to_string(result);
}

// Root path [view]
std::string commandRegDenyWrites(const std::string& command, std::istringstream& args) {
    // A key its user may read but not write, as HKLM is to anyone who is
    // no administrator: a DACL that denies setting values and making
    // subkeys to everyone. The key's own DACL is kept and put back by
    // reg_restore_security.
    static std::map<std::string, std::vector<char>> saved;
    std::string root, path, view;
    args >> root >> path >> view;
    HKEY key;
    LONG result = RegOpenKeyExA(rootKey(root), unhex(path).c_str(), 0, READ_CONTROL | WRITE_DAC | viewFlag(view), &key);
    if (result != ERROR_SUCCESS) fail("open key " + std::to_string(result));
    std::string where = root + "\\" + path + "\\" + view;
    if (command == "reg_restore_security") {
        auto found = saved.find(where);
        if (found == saved.end()) {
            RegCloseKey(key);
            fail("nothing saved for the key");
        }
        result = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, found->second.data());
        saved.erase(found);
        RegCloseKey(key);
        if (result != ERROR_SUCCESS) fail("set security " + std::to_string(result));
        return "";
    }
    DWORD size = 0;
    RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, nullptr, &size);
    std::vector<char> original(size ? size : 1);
    if (RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, original.data(), &size) != ERROR_SUCCESS) {
        RegCloseKey(key);
        fail("get security");
    }
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    std::vector<char> buffer(256);
    auto* acl = reinterpret_cast<PACL>(buffer.data());
    InitializeAcl(acl, static_cast<DWORD>(buffer.size()), ACL_REVISION);
    AddAccessDeniedAce(acl, ACL_REVISION, KEY_SET_VALUE | KEY_CREATE_SUB_KEY, everyone);
    AddAccessAllowedAce(acl, ACL_REVISION, KEY_ALL_ACCESS, everyone);
    SECURITY_DESCRIPTOR descriptor;
    InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE);
    result = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor);
    FreeSid(everyone);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS) fail("set security " + std::to_string(result));
    saved[where] = std::move(original);
    return "";
}

// Root path new-name: the key, all below it, under another name
std::string commandRegRename(const std::string&, std::istringstream& args) {
    // RegRenameKey (Vista and later, and Wine) renames in one step and
    // keeps link keys as links; it is looked up, so that the driver
    // still loads where it is missing.
    using RenameKey = LONG(WINAPI*)(HKEY, LPCWSTR, LPCWSTR);
    auto rename = reinterpret_cast<RenameKey>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("advapi32.dll"), "RegRenameKey")));
    if (rename == nullptr) fail("no RegRenameKey");
    std::string root, path, name;
    args >> root >> path >> name;
    LONG result = rename(rootKey(root), wide(unhex(path)).c_str(), wide(unhex(name)).c_str());
    if (result == ERROR_FILE_NOT_FOUND) return "missing";
    if (result != ERROR_SUCCESS) fail("rename " + std::to_string(result));
    return "renamed";
}

// Multi|single text -> the text an edit control of that kind gives back
std::string commandThroughEdit(const std::string&, std::istringstream& args) {
    std::string kind, text;
    args >> kind >> text;
    return hex(throughEdit(kind == "multi", unhex(text)));
}

std::string commandComputerName(const std::string&, std::istringstream&) {
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof name;
    GetComputerNameA(name, &size);
    return hex(name);
}

// GetDiskFreeSpaceExA of a root path: total free-to-caller
std::string commandDisk(const std::string&, std::istringstream& args) {
    std::string root;
    args >> root;
    ULARGE_INTEGER available, total, totalFree;
    if (!GetDiskFreeSpaceExA(unhex(root).c_str(), &available, &total, &totalFree)) return "-1 -1";
    return std::to_string(total.QuadPart) + " " + std::to_string(available.QuadPart);
}

// Serial and file system of a root path
std::string commandVolume(const std::string&, std::istringstream& args) {
    std::string root;
    args >> root;
    char fileSystem[256] = {};
    DWORD serial = 0;
    if (!GetVolumeInformationA(unhex(root).c_str(), nullptr, 0, &serial, nullptr, nullptr, fileSystem, sizeof fileSystem))
        return "fail";
    return std::to_string(serial) + " " + hex(fileSystem);
}

// Whether a path exists, and is a directory
std::string commandExists(const std::string&, std::istringstream& args) {
    std::string path;
    args >> path;
    DWORD attributes = GetFileAttributesA(unhex(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return "0";
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? "dir" : "file";
}

std::string commandDisplayModes(const std::string&, std::istringstream&) {
    std::string out;
    DEVMODEA mode{};
    mode.dmSize = sizeof mode;
    int count = 0;
    for (DWORD i = 0; EnumDisplaySettingsA(nullptr, i, &mode); ++i, ++count) {
        out += " " + std::to_string(mode.dmPelsWidth) + "x" + std::to_string(mode.dmPelsHeight) + "x" +
               std::to_string(mode.dmBitsPerPel);
    }
    return std::to_string(count) + out;
}

// Address count -> the bytes readable there, up to the first unreadable one
std::string commandLowMemory(const std::string&, std::istringstream& args) {
    unsigned long address = 0, count = 0;
    args >> std::hex >> address >> std::dec >> count;
    std::string out;
    for (unsigned long at = address; at < address + count; ++at) {
        const char* source = reinterpret_cast<const char*>(static_cast<std::uintptr_t>(at));
        if (IsBadReadPtr(source, 1)) break;
        out += *source;
    }
    return hex(out);
}

std::string commandVersion(const std::string&, std::istringstream&) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    GetVersionExA(&info);
    return std::to_string(info.dwPlatformId) + " " + std::to_string(info.dwMajorVersion) + "." +
           std::to_string(info.dwMinorVersion) + " " + std::to_string(GetACP());
}

// The program's GDI and USER object counts and private bytes
std::string commandResources(const std::string&, std::istringstream&) {
    DWORD gdi = GetGuiResources(g_process.hProcess, GR_GDIOBJECTS);
    DWORD user = GetGuiResources(g_process.hProcess, GR_USEROBJECTS);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(g_process.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    return std::to_string(gdi) + " " + std::to_string(user) + " " + std::to_string(memory.PrivateUsage) + " " +
           std::to_string(memory.PeakWorkingSetSize);
}

// The font Wine gives for a face name: full name, widths of iiii and WWWW
std::string commandFont(const std::string&, std::istringstream& args) {
    std::string face;
    args >> face;
    face = unhex(face);
    HFONT font = CreateFontA(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    std::vector<char> metrics(GetOutlineTextMetricsA(dc, 0, nullptr) + 1);
    std::string full = "-";
    if (metrics.size() > 1 && GetOutlineTextMetricsA(dc, static_cast<UINT>(metrics.size()),
                                                     reinterpret_cast<OUTLINETEXTMETRICA*>(metrics.data()))) {
        auto* otm = reinterpret_cast<OUTLINETEXTMETRICA*>(metrics.data());
        full = hex(metrics.data() + reinterpret_cast<std::uintptr_t>(otm->otmpFullName));
    }
    SIZE narrow{}, wide{};
    GetTextExtentPoint32A(dc, "iiii", 4, &narrow);
    GetTextExtentPoint32A(dc, "WWWW", 4, &wide);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(font);
    return full + " " + std::to_string(narrow.cx) + " " + std::to_string(wide.cx);
}

// Path key: a string of the version resource, or the fixed versions
std::string commandFileversion(const std::string&, std::istringstream& args) {
    std::string path, key;
    args >> path >> key;
    path = unhex(path);
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    if (size == 0) return "none";
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data())) return "none";
    void* value = nullptr;
    UINT length = 0;
    if (key == "fixed") {
        if (!VerQueryValueA(data.data(), "\\", &value, &length)) return "none";
        auto* fixed = static_cast<VS_FIXEDFILEINFO*>(value);
        auto part = [](DWORD value) { return std::to_string(HIWORD(value)) + "." + std::to_string(LOWORD(value)); };
        std::string text = part(fixed->dwFileVersionMS) + "." + part(fixed->dwFileVersionLS) + " " +
                           part(fixed->dwProductVersionMS) + "." + part(fixed->dwProductVersionLS) + " " +
                           std::to_string(fixed->dwFileType) + " " + std::to_string(fixed->dwFileOS);
        return text;
    }
    if (key == "translation") {
        if (!VerQueryValueA(data.data(), "\\VarFileInfo\\Translation", &value, &length) || length < 4) return "none";
        auto* pair = static_cast<WORD*>(value);
        return std::to_string(pair[0]) + " " + std::to_string(pair[1]);
    }
    std::string query = "\\StringFileInfo\\041103A4\\" + key;
    if (!VerQueryValueA(data.data(), query.c_str(), &value, &length)) return "none";
    return hex(static_cast<const char*>(value));
}

// The first icon group of an executable: width height colours bits
std::string commandIcon(const std::string&, std::istringstream& args) {
    std::string path;
    args >> path;
    HMODULE module = LoadLibraryExA(unhex(path).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) return "none";
    std::string out = "none";
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), reinterpret_cast<LPCSTR>(RT_GROUP_ICON));
    if (found != nullptr) {
        const auto* group = static_cast<const BYTE*>(LockResource(LoadResource(module, found)));
        if (group != nullptr) {
            // GRPICONDIR: reserved, type, count; then 14-byte entries.
            int count = group[4] | (group[5] << 8);
            const BYTE* entry = group + 6;
            out = std::to_string(count) + " " + std::to_string(entry[0]) + " " + std::to_string(entry[1]) + " " +
                  std::to_string(entry[2]) + " " + std::to_string(entry[6] | (entry[7] << 8));
        }
    }
    FreeLibrary(module);
    return out;
}

// Control button: two quick presses and releases at the control's centre
std::string commandDoubleClick(const std::string&, std::istringstream& args) {
    std::string name, button = "left";
    args >> name >> button;
    POINT point = centreOf(control(name));
    bringToFront();
    mouseTo(point.x, point.y);
    for (int i = 0; i < 2; ++i) {
        mouseButton(button, true);
        mouseButton(button, false);
    }
    settle(300);
    return "";
}

// Exe directory: started as a shortcut set to "minimised" starts it
std::string commandStartMinimised(const std::string&, std::istringstream& args) {
    launch(args, "", SW_SHOWMINNOACTIVE);
    // The main window stays hidden while minimised: its taskbar entry shows it is up.
    return awaitMainWindow([](HWND) { return !taskbarWindows().empty(); }, 300);
}

// The taskbar entries: count, then the first one's class, title and whether it owns the main window
std::string commandTaskbar(const std::string&, std::istringstream&) {
    std::vector<HWND> entries = taskbarWindows();
    if (entries.empty()) return "0";
    HWND entry = entries[0];
    bool ownsMain = g_main != nullptr && GetWindow(g_main, GW_OWNER) == entry;
    return std::to_string(entries.size()) + " " + className(entry) + " " + hex(windowText(entry)) + " " +
           (ownsMain ? "1" : "0");
}

// Main|entry -> visible iconic foreground, each 0 or 1
std::string commandWindowState(const std::string&, std::istringstream& args) {
    std::string name;
    args >> name;
    HWND hwnd = namedWindow(name);
    return std::string(IsWindowVisible(hwnd) ? "1" : "0") + (IsIconic(hwnd) ? " 1" : " 0") +
           (GetForegroundWindow() == hwnd ? " 1" : " 0");
}

// Exe directory arguments [ms]: started with the arguments, and waited for
// until it ends; its exit code, 1 if it showed a window meanwhile (else 0),
// and the milliseconds from its start to its end
std::string commandRun(const std::string&, std::istringstream& args) {
    std::string exe, directory, arguments;
    args >> exe >> directory >> arguments;
    int ms = 60000;
    if (!(args >> ms)) ms = 60000;
    std::istringstream where(exe + " " + directory);
    LARGE_INTEGER frequency, began = launch(where, unhex(arguments)), now;
    QueryPerformanceFrequency(&frequency);
    bool windowShown = false;
    for (;;) {
        for (HWND hwnd : processWindows()) windowShown = windowShown || IsWindowVisible(hwnd);
        if (WaitForSingleObject(g_process.hProcess, 5) == WAIT_OBJECT_0) break;
        QueryPerformanceCounter(&now);
        if ((now.QuadPart - began.QuadPart) * 1000 / frequency.QuadPart > ms) fail("did not end");
    }
    QueryPerformanceCounter(&now);
    DWORD code = 0;
    GetExitCodeProcess(g_process.hProcess, &code);
    closeHandles();
    char elapsed[32];
    std::snprintf(elapsed, sizeof elapsed, "%.1f",
                  1000.0 * static_cast<double>(now.QuadPart - began.QuadPart) / static_cast<double>(frequency.QuadPart));
    return std::to_string(code) + (windowShown ? " 1 " : " 0 ") + elapsed;
}

// Exe dir arguments: started with arguments and left running (a message
// box, say); wait_end gives its exit code
std::string commandLaunch(const std::string&, std::istringstream& args) {
    std::string exe, directory, arguments;
    args >> exe >> directory >> arguments;
    std::istringstream where(exe + " " + directory);
    launch(where, unhex(arguments));
    return std::to_string(g_process.dwProcessId);
}

// N exe dir arguments [ms]: N copies started at once with the same arguments,
// each waited for -> their exit codes, in the order they were started
std::string commandRunMany(const std::string&, std::istringstream& args) {
    int count = 0;
    std::string exe, directory, arguments;
    args >> count >> exe >> directory >> arguments;
    int ms = 120000;
    if (!(args >> ms)) ms = 120000;
    exe = unhex(exe);
    directory = unhex(directory);
    std::string commandLine = "\"" + exe + "\" " + unhex(arguments);
    std::vector<PROCESS_INFORMATION> started;
    for (int i = 0; i < count; ++i) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        createProcess(exe, commandLine, directory, startup, process);
        CloseHandle(process.hThread);
        started.push_back(process);
    }
    std::string out;
    DWORD deadline = GetTickCount() + static_cast<DWORD>(ms);
    for (PROCESS_INFORMATION& process : started) {
        int left = static_cast<int>(deadline - GetTickCount());
        DWORD code = 259;
        if (WaitForSingleObject(process.hProcess, left > 0 ? static_cast<DWORD>(left) : 0) == WAIT_OBJECT_0)
            GetExitCodeProcess(process.hProcess, &code);
        else
            TerminateProcess(process.hProcess, 99);
        CloseHandle(process.hProcess);
        out += std::to_string(code) + " ";
    }
    return out;
}

// Path: the file opened by this process alone and held until release
std::string commandHold(const std::string& command, std::istringstream& args) {
    static HANDLE held = INVALID_HANDLE_VALUE;
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held), held = INVALID_HANDLE_VALUE;
    if (command == "release") return "";
    std::string path;
    args >> path;
    held = CreateFileA(unhex(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (held == INVALID_HANDLE_VALUE) fail("cannot hold " + std::to_string(GetLastError()));
    return "";
}

// The program's Save As dialog: its title and the file name it suggests, or
// "none"; with a path: that name typed in and the dialog confirmed; with
// "cancel": the dialog cancelled
std::string commandSaveDialog(const std::string&, std::istringstream& args) {
    std::string choice;
    args >> choice;
    HWND dialog = nullptr;
    DWORD deadline = GetTickCount() + 10000;
    while (dialog == nullptr && static_cast<int>(deadline - GetTickCount()) > 0) {
        for (HWND hwnd : processWindows()) {
            if (className(hwnd) == "#32770" && IsWindowVisible(hwnd) && GetDlgItem(hwnd, IDOK) != nullptr &&
                (GetDlgItem(hwnd, 0x47C) != nullptr || GetDlgItem(hwnd, 0x480) != nullptr))
                dialog = hwnd;
        }
        if (dialog == nullptr) Sleep(50);
    }
    if (dialog == nullptr) return "none";
    HWND name = GetDlgItem(dialog, 0x47C);  // the file name box of the Explorer-style dialog
    if (name == nullptr) name = GetDlgItem(dialog, 0x480);
    if (choice.empty()) return hex(windowText(dialog)) + " " + hex(windowText(name));
    if (choice == "cancel") {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    } else {
        SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(unhex(choice).c_str()));
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    }
    settle(500);
    return "";
}

// The clipboard's text (CF_TEXT, hexadecimal) and locale (CF_LOCALE, in
// hexadecimal), each "-" where it has none
std::string commandClipboard(const std::string&, std::istringstream&) {
    if (!OpenClipboard(nullptr)) fail("the clipboard is busy");
    std::string text = "-", locale = "-";
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = hex(std::string(bytes, strnlen(bytes, GlobalSize(data))));
            GlobalUnlock(data);
        }
    }
    if (HANDLE data = GetClipboardData(CF_LOCALE)) {
        if (const auto* lcid = static_cast<const LCID*>(GlobalLock(data))) {
            char value[16];
            std::snprintf(value, sizeof value, "%lx", static_cast<unsigned long>(*lcid));
            locale = value;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text + " " + locale;
}

// The clipboard's owner while the driver's text is on it: a window on a
// thread of its own that answers messages, as another program's would. The
// program asks it to let go (WM_DESTROYCLIPBOARD) when it takes the
// clipboard, and waits for the answer; the driver's main thread, blocked on
// its input between commands, would never give one.
DWORD WINAPI clipboardOwnerThread(LPVOID ready) {
    HWND window = CreateWindowExA(0, "STATIC", "vdriver clipboard", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    *static_cast<HWND*>(ready) = window;
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}

HWND clipboardOwner() {
    static HWND owner = nullptr;
    if (owner == nullptr) {
        HWND made = nullptr;
        CloseHandle(CreateThread(nullptr, 0, clipboardOwnerThread, &made, 0, nullptr));
        for (int i = 0; i < 500 && made == nullptr; ++i) Sleep(10);
        owner = made;
        if (owner == nullptr) fail("no clipboard owner");
    }
    return owner;
}

// Text: puts it on the clipboard as CF_TEXT, as another program would
std::string commandClipboardSet(const std::string&, std::istringstream& args) {
    std::string text;
    args >> text;
    text = unhex(text);
    if (!OpenClipboard(clipboardOwner())) fail("the clipboard is busy");
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    if (SetClipboardData(CF_TEXT, memory) == nullptr) GlobalFree(memory);
    CloseClipboard();
    return "";
}

bool menuOpen() {
    HWND menu = FindWindowA("#32768", nullptr);
    return menu != nullptr && IsWindowVisible(menu);
}

// Main|entry keys...: the window's menu opened by the system command that
// Alt+Space sends it (for the entry: as its taskbar button's menu), then the
// keys (virtual key codes) pressed in it one by one; "closed" once the menu
// has gone, "open" if it is still there
std::string commandWindowMenu(const std::string&, std::istringstream& args) {
    std::string name;
    args >> name;
    std::vector<WORD> keys;
    int vk;
    while (args >> vk) keys.push_back(static_cast<WORD>(vk));
    HWND target = namedWindow(name);
    SetForegroundWindow(target);
    settle(100);
    PostMessageA(target, WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE);
    DWORD deadline = GetTickCount() + 3000;
    while (!menuOpen()) {
        if (static_cast<int>(deadline - GetTickCount()) < 0) fail("no menu opened");
        Sleep(20);
    }
    settle(100);
    for (WORD k : keys) {
        key(k, true);
        key(k, false);
        settle(150);
    }
    deadline = GetTickCount() + 3000;
    while (menuOpen() && static_cast<int>(deadline - GetTickCount()) > 0) Sleep(20);
    settle(100);
    return menuOpen() ? "open" : "closed";
}

// Main|entry code: the system command sent, as a window menu sends it when an
// item is chosen; the milliseconds until the program had handled it
std::string commandTimedSyscommand(const std::string&, std::istringstream& args) {
    std::string name, code;
    args >> name >> code;
    LARGE_INTEGER frequency, began, ended;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&began);
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(namedWindow(name), WM_SYSCOMMAND, std::stoul(code, nullptr, 0), 0, SMTO_NORMAL, 30000,
                             &result))
        fail("not handled");
    QueryPerformanceCounter(&ended);
    char elapsed[32];
    std::snprintf(elapsed, sizeof elapsed, "%.2f",
                  1000.0 * static_cast<double>(ended.QuadPart - began.QuadPart) / static_cast<double>(frequency.QuadPart));
    return elapsed;
}

// Main|entry code: what a title-bar button, the system menu or the taskbar asks
std::string commandSyscommand(const std::string&, std::istringstream& args) {
    std::string name, code;
    args >> name >> code;
    PostMessageA(namedWindow(name), WM_SYSCOMMAND, std::stoul(code, nullptr, 0), 0);
    settle(400);
    return "";
}

// Main|entry|other: to the foreground, as the taskbar or Alt+Tab does; other: a window of the driver's
std::string commandActivate(const std::string&, std::istringstream& args) {
    std::string name;
    args >> name;
    if (name == "other") {
        SetForegroundWindow(driverWindow());
        pumpOwnMessages(300);
    } else {
        SetForegroundWindow(namedWindow(name));
        settle(300);
    }
    return "";
}

// [ms]: waits for the program to end by itself; its exit code
std::string commandWaitEnd(const std::string&, std::istringstream& args) {
    int ms = 15000;
    if (!(args >> ms)) ms = 15000;
    if (g_process.hProcess == nullptr) fail("no program started");
    if (WaitForSingleObject(g_process.hProcess, static_cast<DWORD>(ms)) != WAIT_OBJECT_0) fail("did not end");
    DWORD code = 0;
    GetExitCodeProcess(g_process.hProcess, &code);
    closeHandles();
    return std::to_string(code);
}

// A message's argument as a test gives it: a number, "hwnd:NAME" (the
// control's window handle), "id:NAME" (its control ID) or "text:HEX" (a text
// of the driver's, which the system hands across for the messages it knows).
ULONG_PTR messageArgument(const std::string& text) {
    static std::string held;
    if (text.rfind("text:", 0) == 0) {
        held = unhex(text.substr(5));
        return reinterpret_cast<ULONG_PTR>(held.c_str());
    }
    if (text.rfind("hwnd:", 0) == 0) return reinterpret_cast<ULONG_PTR>(control(text.substr(5)));
    if (text.rfind("id:", 0) == 0) return static_cast<ULONG_PTR>(controlId(text.substr(3)));
    return static_cast<ULONG_PTR>(std::stoull(text, nullptr, 0));
}

// Main|entry|thread|control message wParam lParam: posted as another program may post it
std::string commandPost(const std::string&, std::istringstream& args) {
    // thread: to the GUI thread, for no window. lParam "ExitProcess": that
    // function's address in the program, a timer procedure that
    // DispatchMessage would call. -> "posted" or "refused" (the system
    // would not post it) and the access violations the program took in
    // the next half second, or "ended".
    std::string name, message, wParam, lParam;
    args >> name >> message >> wParam >> lParam;
    HWND hwnd = name == "thread" ? nullptr
                : (name == "main" || name == "entry") ? namedWindow(name)
                                                      : control(name);
    LPARAM value = lParam == "ExitProcess"
                       ? static_cast<LPARAM>(remoteAddress("kernel32.dll", reinterpret_cast<const void*>(&ExitProcess)))
                       : static_cast<LPARAM>(messageArgument(lParam));
    UINT code = std::stoul(message, nullptr, 0);
    WPARAM w = messageArgument(wParam);
    ExceptionWatch watch;
    BOOL posted = name == "thread" ? PostThreadMessageA(g_process.dwThreadId, code, w, value)
                                   : PostMessageA(hwnd, code, w, value);
    watch.pump(500);
    if (watch.ended()) return "ended";
    return (posted ? "posted " : "refused ") + std::to_string(watch.violations());
}

// Main|entry|control message wParam lParam: sent from this process, as another
// program sends it (lParam a number, or "unmapped") -> the program's answer
std::string commandSend(const std::string&, std::istringstream& args) {
    std::string name, message, wParam, lParam;
    args >> name >> message >> wParam >> lParam;
    HWND hwnd = (name == "main" || name == "entry") ? namedWindow(name) : control(name);
    UnmappedAddress unmapped;
    LPARAM value = lParam == "unmapped" ? unmapped.value() : static_cast<LPARAM>(messageArgument(lParam));
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(hwnd, std::stoul(message, nullptr, 0), messageArgument(wParam), value,
                             SMTO_NORMAL, 10000, &result))
        fail("not answered");
    settle(150);
    return std::to_string(static_cast<long long>(static_cast<LRESULT>(result)));
}

// Index: a click on that tab sent as mouse messages from this process, as an
// automation tool sends it -> the tab control's selection afterwards
std::string commandSendTab(const std::string&, std::istringstream& args) {
    int index = 0;
    args >> index;
    HWND tabs = control("PageControl1");
    RECT rect = tabRect(tabs, index);
    POINT point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ScreenToClient(tabs, &point);
    LPARAM at = MAKELPARAM(point.x, point.y);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(tabs, WM_LBUTTONDOWN, MK_LBUTTON, at, SMTO_NORMAL, 10000, &ignored);
    SendMessageTimeoutA(tabs, WM_LBUTTONUP, 0, at, SMTO_NORMAL, 10000, &ignored);
    settle(200);
    return std::to_string(SendMessageA(tabs, TCM_GETCURSEL, 0, 0));
}

// Virtual key: pressed (key_down) or released (key_up) on the keyboard, alone
std::string commandKeyDown(const std::string& command, std::istringstream& args) {
    int vk = 0;
    args >> vk;
    bringToFront();
    key(static_cast<WORD>(vk), command == "key_down");
    settle(200);
    return "";
}

// Name rrggbb: how many of the screen's pixels over the control have the colour
std::string commandCountColour(const std::string&, std::istringstream& args) {
    std::string name, colour;
    args >> name >> colour;
    unsigned wanted = std::stoul(colour, nullptr, 16);
    RECT rect;
    GetWindowRect(control(name), &rect);
    std::size_t count = 0;
    for (unsigned pixel : capture(rect))
        if ((pixel & 0xFFFFFF) == wanted) ++count;
    return std::to_string(count);
}

// Main|control message wParam lParam: sent from another thread of the program's process
std::string commandSendForeign(const std::string&, std::istringstream& args) {
    // lParam "unmapped": an address that is no memory of the program's.
    std::string name, message, wParam, lParam;
    args >> name >> message >> wParam >> lParam;
    HWND hwnd = name == "main" ? mainWindow() : control(name);
    UnmappedAddress unmapped;
    LPARAM value = lParam == "unmapped" ? unmapped.value() : static_cast<LPARAM>(messageArgument(lParam));
    return sendFromAnotherThread(hwnd, std::stoul(message, nullptr, 0), messageArgument(wParam), value);
}

// 1 once no part of the main window or its children waits for a paint
std::string commandPainted(const std::string&, std::istringstream&) {
    return painted(mainWindow()) ? "1" : "0";
}

// WM_PAINT messages the program's windows received since the counter was hooked in
std::string commandPaints(const std::string&, std::istringstream&) {
    // The counter (paint_counter.dll, beside the driver) is hooked into
    // the program's GUI thread on the first call for a program; the
    // system loads it there with the next message, so the first call
    // answers 0.
    static DWORD hookedProcess = 0;
    static HMODULE counter = nullptr;
    if (!running()) fail("not running");
    if (counter == nullptr) {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, sizeof path);
        std::string dll(path);
        dll = dll.substr(0, dll.find_last_of("\\/") + 1) + "paint_counter.dll";
        counter = LoadLibraryA(dll.c_str());
        if (counter == nullptr) fail("no paint_counter.dll");
    }
    if (hookedProcess != g_process.dwProcessId) {
        auto taken = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(counter, "countTakenPaint")));
        auto sent = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(counter, "countSentPaint")));
        if (!SetWindowsHookExA(WH_GETMESSAGE, taken, counter, g_process.dwThreadId) ||
            !SetWindowsHookExA(WH_CALLWNDPROC, sent, counter, g_process.dwThreadId))
            fail("SetWindowsHookEx " + std::to_string(GetLastError()));
        hookedProcess = g_process.dwProcessId;
        PostMessageA(mainWindow(), WM_NULL, 0, 0);  // the hook's first call loads the counter there
        return "0";
    }
    HMODULE there = remoteModule(counter);
    if (there == nullptr) return "0";
    auto offset = reinterpret_cast<ULONG_PTR>(GetProcAddress(counter, "paintCount")) - reinterpret_cast<ULONG_PTR>(counter);
    LONG count = 0;
    SIZE_T read = 0;
    if (!ReadProcessMemory(g_process.hProcess, reinterpret_cast<const char*>(there) + offset, &count, sizeof count,
                           &read))
        fail("ReadProcessMemory");
    return std::to_string(count);
}

// The program's kernel handles
std::string commandHandles(const std::string&, std::istringstream&) {
    // Wine's GetProcessHandleCount answers 0; the system's handle list
    // (SystemHandleInformation) has every handle with its process.
    if (!running()) fail("not running");
    DWORD count = 0;
    if (GetProcessHandleCount(g_process.hProcess, &count) && count != 0) return std::to_string(count);
    struct Entry {
        ULONG process;
        BYTE type, flags;
        USHORT value;
        PVOID object;
        ULONG access;
    };
    using Query = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    if (query == nullptr) fail("no NtQuerySystemInformation");
    std::vector<char> buffer(1 << 16);
    LONG status;
    for (;;) {
        ULONG needed = 0;
        status = query(16, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);  // SystemHandleInformation
        if (status != static_cast<LONG>(0xC0000004) || buffer.size() >= (64u << 20)) break;  // length mismatch
        buffer.resize(buffer.size() * 2);
    }
    if (status != 0) fail("SystemHandleInformation " + std::to_string(status));
    ULONG entries = *reinterpret_cast<const ULONG*>(buffer.data());
    const auto* entry = reinterpret_cast<const Entry*>(buffer.data() + sizeof(ULONG_PTR));
    for (ULONG i = 0; i < entries && reinterpret_cast<const char*>(entry + i + 1) <= buffer.data() + buffer.size(); ++i)
        if (entry[i].process == g_process.dwProcessId) ++count;
    return std::to_string(count);
}

// N [megabytes]: N refresh ticks, each of which changes what the page in front shows
std::string commandPaintTicks(const std::string&, std::istringstream& args) {
    // Before each tick: a new processor load in the statistics (Windows
    // 98 mode reads it), that many megabytes of memory taken or given
    // back in turn, and the next page brought to the front by a click on
    // its tab. Each tick is handled and painted before the next.
    // -> milliseconds taken.
    static const char* const pages[] = {"DiskTab", "MemTab", "CPUTab", "ResTab", "BIOSTab", "DisplayTab", "UserTab"};
    static int turn = 0;
    static std::vector<void*> held;
    int count = 0, megabytes = 16;
    args >> count;
    if (!(args >> megabytes)) megabytes = 16;
    HWND main = mainWindow();
    HWND tabs = control("PageControl1");
    if (SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0) != 7) fail("not seven tabs");
    RECT tabRects[7];
    HWND pageWindows[7];
    for (int i = 0; i < 7; ++i) {
        tabRects[i] = tabRect(tabs, i);
        pageWindows[i] = control(pages[i]);
    }
    HKEY statistics = nullptr;
    if (RegCreateKeyExA(HKEY_DYN_DATA, "PerfStats\\StatData", 0, nullptr, REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                        &statistics, nullptr) != ERROR_SUCCESS)
        fail("no statistics key");
    auto waitFor = [](auto done, const char* what) {
        DWORD end = GetTickCount() + 10000;
        while (!done()) {
            if (static_cast<int>(end - GetTickCount()) <= 0) fail(std::string("waited in vain for ") + what);
            if (!running()) fail("the program ended");
            Sleep(1);
        }
    };
    bringToFront();
    DWORD began = GetTickCount();
    for (int i = 0; i < count; ++i, ++turn) {
        DWORD load = static_cast<DWORD>(turn * 37 % 101);
        RegSetValueExA(statistics, "KERNEL\\CPUUsage", 0, REG_BINARY, reinterpret_cast<const BYTE*>(&load),
                       sizeof load);
        if (held.empty()) {
            for (int taken = 0; taken < megabytes; taken += 16) {
                void* block = VirtualAlloc(nullptr, SIZE_T{16} << 20, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
                if (block == nullptr) break;
                std::memset(block, 0x5A, SIZE_T{16} << 20);
                held.push_back(block);
            }
        } else {
            for (void* block : held) VirtualFree(block, 0, MEM_RELEASE);
            held.clear();
        }
        int page = (turn + 1) % 7;
        const RECT& rect = tabRects[page];
        mouseTo((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        mouseButton("left", true);
        mouseButton("left", false);
        HWND shown = pageWindows[page];
        waitFor([shown] { return IsWindowVisible(shown) != FALSE; }, "the page");
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(main, WM_TIMER, ids::Timer2, 0, SMTO_NORMAL, 10000, &result)) fail("tick not handled");
        waitFor([main] { return painted(main); }, "the paint");
    }
    RegCloseKey(statistics);
    return std::to_string(GetTickCount() - began);
}

// The layout the program is built from, every control in its table's order,
// one record each: name,parent,kind,alignment,hidden,left,top,width,height,text
// (kind and alignment as numbers in the order the layout declares them;
// parent "-" for the window itself; the design text in hexadecimal)
std::string commandLayout(const std::string&, std::istringstream&) {
    std::string out;
    for (const auto& table : layout::allTables()) {
        for (const ui::ControlSpec& spec : table) {
            const char* parent = spec.parent == 0 ? "-" : ids::nameOf(spec.parent);
            out += std::string(ids::nameOf(spec.id)) + "," + parent + "," +
                   std::to_string(static_cast<int>(spec.kind)) + "," + std::to_string(static_cast<int>(spec.align)) +
                   "," + (spec.hidden ? "1" : "0") + "," + std::to_string(spec.bounds.left) + "," +
                   std::to_string(spec.bounds.top) + "," + std::to_string(spec.bounds.width) + "," +
                   std::to_string(spec.bounds.height) + "," + hex(spec.text) + " ";
        }
    }
    return out;
}

// The layout row of a control, and the font it is drawn with (its own, or
// its parent's, up to the window's).
const ui::ControlSpec* layoutRow(int id) {
    for (const auto& table : layout::allTables())
        for (const ui::ControlSpec& spec : table)
            if (spec.id == id) return &spec;
    return nullptr;
}

ui::FontSpec layoutFont(int id) {
    for (const ui::ControlSpec* spec = layoutRow(id); spec != nullptr; spec = layoutRow(spec->parent)) {
        if (spec->font.face != ui::FontFace::Inherit) return spec->font;
        if (spec->parent == 0) break;
    }
    return layout::mainWindow().font;
}

// Name and the faces a test expects for the layout's three (hexadecimal:
// the proportional Gothic, the proportional Mincho, the fixed-pitch
// Gothic): the size the control's text needs in the face its font stands
// for, at the font's height and style, and the size the control gives it:
// "needed-width needed-height client-width client-height found". The test
// names the faces, so that a wrong face in the program's own table is not
// measured with that same table; found is 1 where the system has the face
// itself, 0 where it would draw another in its place. A multi-line box wraps
// at its width, as it does itself.
std::string commandExtent(const std::string&, std::istringstream& args) {
    std::string name, pGothic, pMincho, gothic;
    args >> name >> pGothic >> pMincho >> gothic;
    if (gothic.empty()) fail("extent needs a control and three faces");
    HWND hwnd = control(name);
    const ui::ControlSpec* spec = layoutRow(controlId(name));
    if (spec == nullptr) fail("no layout row for " + name);
    ui::FontSpec font = layoutFont(spec->id);
    std::string face = unhex(font.face == ui::FontFace::PMincho ? pMincho
                             : font.face == ui::FontFace::Gothic ? gothic
                                                                 : pGothic);
    if (face.empty() || face.size() >= LF_FACESIZE) fail("no face name, or one too long");
    BYTE charset = texts::language() == texts::Language::Japanese ? SHIFTJIS_CHARSET : DEFAULT_CHARSET;
    HFONT made = CreateFontA(font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, font.italic, FALSE, FALSE, charset,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             face.c_str());
    RECT client;
    GetClientRect(hwnd, &client);
    std::string text = windowText(hwnd);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, made);
    // The font mapper gives some face for any name: only the name of the one
    // it chose tells whether the system has the face asked for.
    char chosen[LF_FACESIZE] = {};
    GetTextFaceA(dc, sizeof chosen, chosen);
    bool found = lstrcmpiA(chosen, face.c_str()) == 0;
    RECT needed{0, 0, client.right, 0};
    bool wraps = spec->kind == ui::ControlKind::TextBox && spec->multiline;
    // A multi-line edit control keeps a few pixels of margin on each side.
    if (wraps) needed.right = client.right > 8 ? client.right - 8 : client.right;
    UINT flags = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | (wraps ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE);
    DrawTextA(dc, text.c_str(), -1, &needed, flags);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(made);
    return std::to_string(needed.right - needed.left) + " " + std::to_string(needed.bottom - needed.top) + " " +
           std::to_string(client.right) + " " + std::to_string(client.bottom) + " " + (found ? "1" : "0");
}

// The commands, by the first word of their line.
using Command = std::string (*)(const std::string& command, std::istringstream& args);
struct CommandEntry {
    const char* name;
    Command run;
};
const CommandEntry kCommands[] = {
    {"start", commandStart},
    {"startup", commandStartup},
    {"close", commandClose},
    {"kill", commandKill},
    {"running", commandRunning},
    {"tick", commandTick},
    {"zorder", commandZorder},
    {"objects", commandObjects},
    {"pid", commandPid},
    {"sleep", commandSleep},
    {"memory", commandMemory},
    {"hog", commandHog},
    {"screen", commandScreen},
    {"cwd", commandCwd},
    {"text", commandText},
    {"class", commandClass},
    {"visible", commandVisible},
    {"showing", commandShowing},
    {"rect", commandRect},
    {"client", commandClient},
    {"placed", commandPlaced},
    {"style", commandStyle},
    {"gauge", commandGauge},
    {"tabs", commandTabs},
    {"tab", commandTab},
    {"focus", commandFocus},
    {"blink", commandBlink},
    {"moveto", commandMoveto},
    {"down", commandDown},
    {"up", commandDown},
    {"click", commandClick},
    {"key", commandKey},
    {"popup", commandPopup},
    {"windows", commandWindows},
    {"dialog", commandDialog},
    {"dismiss", commandDismiss},
    {"pixel", commandPixel},
    {"combo_select", commandComboSelect},
    {"combo_items", commandComboItems},
    {"settext", commandSettext},
    {"type", commandType},
    {"chars", commandChars},
    {"reg_set", commandRegSet},
    {"reg_get", commandRegGet},
    {"reg_delete_value", commandRegDeleteValue},
    {"reg_delete_key", commandRegDeleteKey},
    {"reg_deny_writes", commandRegDenyWrites},
    {"reg_restore_security", commandRegDenyWrites},
    {"reg_rename", commandRegRename},
    {"through_edit", commandThroughEdit},
    {"computer_name", commandComputerName},
    {"disk", commandDisk},
    {"volume", commandVolume},
    {"exists", commandExists},
    {"display_modes", commandDisplayModes},
    {"low_memory", commandLowMemory},
    {"version", commandVersion},
    {"resources", commandResources},
    {"font", commandFont},
    {"fileversion", commandFileversion},
    {"icon", commandIcon},
    {"double_click", commandDoubleClick},
    {"start_minimised", commandStartMinimised},
    {"taskbar", commandTaskbar},
    {"window_state", commandWindowState},
    {"run", commandRun},
    {"launch", commandLaunch},
    {"run_many", commandRunMany},
    {"hold", commandHold},
    {"release", commandHold},
    {"save_dialog", commandSaveDialog},
    {"clipboard", commandClipboard},
    {"clipboard_set", commandClipboardSet},
    {"window_menu", commandWindowMenu},
    {"syscommand", commandSyscommand},
    {"timed_syscommand", commandTimedSyscommand},
    {"activate", commandActivate},
    {"wait_end", commandWaitEnd},
    {"post", commandPost},
    {"send_foreign", commandSendForeign},
    {"send", commandSend},
    {"send_tab", commandSendTab},
    {"key_down", commandKeyDown},
    {"key_up", commandKeyDown},
    {"count_colour", commandCountColour},
    {"painted", commandPainted},
    {"paints", commandPaints},
    {"handles", commandHandles},
    {"paint_ticks", commandPaintTicks},
    {"layout", commandLayout},
    {"extent", commandExtent},
};

std::string run(const std::string& line) {
    std::istringstream args(line);
    std::string command;
    args >> command;
    if (command.empty()) return "";
    for (const CommandEntry& entry : kCommands) {
        if (command == entry.name) return entry.run(command, args);
    }
    fail("unknown command " + command);
}

}  // namespace

// One command line of any length (a registry value of a megabyte comes as two
// megabytes of hexadecimal).
bool readLine(std::string& text) {
    text.clear();
    char chunk[1 << 16];
    while (std::fgets(chunk, sizeof chunk, stdin)) {
        text += chunk;
        if (!text.empty() && text.back() == '\n') return true;
    }
    return !text.empty();
}

int main() {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    // The layout's texts in the language the program chooses in the same locale.
    texts::choose(GetACP());
    std::string text;
    while (readLine(text)) {
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        if (text == "quit") break;
        std::string reply;
        try {
            reply = "ok " + run(text);
        } catch (const Failure& failure) {
            reply = "err " + failure.message;
        }
        std::fputs((reply + "\n").c_str(), stdout);
        std::fflush(stdout);
    }
    if (running()) {
        TerminateProcess(g_process.hProcess, 1);
        WaitForSingleObject(g_process.hProcess, 5000);
    }
    closeHandles();
    return 0;
}
