// Whether an address another program hands us is memory of ours that a
// record may be read from or written to. The system passes the pointer of a
// control's own message (a notification's record, a range to fill in)
// between processes as it is: it is only ours to touch if it lies in our own
// committed memory, as the record of one of our own controls, or a buffer a
// tool placed in our process for its answer, does.
#pragma once

#include <windows.h>

#include <cstddef>

namespace ui::win32 {

enum class Access { Read, Write };

bool isOwnMemory(const void* address, std::size_t size, Access access);

// The same for an lParam that is to hold a record of type T.
template <class T>
bool isOwnRecord(LPARAM lParam, Access access) {
    return isOwnMemory(reinterpret_cast<const void*>(lParam), sizeof(T), access);
}

}  // namespace ui::win32
