// The program's allocations: operator new and delete on the process heap.
#include <windows.h>

#include <cstdlib>
#include <new>

namespace {

// A request for no bytes still gets a block of its own, as operator new must
// give.
void* tryAllocate(std::size_t size) {
    return HeapAlloc(GetProcessHeap(), 0, size != 0 ? size : 1);
}

// The program has no way to go on without the memory it asks for: built
// without exceptions, it cannot unwind to anyone who could cope, and a null
// pointer handed on would be written through somewhere later. So a failed
// allocation ends the process at once; Windows takes back every handle and
// window it held.
void* allocate(std::size_t size) {
    void* block = tryAllocate(size);
    if (block == nullptr) std::abort();
    return block;
}

void release(void* block) {
    if (block != nullptr) HeapFree(GetProcessHeap(), 0, block);
}

}  // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
// The form that may fail: its callers (the library's temporary buffers, which
// sort in place without one) test for null.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return tryAllocate(size);
}
const std::nothrow_t std::nothrow{};

void operator delete(void* block) noexcept {
    release(block);
}
void operator delete[](void* block) noexcept {
    release(block);
}
void operator delete(void* block, std::size_t) noexcept {
    release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    release(block);
}
