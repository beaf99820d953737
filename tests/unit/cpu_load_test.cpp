// The processor load from the Windows 9x performance statistics, their start
// and stop with the window, and the periodic refresh.
#include "form_fixture.h"

#include "present/colours.h"

namespace {

namespace colours = present::colours;

const char* const kStartStat = "PerfStats\\StartStat";
const char* const kStatData = "PerfStats\\StatData";
const char* const kStopStat = "PerfStats\\StopStat";
const char* const kCpuUsage = "KERNEL\\CPUUsage";

std::vector<std::uint8_t> le32(std::int32_t value) {
    auto v = static_cast<std::uint32_t>(value);
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
            static_cast<std::uint8_t>(v >> 24)};
}

class CpuLoadTest : public FormTest {
protected:
    CpuLoadTest() { makeWindows98(machine); }
    void tick() {
        form().dispatch([&] { timer(ids::Timer2).fire(); });
    }
    void statistic(const char* key, const std::string& name, std::uint32_t type, std::vector<std::uint8_t> data) {
        machine.registry.set(platform::kDynData, key, name, type, std::move(data));
    }
    void load(std::int32_t value) { statistic(kStatData, kCpuUsage, platform::kRegBinary, le32(value)); }
    // What the reads of a key touched, in order.
    std::vector<std::string> readsOf(const std::string& key) {
        std::vector<std::string> out;
        for (const std::string& read : machine.registry.reads) {
            if (read.rfind(key, 0) == 0) out.push_back(read.substr(key.size()));
        }
        return out;
    }
    void destroy() {
        form().dispatch([&] { window().destroy(); });
    }
};

// The colour bands themselves are the load scale's (present_test.cpp): here,
// that the page takes its colours from the scale, at the bands' edges, and
// its progress and figures from the load.
TEST_F(CpuLoadTest, TheLoadColoursTheGaugeAndTheLabel) {
    struct Case {
        std::int32_t load;
        int progress;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, "0 %"},     {15, 15, "15 %"},   {16, 16, "16 %"},     {30, 30, "30 %"},   {31, 31, "31 %"},
        {45, 45, "45 %"},  {46, 46, "46 %"},   {60, 60, "60 %"},     {61, 61, "61 %"},   {75, 75, "75 %"},
        {76, 76, "76 %"},  {90, 90, "90 %"},   {91, 91, "91 %"},     {100, 100, "100 %"}, {120, 100, "120 %"},
        {-5, 0, "-5 %"},   {37, 37, "37 %"},   {-2147483647 - 1, 0, "-2147483648 %"},
    };
    start();
    for (const Case& c : cases) {
        load(c.load);
        tick();
        EXPECT_EQ(gauge(ids::Gauge6).foreColour(), present::loadColour(c.load)) << c.load;
        EXPECT_EQ(fontColour(ids::Label21), present::loadColour(c.load)) << c.load;
        EXPECT_EQ(gauge(ids::Gauge6).backColour(), colours::navy) << c.load;
        EXPECT_EQ(gauge(ids::Gauge6).progress(), c.progress) << c.load;
        EXPECT_EQ(text(ids::Label21), c.text) << c.load;
    }
}

TEST_F(CpuLoadTest, UntilTheFirstTickTheLoadControlsKeepTheirDesign) {
    load(42);
    start();
    EXPECT_EQ(text(ids::Label21), "100%");
    EXPECT_EQ(fontColour(ids::Label21), colours::red);
    EXPECT_EQ(gauge(ids::Gauge6).foreColour(), colours::red);
    EXPECT_EQ(gauge(ids::Gauge6).progress(), 0);
    tick();
    EXPECT_EQ(text(ids::Label21), "42 %");
}

TEST_F(CpuLoadTest, WithoutAFitLoadValueTheLoadControlsStayAndTheRefreshGoesOn) {
    struct Case {
        const char* what;
        std::function<void(fake::Platform&)> prepare;
    };
    const Case cases[] = {
        {"no StatData key", [](fake::Platform& m) { m.registry.removeKey(platform::kDynData, kStatData); }},
        {"no value", [](fake::Platform& m) { m.registry.createKey(platform::kDynData, "PerfStats\\StatData"); }},
        {"a string", [](fake::Platform& m) { m.registry.setString(platform::kDynData, kStatData, kCpuUsage, "50"); }},
        {"a 32-bit number",
         [](fake::Platform& m) { m.registry.set(platform::kDynData, kStatData, kCpuUsage, platform::kRegDword, le32(50)); }},
        {"eight bytes",
         [](fake::Platform& m) {
             m.registry.set(platform::kDynData, kStatData, kCpuUsage, platform::kRegBinary, {50, 0, 0, 0, 0, 0, 0, 0});
         }},
        {"two bytes",
         [](fake::Platform& m) { m.registry.set(platform::kDynData, kStatData, kCpuUsage, platform::kRegBinary, {50, 0}); }},
        {"no bytes",
         [](fake::Platform& m) { m.registry.set(platform::kDynData, kStatData, kCpuUsage, platform::kRegBinary, {}); }},
    };
    machine.memory.totalPhys = 134217728;
    machine.memory.availPhys = 33554432;
    machine.services16 = true;
    machine.freeResources = {85, 85, 92};
    start();
    load(77);
    tick();
    for (const Case& c : cases) {
        machine.registry.removeKey(platform::kDynData, "PerfStats");
        c.prepare(machine);
        machine.memory.availPhys += 1048576;
        machine.freeResources[0] = static_cast<std::uint16_t>(machine.freeResources[0] - 1);
        tick();
        EXPECT_EQ(text(ids::Label21), "77 %") << c.what;
        EXPECT_EQ(fontColour(ids::Label21), colours::fuchsia) << c.what;
        EXPECT_EQ(gauge(ids::Gauge6).foreColour(), colours::fuchsia) << c.what;
        EXPECT_EQ(gauge(ids::Gauge6).progress(), 77) << c.what;
        // The memory and resources pages are refreshed all the same.
        EXPECT_EQ(text(ids::Memo6), present::formatMask(machine.memory.availPhys / 1048576.0, present::Mask::Megabytes))
            << c.what;
        EXPECT_EQ(gauge(ids::Gauge2).progress(), machine.freeResources[0]) << c.what;
    }
    EXPECT_TRUE(shown().messages.empty());
    EXPECT_EQ(machine.registry.openHandles(), 0u);
}

TEST_F(CpuLoadTest, CreationReadsEveryStartValueAndDestructionEveryStopValue) {
    statistic(kStartStat, kCpuUsage, platform::kRegBinary, le32(0));
    statistic(kStartStat, "VMM\\cPageFaults", platform::kRegBinary, le32(0));
    statistic(kStartStat, "Odd", platform::kRegSz, fake::bytes("not a statistic"));
    statistic(kStartStat, "KERNEL\\Threads", platform::kRegBinary, le32(0));
    statistic(kStopStat, kCpuUsage, platform::kRegBinary, le32(0));
    statistic(kStopStat, "Long", platform::kRegBinary, {1, 2, 3, 4, 5, 6, 7, 8});
    statistic(kStopStat, "VMM\\cPageFaults", platform::kRegBinary, le32(0));

    start();
    // A value that is not 4 bytes of binary data is skipped; the others are
    // read, and the rest of the start-up runs.
    const std::string start = "hkdd\\perfstats\\startstat\\";
    std::vector<std::string> started = readsOf(start);
    for (const char* name : {"KERNEL\\CPUUsage", "VMM\\cPageFaults", "KERNEL\\Threads"})
        EXPECT_NE(std::find(started.begin(), started.end(), name), started.end()) << name;
    EXPECT_EQ(machine.directoriesCreated.size(), 1u);
    EXPECT_EQ(form().left(), 273);
    EXPECT_TRUE(readsOf("hkdd\\perfstats\\stopstat\\").empty());

    destroy();
    std::vector<std::string> stopped = readsOf("hkdd\\perfstats\\stopstat\\");
    for (const char* name : {"KERNEL\\CPUUsage", "VMM\\cPageFaults"})
        EXPECT_NE(std::find(stopped.begin(), stopped.end(), name), stopped.end()) << name;
    EXPECT_TRUE(shown().messages.empty());
    EXPECT_EQ(machine.registry.openHandles(), 0u);
}

TEST_F(CpuLoadTest, AnEmptyOrMissingStatisticsKeySwitchesNothing) {
    machine.registry.createKey(platform::kDynData, kStartStat);
    start();
    EXPECT_TRUE(machine.registry.reads.empty());
    EXPECT_EQ(machine.directoriesCreated.size(), 1u);
    destroy();  // no StopStat key at all
    EXPECT_TRUE(machine.registry.reads.empty());
    EXPECT_TRUE(shown().messages.empty());
    EXPECT_EQ(machine.registry.openHandles(), 0u);
}

TEST_F(CpuLoadTest, OnTheNtFamilyTheTickStillRefreshesMemoryAndResources) {
    makeWindowsXp(machine);
    machine.memoryEx = platform::MemoryStatusEx{17179869184ULL, 4294967296ULL};
    start();
    tick();
    EXPECT_EQ(text(ids::Memo4), "16,384 MB");
    EXPECT_TRUE(gauge(ids::Gauge2).showText());
    machine.memoryEx = platform::MemoryStatusEx{17179869184ULL, 8589934592ULL};
    tick();
    EXPECT_EQ(text(ids::Memo6), "8,192 MB");
    EXPECT_EQ(text(ids::Label21), "100%");
    EXPECT_TRUE(shown().messages.empty());
}

}  // namespace
