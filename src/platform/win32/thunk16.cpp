// Export look-up by ordinal and the QT_Thunk call.
#include "platform/win32/thunk16.h"

#if defined(__i386__)

namespace platform::win32 {

FARPROC exportByOrdinal(HMODULE module, WORD ordinal) {
    if (module == nullptr) return nullptr;
    const auto* base = reinterpret_cast<const BYTE*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE) return nullptr;
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS32*>(base + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE) return nullptr;
    const IMAGE_OPTIONAL_HEADER32& optional = nt->OptionalHeader;
    if (optional.NumberOfRvaAndSizes <= IMAGE_DIRECTORY_ENTRY_EXPORT) return nullptr;
    const IMAGE_DATA_DIRECTORY& directory = optional.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (directory.VirtualAddress == 0 || directory.Size < sizeof(IMAGE_EXPORT_DIRECTORY) ||
        directory.VirtualAddress >= optional.SizeOfImage)
        return nullptr;
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
    if (ordinal < exports->Base) return nullptr;
    DWORD index = ordinal - exports->Base;
    if (index >= exports->NumberOfFunctions || exports->AddressOfFunctions >= optional.SizeOfImage) return nullptr;
    DWORD address = reinterpret_cast<const DWORD*>(base + exports->AddressOfFunctions)[index];
    if (address == 0 || address >= optional.SizeOfImage) return nullptr;
    bool forwarded = address >= directory.VirtualAddress && address - directory.VirtualAddress < directory.Size;
    if (forwarded) return GetProcAddress(module, MAKEINTRESOURCEA(ordinal));
    return reinterpret_cast<FARPROC>(reinterpret_cast<UINT_PTR>(base + address));
}

std::uint16_t callThroughQtThunk(FARPROC qtThunk, std::uint32_t target, std::uint16_t argument) {
    std::uint32_t result;
    std::uint32_t spentEcx;
    std::uint32_t spentEdx;
    // QT_Thunk works in its caller's frame: it copies what lies between ESP
    // and 64 bytes below EBP onto the 16-bit stack as the arguments, and uses
    // the 64 bytes below EBP as its own scratch space. So the call gets a
    // frame of its own, with 66 bytes reserved below EBP and the argument
    // pushed after them as one word. EDX holds the 16:16 target. The 16-bit
    // function removes its argument itself and leaves its result in AX;
    // restoring ESP from EBP drops whatever is left either way.
    __asm__ __volatile__(
        "pushl %%ebp\n\t"
        "movl %%esp, %%ebp\n\t"
        "subl $66, %%esp\n\t"
        "pushw %%cx\n\t"
        "call *%%eax\n\t"
        "movzwl %%ax, %%eax\n\t"
        "movl %%ebp, %%esp\n\t"
        "popl %%ebp"
        : "=a"(result), "=c"(spentEcx), "=d"(spentEdx)
        : "0"(qtThunk), "1"(static_cast<std::uint32_t>(argument)), "2"(target)
        : "ebx", "esi", "edi", "memory", "cc");
    return static_cast<std::uint16_t>(result);
}

}  // namespace platform::win32

#endif
