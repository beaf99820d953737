// Registry keys and their reads.
#include "platform/registry.h"

#include <algorithm>
#include <cstring>

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

std::string Key::readAnyText(const std::string& name, std::size_t bufferSize) const {
    if (handle_ == 0) return {};
    std::vector<std::uint8_t> buffer(bufferSize, 0);
    std::uint32_t type = 0;
    auto size = static_cast<std::uint32_t>(bufferSize);
    if (platform_->regQueryValue(handle_, name, &type, buffer.data(), &size) != platform::kSuccess) return {};
    // Only the bytes the read returned count, and never more than the buffer.
    std::size_t returned = std::min<std::size_t>(size, bufferSize);
    auto end = std::find(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(returned), 0);
    return std::string(buffer.begin(), end);
}

Key::Info Key::info(const std::string& name) const {
    Info out;
    if (handle_ == 0) return out;
    std::uint32_t size = 0;
    if (platform_->regQueryValue(handle_, name, &out.type, nullptr, &size) != platform::kSuccess) return out;
    out.exists = true;
    out.size = size;
    return out;
}

bool Key::fetch(const std::string& name, std::uint8_t* buffer, std::uint32_t size) const {
    std::uint32_t type = 0;
    std::uint32_t got = size;
    return platform_->regQueryValue(handle_, name, &type, buffer, &got) == platform::kSuccess;
}

std::optional<std::string> Key::readString(const std::string& name) const {
    Info value = info(name);
    if (!value.exists || value.size == 0) return std::string();
    if (value.type != platform::kRegSz && value.type != platform::kRegExpandSz) return std::nullopt;
    std::vector<std::uint8_t> buffer(value.size, 0);
    if (!fetch(name, buffer.data(), value.size)) return std::nullopt;
    auto end = std::find(buffer.begin(), buffer.end(), 0);
    return std::string(buffer.begin(), end);
}

std::optional<std::size_t> Key::readBinary(const std::string& name, void* buffer, std::size_t size) const {
    Info value = info(name);
    if (!value.exists) return 0;
    bool binary = value.type != platform::kRegSz && value.type != platform::kRegExpandSz &&
                  value.type != platform::kRegDword;
    if (!binary || value.size > size) return std::nullopt;
    if (value.size == 0) return 0;
    // Fetched through a buffer of the value's own size, so that a value that
    // grew since its size was asked cannot write past the caller's buffer.
    std::vector<std::uint8_t> data(value.size, 0);
    if (!fetch(name, data.data(), value.size)) return std::nullopt;
    std::memcpy(buffer, data.data(), value.size);
    return value.size;
}

std::vector<std::string> Key::valueNames() const {
    std::vector<std::string> names;
    if (handle_ == 0) return names;
    std::string name;
    for (std::uint32_t index = 0; platform_->regEnumValueName(handle_, index, name) == platform::kSuccess; ++index)
        names.push_back(name);
    return names;
}

long Key::writeText(const std::string& name, const std::string& text) const {
    if (handle_ == 0) return platform::kFileNotFound;
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.c_str());
    return platform_->regSetValue(handle_, name, platform::kRegSz, data, static_cast<std::uint32_t>(text.size() + 1));
}

}  // namespace registry
