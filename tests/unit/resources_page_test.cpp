// The system resources page: the three free shares through the 16-bit USER
// library, refreshed when the page is shown and on every tick.
#include "form_fixture.h"

namespace {

namespace colours = present::colours;

class ResourcesPageTest : public FormTest {
protected:
    void tick() {
        form().dispatch([&] { timer(ids::Timer2).fire(); });
    }
    std::vector<int> bars() {
        return {gauge(ids::Gauge2).progress(), gauge(ids::Gauge3).progress(), gauge(ids::Gauge4).progress()};
    }
    bool allShowText() {
        return gauge(ids::Gauge2).showText() && gauge(ids::Gauge3).showText() && gauge(ids::Gauge4).showText();
    }
    // Windows 98 with the 16-bit USER library and its shares.
    void windows98(std::vector<std::uint16_t> shares) {
        makeWindows98(machine);
        machine.services16 = true;
        machine.freeResources = std::move(shares);
    }
};

const std::vector<std::string> kOneRefresh = {"load User.exe", "proc GetFreeSystemResources", "call 0", "call 1",
                                              "call 2", "free 519"};

TEST_F(ResourcesPageTest, ShowingThePageFillsTheBarsAtOnce) {
    windows98({85, 85, 92});
    start();
    EXPECT_EQ(bars(), (std::vector<int>{0, 0, 0}));
    EXPECT_FALSE(gauge(ids::Gauge2).showText());
    EXPECT_TRUE(machine.calls16.empty());  // start-up does not ask

    showPage(ids::ResTab);
    EXPECT_EQ(bars(), (std::vector<int>{85, 85, 92}));
    EXPECT_TRUE(allShowText());
    EXPECT_EQ(machine.calls16, kOneRefresh);
    // The bars keep their designed colours whatever the shares.
    EXPECT_EQ(gauge(ids::Gauge2).foreColour(), colours::yellow);
    EXPECT_EQ(gauge(ids::Gauge3).foreColour(), colours::blue);
    EXPECT_EQ(gauge(ids::Gauge4).foreColour(), colours::blue);
    EXPECT_EQ(gauge(ids::Gauge2).backColour(), colours::black);
}

TEST_F(ResourcesPageTest, EveryTickLoadsAsksInOrderAndFreesOnce) {
    windows98({70, 60, 50});
    start();
    showPage(ids::DiskTab);
    tick();
    EXPECT_EQ(bars(), (std::vector<int>{70, 60, 50}));
    machine.freeResources = {69, 58, 91};
    tick();
    EXPECT_EQ(bars(), (std::vector<int>{69, 58, 91}));
    std::vector<std::string> twice = kOneRefresh;
    twice.insert(twice.end(), kOneRefresh.begin(), kOneRefresh.end());
    EXPECT_EQ(machine.calls16, twice);
}

TEST_F(ResourcesPageTest, AFailedRefreshKeepsTheLastShares) {
    windows98({85, 85, 92});
    start();
    showPage(ids::ResTab);

    struct Failure {
        const char* what;
        std::uint16_t handle;
        std::uint32_t procedure;
        std::vector<std::string> calls;
    };
    const Failure failures[] = {
        // The load fails: its error code is no handle, nothing is freed.
        {"load", 2, 0x1F270000u, {"load User.exe"}},
        {"load 31", 31, 0x1F270000u, {"load User.exe"}},
        // The function is not found: nothing is called, the library is freed.
        {"look-up", 519, 0, {"load User.exe", "proc GetFreeSystemResources", "free 519"}},
    };
    for (const Failure& f : failures) {
        machine.library16Handle = f.handle;
        machine.freeResourcesProc = f.procedure;
        machine.freeResources = {1, 2, 3};
        machine.calls16.clear();
        tick();
        EXPECT_EQ(machine.calls16, f.calls) << f.what;
        EXPECT_EQ(bars(), (std::vector<int>{85, 85, 92})) << f.what;
        EXPECT_TRUE(allShowText()) << f.what;
    }
    EXPECT_TRUE(shown().messages.empty());
    EXPECT_TRUE(shown().messages.empty());
}

TEST_F(ResourcesPageTest, WithoutTheServicesThePageShowsZeroAndNeverMoves) {
    makeWindowsXp(machine);
    machine.services16 = false;
    machine.freeResources = {85, 85, 92};
    start();
    showPage(ids::ResTab);
    EXPECT_EQ(bars(), (std::vector<int>{0, 0, 0}));
    EXPECT_TRUE(allShowText());
    for (int i = 0; i < 3; ++i) tick();
    EXPECT_EQ(bars(), (std::vector<int>{0, 0, 0}));
    EXPECT_TRUE(machine.calls16.empty());
    EXPECT_TRUE(shown().messages.empty());
}

}  // namespace
