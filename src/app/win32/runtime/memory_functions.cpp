// The C library's memory and string functions that the program and the
// compiler's own code call: memcpy, memmove, memset, memcmp, memchr, strlen.
//
// Built without the compiler's loop-to-call transformation (see
// CMakeLists.txt), which would turn each loop here into a call to itself.
#include <cstddef>

extern "C" {

void* memcpy(void* destination, const void* source, std::size_t count) {
    auto* to = static_cast<unsigned char*>(destination);
    const auto* from = static_cast<const unsigned char*>(source);
    while (count-- != 0) *to++ = *from++;
    return destination;
}

void* memmove(void* destination, const void* source, std::size_t count) {
    auto* to = static_cast<unsigned char*>(destination);
    const auto* from = static_cast<const unsigned char*>(source);
    if (to < from) {
        while (count-- != 0) *to++ = *from++;
    } else {
        // From the end, so that an overlapping source is read before it is written.
        while (count-- != 0) to[count] = from[count];
    }
    return destination;
}

void* memset(void* destination, int value, std::size_t count) {
    auto* to = static_cast<unsigned char*>(destination);
    while (count-- != 0) *to++ = static_cast<unsigned char>(value);
    return destination;
}

int memcmp(const void* first, const void* second, std::size_t count) {
    const auto* a = static_cast<const unsigned char*>(first);
    const auto* b = static_cast<const unsigned char*>(second);
    for (; count != 0; --count, ++a, ++b) {
        if (*a != *b) return *a < *b ? -1 : 1;
    }
    return 0;
}

void* memchr(const void* source, int value, std::size_t count) {
    const auto* from = static_cast<const unsigned char*>(source);
    for (; count != 0; --count, ++from) {
        if (*from == static_cast<unsigned char>(value)) return const_cast<unsigned char*>(from);
    }
    return nullptr;
}

std::size_t strlen(const char* text) {
    const char* end = text;
    while (*end != '\0') ++end;
    return static_cast<std::size_t>(end - text);
}

}  // extern "C"
