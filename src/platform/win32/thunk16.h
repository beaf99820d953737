// Reaching 16-bit code from a 32-bit program on Windows 9x: the kernel's
// ordinal-only exports and the QT_Thunk call. A 64-bit program has no way
// into 16-bit code, so the x86-64 test build has none of this.
#pragma once

#if defined(__i386__)

#include <windows.h>

#include <cstdint>

namespace platform::win32 {

// The address of a module's export by ordinal, read from the module's export
// table in memory: Windows 9x's GetProcAddress refuses ordinal look-ups into
// KERNEL32 itself. An export forwarded to another module is left to
// GetProcAddress, which follows forwarders (Wine forwards the 16-bit services
// to its 16-bit kernel). Null when the module has no such export.
FARPROC exportByOrdinal(HMODULE module, WORD ordinal);

// Calls the 16-bit PASCAL function at a 16:16 address with one word argument
// through the kernel's QT_Thunk entry and returns the word it leaves in AX.
std::uint16_t callThroughQtThunk(FARPROC qtThunk, std::uint32_t target, std::uint16_t argument);

}  // namespace platform::win32

#endif
