// The memory page: figures, share, colours and pie from the memory status,
// through GlobalMemoryStatusEx where the system has it.
#include "form_fixture.h"

namespace {

namespace colours = present::colours;

class MemoryPageTest : public FormTest {
protected:
    void tick() {
        form().dispatch([&] { timer(ids::Timer2).fire(); });
    }
    void record(std::uint32_t total, std::uint32_t available) {
        machine.memory.totalPhys = total;
        machine.memory.availPhys = available;
    }
};

TEST_F(MemoryPageTest, Windows9xFiguresComeFromThe32BitRecord) {
    makeWindows98(machine);
    const UsageCase cases[] = {
        {134217728, 33554432, "128 MB", "96 MB", "32 MB", "75 %", colours::aqua},
        {268435456, 50331648, "256 MB", "208 MB", "48 MB", "81 %", colours::fuchsia},
        {104857600, 51485573, "100 MB", "50.9 MB", "49.1 MB", "50 %", colours::white},   // 50.9 %
        {100000000, 19010000, "95.37 MB", "77.24 MB", "18.13 MB", "80 %", colours::aqua},  // 80.99 %
        {100000000, 19000000, "95.37 MB", "77.25 MB", "18.12 MB", "81 %", colours::fuchsia},
        {104857600, 49283072, "100 MB", "53 MB", "47 MB", "52 %", colours::aqua},  // 53 of 100: the extended rule
        {134217728, 134217728, "128 MB", "0 MB", "128 MB", "0 %", colours::white},
        {4294967295u, 0, "4,096 MB", "4,096 MB", "0 MB", "100 %", colours::fuchsia},
        {1610612736, 805306368, "1,536 MB", "768 MB", "768 MB", "50 %", colours::white},
    };
    start();
    for (const UsageCase& c : cases) {
        record(static_cast<std::uint32_t>(c.total), static_cast<std::uint32_t>(c.free));
        tick();
        expectUsage(kMemoryUsage, c);
    }
    EXPECT_TRUE(shown().messages.empty());
}

TEST_F(MemoryPageTest, LargeMemoryComesWhole64BitFromGlobalMemoryStatusEx) {
    makeWindowsXp(machine);
    // What a 32-bit record says on such machines: capped, or -1 on Windows 2000.
    record(0xFFFFFFFFu, 0xFFFFFFFFu);
    const UsageCase cases[] = {
        {4294967296LL, 1073741824LL, "4,096 MB", "3,072 MB", "1,024 MB", "75 %", colours::aqua},
        {17179869184LL, 4294967296LL, "16,384 MB", "12,288 MB", "4,096 MB", "75 %", colours::aqua},
        {1099511627776LL, 274877906944LL, "1,048,576 MB", "786,432 MB", "262,144 MB", "75 %", colours::aqua},
        {17179869184LL, 17179869184LL, "16,384 MB", "0 MB", "16,384 MB", "0 %", colours::white},
        {17179869184LL, 858993459LL, "16,384 MB", "15,564.8 MB", "819.2 MB", "95 %", colours::fuchsia},
    };
    start();
    for (const UsageCase& c : cases) {
        machine.memoryEx =
            platform::MemoryStatusEx{static_cast<std::uint64_t>(c.total), static_cast<std::uint64_t>(c.free)};
        tick();
        expectUsage(kMemoryUsage, c);
    }
}

TEST_F(MemoryPageTest, WithoutGlobalMemoryStatusExTheRecordServes) {
    makeWindowsXp(machine);
    record(536870912, 134217728);
    machine.memoryEx.reset();
    start();
    tick();
    EXPECT_EQ(text(ids::Memo4), "512 MB");
    EXPECT_EQ(text(ids::Memo6), "128 MB");
    EXPECT_EQ(text(ids::Label13), "75 %");
}

TEST_F(MemoryPageTest, TheDesignStateStaysUntilTheFirstTick) {
    record(134217728, 33554432);
    start();
    showPage(ids::MemTab);  // showing the page does not refresh it
    EXPECT_EQ(text(ids::Memo4), "メイン・メモリー");
    EXPECT_EQ(text(ids::Memo5), "の使用状況を、");
    EXPECT_EQ(text(ids::Memo6), "大まかに表示。");
    EXPECT_EQ(fontColour(ids::Memo4), colours::infoBackground);
    EXPECT_EQ(text(ids::Label13), "100%");
    EXPECT_EQ(fontColour(ids::Label13), colours::red);
    EXPECT_EQ(gauge(ids::Gauge1).progress(), 0);
    EXPECT_EQ(gauge(ids::Gauge1).backColour(), colours::navy);
    for (int id : {ids::Label5, ids::Label6, ids::Label7}) EXPECT_FALSE(visible(id)) << id;
    EXPECT_EQ(machine.memoryQueries, 0);

    tick();
    EXPECT_EQ(text(ids::Memo4), "128 MB");
    EXPECT_EQ(fontColour(ids::Memo4), colours::yellow);
    EXPECT_EQ(fontColour(ids::Memo5), colours::red);
    EXPECT_EQ(fontColour(ids::Memo6), colours::lime);
    for (int id : {ids::Label5, ids::Label6, ids::Label7, ids::Label8, ids::Label13}) EXPECT_TRUE(visible(id)) << id;
    EXPECT_EQ(gauge(ids::Gauge1).foreColour(), colours::red);
    EXPECT_EQ(gauge(ids::Gauge1).backColour(), colours::lime);
    EXPECT_FALSE(gauge(ids::Gauge1).showText());
}

TEST_F(MemoryPageTest, EveryTickRefreshesWhicheverPageIsShown) {
    record(134217728, 33554432);
    start();
    showPage(ids::UserTab);
    tick();
    EXPECT_EQ(text(ids::Memo6), "32 MB");
    record(134217728, 67108864);
    tick();
    EXPECT_EQ(text(ids::Memo6), "64 MB");
    EXPECT_EQ(text(ids::Label13), "50 %");
    EXPECT_EQ(fontColour(ids::Label13), colours::white);
}

}  // namespace
