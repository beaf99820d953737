// The operating-system operations the pages use, behind one interface: the
// Win32 implementation calls the real functions, a fake in the tests plays any
// machine. Texts are byte strings in the system code page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace platform {

// Registry key handles: the predefined roots or keys the platform opened.
using RegKey = std::uintptr_t;
inline constexpr RegKey kLocalMachine = 0x80000002u;
inline constexpr RegKey kDynData = 0x80000006u;

// Registry value types.
enum : std::uint32_t {
    kRegNone = 0,
    kRegSz = 1,
    kRegExpandSz = 2,
    kRegBinary = 3,
    kRegDword = 4,
    kRegMultiSz = 7,
};

// Access rights and view flags as the registry functions take them.
enum : std::uint32_t {
    kKeyAllAccess = 0xF003Fu,
    kKeyRead = 0x20019u,
    kKeyWow64View64 = 0x0100u,
};

// The few result codes the callers tell apart; anything else is a failure too.
enum : long {
    kSuccess = 0,
    kFileNotFound = 2,
    kPathNotFound = 3,
    kAccessDenied = 5,
    kSharingViolation = 32,
    kLockViolation = 33,
    kMoreData = 234,
    kNoMoreItems = 259,
};

struct VersionInfo {
    std::uint32_t platformId = 0;  // 1 Windows 9x, 2 NT family
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;
    // The service pack ("Service Pack 3"), or on Windows 9x the release
    // letter (" A " for 98 Second Edition), as the system gives it.
    std::string servicePack;
};

// A moment of the local clock.
struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The 32-bit record of GlobalMemoryStatus.
struct MemoryStatus {
    std::uint32_t length = 0;
    std::uint32_t memoryLoad = 0;
    std::uint32_t totalPhys = 0;
    std::uint32_t availPhys = 0;
    std::uint32_t totalPageFile = 0;
    std::uint32_t availPageFile = 0;
    std::uint32_t totalVirtual = 0;
    std::uint32_t availVirtual = 0;
};

struct MemoryStatusEx {
    std::uint64_t totalPhys = 0;
    std::uint64_t availPhys = 0;
};

struct DisplayMode {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t bitsPerPixel = 0;
};

// What the volume query tells of a drive.
struct VolumeInfo {
    std::uint32_t serial = 0;
    std::string fileSystem;
    std::string label;
};

// What kind of drive a root path names, as GetDriveTypeA tells it.
enum class DriveType { Unknown, NoRoot, Removable, Fixed, Remote, CdRom, RamDisk };

struct ScreenSize {
    int width = 0;
    int height = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    // --- system ---
    // GetVersionExA with the full record; false when the query fails.
    virtual bool getVersion(VersionInfo& version) = 0;
    // RtlGetVersion: the version the kernel itself reports, which a
    // compatibility mode of the NT family ("Windows 95", "Windows 98 / Me")
    // leaves alone while it changes what GetVersionExA says. False where the
    // system has no such call (Windows 9x, NT 4).
    virtual bool getKernelVersion(VersionInfo& version) = 0;
    // GetComputerNameA: size in = the buffer's size, out = the name's length.
    virtual bool getComputerName(char* buffer, std::uint32_t& size) = 0;
    virtual bool setComputerName(const char* name) = 0;
    // A 32-bit program on 64-bit Windows.
    virtual bool isWow64() = 0;
    virtual ScreenSize screenSize() = 0;
    // The user's decimal point and thousands separator.
    virtual char decimalSeparator() = 0;
    virtual char thousandsSeparator() = 0;
    virtual LocalTime localTime() = 0;

    // --- memory ---
    virtual void globalMemoryStatus(MemoryStatus& status) = 0;
    // false where the system has no GlobalMemoryStatusEx.
    virtual bool globalMemoryStatusEx(MemoryStatusEx& status) = 0;

    // --- disks ---
    // GetVolumeInformationA on a root path; false when the call fails.
    virtual bool getVolumeInformation(const std::string& rootPath, VolumeInfo& volume) = 0;
    // GetDriveTypeA on a root path: no medium is asked for.
    virtual DriveType driveType(const std::string& rootPath) = 0;
    // The process's current directory; empty where it cannot be learnt.
    virtual std::string currentDirectory() = 0;
    // Size and free space for the current user of drive 1 (A) to 26 (Z), or
    // of the current directory's drive for 0; -1 when the drive cannot be queried.
    virtual std::int64_t diskSize(int driveNumber) = 0;
    virtual std::int64_t diskFree(int driveNumber) = 0;
    // The drives the system has: bit 0 for A to bit 25 for Z.
    virtual std::uint32_t logicalDrives() = 0;
    // Keeps the system from asking the user to insert a medium or to retry
    // when a drive without one is queried: the query fails instead. Returns
    // what restoreDrivePrompts gives back (see QuietDrives).
    virtual std::uint32_t suppressDrivePrompts() = 0;
    virtual void restoreDrivePrompts(std::uint32_t previous) = 0;

    // --- time ---
    virtual std::uint32_t tickCount() = 0;
    // Whether the processor has a time-stamp counter that may be read.
    virtual bool hasTimeStampCounter() = 0;
    virtual std::uint64_t readTimeStampCounter() = 0;
    // Keeps the calling thread on one of the processors it may run on, so
    // that two readings of the time-stamp counter come from the same
    // processor (the counters of early multi-core processors are not in
    // step); previous receives the thread's own mask before. False, and
    // nothing changed, where the system cannot do it.
    virtual bool pinThreadToOneProcessor(std::uintptr_t& previous) = 0;
    // Gives the thread back the processors pinThreadToOneProcessor took.
    virtual void restoreThreadProcessors(std::uintptr_t previous) = 0;
    // MessageBeep(0): the system's default sound.
    virtual void beep() = 0;

    // --- registry (the ANSI functions' contracts) ---
    // An access of 0 asks for the old functions RegOpenKeyA and RegCreateKeyA,
    // which choose the access themselves; any other value is passed on.
    virtual long regOpenKey(RegKey root, const std::string& subKey, std::uint32_t access, RegKey& key) = 0;
    virtual long regCreateKey(RegKey root, const std::string& subKey, std::uint32_t access, RegKey& key) = 0;
    // RegQueryValueExA: data may be null to ask for the size; size in = the
    // buffer's size, out = the value's size (also when the buffer is too small).
    virtual long regQueryValue(RegKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                               std::uint32_t* size) = 0;
    virtual long regSetValue(RegKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                             std::uint32_t size) = 0;
    virtual long regEnumValueName(RegKey key, std::uint32_t index, std::string& name) = 0;
    virtual long regCloseKey(RegKey key) = 0;

    // --- the 16-bit USER library (Windows 9x kernel services) ---
    // Whether the kernel's 16-bit library services and a way to call a 16-bit
    // function could be bound: only on Windows 9x (platform kind 1).
    virtual bool has16BitServices() = 0;
    // Returns the module handle, or an error code below 32.
    virtual std::uint16_t loadLibrary16(const char* name) = 0;
    // Returns the 16:16 address, or 0.
    virtual std::uint32_t getProcAddress16(std::uint16_t module, const char* name) = 0;
    virtual void freeLibrary16(std::uint16_t module) = 0;
    // Calls a 16-bit PASCAL function of one word argument; returns its word result.
    virtual std::uint16_t callProc16(std::uint32_t procedure, std::uint16_t argument) = 0;

    // --- BIOS ROM area (Windows 9x maps the first megabyte into every process) ---
    // Copies up to size bytes from a linear address; returns how many bytes
    // could be read before the first unreadable one.
    virtual std::size_t readPhysicalLowMemory(std::uint32_t address, std::uint8_t* out, std::size_t size) = 0;

    // --- display ---
    // EnumDisplaySettingsA on the current display device; false past the last mode.
    virtual bool enumDisplaySettings(std::uint32_t index, DisplayMode& mode) = 0;
    // The mode the screen is in now (its size and colour depth); none where
    // the system does not tell.
    virtual std::optional<DisplayMode> currentDisplayMode() = 0;

    // --- files ---
    // The full path of the running executable.
    virtual std::string moduleFileName() = 0;
    // Whether a byte starts a two-byte character in the system code page.
    virtual bool isLeadByte(std::uint8_t byte) = 0;
    // The system's ANSI code page (GetACP): 932 on a Japanese Windows.
    virtual unsigned ansiCodePage() = 0;
    virtual bool createDirectory(const std::string& path) = 0;
    // Makes the file at path hold exactly the bytes given, in place of what
    // it held: afterwards the file is either whole or as it was before, and
    // nothing else is left behind. A read-only file is never replaced, on
    // either family. kSuccess, or the system's error code.
    virtual long replaceFile(const std::string& path, const std::string& contents) = 0;
    // Whether a file could be written at path now, found without writing it:
    // kAccessDenied for a read-only file or a folder there, or the error of
    // making (and at once removing) a file in its folder, as for a folder
    // that is missing; else kSuccess.
    virtual long checkWritable(const std::string& path) = 0;
    // Whether path names an existing folder.
    virtual bool isDirectory(const std::string& path) = 0;
    // Appends to the file at path (made where missing), with no one else
    // writing it meanwhile: it is opened for this process alone
    // (kSharingViolation while another has it open), bytesFor is given its
    // length and whether its last byte ends a line, and what it returns goes
    // in with one write. A write that fails leaves the file as it was.
    struct AppendTarget {
        std::uint64_t size = 0;
        bool endsWithLine = true;  // also for an empty file
    };
    virtual long appendAlone(const std::string& path,
                             const std::function<std::string(const AppendTarget&)>& bytesFor) = 0;
    // The system's own message for an error code, in its own language; empty
    // where it has none.
    virtual std::string errorText(long code) = 0;

    // --- time, for waiting ---
    virtual void sleep(std::uint32_t milliseconds) = 0;
    virtual std::uint32_t processId() = 0;
};

// The platform's lead-byte answer as the function the text rules take.
inline std::function<bool(unsigned char)> leadByteTest(Platform& platform) {
    return [&platform](unsigned char byte) { return platform.isLeadByte(byte); };
}

}  // namespace platform
