// The disk page: waiting state, volume information and space figures.
#include "form_fixture.h"

namespace {

namespace colours = present::colours;

class DiskPageTest : public FormTest {
protected:
    void choose(char drive) {
        form().dispatch([&] { control<ui::DriveBox>(ids::DriveComboBox1).select(drive); });
    }
    void disk(int number, std::int64_t size, std::int64_t free) { machine.disks[number] = {size, free}; }
};

TEST_F(DiskPageTest, ShowsTheFiguresOfTheChosenDrive) {
    const UsageCase cases[] = {
        {2147483648LL, 536870912LL, "2 GB", "1.5 GB", "512 MB", "75 %", colours::aqua},
        {42949672960LL, 8589934592LL, "40 GB", "32 GB", "8 GB", "80 %", colours::aqua},
        {1099511627776LL, 0, "1,024 GB", "1,024 GB", "0 MB", "100 %", colours::fuchsia},
        {1073217536LL, 524288LL, "1,023.5 MB", "1,023 MB", "0.5 MB", "99 %", colours::fuchsia},
        {104857600LL, 47185920LL, "100 MB", "55 MB", "45 MB", "55 %", colours::aqua},
        {104857600LL, 51485573LL, "100 MB", "50.9 MB", "49.1 MB", "50 %", colours::white},  // 50.9 %
        {100LL, 47LL, "0 MB", "0 MB", "0 MB", "52 %", colours::aqua},  // 53 of 100: the extended rule
        {1073741824LL, 1073741824LL, "1 GB", "0 MB", "1 GB", "0 %", colours::white},
    };
    start('c');
    for (const UsageCase& c : cases) {
        disk(4, c.total, c.free);
        choose('d');
        expectUsage(kDiskUsage, c);
    }
}

TEST_F(DiskPageTest, FiguresAreShownInTheirColoursWithTheRowLabels) {
    disk(3, 2147483648LL, 536870912LL);
    start('c');
    EXPECT_EQ(fontColour(ids::Memo1), colours::yellow);
    EXPECT_EQ(fontColour(ids::Memo2), colours::red);
    EXPECT_EQ(fontColour(ids::Memo3), colours::lime);
    for (int id : {ids::Label2, ids::Label3, ids::Label4, ids::Label12}) EXPECT_TRUE(visible(id));
    EXPECT_EQ(gauge(ids::Gauge5).foreColour(), colours::red);
    EXPECT_EQ(gauge(ids::Gauge5).backColour(), colours::lime);
    EXPECT_FALSE(gauge(ids::Gauge5).showText());
}

TEST_F(DiskPageTest, TheDesignStateIsReplacedAtStart) {
    EXPECT_EQ(text(ids::Memo2), "の使用状況を、");
    EXPECT_EQ(text(ids::Label20), "100%");
    EXPECT_FALSE(visible(ids::Label2));
    disk(3, 2147483648LL, 536870912LL);
    start('c');
    EXPECT_EQ(text(ids::Memo1), "2 GB");
    EXPECT_EQ(machine.diskQueries, (std::vector<int>{3, 3}));
}

TEST_F(DiskPageTest, TheWaitingStateComesBeforeTheQueries) {
    start('c');
    ui::Gauge& pie = gauge(ids::Gauge5);
    pie.setShowText(true);
    struct Seen {
        int progress;
        present::Colour back;
        bool labelShown;
        std::string intro;
        present::Colour introColour;
        int paints;
    } seen{};
    // The volume query is the first platform call of the change event: what the
    // page shows at that moment is the waiting state.
    machine.volumes["e:\\"] = {0x1A2B3C4D, "FAT32", ""};
    class Spy : public ui::ControlPeer {
    public:
        std::function<void()> onUpdate;
        void update(ui::Property) override {
            if (onUpdate) onUpdate();
        }
        void focus() override {}
    } spy;
    spy.onUpdate = [&] {
        if (text(ids::Memo10) == "FAT32" && seen.intro.empty())
            seen = {pie.progress(), pie.backColour(), visible(ids::Label2), text(ids::Memo3), fontColour(ids::Memo3),
                    shown().paints};
    };
    control(ids::Memo10).attach(&spy);
    disk(5, 100 * 1048576LL, 10 * 1048576LL);
    int paintsBefore = shown().paints;
    choose('e');
    control(ids::Memo10).attach(nullptr);
    EXPECT_EQ(seen.progress, 0);
    EXPECT_EQ(seen.back, colours::blue);
    EXPECT_FALSE(seen.labelShown);
    EXPECT_EQ(seen.intro, " 大まかに表示。");
    EXPECT_EQ(seen.introColour, colours::white);
    EXPECT_EQ(seen.paints, paintsBefore + 1);  // painted before the drive is asked
    EXPECT_FALSE(pie.showText());
    EXPECT_EQ(text(ids::Memo3), "10 MB");
}

TEST_F(DiskPageTest, VolumeInformation) {
    machine.volumes["c:\\"] = {0xABCD, "NTFS", ""};
    machine.volumes["d:\\"] = {0x1A2B3C4D, "FAT32", ""};
    start('c');
    EXPECT_EQ(text(ids::Memo9), "0000ABCD");
    EXPECT_EQ(text(ids::Memo10), "NTFS");
    choose('d');
    EXPECT_EQ(text(ids::Memo9), "1A2B3C4D");
    EXPECT_EQ(text(ids::Memo10), "FAT32");
    // The drive list asks the fixed disk c: for its label first.
    EXPECT_EQ(machine.volumeQueries, (std::vector<std::string>{"c:\\", "c:\\", "d:\\"}));
    choose('e');  // the volume query fails: nothing of drive d: stays
    EXPECT_EQ(text(ids::Memo9), "");
    EXPECT_EQ(text(ids::Memo10), "");
}

TEST_F(DiskPageTest, ADriveThatIsNotReadyShowsZero) {
    start('c');
    choose('a');
    EXPECT_EQ(text(ids::Memo1), "0 MB");
    EXPECT_EQ(text(ids::Memo2), "0 MB");
    EXPECT_EQ(text(ids::Memo3), "0 MB");
    EXPECT_EQ(text(ids::Label20), "0 %");
    EXPECT_EQ(fontColour(ids::Label20), colours::white);
    EXPECT_EQ(gauge(ids::Gauge5).progress(), 0);
    EXPECT_EQ(gauge(ids::Gauge5).backColour(), colours::lime);
    EXPECT_TRUE(shown().messages.empty());
    EXPECT_TRUE(shown().messages.empty());
}

TEST_F(DiskPageTest, ATotalOfZeroBytesShowsZeroPercent) {
    disk(3, 0, 0);
    start('c');
    EXPECT_EQ(text(ids::Label20), "0 %");
    EXPECT_EQ(text(ids::Memo1), "0 MB");
    EXPECT_TRUE(shown().messages.empty());
}

TEST_F(DiskPageTest, DriveNumberFollowsTheLetterAndSurvivesNoDrive) {
    disk(0, 1048576LL * 10, 1048576LL * 5);
    disk(26, 1048576LL * 20, 1048576LL * 5);
    start(0);  // a network path at start: no drive letter
    EXPECT_EQ(window().diskPage().driveNumber(), 0);
    EXPECT_EQ(text(ids::Memo1), "10 MB");  // the current directory's drive
    EXPECT_EQ(machine.volumeQueries.back(), ":\\");
    choose('z');
    EXPECT_EQ(window().diskPage().driveNumber(), 26);
    choose(0);
    EXPECT_EQ(window().diskPage().driveNumber(), 26);
    EXPECT_EQ(text(ids::Memo1), "20 MB");
}

TEST_F(DiskPageTest, TheSameDriveChosenAgainIsQueriedAgain) {
    disk(3, 1048576LL * 10, 1048576LL * 5);
    start('c');
    disk(3, 1048576LL * 10, 1048576LL * 2);
    choose('c');
    EXPECT_EQ(text(ids::Memo3), "2 MB");
    EXPECT_EQ(machine.diskQueries.size(), 4u);
}

// The drive box lists the drives the platform has, in letter order, with the
// labels of fixed and RAM disks only: a floppy, CD or network drive is never
// asked, since that could wait for a medium or a network.
TEST_F(DiskPageTest, TheDriveListComesFromThePlatformWithTheLabelsOfFixedDisks) {
    machine.drives = (1u << 0) | (1u << 2) | (1u << 3) | (1u << 4) | (1u << 13) | (1u << 17);
    machine.driveTypes = {{'a', platform::DriveType::Removable}, {'e', platform::DriveType::CdRom},
                          {'n', platform::DriveType::Remote}, {'r', platform::DriveType::RamDisk}};
    machine.volumes["c:\\"] = {1, "NTFS", "SYSTEM"};
    machine.volumes["r:\\"] = {2, "FAT", "RAMDISK"};
    // d: is a fixed disk that does not answer: no label, and still listed.
    start('c');
    using Item = ui::DriveBox::Item;
    EXPECT_EQ(control<ui::DriveBox>(ids::DriveComboBox1).items(),
              (std::vector<Item>{{'a', "a:"}, {'c', "c: [SYSTEM]"}, {'d', "d:"}, {'e', "e:"}, {'n', "n:"},
                                 {'r', "r: [RAMDISK]"}}));
    const auto& drives = window().diskPage().drives();
    ASSERT_EQ(drives.size(), 6u);
    EXPECT_EQ(drives[5].letter, 'r');
    EXPECT_EQ(drives[5].label, "RAMDISK");
    // The labels asked for, then the chosen drive's volume.
    EXPECT_EQ(machine.volumeQueries, (std::vector<std::string>{"c:\\", "d:\\", "r:\\", "c:\\"}));
}

// The first selection is the current directory's drive, whatever the case
// of its letter; without a letter (a network path) the box chooses no drive
// and the page shows the current directory's drive by number 0.
TEST_F(DiskPageTest, TheFirstSelectionIsTheCurrentDirectorysDrive) {
    const struct {
        const char* directory;
        char chosen;
        int number;
    } cases[] = {{"D:\\Work", 'd', 4}, {"c:\\", 'c', 3}, {"\\\\server\\share", 0, 0}, {"", 0, 0}};
    for (const auto& c : cases) {
        fake::Platform other;
        other.drives = 0xC;  // c: and d:
        other.disks[c.number] = {1048576LL * 10, 1048576LL * 5};
        other.currentDirectory_ = c.directory;
        RecordedWindow window(other);
        window.start();
        EXPECT_EQ(window.control<ui::DriveBox>(ids::DriveComboBox1).drive(), c.chosen) << c.directory;
        EXPECT_EQ(window.window.diskPage().driveNumber(), c.number) << c.directory;
        EXPECT_EQ(window.control(ids::Memo1).text(), "10 MB") << c.directory;
    }
}

// The back end reports the entry chosen, never a text to be read back.
TEST_F(DiskPageTest, AnEntryChosenFromTheListChoosesItsDrive) {
    machine.drives = 0xC;
    machine.disks[4] = {1048576LL * 30, 1048576LL * 5};
    start('c');
    auto& box = control<ui::DriveBox>(ids::DriveComboBox1);
    form().dispatch([&] { box.choose(1); });
    EXPECT_EQ(box.drive(), 'd');
    EXPECT_EQ(text(ids::Memo1), "30 MB");
    form().dispatch([&] { box.choose(7); });  // past the list: no drive; the number stays
    EXPECT_EQ(box.drive(), 0);
    EXPECT_EQ(window().diskPage().driveNumber(), 4);
}

}  // namespace
