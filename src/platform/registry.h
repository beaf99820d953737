// The registry as the pages use it: a key owner that closes on every path, the
// old-style reads of the user page, and an accessor with a current key whose
// reads check type and size and report the program's two registry errors.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"

namespace registry {

// Owns one open key; closes it when it goes.
class Key {
public:
    Key() = default;
    Key(platform::Platform& platform, platform::RegKey handle) : platform_(&platform), handle_(handle) {}
    ~Key() { reset(); }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    Key(Key&& other) noexcept : platform_(other.platform_), handle_(other.handle_) { other.handle_ = 0; }
    Key& operator=(Key&& other) noexcept;

    platform::RegKey get() const { return handle_; }
    explicit operator bool() const { return handle_ != 0; }
    void reset();

    // Opens an existing key (an access of 0: RegOpenKeyA's own choice).
    static Key open(platform::Platform& platform, platform::RegKey root, const std::string& path,
                    std::uint32_t access);
    // Opens the key, creating it and its parents where missing.
    static Key create(platform::Platform& platform, platform::RegKey root, const std::string& path,
                      std::uint32_t access);

private:
    platform::Platform* platform_ = nullptr;
    platform::RegKey handle_ = 0;
};

// One read into a buffer of the given size, whatever the value's type: the
// text is the bytes the read returned, up to the first zero byte. A key that
// is not open, a missing value and a value larger than the buffer give an
// empty text.
std::string readText(platform::Platform& platform, const Key& key, const std::string& name,
                     std::size_t bufferSize = 255);

// Writes a REG_SZ value: the text and its terminating zero byte.
long writeText(platform::Platform& platform, const Key& key, const std::string& name, const std::string& text);

// What a read of the accessor gives: the value, or the message of the error
// that refused it. Callers test it; nothing is thrown.
template <class T>
struct Read {
    T value{};
    std::string error;  // empty when the read succeeded

    bool ok() const { return error.empty(); }
    static Read failure(std::string message) { return {T{}, std::move(message)}; }
};

// A registry object with a root and a current key, whose keys it opens with
// the access rights it is given: reading only wherever nothing is written, so
// that a user without full rights (anyone not an administrator on the NT
// family) reads what there is. A path with a leading backslash is taken from
// the root, any other from the current key where one is open.
class Accessor {
public:
    Accessor(platform::Platform& platform, platform::RegKey root, std::uint32_t access);

    // Opens an existing key and makes it current; a key that does not open
    // leaves the current key as it was.
    bool openKey(const std::string& path);
    bool hasCurrentKey() const { return static_cast<bool>(current_); }

    // The value's text: empty when the value is missing or empty; the text of
    // a REG_SZ or REG_EXPAND_SZ value; the error "'name' のデータ型が不正です"
    // for any other type, "'name' の取得に失敗しました" when the fetch fails.
    Read<std::string> readString(const std::string& name);
    // Copies a value's raw bytes and gives their count: nothing and 0 for a
    // missing value; the type error for a string or 32-bit number, or for data
    // larger than the buffer, and the fetch error when the read fails, with
    // nothing copied.
    Read<std::size_t> readBinaryData(const std::string& name, void* buffer, std::size_t size);
    // The value names of the current key; none without one.
    std::vector<std::string> valueNames();

private:
    struct Info {
        bool exists = false;
        std::uint32_t type = 0;
        std::uint32_t size = 0;
    };
    Info info(const std::string& name);
    bool fetch(const std::string& name, std::uint8_t* buffer, std::uint32_t size);

    platform::Platform& platform_;
    platform::RegKey root_;
    std::uint32_t access_;
    Key current_;
};

// The two messages of a failed read, with the value's name in them.
std::string invalidTypeMessage(const std::string& name);
std::string fetchFailedMessage(const std::string& name);

}  // namespace registry
