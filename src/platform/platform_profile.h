// Which branch of the program a system takes, Windows 9x or the NT family,
// and everything that follows from it: one value, worked out once, that the
// pages receive instead of asking the system themselves.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/platform.h"

namespace platform {

enum class PlatformKind {
    Windows9x,  // platform ID 1
    WindowsNt,  // platform ID 2
    Other,      // any other ID: neither branch applies
};

PlatformKind kindOf(std::uint32_t platformId);

// The running system's version, from what a compatibility mode does not
// change: the kernel's own version where the system has that call, else the
// version query (Windows 9x has no compatibility modes to see through). None
// when neither answers.
std::optional<VersionInfo> queryVersion(Platform& platform);

// The running system's kind, from its version (queryVersion). A user who
// runs the program in a "Windows 98" mode on the NT family must still get
// the NT registry keys, no ROM reads and no 16-bit services.
std::optional<PlatformKind> queryPlatformKind(Platform& platform);

// Where the BIOS page takes its lines from.
enum class BiosSource {
    None,      // the version could not be learnt: the page keeps its design state
    Rom,       // Windows 9x maps the BIOS ROM area into every process
    Registry,  // the NT family keeps the BIOS identification in the registry
    Hidden,    // any other platform: the page is hidden, tab and all
};

// What the pages do on a platform. Keys are paths below HKEY_LOCAL_MACHINE;
// a null key is one the platform has no known place for, and nothing is
// read from or written to anywhere else then.
struct PlatformProfile {
    std::optional<PlatformKind> kind;
    const char* versionKey = nullptr;          // the registered owner and organisation
    const char* processorNameKey = nullptr;    // the processor's name ...
    const char* processorNameValue = nullptr;  // ... in this value of it
    const char* processorKey = nullptr;        // the processor's vendor
    // Whether the CPU page's load controls show; none leaves them as designed.
    std::optional<bool> showsLoad;
    bool keepsStatistics = false;   // the performance statistics under HKEY_DYN_DATA
    bool has16BitServices = false;  // the 16-bit USER library, reached through the kernel
    BiosSource bios = BiosSource::None;
};

// The profile of a platform kind; none (the version query failed) gives the
// profile that changes nothing.
PlatformProfile profileOf(std::optional<PlatformKind> kind);

}  // namespace platform
