// The BIOS page's start-up step and the cutting of a binary registry value into lines.
#include "pages/bios_page.h"

#include <algorithm>
#include <array>

#include "pages/control_ids.h"
#include "platform/registry_locations.h"
#include "present/characters.h"
#include "present/texts.h"

namespace pages {
namespace {

constexpr std::size_t kVersionBufferSize = 100;
// The buffer's last byte is never looked at.
constexpr std::size_t kVersionBytesScanned = 99;

}  // namespace

std::optional<std::vector<std::string>> readBinaryStrings(const registry::Key& key, const std::string& name) {
    std::array<std::uint8_t, kVersionBufferSize> buffer{};
    if (!key.readBinary(name, buffer.data(), buffer.size())) return std::nullopt;
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
    return text.substr(0, present::wholeCharactersWithin(text, kRegistryTextBound, platform::leadByteTest(platform)));
}

BiosControls BiosControls::bind(ui::Form& form) {
    return {form.get<ui::TabPage>(ids::BIOSTab), form.get<ui::TextBox>(ids::Memo8), form.get<ui::TextBox>(ids::Edit1)};
}

BiosPage::BiosPage(ui::Form& form, platform::Platform& platform, const platform::PlatformProfile& profile)
    : c_(BiosControls::bind(form)), platform_(platform), profile_(profile) {}

void BiosPage::fill() {
    switch (profile_.bios) {
        case platform::BiosSource::None: break;
        case platform::BiosSource::Rom: fillFromRom(); break;
        case platform::BiosSource::Registry: fillFromRegistry(); break;
        case platform::BiosSource::Hidden: c_.page.hide(); break;
    }
}

void BiosPage::fillFromRom() {
    c_.page.show();
    c_.linesBox.addLine("");
    for (std::uint32_t address : kRomTextAddresses) c_.linesBox.addLine(readRomText(platform_, address));
    c_.titleBox.setText(texts::kBiosTitle);
}

void BiosPage::fillFromRegistry() {
    c_.page.show();
    addRegistryLines();
    c_.titleBox.setText(texts::kBiosTitle);
}

// The first read that fails ends the lines silently; the lines added before it
// stay.
void BiosPage::addRegistryLines() {
    // Read rights only: the step writes nothing, and a user who is no
    // administrator (on Vista and later, any user whose rights are not
    // raised) is refused full access to these keys.
    auto open = [&](const char* path) {
        return registry::Key::open(platform_, platform::kLocalMachine, path, platform::kKeyRead);
    };
    auto addLine = [&](const std::string& prefix, const std::optional<std::string>& read) {
        if (read) c_.linesBox.addLine(prefix + registryLine(*read, platform_));
        return read.has_value();
    };
    // Neither open is tested: reads after a failed one go to the key opened
    // before, or find nothing.
    registry::Key system = open(registry::kSystemKey);
    c_.linesBox.addLine("");
    std::optional<std::vector<std::string>> entries = readBinaryStrings(system, registry::kSystemBiosVersion);
    if (!entries) return;
    std::string versions;
    for (const std::string& entry : *entries) versions += entry + "\r\n";
    c_.linesBox.addLine(versions);
    if (!addLine("", system.readString(registry::kSystemBiosDate))) return;
    registry::Key device = open(registry::kSystemDeviceKey);
    const registry::Key& current = device ? device : system;
    if (!addLine("", current.readString(registry::kDriverDesc))) return;
    addLine(texts::kDriverVersionPrefix, current.readString(registry::kDriverVersion));
}

}  // namespace pages
