// The BIOS page's start-up step and the cutting of a binary registry value into lines.
#include "pages/bios_page.h"

#include <algorithm>
#include <array>

#include "present/texts.h"
#include "platform/registry_locations.h"

namespace pages {
namespace {

constexpr std::size_t kVersionBufferSize = 100;
// The buffer's last byte is never looked at.
constexpr std::size_t kVersionBytesScanned = 99;

}  // namespace

registry::Read<std::vector<std::string>> readBinaryStrings(registry::Accessor& accessor, const std::string& name) {
    std::array<std::uint8_t, kVersionBufferSize> buffer{};
    registry::Read<std::size_t> read = accessor.readBinaryData(name, buffer.data(), buffer.size());
    if (!read.ok()) return registry::Read<std::vector<std::string>>::failure(read.error);
    std::vector<std::string> list;
    std::string line;
    for (std::size_t i = 0; i < kVersionBytesScanned; ++i) {
        std::uint8_t byte = buffer[i];
        if (byte >= 32) {
            line += static_cast<char>(byte);
        } else if (!line.empty()) {
            list.push_back(line);
            line.clear();
        }
    }
    return {std::move(list), {}};
}

std::string readRomText(platform::Platform& platform, std::uint32_t address) {
    if (address >= kRomAreaEnd) return {};
    std::size_t bound = std::min<std::size_t>(kRomTextBound, kRomAreaEnd - address);
    std::array<std::uint8_t, kRomTextBound> bytes{};
    std::size_t readable = std::min(platform.readPhysicalLowMemory(address, bytes.data(), bound), bound);
    auto end = std::find(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(readable), 0);
    return std::string(bytes.begin(), end);
}

std::string registryLine(const std::string& text, platform::Platform& platform) {
    if (text.size() <= kRegistryTextBound) return text;
    std::size_t end = 0;
    while (end < kRegistryTextBound) {
        std::size_t width = platform.isLeadByte(static_cast<std::uint8_t>(text[end])) ? 2 : 1;
        if (end + width > kRegistryTextBound) break;
        end += width;
    }
    return text.substr(0, end);
}

BiosPage::BiosPage(const BiosControls& controls, platform::Platform& platform,
                   const platform::PlatformProfile& profile)
    : c_(controls), platform_(platform), profile_(profile) {}

void BiosPage::fill() {
    switch (profile_.bios) {
        case platform::BiosSource::None: break;
        case platform::BiosSource::Rom: fillFromRom(); break;
        case platform::BiosSource::Registry: fillFromRegistry(); break;
        case platform::BiosSource::Hidden: c_.BIOSTab.hide(); break;
    }
}

void BiosPage::fillFromRom() {
    c_.BIOSTab.show();
    c_.Memo8.addLine("");
    for (std::uint32_t address : kRomTextAddresses) c_.Memo8.addLine(readRomText(platform_, address));
    c_.Edit1.setText(texts::kBiosTitle);
}

void BiosPage::fillFromRegistry() {
    c_.BIOSTab.show();
    addRegistryLines();
    c_.Edit1.setText(texts::kBiosTitle);
}

// The first read that fails ends the lines silently; the lines added before it
// stay.
void BiosPage::addRegistryLines() {
    // Read rights only: the step writes nothing, and a user who is no
    // administrator (on Vista and later, any user whose rights are not
    // raised) is refused full access to these keys.
    registry::Accessor accessor(platform_, platform::kLocalMachine, platform::kKeyRead);
    auto addLine = [&](const std::string& prefix, const registry::Read<std::string>& read) {
        if (read.ok()) c_.Memo8.addLine(prefix + registryLine(read.value, platform_));
        return read.ok();
    };
    // Neither open is tested: reads after a failed one go to the key opened
    // before, or find nothing.
    accessor.openKey(registry::kSystemKey);
    c_.Memo8.addLine("");
    registry::Read<std::vector<std::string>> entries = readBinaryStrings(accessor, registry::kSystemBiosVersion);
    if (!entries.ok()) return;
    std::string versions;
    for (const std::string& entry : entries.value) versions += entry + "\r\n";
    c_.Memo8.addLine(versions);
    if (!addLine("", accessor.readString(registry::kSystemBiosDate))) return;
    accessor.openKey(registry::kSystemDeviceKey);
    if (!addLine("", accessor.readString(registry::kDriverDesc))) return;
    addLine(texts::kDriverVersionPrefix, accessor.readString(registry::kDriverVersion));
}

}  // namespace pages
