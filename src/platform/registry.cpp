// Registry keys, reads and the accessor.
#include "platform/registry.h"

#include <algorithm>
#include <cstring>

#include "present/texts.h"

namespace registry {

Key& Key::operator=(Key&& other) noexcept {
    if (this != &other) {
        reset();
        platform_ = other.platform_;
        handle_ = other.handle_;
        other.handle_ = 0;
    }
    return *this;
}

void Key::reset() {
    if (handle_ != 0 && platform_ != nullptr) platform_->regCloseKey(handle_);
    handle_ = 0;
}

Key Key::open(platform::Platform& platform, platform::RegKey root, const std::string& path, std::uint32_t access) {
    platform::RegKey handle = 0;
    if (platform.regOpenKey(root, path, access, handle) != platform::kSuccess) handle = 0;
    return Key(platform, handle);
}

Key Key::create(platform::Platform& platform, platform::RegKey root, const std::string& path,
                std::uint32_t access) {
    platform::RegKey handle = 0;
    if (platform.regCreateKey(root, path, access, handle) != platform::kSuccess) handle = 0;
    return Key(platform, handle);
}

std::string readText(platform::Platform& platform, const Key& key, const std::string& name,
                     std::size_t bufferSize) {
    if (!key) return {};
    std::vector<std::uint8_t> buffer(bufferSize, 0);
    std::uint32_t type = 0;
    auto size = static_cast<std::uint32_t>(bufferSize);
    if (platform.regQueryValue(key.get(), name, &type, buffer.data(), &size) != platform::kSuccess) return {};
    // Only the bytes the read returned count, and never more than the buffer.
    std::size_t returned = std::min<std::size_t>(size, bufferSize);
    auto end = std::find(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(returned), 0);
    return std::string(buffer.begin(), end);
}

long writeText(platform::Platform& platform, const Key& key, const std::string& name, const std::string& text) {
    if (!key) return platform::kFileNotFound;
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.c_str());
    return platform.regSetValue(key.get(), name, platform::kRegSz, data, static_cast<std::uint32_t>(text.size() + 1));
}

std::string invalidTypeMessage(const std::string& name) {
    return "'" + name + texts::kInvalidTypeAfterName;
}

std::string fetchFailedMessage(const std::string& name) {
    return "'" + name + texts::kFetchFailedAfterName;
}

Accessor::Accessor(platform::Platform& platform, platform::RegKey root, std::uint32_t access)
    : platform_(platform), root_(root), access_(access) {}

bool Accessor::openKey(const std::string& path) {
    bool absolute = !path.empty() && path[0] == '\\';
    std::string relative = absolute ? path.substr(1) : path;
    platform::RegKey base = (!absolute && current_) ? current_.get() : root_;
    Key opened = Key::open(platform_, base, relative, access_);
    if (!opened) return false;
    current_ = std::move(opened);
    return true;
}

Accessor::Info Accessor::info(const std::string& name) {
    Info out;
    if (!current_) return out;
    std::uint32_t size = 0;
    if (platform_.regQueryValue(current_.get(), name, &out.type, nullptr, &size) != platform::kSuccess) return out;
    out.exists = true;
    out.size = size;
    return out;
}

bool Accessor::fetch(const std::string& name, std::uint8_t* buffer, std::uint32_t size) {
    std::uint32_t type = 0;
    std::uint32_t got = size;
    return platform_.regQueryValue(current_.get(), name, &type, buffer, &got) == platform::kSuccess;
}

Read<std::string> Accessor::readString(const std::string& name) {
    Info value = info(name);
    if (!value.exists || value.size == 0) return {};
    if (value.type != platform::kRegSz && value.type != platform::kRegExpandSz)
        return Read<std::string>::failure(invalidTypeMessage(name));
    std::vector<std::uint8_t> buffer(value.size, 0);
    if (!fetch(name, buffer.data(), value.size)) return Read<std::string>::failure(fetchFailedMessage(name));
    auto end = std::find(buffer.begin(), buffer.end(), 0);
    return {std::string(buffer.begin(), end), {}};
}

Read<std::size_t> Accessor::readBinaryData(const std::string& name, void* buffer, std::size_t size) {
    Info value = info(name);
    if (!value.exists) return {};
    bool binary = value.type != platform::kRegSz && value.type != platform::kRegExpandSz &&
                  value.type != platform::kRegDword;
    if (!binary || value.size > size) return Read<std::size_t>::failure(invalidTypeMessage(name));
    if (value.size == 0) return {};
    // Fetched through a buffer of the value's own size, so that a value that
    // grew since its size was asked cannot write past the caller's buffer.
    std::vector<std::uint8_t> data(value.size, 0);
    if (!fetch(name, data.data(), value.size)) return Read<std::size_t>::failure(fetchFailedMessage(name));
    std::memcpy(buffer, data.data(), value.size);
    return {value.size, {}};
}

std::vector<std::string> Accessor::valueNames() {
    std::vector<std::string> names;
    if (!current_) return names;
    std::string name;
    for (std::uint32_t index = 0; platform_.regEnumValueName(current_.get(), index, name) == platform::kSuccess;
         ++index)
        names.push_back(name);
    return names;
}

}  // namespace registry
