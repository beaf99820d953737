// Win32 implementation of the platform operations.
#include "platform/win32/win32_platform.h"

#include <string>
#include <vector>

#include "platform/paths.h"
#include "platform/platform_profile.h"
#include "platform/win32/thunk16.h"

namespace platform {
namespace {

HKEY toHkey(RegKey key) {
    return reinterpret_cast<HKEY>(key);
}

template <class Function>
Function bind(const char* module, const char* name) {
    HMODULE handle = GetModuleHandleA(module);
    return handle ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(handle, name))) : nullptr;
}

// "X:\" for drive 1 to 26; no path (the current directory's drive) for 0.
std::string driveRoot(int driveNumber) {
    if (driveNumber < 1 || driveNumber > 26) return {};
    return std::string(1, static_cast<char>('A' + driveNumber - 1)) + ":\\";
}

// Whether CPUID exists (the ID flag of EFLAGS can be toggled) and reports a
// time-stamp counter; processors before the Pentium have neither. Every
// x86-64 processor has both.
bool cpuHasTimeStampCounter() {
#if defined(__x86_64__)
    return true;
#elif defined(__i386__)
    unsigned long before, after;
    __asm__ __volatile__(
        "pushfl\n\t"
        "popl %0\n\t"
        "movl %0, %1\n\t"
        "xorl $0x200000, %1\n\t"
        "pushl %1\n\t"
        "popfl\n\t"
        "pushfl\n\t"
        "popl %1\n\t"
        "pushl %0\n\t"
        "popfl"
        : "=&r"(before), "=&r"(after)
        :
        : "cc");
    if (((before ^ after) & 0x200000) == 0) return false;
    unsigned int eax = 0, ebx, ecx, edx;
    __asm__ __volatile__("cpuid" : "+a"(eax), "=b"(ebx), "=c"(ecx), "=d"(edx));
    if (eax < 1) return false;
    eax = 1;
    __asm__ __volatile__("cpuid" : "+a"(eax), "=b"(ebx), "=c"(ecx), "=d"(edx));
    return (edx & 0x10) != 0;
#else
    return false;
#endif
}

// IsBadReadPtr on a guard page would take the guard away, and the thread
// stack it protects could then no longer grow. A process that Windows NT
// tells it is on Windows 9x (a compatibility mode) may have its main
// thread's stack reserved in the first megabyte.
bool isGuardPage(const void* address) {
    MEMORY_BASIC_INFORMATION info;
    if (VirtualQuery(address, &info, sizeof info) == 0) return false;
    return info.State == MEM_COMMIT && (info.Protect & PAGE_GUARD) != 0;
}

// The service pack text of a version record, whatever its width, as far as
// its terminating zero and never past the record's field.
template <class Char, std::size_t N>
std::string servicePackOf(const Char (&text)[N]) {
    std::size_t length = 0;
    while (length < N && text[length] != 0) ++length;
    std::string out;
    for (std::size_t i = 0; i < length; ++i) {
        // The field holds plain ASCII ("Service Pack 3", " A "); anything
        // else would be no letter of a release.
        auto c = static_cast<unsigned>(text[i]);
        out += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
    }
    return out;
}

// A version record of either width (GetVersionExA's or RtlGetVersion's) as
// the platform tells it.
template <class Record>
VersionInfo versionOf(const Record& info) {
    return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber,
            servicePackOf(info.szCSDVersion)};
}

// A file handle, closed when it goes; close() tells whether closing
// succeeded, which is when the last of the data is known to be written.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        if (!valid()) return false;
        bool closed = CloseHandle(handle_) != FALSE;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

// The size of an open file; none where the system cannot tell it.
std::optional<std::uint64_t> fileSize(HANDLE file) {
    DWORD high = 0;
    SetLastError(NO_ERROR);
    DWORD low = GetFileSize(file, &high);
    if (low == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return std::nullopt;
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

// Moves an open file's pointer to a place from its start; false where the
// system refused.
bool seekTo(HANDLE file, std::uint64_t at) {
    LONG high = static_cast<LONG>(at >> 32);
    SetLastError(NO_ERROR);
    DWORD low = SetFilePointer(file, static_cast<LONG>(at & 0xFFFFFFFFu), &high, FILE_BEGIN);
    return low != INVALID_SET_FILE_POINTER || GetLastError() == NO_ERROR;
}

// A file made to be renamed into place, deleted unless it was.
class TemporaryFile {
public:
    explicit TemporaryFile(const char* path) : path_(path) {}
    ~TemporaryFile() {
        if (!placed_) DeleteFileA(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const char* path() const { return path_.c_str(); }
    void placed() { placed_ = true; }

private:
    std::string path_;
    bool placed_ = false;
};

bool writeWhole(HANDLE file, const std::string& contents) {
    std::size_t written = 0;
    while (written < contents.size()) {
        std::size_t left = contents.size() - written;
        DWORD chunk = left < (DWORD{1} << 20) ? static_cast<DWORD>(left) : DWORD{1} << 20;
        DWORD done = 0;
        if (!WriteFile(file, contents.data() + written, chunk, &done, nullptr) || done == 0) return false;
        written += done;
    }
    // A share or a full disk may refuse the data only now.
    return FlushFileBuffers(file) != FALSE;
}

}  // namespace

Win32Platform::Win32Platform() {
    diskFreeSpaceEx_ = bind<DiskFreeSpaceEx>("kernel32.dll", "GetDiskFreeSpaceExA");
    memoryStatusEx_ = bind<MemoryStatusExFunction>("kernel32.dll", "GlobalMemoryStatusEx");
    isWow64Process_ = bind<IsWow64ProcessFunction>("kernel32.dll", "IsWow64Process");
    rtlGetVersion_ = bind<RtlGetVersionFunction>("ntdll.dll", "RtlGetVersion");
    const PlatformProfile profile = profileOf(queryPlatformKind(*this));
    if (profile.kind == PlatformKind::WindowsNt)
        moveFileEx_ = bind<MoveFileExFunction>("kernel32.dll", "MoveFileExA");
    bind16BitServices(profile);
}

// A 64-bit program cannot reach 16-bit code on any Windows.
void Win32Platform::bind16BitServices([[maybe_unused]] const PlatformProfile& profile) {
#if defined(__i386__)
    // Only Windows 9x has the 16-bit USER library to ask; Wine in an NT mode
    // resolves the services too, so the platform kind decides, not the binding.
    if (!profile.has16BitServices) return;
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    auto load = reinterpret_cast<LoadLibrary16Function>(reinterpret_cast<void*>(win32::exportByOrdinal(kernel, 35)));
    auto release = reinterpret_cast<FreeLibrary16Function>(reinterpret_cast<void*>(win32::exportByOrdinal(kernel, 36)));
    auto find = reinterpret_cast<GetProcAddress16Function>(reinterpret_cast<void*>(win32::exportByOrdinal(kernel, 37)));
    if (load == nullptr || release == nullptr || find == nullptr) return;
    bool underWine = bind<FARPROC>("ntdll.dll", "wine_get_version") != nullptr;
    if (underWine) {
        wowCallback16Ex_ =
            reinterpret_cast<WowCallback16ExFunction>(reinterpret_cast<void*>(win32::exportByOrdinal(kernel, 55)));
        if (wowCallback16Ex_ == nullptr) return;
    } else {
        qtThunk_ = GetProcAddress(kernel, "QT_Thunk");
        if (qtThunk_ == nullptr) return;
    }
    loadLibrary16_ = load;
    freeLibrary16_ = release;
    getProcAddress16_ = find;
#endif
}

bool Win32Platform::getVersion(VersionInfo& version) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;  // 148: the record's full size
    if (!GetVersionExA(&info)) return false;
    version = versionOf(info);
    return true;
}

bool Win32Platform::getKernelVersion(VersionInfo& version) {
    if (rtlGetVersion_ == nullptr) return false;
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (rtlGetVersion_(&info) != 0) return false;  // an NTSTATUS; 0 is success
    version = versionOf(info);
    return true;
}

bool Win32Platform::getComputerName(char* buffer, std::uint32_t& size) {
    DWORD length = size;
    BOOL ok = GetComputerNameA(buffer, &length);
    size = length;
    return ok != FALSE;
}

bool Win32Platform::setComputerName(const char* name) {
    return SetComputerNameA(name) != FALSE;
}

bool Win32Platform::isWow64() {
    BOOL wow64 = FALSE;
    return isWow64Process_ != nullptr && isWow64Process_(GetCurrentProcess(), &wow64) && wow64;
}

ScreenSize Win32Platform::screenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

char Win32Platform::decimalSeparator() {
    char text[8] = {};
    return GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, sizeof text) > 1 ? text[0] : '.';
}

char Win32Platform::thousandsSeparator() {
    char text[8] = {};
    return GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, text, sizeof text) > 1 ? text[0] : ',';
}

LocalTime Win32Platform::localTime() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

void Win32Platform::globalMemoryStatus(MemoryStatus& status) {
    MEMORYSTATUS record{};
    record.dwLength = sizeof record;  // 32
    GlobalMemoryStatus(&record);
    status.length = record.dwLength;
    status.memoryLoad = record.dwMemoryLoad;
    status.totalPhys = static_cast<std::uint32_t>(record.dwTotalPhys);
    status.availPhys = static_cast<std::uint32_t>(record.dwAvailPhys);
    status.totalPageFile = static_cast<std::uint32_t>(record.dwTotalPageFile);
    status.availPageFile = static_cast<std::uint32_t>(record.dwAvailPageFile);
    status.totalVirtual = static_cast<std::uint32_t>(record.dwTotalVirtual);
    status.availVirtual = static_cast<std::uint32_t>(record.dwAvailVirtual);
}

bool Win32Platform::globalMemoryStatusEx(MemoryStatusEx& status) {
    if (memoryStatusEx_ == nullptr) return false;
    MEMORYSTATUSEX record{};
    record.dwLength = sizeof record;
    if (!memoryStatusEx_(&record)) return false;
    status.totalPhys = record.ullTotalPhys;
    status.availPhys = record.ullAvailPhys;
    return true;
}

bool Win32Platform::getVolumeInformation(const std::string& rootPath, VolumeInfo& volume) {
    char volumeName[256] = {};
    char fileSystemName[256] = {};
    DWORD serial = 0, longestComponent = 0, flags = 0;
    if (!GetVolumeInformationA(rootPath.c_str(), volumeName, 255, &serial, &longestComponent, &flags, fileSystemName,
                               255))
        return false;
    // The last byte of each buffer stays zero.
    volume.serial = serial;
    volume.fileSystem = fileSystemName;
    volume.label = volumeName;
    return true;
}

DriveType Win32Platform::driveType(const std::string& rootPath) {
    switch (GetDriveTypeA(rootPath.c_str())) {
        case DRIVE_NO_ROOT_DIR: return DriveType::NoRoot;
        case DRIVE_REMOVABLE: return DriveType::Removable;
        case DRIVE_FIXED: return DriveType::Fixed;
        case DRIVE_REMOTE: return DriveType::Remote;
        case DRIVE_CDROM: return DriveType::CdRom;
        case DRIVE_RAMDISK: return DriveType::RamDisk;
        default: return DriveType::Unknown;
    }
}

std::string Win32Platform::currentDirectory() {
    char path[MAX_PATH + 1] = {};
    DWORD length = GetCurrentDirectoryA(sizeof path, path);
    if (length == 0 || length >= sizeof path) return {};
    return std::string(path, length);
}

std::int64_t Win32Platform::diskBytes(int driveNumber, bool whole) {
    std::string root = driveRoot(driveNumber);
    const char* path = root.empty() ? nullptr : root.c_str();
    if (diskFreeSpaceEx_ != nullptr) {
        ULARGE_INTEGER available, total, totalFree;
        if (!diskFreeSpaceEx_(path, &available, &total, &totalFree)) return -1;
        return static_cast<std::int64_t>(whole ? total.QuadPart : available.QuadPart);
    }
    DWORD sectorsPerCluster, bytesPerSector, freeClusters, totalClusters;
    if (!GetDiskFreeSpaceA(path, &sectorsPerCluster, &bytesPerSector, &freeClusters, &totalClusters)) return -1;
    return static_cast<std::int64_t>(sectorsPerCluster) * bytesPerSector * (whole ? totalClusters : freeClusters);
}

std::int64_t Win32Platform::diskSize(int driveNumber) {
    return diskBytes(driveNumber, true);
}

std::int64_t Win32Platform::diskFree(int driveNumber) {
    return diskBytes(driveNumber, false);
}

std::uint32_t Win32Platform::logicalDrives() {
    return GetLogicalDrives();
}

// The mode is the process's: everything else it holds stays as it was.
std::uint32_t Win32Platform::suppressDrivePrompts() {
    constexpr UINT kQuiet = SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX;
    UINT previous = SetErrorMode(kQuiet);
    SetErrorMode(previous | kQuiet);
    return previous;
}

void Win32Platform::restoreDrivePrompts(std::uint32_t previous) {
    SetErrorMode(previous);
}

std::uint32_t Win32Platform::tickCount() {
    return GetTickCount();
}

bool Win32Platform::hasTimeStampCounter() {
    static const bool has = cpuHasTimeStampCounter();
    return has;
}

std::uint64_t Win32Platform::readTimeStampCounter() {
#if defined(__i386__) || defined(__x86_64__)
    // EDX:EAX in both widths ("=A" would mean RAX or RDX alone on x86-64).
    std::uint32_t low, high;
    __asm__ __volatile__("rdtsc" : "=a"(low), "=d"(high));
    return static_cast<std::uint64_t>(high) << 32 | low;
#else
    return 0;
#endif
}

// Windows 95 has both calls already (a single processor there, mask 1).
bool Win32Platform::pinThreadToOneProcessor(std::uintptr_t& previous) {
    DWORD_PTR process = 0, system = 0;
    if (!GetProcessAffinityMask(GetCurrentProcess(), &process, &system) || process == 0) return false;
    DWORD_PTR lowest = process & (~process + 1);
    DWORD_PTR before = SetThreadAffinityMask(GetCurrentThread(), lowest);
    if (before == 0) return false;
    previous = before;
    return true;
}

void Win32Platform::restoreThreadProcessors(std::uintptr_t previous) {
    SetThreadAffinityMask(GetCurrentThread(), static_cast<DWORD_PTR>(previous));
}

void Win32Platform::beep() {
    MessageBeep(0);
}

long Win32Platform::regOpenKey(RegKey root, const std::string& subKey, std::uint32_t access, RegKey& key) {
    HKEY opened = nullptr;
    LONG result = access == 0 ? RegOpenKeyA(toHkey(root), subKey.c_str(), &opened)
                              : RegOpenKeyExA(toHkey(root), subKey.c_str(), 0, access, &opened);
    key = result == ERROR_SUCCESS ? reinterpret_cast<RegKey>(opened) : 0;
    return result;
}

long Win32Platform::regCreateKey(RegKey root, const std::string& subKey, std::uint32_t access, RegKey& key) {
    HKEY created = nullptr;
    LONG result;
    if (access == 0) {
        result = RegCreateKeyA(toHkey(root), subKey.c_str(), &created);
    } else {
        DWORD disposition = 0;
        result = RegCreateKeyExA(toHkey(root), subKey.c_str(), 0, nullptr, 0, access, nullptr, &created,
                                 &disposition);
    }
    key = result == ERROR_SUCCESS ? reinterpret_cast<RegKey>(created) : 0;
    return result;
}

long Win32Platform::regQueryValue(RegKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                                  std::uint32_t* size) {
    DWORD valueType = 0;
    DWORD valueSize = size ? *size : 0;
    LONG result = RegQueryValueExA(toHkey(key), name.c_str(), nullptr, &valueType, data, size ? &valueSize : nullptr);
    if (type) *type = valueType;
    if (size) *size = valueSize;
    return result;
}

long Win32Platform::regSetValue(RegKey key, const std::string& name, std::uint32_t type, const std::uint8_t* data,
                                std::uint32_t size) {
    return RegSetValueExA(toHkey(key), name.c_str(), 0, type, data, size);
}

long Win32Platform::regEnumValueName(RegKey key, std::uint32_t index, std::string& name) {
    // Value names are at most 255 characters on Windows 9x, 16383 on NT.
    std::vector<char> buffer(16384);
    DWORD length = static_cast<DWORD>(buffer.size());
    LONG result = RegEnumValueA(toHkey(key), index, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
    if (result == ERROR_SUCCESS) name.assign(buffer.data(), length < buffer.size() ? length : buffer.size() - 1);
    return result;
}

long Win32Platform::regCloseKey(RegKey key) {
    return RegCloseKey(toHkey(key));
}

bool Win32Platform::has16BitServices() {
    return loadLibrary16_ != nullptr;
}

std::uint16_t Win32Platform::loadLibrary16(const char* name) {
    if (loadLibrary16_ == nullptr) return 2;  // "file not found": below 32, no handle
    return loadLibrary16_(name);
}

std::uint32_t Win32Platform::getProcAddress16(std::uint16_t module, const char* name) {
    return getProcAddress16_ != nullptr ? getProcAddress16_(module, name) : 0;
}

void Win32Platform::freeLibrary16(std::uint16_t module) {
    if (freeLibrary16_ != nullptr) freeLibrary16_(module);
}

std::uint16_t Win32Platform::callProc16(std::uint32_t procedure, std::uint16_t argument) {
    if (procedure == 0) return 0;
    if (wowCallback16Ex_ != nullptr) {
        // The argument as it lies on the 16-bit stack; 0 is the PASCAL convention.
        WORD arguments[1] = {argument};
        DWORD result = 0;
        if (!wowCallback16Ex_(procedure, 0, sizeof arguments, arguments, &result)) return 0;
        return LOWORD(result);
    }
#if defined(__i386__)
    if (qtThunk_ != nullptr) return win32::callThroughQtThunk(qtThunk_, procedure, argument);
#endif
    return 0;
}

std::size_t Win32Platform::readPhysicalLowMemory(std::uint32_t address, std::uint8_t* out, std::size_t size) {
    std::size_t copied = 0;
    while (copied < size) {
        // One page at a time, so that a readable start is kept when a later page is not.
        std::uintptr_t at = address + copied;
        std::size_t chunk = 4096 - (at % 4096);
        if (chunk > size - copied) chunk = size - copied;
        const void* source = reinterpret_cast<const void*>(at);
        // Not VirtualQuery alone: Wine commits its copy of the first
        // megabyte only when it is first touched, and reports it as
        // inaccessible until then.
        if (isGuardPage(source) || IsBadReadPtr(source, chunk)) break;
        CopyMemory(out + copied, source, chunk);
        copied += chunk;
    }
    return copied;
}

bool Win32Platform::enumDisplaySettings(std::uint32_t index, DisplayMode& mode) {
    DEVMODEA record;
    static_assert(sizeof record == 156, "the mode record is passed whole");
    ZeroMemory(&record, sizeof record);
    record.dmSize = sizeof record;
    record.dmDriverExtra = 0;
    if (!EnumDisplaySettingsA(nullptr, index, &record)) return false;
    mode.width = record.dmPelsWidth;
    mode.height = record.dmPelsHeight;
    mode.bitsPerPixel = record.dmBitsPerPel;
    return true;
}

std::optional<DisplayMode> Win32Platform::currentDisplayMode() {
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) return std::nullopt;
    DisplayMode mode;
    mode.width = static_cast<std::uint32_t>(GetDeviceCaps(screen, HORZRES));
    mode.height = static_cast<std::uint32_t>(GetDeviceCaps(screen, VERTRES));
    mode.bitsPerPixel = static_cast<std::uint32_t>(GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES));
    ReleaseDC(nullptr, screen);
    return mode;
}

std::string Win32Platform::moduleFileName() {
    std::vector<char> buffer(MAX_PATH + 1);
    for (;;) {
        DWORD length = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return std::string(buffer.data(), length);
        if (buffer.size() >= 32768) return {};
        buffer.resize(buffer.size() * 2);  // the path was cut short
    }
}

bool Win32Platform::isLeadByte(std::uint8_t byte) {
    return IsDBCSLeadByte(byte) != FALSE;
}

unsigned Win32Platform::ansiCodePage() {
    return GetACP();
}

bool Win32Platform::createDirectory(const std::string& path) {
    SECURITY_ATTRIBUTES security{};
    security.nLength = sizeof security;  // 12
    security.lpSecurityDescriptor = nullptr;
    security.bInheritHandle = FALSE;
    return CreateDirectoryA(path.c_str(), &security) != FALSE;
}

// Written whole into a new file beside the old one, which is then put in its
// place: a write that fails (a full disk, a share gone) leaves the old file.
long Win32Platform::replaceFile(const std::string& path, const std::string& contents) {
    // Windows 9x deletes a read-only file on the way, the NT family replaces
    // it: neither may happen to a file someone marked so.
    if (long refused = refusedTarget(path)) return refused;
    std::string directory = directoryOf(path, *this);
    char made[MAX_PATH + 1] = {};
    if (GetTempFileNameA(directory.empty() ? "." : directory.c_str(), "vel", 0, made) == 0)
        return static_cast<long>(GetLastError());
    TemporaryFile temporary(made);
    FileHandle file(CreateFileA(temporary.path(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
    if (!file.valid() || !writeWhole(file.get(), contents)) return static_cast<long>(GetLastError());
    if (!file.close()) return static_cast<long>(GetLastError());
    if (moveFileEx_ != nullptr) {
        if (!moveFileEx_(temporary.path(), path.c_str(), MOVEFILE_REPLACE_EXISTING))
            return static_cast<long>(GetLastError());
    } else {
        // Windows 9x renames only onto no file: the old one goes first.
        if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES && !DeleteFileA(path.c_str()))
            return static_cast<long>(GetLastError());
        if (!MoveFileA(temporary.path(), path.c_str())) return static_cast<long>(GetLastError());
    }
    temporary.placed();
    return kSuccess;
}

// A read-only file or a folder where a file is to go.
long Win32Platform::refusedTarget(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return kSuccess;
    return (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) ? kAccessDenied : kSuccess;
}

long Win32Platform::checkWritable(const std::string& path) {
    if (long refused = refusedTarget(path)) return refused;
    std::string directory = directoryOf(path, *this);
    // A file made and removed at once: the folder takes new files (a share
    // may let its folder be listed, yet take nothing).
    char made[MAX_PATH + 1] = {};
    if (GetTempFileNameA(directory.empty() ? "." : directory.c_str(), "vel", 0, made) == 0)
        return static_cast<long>(GetLastError());
    DeleteFileA(made);
    return kSuccess;
}

bool Win32Platform::isDirectory(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

long Win32Platform::appendAlone(const std::string& path, const std::function<std::string(const AppendTarget&)>& bytesFor) {
    if (long refused = refusedTarget(path)) return refused;
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return static_cast<long>(GetLastError());
    const bool madeNow = GetLastError() != ERROR_ALREADY_EXISTS;
    const std::optional<std::uint64_t> size = fileSize(file.get());
    // As it was: the row taken back, or the file that was not there gone.
    auto failed = [&](long failure) {
        if (size && file.valid() && seekTo(file.get(), *size)) SetEndOfFile(file.get());
        file.close();
        if (madeNow) DeleteFileA(path.c_str());
        return failure != kSuccess ? failure : kAccessDenied;
    };
    if (!size) return failed(static_cast<long>(GetLastError()));
    AppendTarget target;
    target.size = *size;
    if (target.size > 0) {
        // Read, never guessed: a wrong answer would run the row into the last line.
        char last = 0;
        DWORD read = 0;
        if (!seekTo(file.get(), target.size - 1) || !ReadFile(file.get(), &last, 1, &read, nullptr) || read != 1)
            return failed(static_cast<long>(GetLastError()));
        target.endsWithLine = last == '\n';
    }
    std::string bytes = bytesFor(target);
    DWORD written = 0;
    bool whole = seekTo(file.get(), target.size) &&
                 WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                 written == bytes.size() && FlushFileBuffers(file.get());
    if (whole && file.close()) return kSuccess;
    return failed(static_cast<long>(GetLastError()));
}

std::string Win32Platform::errorText(long code) {
    char text[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                  static_cast<DWORD>(code), 0, text, sizeof text - 1, nullptr);
    std::string out(text, length < sizeof text ? length : 0);
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r' || out.back() == ' ')) out.pop_back();
    return out;
}

void Win32Platform::sleep(std::uint32_t milliseconds) {
    Sleep(milliseconds);
}

std::uint32_t Win32Platform::processId() {
    return GetCurrentProcessId();
}

}  // namespace platform
