// Registering a new owner, organisation and computer name, and the page's modes.
#include "form_fixture.h"

namespace {

namespace colours = present::colours;
using platform::kLocalMachine;

const char* const kKeyNt = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
const char* const kKey9x = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const std::string kViewing = "登録情報を表示中です\r\n変更は登録変更ボタン";
const std::string kRestart = " 新ＰＣ名は再起動後\r\n『有効』になります";
const std::string kEditing = "新データに変更する場合\r\n登録ボタンをクリック";

class RegistrationTest : public FormTest {
protected:
    RegistrationTest() {
        fake::makeWindowsXp(machine);
        machine.computerName = "OLDNAME";
        machine.registry.setString(kLocalMachine, kKeyNt, "RegisteredOwner", "Old Owner");
        machine.registry.setString(kLocalMachine, kKeyNt, "RegisteredOrganization", "Old Org");
    }
    void TearDown() override { EXPECT_EQ(machine.registry.openHandles(), 0u); }
    void click(int id) {
        form().dispatch([&] { control(id).click(); });
    }
    void type(int id, const std::string& text) {
        form().dispatch([&] { control(id).textEdited(text); });
    }
    std::vector<std::uint8_t> stored(const char* name, const char* key = kKeyNt) {
        const fake::RegValue* value = machine.registry.find(kLocalMachine, key, name);
        return value ? value->data : std::vector<std::uint8_t>{};
    }
    void expectMode(bool editing, bool m1Shown) {
        EXPECT_EQ(visible(ids::Panel20), editing);
        EXPECT_EQ(visible(ids::Panel25), !editing);
        EXPECT_EQ(visible(ids::M1), m1Shown);
    }
};

TEST_F(RegistrationTest, TheModesFollowTheStateTable) {
    start();
    expectMode(false, true);
    EXPECT_EQ(text(ids::M1), kViewing);

    showPage(ids::UserTab);
    click(ids::Change);
    expectMode(true, false);
    EXPECT_EQ(form().focused()->id(), ids::NewName);

    type(ids::NewCompany, "New Org");
    expectMode(true, true);
    EXPECT_EQ(text(ids::M1), kEditing);
    EXPECT_EQ(fontColour(ids::M1), colours::yellow);

    click(ids::Cancel);
    expectMode(false, true);
    EXPECT_EQ(text(ids::M1), kViewing);

    click(ids::Change);
    click(ids::Touroku);
    expectMode(false, true);
    EXPECT_EQ(text(ids::M1), kViewing);
}

TEST_F(RegistrationTest, RegisteringWithoutAChangeRewritesEverythingAndShowsWhite) {
    start();
    click(ids::Change);
    click(ids::Touroku);
    EXPECT_EQ(machine.computerNamesSet, std::vector<std::string>{"OLDNAME"});  // set again, always first
    EXPECT_EQ(stored("RegisteredOwner"), fake::bytes("Old Owner"));
    EXPECT_EQ(stored("RegisteredOrganization"), fake::bytes("Old Org"));
    EXPECT_EQ(fontColour(ids::M1), colours::white);
    EXPECT_EQ(text(ids::M1), kViewing);
    EXPECT_TRUE(form().messagesShown().empty());
}

TEST_F(RegistrationTest, ANewOwnerOrganisationAndNameAreWrittenAndWaitForARestart) {
    start();
    click(ids::Change);
    type(ids::NewName, "山田　太郎");
    type(ids::NewCompany, "Velnor 研究所");
    type(ids::NewPCName, "NEWNAME");
    click(ids::Touroku);
    EXPECT_EQ(machine.computerNamesSet, std::vector<std::string>{"NEWNAME"});
    EXPECT_EQ(stored("RegisteredOwner"), fake::bytes("山田　太郎"));
    EXPECT_EQ(stored("RegisteredOrganization"), fake::bytes("Velnor 研究所"));
    EXPECT_EQ(machine.registry.find(kLocalMachine, kKeyNt, "RegisteredOwner")->type, platform::kRegSz);
    EXPECT_EQ(text(ids::NowName), "山田　太郎");  // read back by the refresh
    EXPECT_EQ(text(ids::NowPCName), "OLDNAME");    // the old name until the restart
    EXPECT_EQ(text(ids::NewPCName), "NEWNAME");
    EXPECT_EQ(fontColour(ids::M1), colours::fuchsia);
    EXPECT_EQ(text(ids::M1), kRestart);
    // Nothing else is written anywhere.
    EXPECT_EQ(machine.registry.writes.size(), 2u);
    EXPECT_TRUE(machine.directoriesCreated.size() == 1);
}

TEST_F(RegistrationTest, ANameDifferingOnlyInLetterCaseWaitsForARestartToo) {
    start();
    click(ids::Change);
    type(ids::NewPCName, "oldname");
    click(ids::Touroku);
    EXPECT_EQ(text(ids::M1), kRestart);
    EXPECT_EQ(fontColour(ids::M1), colours::fuchsia);
}

TEST_F(RegistrationTest, ARefusedNameIsReportedAndTheOwnerIsStillWritten) {
    machine.computerNameAccepted = false;
    start();
    click(ids::Change);
    type(ids::NewName, "Owner");
    type(ids::NewPCName, "BAD NAME");
    click(ids::Touroku);
    EXPECT_EQ(form().messagesShown(), std::vector<std::string>{"コンピュータ名を変更できません。"});
    EXPECT_EQ(stored("RegisteredOwner"), fake::bytes("Owner"));
    EXPECT_EQ(text(ids::M1), kRestart);  // by the comparison alone
    expectMode(false, true);
}

TEST_F(RegistrationTest, AnOverLongNameIsRefusedWholeNeverCut) {
    start();
    click(ids::Change);
    const std::string names[] = {"ABCDEFGHIJKLMNOP", std::string(300, 'X')};
    for (const std::string& name : names) {
        type(ids::NewPCName, name);
        click(ids::Touroku);
        click(ids::Change);
    }
    EXPECT_TRUE(machine.computerNamesSet.empty());
    EXPECT_EQ(form().messagesShown().size(), 2u);
    type(ids::NewPCName, "ABCDEFGHIJKLMNO");  // 15 bytes: the longest the system keeps
    click(ids::Touroku);
    EXPECT_EQ(machine.computerNamesSet, std::vector<std::string>{"ABCDEFGHIJKLMNO"});
}

TEST_F(RegistrationTest, OwnersOfAnyLengthAreWrittenWholeWithTheirZero) {
    start();
    const std::string owners[] = {"", std::string(200, 'o'), std::string(254, 'p')};
    for (const std::string& owner : owners) {
        click(ids::Change);
        type(ids::NewName, owner);
        click(ids::Touroku);
        EXPECT_EQ(stored("RegisteredOwner"), fake::bytes(owner)) << owner.size();
        EXPECT_EQ(text(ids::NowName), owner) << owner.size();
        EXPECT_EQ(text(ids::NewName), owner) << owner.size();
    }
    EXPECT_EQ(stored("RegisteredOwner").size(), 255u);
}

TEST_F(RegistrationTest, CancelRestoresTheFieldsButKeepsTheTypedName) {
    start();
    click(ids::Change);
    type(ids::NewName, "typed owner");
    type(ids::NewCompany, "typed org");
    type(ids::NewPCName, "TYPED");
    click(ids::Cancel);
    EXPECT_EQ(text(ids::NewName), "Old Owner");
    EXPECT_EQ(text(ids::NewCompany), "Old Org");
    EXPECT_EQ(text(ids::NewPCName), "TYPED");
    EXPECT_TRUE(machine.registry.writes.empty());
    EXPECT_TRUE(machine.computerNamesSet.empty());
    // A later registration sets the name that was typed.
    click(ids::Change);
    click(ids::Touroku);
    EXPECT_EQ(machine.computerNamesSet, std::vector<std::string>{"TYPED"});
}

TEST_F(RegistrationTest, TheRestartTextStaysUntilTheNextRefresh) {
    start();
    click(ids::Change);
    type(ids::NewPCName, "NEWNAME");
    click(ids::Touroku);
    EXPECT_EQ(text(ids::M1), kRestart);
    click(ids::Change);
    EXPECT_FALSE(visible(ids::M1));
    click(ids::Cancel);
    EXPECT_EQ(text(ids::M1), kViewing);
}

TEST_F(RegistrationTest, WithoutAKnownPlatformTheWritesGoNowhere) {
    fake::Platform unknown;
    unknown.version.reset();
    app::TForm1 window(unknown);
    window.FormCreate();
    window.form().dispatch([&] { window.form().get<ui::Control>(ids::Touroku).click(); });
    EXPECT_TRUE(unknown.registry.writes.empty());
    EXPECT_EQ(unknown.computerNamesSet.size(), 1u);
}

TEST_F(RegistrationTest, Windows9xWritesItsOwnKey) {
    fake::makeWindows98(machine);
    start();
    click(ids::Change);
    type(ids::NewName, "Owner 98");
    click(ids::Touroku);
    EXPECT_EQ(stored("RegisteredOwner", kKey9x), fake::bytes("Owner 98"));
    EXPECT_EQ(stored("RegisteredOwner"), fake::bytes("Old Owner"));
}

TEST_F(RegistrationTest, UnderWow64TheValuesGoToThe64BitView) {
    machine.wow64 = true;
    start();
    click(ids::Change);
    type(ids::NewName, "Owner64");
    click(ids::Touroku);
    EXPECT_EQ(stored("RegisteredOwner"), fake::bytes("Owner64"));
    EXPECT_EQ(machine.registry.find(kLocalMachine, "SOFTWARE\\Wow6432Node\\Microsoft\\Windows NT\\CurrentVersion",
                                    "RegisteredOwner"),
              nullptr);
    EXPECT_EQ(text(ids::NowName), "Owner64");
}

}  // namespace
