// The memory check, one region of the address space at a time.
#include "ui/win32/own_memory.h"

#include <cstdint>

namespace ui::win32 {
namespace {

bool allows(DWORD protection, Access access) {
    if (protection & (PAGE_GUARD | PAGE_NOACCESS)) return false;
    constexpr DWORD kWritable = PAGE_READWRITE | PAGE_WRITECOPY | PAGE_EXECUTE_READWRITE | PAGE_EXECUTE_WRITECOPY;
    constexpr DWORD kReadable = kWritable | PAGE_READONLY | PAGE_EXECUTE_READ;
    return (protection & (access == Access::Write ? kWritable : kReadable)) != 0;
}

}  // namespace

bool isOwnMemory(const void* address, std::size_t size, Access access) {
    auto at = reinterpret_cast<std::uintptr_t>(address);
    if (at == 0 || size == 0 || at + size < at) return false;
    const std::uintptr_t end = at + size;
    while (at < end) {
        MEMORY_BASIC_INFORMATION region{};
        if (VirtualQuery(reinterpret_cast<const void*>(at), &region, sizeof region) != sizeof region) return false;
        if (region.State != MEM_COMMIT || !allows(region.Protect, access)) return false;
        auto regionEnd = reinterpret_cast<std::uintptr_t>(region.BaseAddress) + region.RegionSize;
        if (regionEnd <= at) return false;
        at = regionEnd;
    }
    return true;
}

}  // namespace ui::win32
