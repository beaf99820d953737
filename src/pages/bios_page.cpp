// The BIOS page's start-up step and the cutting of a binary registry value into lines.
#include "pages/bios_page.h"

#include <algorithm>
#include <array>
#include <exception>

#include "pages/texts.h"
#include "platform/platform_kind.h"
#include "platform/registry_locations.h"

namespace pages {
namespace {

constexpr std::size_t kVersionBufferSize = 100;
// The buffer's last byte is never looked at.
constexpr std::size_t kVersionBytesScanned = 99;

}  // namespace

std::vector<std::string> ReadBinaryStrings(registry::Accessor& accessor, const std::string& name) {
    std::vector<std::string> list;
    std::string line;
    std::array<std::uint8_t, kVersionBufferSize> buffer{};
    accessor.readBinaryData(name, buffer.data(), buffer.size());
    for (std::size_t i = 0; i < kVersionBytesScanned; ++i) {
        std::uint8_t byte = buffer[i];
        if (byte >= 32) {
            line += static_cast<char>(byte);
        } else if (!line.empty()) {
            list.push_back(line);
            line.clear();
        }
    }
    return list;
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

BiosPage::BiosPage(const BiosControls& controls, platform::Platform& platform)
    : c_(controls), platform_(platform) {}

void BiosPage::fill() {
    std::optional<platform::PlatformKind> kind = platform::queryPlatformKind(platform_);
    if (!kind) return;
    switch (*kind) {
        case platform::PlatformKind::Windows9x: fillFromRom(); break;
        case platform::PlatformKind::WindowsNt: fillFromRegistry(); break;
        case platform::PlatformKind::Other: c_.BIOSTab.hide(); break;
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
    {
        // Read rights only: the step writes nothing, and a user who is no
        // administrator (on Vista and later, any user whose rights are not
        // raised) is refused full access to these keys.
        registry::Accessor accessor(platform_, platform::kLocalMachine, platform::kKeyRead);
        try {
            // Neither open is tested: reads after a failed one go to the key
            // opened before, or find nothing.
            accessor.openKey(registry::kSystemKey);
            c_.Memo8.addLine("");
            std::string versions;
            for (const std::string& entry : ReadBinaryStrings(accessor, registry::kSystemBiosVersion))
                versions += entry + "\r\n";
            c_.Memo8.addLine(versions);
            c_.Memo8.addLine(registryLine(accessor.readString(registry::kSystemBiosDate), platform_));
            accessor.openKey(registry::kSystemDeviceKey);
            c_.Memo8.addLine(registryLine(accessor.readString(registry::kDriverDesc), platform_));
            c_.Memo8.addLine("Ver " + registryLine(accessor.readString(registry::kDriverVersion), platform_));
        } catch (const std::exception&) {
            // The first failed read ends the list silently; the lines added
            // before it stay.
        }
    }
    c_.Edit1.setText(texts::kBiosTitle);
}

}  // namespace pages
