// The directory part of a path.
#include "platform/paths.h"

#include <cstdint>

namespace platform {

std::string directoryOf(const std::string& path, Platform& platform) {
    std::size_t end = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        auto byte = static_cast<std::uint8_t>(path[i]);
        if (platform.isLeadByte(byte) && i + 1 < path.size()) {
            ++i;
            continue;
        }
        if (byte == '\\' || byte == '/' || byte == ':') end = i + 1;
    }
    return path.substr(0, end);
}

}  // namespace platform
