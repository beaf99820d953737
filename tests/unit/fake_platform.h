// A platform that plays any machine: Windows 98 or NT, any memory record,
// drives that are not ready, a registry with values of any type, a clock with
// any tick period, a 16-bit USER library or none, ROM bytes, display modes.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace fake {

struct RegValue {
    std::string name;  // as spelled when written
    std::uint32_t type = platform::kRegSz;
    std::vector<std::uint8_t> data;
};

// An in-memory registry with the ANSI functions' contracts: names compare
// without regard to case, a too-small buffer gets ERROR_MORE_DATA (and
// garbage, so that nothing may trust it), handles are counted.
class Registry {
public:
    // Creates the key (and its parents) and sets a value in it.
    void set(platform::RegKey root, const std::string& path, const std::string& name, std::uint32_t type,
             std::vector<std::uint8_t> data);
    void setString(platform::RegKey root, const std::string& path, const std::string& name, const std::string& text);
    void createKey(platform::RegKey root, const std::string& path);
    void removeKey(platform::RegKey root, const std::string& path);
    const RegValue* find(platform::RegKey root, const std::string& path, const std::string& name) const;
    bool hasKey(platform::RegKey root, const std::string& path) const;
    // A user who may read but not write: the key cannot be created (or
    // opened for creating), or one value of it cannot be written.
    void refuseCreate(platform::RegKey root, const std::string& path) { uncreatableKeys.insert(canonical(root, path)); }
    void refuseWrite(platform::RegKey root, const std::string& path, const std::string& name) {
        refusedWrites.insert(canonical(root, path) + "\\" + lower(name));
    }

    // An access of 0 is RegOpenKeyA's own choice, which takes what is granted.
    long open(platform::RegKey root, const std::string& path, bool create, platform::RegKey& key,
              std::uint32_t access = 0);
    long query(platform::RegKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
               std::uint32_t* size);
    long setValue(platform::RegKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                  std::uint32_t size);
    long enumValueName(platform::RegKey key, std::uint32_t index, std::string& name);
    long close(platform::RegKey key);

    std::size_t openHandles() const { return handles_.size(); }
    // Keys that grant reading only, as HKLM\HARDWARE does to a user who is
    // no administrator: an open asking for more is refused.
    std::set<std::string> readOnlyKeys;
    // Keys opened without the right to them fail as Windows fails them.
    std::set<std::string> deniedKeys;
    // Keys that open for reading but may not be created or opened for
    // creating: RegCreateKey fails with access denied.
    std::set<std::string> uncreatableKeys;
    // Values ("path\name") whose writing is refused with access denied, as
    // for a user who may read a key but not write it.
    std::set<std::string> refusedWrites;
    // Every write, in order: "path\name".
    std::vector<std::string> writes;
    // Every query of a value that exists, in order: "path\name".
    std::vector<std::string> reads;

private:
    struct Key {
        std::vector<RegValue> values;
    };
    static std::string canonical(platform::RegKey root, const std::string& path);
    static std::string lower(std::string text);
    Key* keyOf(platform::RegKey handle);

    std::map<std::string, Key> keys_;
    std::map<platform::RegKey, std::string> handles_;
    platform::RegKey nextHandle_ = 0x1000;
};

// Simulated time: every call to the clock or the counter takes a little time.
struct Clock {
    double nowMs = 0.0;
    double tickPeriodMs = 55.0;   // Windows 9x; NT ticks every 15.625 ms
    double callCostMs = 0.0005;   // what one GetTickCount or RDTSC costs
    std::uint32_t tickBase = 0;   // tick count at time 0 (near 2^32 to test the wrap)
    double cpuHz = 2.0e9;
    std::uint64_t counterBase = 0;

    std::uint32_t tick();
    std::uint64_t counter();
};

class Platform : public platform::Platform {
public:
    Platform();

    // --- the machine ---
    std::optional<platform::VersionInfo> version = platform::VersionInfo{1, 4, 10, 2222, " A "};
    // What RtlGetVersion reports; none where the system lacks it (Windows 9x).
    // A compatibility mode of the NT family changes version, not this.
    std::optional<platform::VersionInfo> kernelVersion;
    std::optional<std::string> computerName = std::string("VELNOR-PC");
    // The system's ANSI code page: 932 (Shift-JIS) has two-byte characters,
    // 1252 (Western) and 1251 (Cyrillic) none.
    unsigned codePage = 932;
    bool computerNameAccepted = true;
    // What the system keeps of a name it accepts: some systems replace the
    // characters a name may not have (Wine stores "A B*C" as "A_B_C").
    std::function<std::string(const std::string&)> keepsComputerNameAs = [](const std::string& name) { return name; };
    std::vector<std::string> computerNamesSet;
    bool wow64 = false;
    platform::ScreenSize screen{1024, 768};
    char decimal = '.';
    char thousands = ',';
    platform::LocalTime now{2025, 1, 2, 3, 4, 5};

    platform::MemoryStatus memory{};
    std::optional<platform::MemoryStatusEx> memoryEx;  // none: the system has no GlobalMemoryStatusEx
    int memoryQueries = 0;

    using Volume = platform::VolumeInfo;
    std::map<std::string, Volume> volumes;  // by root path; a missing root fails
    // The kind of each drive by its lower-case letter; a drive not named is a fixed disk.
    std::map<char, platform::DriveType> driveTypes;
    std::string currentDirectory_ = "C:\\Velnor";
    std::vector<std::string> volumeQueries;
    struct Disk {
        std::int64_t size = -1;
        std::int64_t free = -1;
    };
    std::map<int, Disk> disks;  // by drive number; a missing drive is not ready (-1)
    std::vector<int> diskQueries;
    std::uint32_t drives = 0x4;  // the drives the system has: C:
    // How many drive-prompt suppressions are in force, and the drive
    // queries (volume roots, "size N", "free N") made while none was, when a
    // drive without a medium would have brought up the system's prompt.
    int quietDrives = 0;
    std::vector<std::string> promptingQueries;

    Clock clock;
    bool timeStampCounter = true;
    int counterReads = 0;
    // The thread's processors: a system that can pin a thread or one that
    // cannot, and the thread's mask at each counter reading.
    bool threadPinning = true;
    std::uintptr_t threadMask = 0xC;
    int restores = 0;
    std::vector<std::uintptr_t> counterReadMasks;
    int beeps = 0;

    Registry registry;

    // The 16-bit USER library: none by default (the NT family).
    bool services16 = false;
    std::uint16_t library16Handle = 519;  // below 32: the load fails with that code
    std::uint32_t freeResourcesProc = 0x1F270000u;
    std::vector<std::uint16_t> freeResources = {0, 0, 0};  // by argument 0, 1, 2
    std::vector<std::string> calls16;  // "load User.exe", "proc ...", "call 0", "free 519"

    // Readable low memory by address; anything else is unreadable.
    std::map<std::uint32_t, std::vector<std::uint8_t>> lowMemory;

    std::vector<platform::DisplayMode> displayModes;
    // A driver that never ends the enumeration: every index names a mode.
    bool endlessDisplayModes = false;
    int displayModeQueries = 0;

    std::string moduleFile = "C:\\Program Files\\Velnor\\velnor.exe";
    bool directoryCreatable = true;
    std::vector<std::string> directoriesCreated;
    // Files by path, as replaceFile and appendAlone left them. A path that
    // cannot be written is refused with kAccessDenied; one whose folder is
    // missing with kPathNotFound; a folder is no file; a file another
    // process holds gives kSharingViolation to the next busyAttempts tries.
    std::map<std::string, std::string> files;
    std::set<std::string> unwritablePaths;
    std::set<std::string> missingFolders;  // by the path's folder part, with its backslash
    std::set<std::string> directories;     // without a final backslash
    int busyAttempts = 0;
    std::vector<std::uint32_t> sleeps;
    std::optional<platform::DisplayMode> currentMode = platform::DisplayMode{1024, 768, 32};
    std::vector<std::string> fileWrites;

    // The machine's operations in the order they were asked for, by kind:
    // "computer name", "rom", "display modes", "directory", "screen size",
    // "memory", "16-bit library", and "open " or "create " with the key's path.
    std::vector<std::string> calls;

    // --- platform::Platform ---
    bool getVersion(platform::VersionInfo& out) override;
    bool getKernelVersion(platform::VersionInfo& out) override;
    bool getComputerName(char* buffer, std::uint32_t& size) override;
    bool setComputerName(const char* name) override;
    bool isWow64() override { return wow64; }
    platform::ScreenSize screenSize() override {
        calls.push_back("screen size");
        return screen;
    }
    char decimalSeparator() override { return decimal; }
    char thousandsSeparator() override { return thousands; }
    platform::LocalTime localTime() override { return now; }
    void globalMemoryStatus(platform::MemoryStatus& status) override;
    bool globalMemoryStatusEx(platform::MemoryStatusEx& status) override;
    bool getVolumeInformation(const std::string& rootPath, platform::VolumeInfo& volume) override;
    platform::DriveType driveType(const std::string& rootPath) override;
    std::string currentDirectory() override { return currentDirectory_; }
    std::int64_t diskSize(int driveNumber) override;
    std::int64_t diskFree(int driveNumber) override;
    std::uint32_t logicalDrives() override { return drives; }
    std::uint32_t suppressDrivePrompts() override { return static_cast<std::uint32_t>(quietDrives++); }
    void restoreDrivePrompts(std::uint32_t previous) override { quietDrives = static_cast<int>(previous); }
    std::uint32_t tickCount() override { return clock.tick(); }
    bool hasTimeStampCounter() override { return timeStampCounter; }
    std::uint64_t readTimeStampCounter() override;
    bool pinThreadToOneProcessor(std::uintptr_t& previous) override;
    void restoreThreadProcessors(std::uintptr_t previous) override;
    void beep() override { ++beeps; }
    long regOpenKey(platform::RegKey root, const std::string& subKey, std::uint32_t access,
                    platform::RegKey& key) override;
    long regCreateKey(platform::RegKey root, const std::string& subKey, std::uint32_t access,
                      platform::RegKey& key) override;
    long regQueryValue(platform::RegKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                       std::uint32_t* size) override;
    long regSetValue(platform::RegKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                     std::uint32_t size) override;
    long regEnumValueName(platform::RegKey key, std::uint32_t index, std::string& name) override;
    long regCloseKey(platform::RegKey key) override;
    bool has16BitServices() override { return services16; }
    std::uint16_t loadLibrary16(const char* name) override;
    std::uint32_t getProcAddress16(std::uint16_t module, const char* name) override;
    void freeLibrary16(std::uint16_t module) override;
    std::uint16_t callProc16(std::uint32_t procedure, std::uint16_t argument) override;
    std::size_t readPhysicalLowMemory(std::uint32_t address, std::uint8_t* out, std::size_t size) override;
    bool enumDisplaySettings(std::uint32_t index, platform::DisplayMode& mode) override;
    std::string moduleFileName() override { return moduleFile; }
    bool isLeadByte(std::uint8_t byte) override;
    unsigned ansiCodePage() override { return codePage; }
    bool createDirectory(const std::string& path) override;
    long replaceFile(const std::string& path, const std::string& contents) override;
    long checkWritable(const std::string& path) override;
    bool isDirectory(const std::string& path) override;
    long appendAlone(const std::string& path, const std::function<std::string(const AppendTarget&)>& bytesFor) override;
    std::string errorText(long code) override { return "error " + std::to_string(code); }
    void sleep(std::uint32_t milliseconds) override;
    std::uint32_t processId() override { return 4242; }
    std::optional<platform::DisplayMode> currentDisplayMode() override { return currentMode; }

    // The registry path a WOW64 process reaches for a path and an access.
    std::string viewOf(platform::RegKey root, const std::string& path, std::uint32_t access) const;
    // Why a file at path could not be written, as the system would say; kSuccess where it could.
    long refusal(const std::string& path) const;
};

// Windows 98 (platform kind 1, tick 55 ms) or Windows XP (kind 2, tick 15.625 ms).
void makeWindows98(Platform& platform);
void makeWindowsXp(Platform& platform);

// The bytes of a text, for registry values.
std::vector<std::uint8_t> bytes(const std::string& text, bool terminated = true);

}  // namespace fake
