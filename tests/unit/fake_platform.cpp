// The fake machine.
#include "fake_platform.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace fake {
namespace {

std::string lowered(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

bool sameName(const std::string& a, const std::string& b) {
    return lowered(a) == lowered(b);
}

}  // namespace

// ----- registry -----

std::string Registry::lower(std::string text) {
    return lowered(std::move(text));
}

std::string Registry::canonical(platform::RegKey root, const std::string& path) {
    std::string out = root == platform::kLocalMachine ? "hklm" : root == platform::kDynData ? "hkdd" : "?";
    std::string part;
    for (char c : path + "\\") {
        if (c == '\\') {
            if (!part.empty()) out += "\\" + lower(part);
            part.clear();
        } else {
            part += c;
        }
    }
    return out;
}

void Registry::createKey(platform::RegKey root, const std::string& path) {
    std::string key = canonical(root, path);
    for (std::size_t at = key.find('\\'); at != std::string::npos; at = key.find('\\', at + 1))
        keys_[key.substr(0, at)];
    keys_[key];
}

void Registry::removeKey(platform::RegKey root, const std::string& path) {
    std::string key = canonical(root, path);
    for (auto it = keys_.begin(); it != keys_.end();) {
        if (it->first == key || it->first.rfind(key + "\\", 0) == 0)
            it = keys_.erase(it);
        else
            ++it;
    }
}

void Registry::set(platform::RegKey root, const std::string& path, const std::string& name, std::uint32_t type,
                   std::vector<std::uint8_t> data) {
    createKey(root, path);
    Key& key = keys_[canonical(root, path)];
    for (RegValue& value : key.values) {
        if (sameName(value.name, name)) {
            value.type = type;
            value.data = std::move(data);
            return;
        }
    }
    key.values.push_back({name, type, std::move(data)});
}

void Registry::setString(platform::RegKey root, const std::string& path, const std::string& name,
                         const std::string& text) {
    set(root, path, name, platform::kRegSz, bytes(text));
}

const RegValue* Registry::find(platform::RegKey root, const std::string& path, const std::string& name) const {
    auto key = keys_.find(canonical(root, path));
    if (key == keys_.end()) return nullptr;
    for (const RegValue& value : key->second.values) {
        if (sameName(value.name, name)) return &value;
    }
    return nullptr;
}

bool Registry::hasKey(platform::RegKey root, const std::string& path) const {
    return keys_.count(canonical(root, path)) != 0;
}

long Registry::open(platform::RegKey root, const std::string& path, bool create, platform::RegKey& key,
                    std::uint32_t access) {
    key = 0;
    // A path from the root must not begin with a backslash: the system refuses it.
    if (!path.empty() && path[0] == '\\') return 161;  // ERROR_BAD_PATHNAME
    std::string name;
    if (root == platform::kLocalMachine || root == platform::kDynData) {
        name = canonical(root, path);
    } else {
        auto base = handles_.find(root);  // a path below a key opened before
        if (base == handles_.end()) return 6;  // ERROR_INVALID_HANDLE
        std::string below = canonical(platform::kLocalMachine, path).substr(4);
        name = base->second + below;
    }
    if (deniedKeys.count(name) || (create && uncreatableKeys.count(name))) return 5;  // ERROR_ACCESS_DENIED
    constexpr std::uint32_t kReadRights = platform::kKeyRead | 0x0300u;  // and either view flag
    if (readOnlyKeys.count(name) && (access & ~kReadRights) != 0) return 5;
    if (keys_.count(name) == 0) {
        if (!create) return platform::kFileNotFound;
        createKey(root, path);
    }
    key = nextHandle_++;
    handles_[key] = name;
    return platform::kSuccess;
}

Registry::Key* Registry::keyOf(platform::RegKey handle) {
    auto open = handles_.find(handle);
    if (open == handles_.end()) return nullptr;
    auto key = keys_.find(open->second);
    return key == keys_.end() ? nullptr : &key->second;
}

long Registry::query(platform::RegKey handle, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                     std::uint32_t* size) {
    Key* key = keyOf(handle);
    if (key == nullptr) return 6;
    for (const RegValue& value : key->values) {
        if (!sameName(value.name, name)) continue;
        reads.push_back(handles_[handle] + "\\" + name);
        if (type) *type = value.type;
        auto length = static_cast<std::uint32_t>(value.data.size());
        if (data != nullptr) {
            if (size == nullptr) return 87;  // ERROR_INVALID_PARAMETER
            if (*size < length) {
                // What a too-small buffer holds afterwards is undefined.
                std::memset(data, 0xCD, *size);
                *size = length;
                return platform::kMoreData;
            }
            std::copy(value.data.begin(), value.data.end(), data);
        }
        if (size) *size = length;
        return platform::kSuccess;
    }
    return platform::kFileNotFound;
}

long Registry::setValue(platform::RegKey handle, const std::string& name, std::uint32_t type,
                        const std::uint8_t* data, std::uint32_t size) {
    Key* key = keyOf(handle);
    if (key == nullptr) return 6;
    if (refusedWrites.count(handles_[handle] + "\\" + lower(name))) return 5;
    writes.push_back(handles_[handle] + "\\" + name);
    std::vector<std::uint8_t> copy(data, data + size);
    for (RegValue& value : key->values) {
        if (sameName(value.name, name)) {
            value.type = type;
            value.data = std::move(copy);
            return platform::kSuccess;
        }
    }
    key->values.push_back({name, type, std::move(copy)});
    return platform::kSuccess;
}

long Registry::enumValueName(platform::RegKey handle, std::uint32_t index, std::string& name) {
    Key* key = keyOf(handle);
    if (key == nullptr) return 6;
    if (index >= key->values.size()) return platform::kNoMoreItems;
    name = key->values[index].name;
    return platform::kSuccess;
}

long Registry::close(platform::RegKey handle) {
    return handles_.erase(handle) ? static_cast<long>(platform::kSuccess) : 6L;
}

// ----- clock -----

std::uint32_t Clock::tick() {
    nowMs += callCostMs;
    double ticks = std::floor(nowMs / tickPeriodMs);
    auto elapsed = static_cast<std::uint64_t>(std::llround(ticks * tickPeriodMs));
    return static_cast<std::uint32_t>(tickBase + elapsed);
}

std::uint64_t Clock::counter() {
    nowMs += callCostMs;
    return counterBase + static_cast<std::uint64_t>(std::llround(nowMs * cpuHz / 1000.0));
}

// ----- platform -----

Platform::Platform() {
    memory.length = 32;
}

bool Platform::getVersion(platform::VersionInfo& out) {
    if (!version) return false;
    out = *version;
    return true;
}

bool Platform::getKernelVersion(platform::VersionInfo& out) {
    if (!kernelVersion) return false;
    out = *kernelVersion;
    return true;
}

bool Platform::getComputerName(char* buffer, std::uint32_t& size) {
    calls.push_back("computer name");
    if (!computerName || computerName->size() + 1 > size) {
        if (computerName) size = static_cast<std::uint32_t>(computerName->size() + 1);
        return false;
    }
    std::memcpy(buffer, computerName->c_str(), computerName->size() + 1);
    size = static_cast<std::uint32_t>(computerName->size());
    return true;
}

bool Platform::setComputerName(const char* name) {
    computerNamesSet.push_back(name);
    // The system keeps the name for its next start where it can be read back.
    if (computerNameAccepted)
        registry.setString(platform::kLocalMachine, "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName",
                           "ComputerName", keepsComputerNameAs(name));
    return computerNameAccepted;
}

void Platform::globalMemoryStatus(platform::MemoryStatus& status) {
    calls.push_back("memory");
    ++memoryQueries;
    status = memory;
}

bool Platform::globalMemoryStatusEx(platform::MemoryStatusEx& status) {
    calls.push_back("memory");
    ++memoryQueries;
    if (!memoryEx) return false;
    status = *memoryEx;
    return true;
}

bool Platform::getVolumeInformation(const std::string& rootPath, platform::VolumeInfo& volume) {
    volumeQueries.push_back(rootPath);
    if (quietDrives == 0) promptingQueries.push_back(rootPath);
    auto found = volumes.find(lowered(rootPath));
    if (found == volumes.end()) return false;
    volume = found->second;
    return true;
}

platform::DriveType Platform::driveType(const std::string& rootPath) {
    std::string root = lowered(rootPath);
    if (root.size() != 3 || root.compare(1, 2, ":\\") != 0) return platform::DriveType::NoRoot;
    char letter = root[0];
    if (letter < 'a' || letter > 'z' || !(drives & (1u << (letter - 'a')))) return platform::DriveType::NoRoot;
    auto type = driveTypes.find(letter);
    return type == driveTypes.end() ? platform::DriveType::Fixed : type->second;
}

std::int64_t Platform::diskSize(int driveNumber) {
    diskQueries.push_back(driveNumber);
    if (quietDrives == 0) promptingQueries.push_back("size " + std::to_string(driveNumber));
    auto disk = disks.find(driveNumber);
    return disk == disks.end() ? -1 : disk->second.size;
}

std::int64_t Platform::diskFree(int driveNumber) {
    diskQueries.push_back(driveNumber);
    if (quietDrives == 0) promptingQueries.push_back("free " + std::to_string(driveNumber));
    auto disk = disks.find(driveNumber);
    return disk == disks.end() ? -1 : disk->second.free;
}

std::uint64_t Platform::readTimeStampCounter() {
    ++counterReads;
    counterReadMasks.push_back(threadMask);
    return clock.counter();
}

bool Platform::pinThreadToOneProcessor(std::uintptr_t& previous) {
    if (!threadPinning) return false;
    previous = threadMask;
    threadMask &= ~threadMask + 1;  // the lowest processor it may run on
    return true;
}

void Platform::restoreThreadProcessors(std::uintptr_t previous) {
    ++restores;
    threadMask = previous;
}

std::string Platform::viewOf(platform::RegKey root, const std::string& path, std::uint32_t access) const {
    // Under WOW64 a 32-bit program's HKLM\SOFTWARE is the Wow6432Node below it,
    // unless the 64-bit view is asked for.
    std::string lowerPath = lowered(path);
    if (!wow64 || root != platform::kLocalMachine || (access & platform::kKeyWow64View64) ||
        lowerPath.rfind("software\\", 0) != 0)
        return path;
    return path.substr(0, 9) + "Wow6432Node\\" + path.substr(9);
}

long Platform::regOpenKey(platform::RegKey root, const std::string& subKey, std::uint32_t access,
                          platform::RegKey& key) {
    calls.push_back("open " + subKey);
    return registry.open(root, viewOf(root, subKey, access), false, key, access);
}

long Platform::regCreateKey(platform::RegKey root, const std::string& subKey, std::uint32_t access,
                            platform::RegKey& key) {
    calls.push_back("create " + subKey);
    return registry.open(root, viewOf(root, subKey, access), true, key, access);
}

long Platform::regQueryValue(platform::RegKey key, const std::string& name, std::uint32_t* type,
                             std::uint8_t* data, std::uint32_t* size) {
    return registry.query(key, name, type, data, size);
}

long Platform::regSetValue(platform::RegKey key, const std::string& name, std::uint32_t type,
                           const std::uint8_t* data, std::uint32_t size) {
    return registry.setValue(key, name, type, data, size);
}

long Platform::regEnumValueName(platform::RegKey key, std::uint32_t index, std::string& name) {
    return registry.enumValueName(key, index, name);
}

long Platform::regCloseKey(platform::RegKey key) {
    return registry.close(key);
}

std::uint16_t Platform::loadLibrary16(const char* name) {
    calls.push_back("16-bit library");
    calls16.push_back(std::string("load ") + name);
    return library16Handle;
}

std::uint32_t Platform::getProcAddress16(std::uint16_t, const char* name) {
    calls16.push_back(std::string("proc ") + name);
    return std::string(name) == "GetFreeSystemResources" ? freeResourcesProc : 0;
}

void Platform::freeLibrary16(std::uint16_t module) {
    calls16.push_back("free " + std::to_string(module));
}

std::uint16_t Platform::callProc16(std::uint32_t, std::uint16_t argument) {
    calls16.push_back("call " + std::to_string(argument));
    return argument < freeResources.size() ? freeResources[argument] : 0;
}

std::size_t Platform::readPhysicalLowMemory(std::uint32_t address, std::uint8_t* out, std::size_t size) {
    calls.push_back("rom");
    std::size_t copied = 0;
    while (copied < size) {
        std::uint32_t at = address + static_cast<std::uint32_t>(copied);
        bool found = false;
        for (const auto& [start, block] : lowMemory) {
            if (at >= start && at < start + block.size()) {
                out[copied++] = block[at - start];
                found = true;
                break;
            }
        }
        if (!found) break;
    }
    return copied;
}

bool Platform::enumDisplaySettings(std::uint32_t index, platform::DisplayMode& mode) {
    calls.push_back("display modes");
    ++displayModeQueries;
    if (endlessDisplayModes) {
        mode = {640 + index % 1024, 480, 8 + index % 25};
        return true;
    }
    if (index >= displayModes.size()) return false;
    mode = displayModes[index];
    return true;
}

bool Platform::isLeadByte(std::uint8_t byte) {
    if (codePage != 932) return false;
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool Platform::createDirectory(const std::string& path) {
    calls.push_back("directory");
    directoriesCreated.push_back(path);
    return directoryCreatable;
}

long Platform::refusal(const std::string& path) const {
    if (unwritablePaths.count(path) || directories.count(path)) return platform::kAccessDenied;
    std::size_t slash = path.find_last_of("\\/");
    if (slash != std::string::npos && missingFolders.count(path.substr(0, slash + 1))) return platform::kPathNotFound;
    return platform::kSuccess;
}

long Platform::checkWritable(const std::string& path) {
    calls.push_back("check");
    return refusal(path);
}

bool Platform::isDirectory(const std::string& path) {
    std::string bare = path;
    while (!bare.empty() && (bare.back() == '\\' || bare.back() == '/')) bare.pop_back();
    return directories.count(bare) != 0;
}

long Platform::replaceFile(const std::string& path, const std::string& contents) {
    calls.push_back("file");
    fileWrites.push_back(path);
    if (long refused = refusal(path)) return refused;
    files[path] = contents;
    return platform::kSuccess;
}

long Platform::appendAlone(const std::string& path, const std::function<std::string(const AppendTarget&)>& bytesFor) {
    if (long refused = refusal(path)) return refused;
    if (busyAttempts > 0) {
        --busyAttempts;
        return platform::kSharingViolation;
    }
    std::string& file = files[path];
    AppendTarget target{file.size(), file.empty() || file.back() == '\n'};
    file += bytesFor(target);
    fileWrites.push_back(path);
    return platform::kSuccess;
}

void Platform::sleep(std::uint32_t milliseconds) {
    sleeps.push_back(milliseconds);
    clock.nowMs += milliseconds;
}

void makeWindows98(Platform& platform) {
    platform.version = platform::VersionInfo{1, 4, 10, 2222, " A "};
    platform.clock.tickPeriodMs = 55.0;
}

void makeWindowsXp(Platform& platform) {
    platform.version = platform::VersionInfo{2, 5, 1, 2600, "Service Pack 3"};
    platform.clock.tickPeriodMs = 15.625;
}

std::vector<std::uint8_t> bytes(const std::string& text, bool terminated) {
    std::vector<std::uint8_t> out(text.begin(), text.end());
    if (terminated) out.push_back(0);
    return out;
}

}  // namespace fake
