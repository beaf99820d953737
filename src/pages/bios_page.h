// The BIOS page: the main board's BIOS identification, gathered once at
// start-up from the ROM area (Windows 9x) or from the registry (NT family).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/platform_profile.h"
#include "platform/registry.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/page_control.h"

namespace pages {

struct BiosControls {
    ui::TabPage& page;      // hidden on a platform of neither kind
    ui::TextBox& linesBox;  // the BIOS lines
    ui::TextBox& titleBox;  // the title line

    static BiosControls bind(ui::Form& form);
};

// The printable runs (bytes of 32 and above) of a binary value read into a
// zeroed 100-byte buffer. Only the first 99 bytes are looked at, a run still
// open after them is dropped, and control bytes never make empty entries.
// A missing value gives no entries; a value of a string type or 32-bit
// number, one larger than the buffer or one whose read fails gives none.
// (ReadBinaryStrings)
std::optional<std::vector<std::string>> readBinaryStrings(const registry::Key& key, const std::string& name);

// The four ROM texts, at linear addresses in the BIOS segment F000, in the
// order the page shows them.
inline constexpr std::uint32_t kRomTextAddresses[] = {0xFE061, 0xFE091, 0xFFFF5, 0xFEC71};
// The most bytes a ROM text may take when no zero byte ends it sooner; the
// first megabyte's end, where the ROM ends, bounds it too.
inline constexpr std::size_t kRomTextBound = 256;
inline constexpr std::uint32_t kRomAreaEnd = 0x100000;

// The zero-terminated text at a ROM address, cut at the bound and at the
// first byte that cannot be read; empty where nothing there can be read.
std::string readRomText(platform::Platform& platform, std::uint32_t address);

// The most bytes of a BIOS string from the registry that the page shows as
// its line. Real ones are a date, a version, a description of at most 256
// characters; a value of megabytes would keep a text box busy for minutes
// (Wine's lays a long line out in time that grows with its square).
inline constexpr std::size_t kRegistryTextBound = 1024;

// A registry string as one line of the page: cut at the bound, never in the
// middle of a two-byte character.
std::string registryLine(const std::string& text, platform::Platform& platform);

class BiosPage {
public:
    BiosPage(ui::Form& form, platform::Platform& platform, const platform::PlatformProfile& profile);

    // The BIOS step of start-up: nothing when the version could not be
    // learnt; the ROM texts on Windows 9x, the registry's on the NT family;
    // on any other platform kind the page is hidden, tab and all.
    void fill();

    // Whether the page is there at all (a platform of neither kind hides it).
    bool shown() const { return c_.page.visible(); }
    // The lines the step put into the page (the box is read-only).
    std::vector<std::string> lines() const { return c_.linesBox.lines(); }

private:
    void fillFromRom();
    void fillFromRegistry();
    void addRegistryLines();

    BiosControls c_;
    platform::Platform& platform_;
    const platform::PlatformProfile& profile_;
};

}  // namespace pages
