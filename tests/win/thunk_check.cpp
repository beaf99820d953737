// The 16-bit services as the Windows build binds and calls them, run under
// Wine by the end-to-end tests: the export-table walk, the QT_Thunk call and
// the platform's free-resources query. Prints "OK" or what failed.
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/win32/thunk16.h"
#include "platform/win32/win32_platform.h"

namespace {

int failures = 0;

void expect(bool condition, const std::string& what) {
    if (!condition) {
        std::printf("FAIL %s\n", what.c_str());
        ++failures;
    }
}

// The walk agrees with the loader for every ordinal kernel32 exports.
void checkExportWalk() {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    const auto* base = reinterpret_cast<const BYTE*>(kernel);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(
        base + nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT].VirtualAddress);
    int found = 0;
    for (DWORD ordinal = exports->Base; ordinal < exports->Base + exports->NumberOfFunctions; ++ordinal) {
        FARPROC walked = platform::win32::exportByOrdinal(kernel, static_cast<WORD>(ordinal));
        FARPROC loader = GetProcAddress(kernel, MAKEINTRESOURCEA(ordinal));
        expect(walked == loader, "ordinal " + std::to_string(ordinal));
        if (walked != nullptr) ++found;
    }
    expect(found > 500, "kernel32 exports found: " + std::to_string(found));
    expect(platform::win32::exportByOrdinal(kernel, static_cast<WORD>(exports->Base + exports->NumberOfFunctions)) ==
               nullptr,
           "an ordinal past the table");
    expect(platform::win32::exportByOrdinal(nullptr, 35) == nullptr, "no module");
}

// The thunk carries its argument to a 16-bit function and comes back with the
// caller's stack and registers intact. Wine's QT_Thunk loses the result, so
// the argument's arrival is seen through a function with a visible effect:
// USER's SetDoubleClickTime, read back with the 32-bit GetDoubleClickTime.
void checkQtThunk() {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    using Load16 = WORD(WINAPI*)(LPCSTR);
    using Find16 = DWORD(WINAPI*)(WORD, LPCSTR);
    using Free16 = void(WINAPI*)(WORD);
    auto load = reinterpret_cast<Load16>(reinterpret_cast<void*>(platform::win32::exportByOrdinal(kernel, 35)));
    auto release = reinterpret_cast<Free16>(reinterpret_cast<void*>(platform::win32::exportByOrdinal(kernel, 36)));
    auto find = reinterpret_cast<Find16>(reinterpret_cast<void*>(platform::win32::exportByOrdinal(kernel, 37)));
    FARPROC thunk = GetProcAddress(kernel, "QT_Thunk");
    expect(load && release && find && thunk, "the 16-bit services and QT_Thunk bind");
    if (!(load && release && find && thunk)) return;

    WORD user = load("User.exe");
    expect(user >= 32, "User.exe loads: " + std::to_string(user));
    DWORD setTime = find(user, "SetDoubleClickTime");
    DWORD freeResources = find(user, "GetFreeSystemResources");
    expect(setTime != 0 && freeResources != 0, "the 16-bit functions are found");
    UINT saved = GetDoubleClickTime();
    volatile std::uint32_t sentinel = 0x5EC0DE;
    std::uint32_t kept = 0xA5A5A5A5u;
    for (int i = 0; i < 300 && setTime != 0; ++i) {
        auto time = static_cast<std::uint16_t>(300 + i);
        platform::win32::callThroughQtThunk(thunk, setTime, time);
        if (GetDoubleClickTime() != time) {
            expect(false, "SetDoubleClickTime(" + std::to_string(time) + ") gave " + std::to_string(GetDoubleClickTime()));
            break;
        }
        kept = kept * 33 + time;
        // The 16-bit function is reached with each of the three arguments too.
        platform::win32::callThroughQtThunk(thunk, freeResources, static_cast<std::uint16_t>(i % 3));
    }
    expect(sentinel == 0x5EC0DE, "the caller's frame survives");
    std::uint32_t again = 0xA5A5A5A5u;
    for (int i = 0; i < 300; ++i) again = again * 33 + static_cast<std::uint32_t>(300 + i);
    expect(kept == again, "the caller's registers survive");
    SetDoubleClickTime(saved);
    release(user);
}

// The platform binds the services only on Windows 9x and reads real shares.
void checkPlatform() {
    platform::Win32Platform platform;
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    bool windows9x = version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
    expect(platform.has16BitServices() == windows9x, "16-bit services bound on Windows 9x only");
    if (!windows9x) {
        expect(platform.loadLibrary16("User.exe") < 32, "no 16-bit load outside Windows 9x");
        return;
    }
    std::uint16_t user = platform.loadLibrary16("User.exe");
    std::uint32_t procedure = platform.getProcAddress16(user, "GetFreeSystemResources");
    for (std::uint16_t which = 0; which < 3; ++which) {
        std::uint16_t share = platform.callProc16(procedure, which);
        expect(share >= 1 && share <= 100, "share " + std::to_string(which) + " is " + std::to_string(share));
    }
    platform.freeLibrary16(user);
}

}  // namespace

int main(int argc, char** argv) {
    std::string part = argc > 1 ? argv[1] : "all";
    if (part == "all" || part == "exports") checkExportWalk();
    if (part == "all" || part == "thunk") checkQtThunk();
    if (part == "all" || part == "platform") checkPlatform();
    std::printf("%s\n", failures ? "NOT OK" : "OK");
    return failures ? 1 : 0;
}
