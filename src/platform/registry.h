// The registry as the pages use it: one key owner that closes on every path,
// with reads that say their contract in their names and results. Nothing here
// reports an error to anyone: a read that cannot give its value gives none,
// and the page decides what it shows then.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace registry {

class Key {
public:
    Key() = default;
    ~Key() { reset(); }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    Key(Key&& other) noexcept : platform_(other.platform_), handle_(other.handle_) { other.handle_ = 0; }
    Key& operator=(Key&& other) noexcept;

    // Opens an existing key below a root (an access of 0: RegOpenKeyA's own
    // choice). A key that does not open is an empty Key, in which every read
    // finds nothing.
    static Key open(platform::Platform& platform, platform::RegKey root, const std::string& path,
                    std::uint32_t access);
    // Opens the key, creating it and its parents where missing.
    static Key create(platform::Platform& platform, platform::RegKey root, const std::string& path,
                      std::uint32_t access);

    explicit operator bool() const { return handle_ != 0; }

    // The old reads of the user and CPU pages: one read into a buffer of the
    // given size whatever the value's type; the text is the bytes the read
    // returned, up to the first zero byte. A missing value, one larger than
    // the buffer, or an empty key give an empty text.
    std::string readAnyText(const std::string& name, std::size_t bufferSize = 255) const;
    // A string value (REG_SZ or REG_EXPAND_SZ) up to its first zero byte;
    // empty for a missing or empty value; none for a value of another type,
    // or one whose read fails.
    std::optional<std::string> readString(const std::string& name) const;
    // Copies a binary value (any type but a string or a 32-bit number) of at
    // most size bytes and gives its length; 0, nothing copied, for a missing
    // value; none, nothing copied, for a value of those types, one larger
    // than the buffer, or one whose read fails.
    std::optional<std::size_t> readBinary(const std::string& name, void* buffer, std::size_t size) const;
    // The key's value names; none for an empty key.
    std::vector<std::string> valueNames() const;
    // Writes a REG_SZ value: the text and its terminating zero byte. The
    // system's result (kSuccess when written).
    long writeText(const std::string& name, const std::string& text) const;

private:
    void reset();
    Key(platform::Platform& platform, platform::RegKey handle) : platform_(&platform), handle_(handle) {}
    struct Info {
        bool exists = false;
        std::uint32_t type = 0;
        std::uint32_t size = 0;
    };
    Info info(const std::string& name) const;
    bool fetch(const std::string& name, std::uint8_t* buffer, std::uint32_t size) const;

    platform::Platform* platform_ = nullptr;
    platform::RegKey handle_ = 0;
};

}  // namespace registry
