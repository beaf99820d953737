// Paths as the system spells them, in the system code page.
#pragma once

#include <string>

#include "platform/platform.h"

namespace platform {

// The directory part of a path (up to and including its last backslash,
// slash or colon), read character by character so that a trail byte 0x5C of
// a two-byte character is not taken for a backslash.
std::string directoryOf(const std::string& path, Platform& platform);

}  // namespace platform
