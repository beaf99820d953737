// The platform on real Windows (and Wine): ANSI functions, with whatever a
// given Windows may lack bound at run time.
#pragma once

#include <windows.h>

#include "platform/platform.h"
#include "platform/platform_profile.h"

namespace platform {

class Win32Platform : public Platform {
public:
    Win32Platform();

    bool getVersion(VersionInfo& version) override;
    bool getKernelVersion(VersionInfo& version) override;
    bool getComputerName(char* buffer, std::uint32_t& size) override;
    bool setComputerName(const char* name) override;
    bool isWow64() override;
    ScreenSize screenSize() override;
    char decimalSeparator() override;
    char thousandsSeparator() override;
    LocalTime localTime() override;

    void globalMemoryStatus(MemoryStatus& status) override;
    bool globalMemoryStatusEx(MemoryStatusEx& status) override;

    bool getVolumeInformation(const std::string& rootPath, VolumeInfo& volume) override;
    DriveType driveType(const std::string& rootPath) override;
    std::string currentDirectory() override;
    std::int64_t diskSize(int driveNumber) override;
    std::int64_t diskFree(int driveNumber) override;
    std::uint32_t logicalDrives() override;
    std::uint32_t suppressDrivePrompts() override;
    void restoreDrivePrompts(std::uint32_t previous) override;

    std::uint32_t tickCount() override;
    bool hasTimeStampCounter() override;
    std::uint64_t readTimeStampCounter() override;
    bool pinThreadToOneProcessor(std::uintptr_t& previous) override;
    void restoreThreadProcessors(std::uintptr_t previous) override;
    void beep() override;

    long regOpenKey(RegKey root, const std::string& subKey, std::uint32_t access, RegKey& key) override;
    long regCreateKey(RegKey root, const std::string& subKey, std::uint32_t access, RegKey& key) override;
    long regQueryValue(RegKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                       std::uint32_t* size) override;
    long regSetValue(RegKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                     std::uint32_t size) override;
    long regEnumValueName(RegKey key, std::uint32_t index, std::string& name) override;
    long regCloseKey(RegKey key) override;

    bool has16BitServices() override;
    std::uint16_t loadLibrary16(const char* name) override;
    std::uint32_t getProcAddress16(std::uint16_t module, const char* name) override;
    void freeLibrary16(std::uint16_t module) override;
    std::uint16_t callProc16(std::uint32_t procedure, std::uint16_t argument) override;

    std::size_t readPhysicalLowMemory(std::uint32_t address, std::uint8_t* out, std::size_t size) override;
    bool enumDisplaySettings(std::uint32_t index, DisplayMode& mode) override;
    std::optional<DisplayMode> currentDisplayMode() override;
    std::string moduleFileName() override;
    bool isLeadByte(std::uint8_t byte) override;
    unsigned ansiCodePage() override;
    bool createDirectory(const std::string& path) override;
    long replaceFile(const std::string& path, const std::string& contents) override;
    long checkWritable(const std::string& path) override;
    bool isDirectory(const std::string& path) override;
    long appendAlone(const std::string& path, const std::function<std::string(const AppendTarget&)>& bytesFor) override;
    std::string errorText(long code) override;
    void sleep(std::uint32_t milliseconds) override;
    std::uint32_t processId() override;

private:
    // kAccessDenied for a read-only file or a folder at path, else kSuccess.
    long refusedTarget(const std::string& path);

    using DiskFreeSpaceEx = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);
    using MemoryStatusExFunction = BOOL(WINAPI*)(LPMEMORYSTATUSEX);
    using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);
    // ntdll's RtlGetVersion (Windows 2000 and later); it fills the Unicode record.
    using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    // The Windows 9x kernel's 16-bit library services (ordinals 35, 37, 36)
    // and Wine's 16-bit callback (ordinal 55).
    using LoadLibrary16Function = WORD(WINAPI*)(LPCSTR);
    using GetProcAddress16Function = DWORD(WINAPI*)(WORD, LPCSTR);
    using FreeLibrary16Function = void(WINAPI*)(WORD);
    using WowCallback16ExFunction = BOOL(WINAPI*)(DWORD, DWORD, DWORD, LPVOID, LPDWORD);
    // Windows 9x exports MoveFileExA only as a function that fails.
    using MoveFileExFunction = BOOL(WINAPI*)(LPCSTR, LPCSTR, DWORD);

    // Total (whole = true) or free bytes of a drive; -1 when it cannot be queried.
    std::int64_t diskBytes(int driveNumber, bool whole);
    // Binds the 16-bit services where the platform has them (Windows 9x).
    void bind16BitServices(const PlatformProfile& profile);

    DiskFreeSpaceEx diskFreeSpaceEx_ = nullptr;
    MemoryStatusExFunction memoryStatusEx_ = nullptr;
    IsWow64ProcessFunction isWow64Process_ = nullptr;
    RtlGetVersionFunction rtlGetVersion_ = nullptr;
    MoveFileExFunction moveFileEx_ = nullptr;
    LoadLibrary16Function loadLibrary16_ = nullptr;
    GetProcAddress16Function getProcAddress16_ = nullptr;
    FreeLibrary16Function freeLibrary16_ = nullptr;
    // Exactly one of the two ways to call a 16-bit function is bound: Wine's
    // QT_Thunk reaches the function but loses its result on the way back.
    FARPROC qtThunk_ = nullptr;
    WowCallback16ExFunction wowCallback16Ex_ = nullptr;
};

}  // namespace platform
