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

TEST_F(RegistrationTest, RegisteringWithoutAChangeWritesNothingAndShowsWhite) {
    start();
    click(ids::Change);
    click(ids::Touroku);
    EXPECT_TRUE(machine.computerNamesSet.empty());
    EXPECT_TRUE(machine.registry.writes.empty());
    EXPECT_EQ(stored("RegisteredOwner"), fake::bytes("Old Owner"));
    EXPECT_EQ(fontColour(ids::M1), colours::white);
    EXPECT_EQ(text(ids::M1), kViewing);
    EXPECT_TRUE(shown().messages.empty());
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

TEST_F(RegistrationTest, ARefusedNameIsReportedTheOwnerIsStillWrittenAndNoNameIsPending) {
    machine.computerNameAccepted = false;
    start();
    click(ids::Change);
    type(ids::NewName, "Owner");
    type(ids::NewPCName, "BAD NAME");
    click(ids::Touroku);
    EXPECT_EQ(shown().messages, std::vector<std::string>{"コンピュータ名を変更できません。"});
    EXPECT_EQ(stored("RegisteredOwner"), fake::bytes("Owner"));
    EXPECT_EQ(text(ids::NewPCName), "OLDNAME");
    EXPECT_EQ(text(ids::M1), kViewing);
    EXPECT_EQ(fontColour(ids::M1), colours::white);
    expectMode(false, true);
}

TEST_F(RegistrationTest, ARefusedNameLeavesTheNameThatReallyWaitsForTheRestart) {
    const char* const kNameKey = "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName";
    start();
    click(ids::Change);
    type(ids::NewPCName, "NEWNAME");
    click(ids::Touroku);
    EXPECT_EQ(text(ids::M1), kRestart);

    // A second name is refused: the first one still waits.
    machine.computerNameAccepted = false;
    click(ids::Change);
    type(ids::NewPCName, "REFUSED");
    click(ids::Touroku);
    EXPECT_EQ(shown().messages.size(), 1u);
    EXPECT_EQ(text(ids::NewPCName), "NEWNAME");
    EXPECT_EQ(text(ids::M1), kRestart);
    EXPECT_EQ(fontColour(ids::M1), colours::fuchsia);

    // What the system keeps is the truth, whoever set it.
    machine.registry.setString(kLocalMachine, kNameKey, "ComputerName", "ELSEWHERE");
    click(ids::Change);
    type(ids::NewPCName, "REFUSED2");
    click(ids::Touroku);
    EXPECT_EQ(text(ids::NewPCName), "ELSEWHERE");
    EXPECT_EQ(text(ids::M1), kRestart);

    // ... and when it names the machine's present name, nothing is pending.
    machine.registry.setString(kLocalMachine, kNameKey, "ComputerName", "OLDNAME");
    click(ids::Change);
    type(ids::NewPCName, "REFUSED3");
    click(ids::Touroku);
    EXPECT_EQ(text(ids::NewPCName), "OLDNAME");
    EXPECT_EQ(text(ids::M1), kViewing);
    EXPECT_EQ(machine.computerNamesSet, (std::vector<std::string>{"NEWNAME", "REFUSED", "REFUSED2", "REFUSED3"}));
}

TEST_F(RegistrationTest, ANameThatCouldNotBeReadIsNeverSetUnlessTyped) {
    machine.computerName.reset();
    start();
    EXPECT_EQ(text(ids::NewPCName), "???");
    click(ids::Change);
    type(ids::NewName, "Owner");
    click(ids::Touroku);
    EXPECT_TRUE(machine.computerNamesSet.empty());
    EXPECT_TRUE(shown().messages.empty());
    EXPECT_EQ(stored("RegisteredOwner"), fake::bytes("Owner"));
    EXPECT_EQ(text(ids::M1), kViewing);

    click(ids::Change);
    type(ids::NewPCName, "TYPEDNAME");
    click(ids::Touroku);
    EXPECT_EQ(machine.computerNamesSet, std::vector<std::string>{"TYPEDNAME"});
    EXPECT_EQ(text(ids::M1), kRestart);
}

TEST_F(RegistrationTest, ThePlaceholderIsNeverHandedToTheSystem) {
    start();
    click(ids::Change);
    type(ids::NewPCName, "???");
    click(ids::Touroku);
    EXPECT_TRUE(machine.computerNamesSet.empty());
    EXPECT_EQ(shown().messages, std::vector<std::string>{"コンピュータ名を変更できません。"});
    EXPECT_EQ(text(ids::NewPCName), "OLDNAME");
    EXPECT_EQ(text(ids::M1), kViewing);
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
    EXPECT_EQ(shown().messages.size(), 2u);
    type(ids::NewPCName, "ABCDEFGHIJKLMNO");  // 15 bytes: the longest the system keeps
    click(ids::Touroku);
    EXPECT_EQ(machine.computerNamesSet, std::vector<std::string>{"ABCDEFGHIJKLMNO"});
}

TEST_F(RegistrationTest, ANameWaitingFromAnEarlierRunShowsAtStartAndTypingThePresentNameBackUndoesIt) {
    const char* const kNameKey = "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName";
    machine.registry.setString(kLocalMachine, kNameKey, "ComputerName", "WAITING");
    start();
    EXPECT_EQ(text(ids::NowPCName), "OLDNAME");
    EXPECT_EQ(text(ids::NewPCName), "WAITING");
    EXPECT_EQ(text(ids::M1), kRestart);
    EXPECT_EQ(fontColour(ids::M1), colours::fuchsia);
    // Registering what waits already sets nothing again.
    click(ids::Change);
    click(ids::Touroku);
    EXPECT_TRUE(machine.computerNamesSet.empty());
    EXPECT_EQ(text(ids::M1), kRestart);
    // The present name typed back is set, and nothing waits any more.
    click(ids::Change);
    type(ids::NewPCName, "OLDNAME");
    click(ids::Touroku);
    EXPECT_EQ(machine.computerNamesSet, std::vector<std::string>{"OLDNAME"});
    EXPECT_EQ(text(ids::NewPCName), "OLDNAME");
    EXPECT_EQ(text(ids::M1), kViewing);
    EXPECT_EQ(fontColour(ids::M1), colours::white);
}

TEST_F(RegistrationTest, NothingWaitsWhereTheKeptNameIsThePresentOneInAnotherCase) {
    const char* const kNameKey = "SYSTEM\\CurrentControlSet\\Control\\ComputerName\\ComputerName";
    machine.registry.setString(kLocalMachine, kNameKey, "ComputerName", "oldname");
    start();
    EXPECT_EQ(text(ids::NewPCName), "OLDNAME");
    EXPECT_EQ(text(ids::M1), kViewing);
}

TEST_F(RegistrationTest, AnEmptyNameIsRefusedAsAnOverLongOneIs) {
    start();
    click(ids::Change);
    type(ids::NewPCName, "");
    click(ids::Touroku);
    EXPECT_TRUE(machine.computerNamesSet.empty());
    EXPECT_EQ(shown().messages, std::vector<std::string>{"コンピュータ名を変更できません。"});
    EXPECT_EQ(text(ids::NewPCName), "OLDNAME");
    EXPECT_EQ(text(ids::M1), kViewing);
}

TEST_F(RegistrationTest, TheNameShownIsTheOneTheSystemKeptNotTheOneTyped) {
    // What the system stores for what was typed: a blank, a star and every
    // byte of a two-byte character become '_'.
    const struct {
        std::string typed;
        std::string kept;
    } cases[] = {{"A B*C", "A_B_C"}, {"\x83\x65\x83\x58", "____"}, {"PLAIN", "PLAIN"}};
    machine.keepsComputerNameAs = [&cases](const std::string& name) {
        for (const auto& c : cases)
            if (c.typed == name) return c.kept;
        return name;
    };
    start();
    for (const auto& c : cases) {
        click(ids::Change);
        type(ids::NewPCName, c.typed);
        click(ids::Touroku);
        EXPECT_EQ(machine.computerNamesSet.back(), c.typed);
        EXPECT_EQ(text(ids::NewPCName), c.kept);
        EXPECT_EQ(text(ids::M1), kRestart);
    }
    EXPECT_TRUE(shown().messages.empty());
}

TEST_F(RegistrationTest, NoRegistrationStartsWhileOnesMessageBoxIsOpen) {
    machine.computerNameAccepted = false;
    start();
    int boxes = 0;
    shown().whileOpen = [&] {
        // Clicks and the Enter key reach the panel while the box runs its loop.
        if (++boxes > 5) return;
        click(ids::Touroku);
        form().dispatch([&] { control(ids::NewName).onEnter(); });
    };
    click(ids::Change);
    type(ids::NewPCName, "REFUSED");
    click(ids::Touroku);
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(machine.computerNamesSet, std::vector<std::string>{"REFUSED"});
    // Once it has ended, the next one runs.
    click(ids::Change);
    type(ids::NewPCName, "REFUSED");
    click(ids::Touroku);
    EXPECT_EQ(boxes, 2);
}

TEST_F(RegistrationTest, TheOwnerAndOrganisationBoxesTakeWhatThePageCanShowAgain) {
    start();
    EXPECT_EQ(control<ui::TextBox>(ids::NewName).maxLength(), 254u);
    EXPECT_EQ(control<ui::TextBox>(ids::NewCompany).maxLength(), 254u);
    // The computer name is refused whole when too long, never cut while typed.
    EXPECT_EQ(control<ui::TextBox>(ids::NewPCName).maxLength(), 0u);
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

TEST_F(RegistrationTest, WithoutAKnownPlatformTheWritesGoNowhereAndAChangeIsReported) {
    fake::Platform unknown;
    unknown.version.reset();
    RecordedWindow window(unknown);
    window.create();
    window.click(ids::Touroku);
    EXPECT_TRUE(unknown.registry.writes.empty());
    EXPECT_TRUE(unknown.computerNamesSet.empty());
    EXPECT_TRUE(window.shown.messages.empty());

    window.control(ids::NewName).textEdited("Owner");
    window.click(ids::Touroku);
    EXPECT_TRUE(unknown.registry.writes.empty());
    EXPECT_EQ(window.shown.messages, std::vector<std::string>{"所有者名と組織名を変更できません。"});
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

// Values the page cannot show whole, or shows cut, survive a registration
// that does not touch their boxes, byte for byte and type for type.
TEST_F(RegistrationTest, UntouchedBoxesChangeNoStoredByteOrType) {
    struct Case {
        const char* what;
        std::uint32_t type;
        std::vector<std::uint8_t> data;
    };
    std::vector<std::uint8_t> multi = fake::bytes("first");
    for (std::uint8_t b : fake::bytes("second")) multi.push_back(b);
    multi.push_back(0);
    const Case cases[] = {
        {"254 bytes and the zero", platform::kRegSz, fake::bytes(std::string(254, 'a'))},
        {"255 bytes and the zero", platform::kRegSz, fake::bytes(std::string(255, 'b'))},
        {"256 bytes and the zero", platform::kRegSz, fake::bytes(std::string(256, 'c'))},
        {"300 bytes and the zero", platform::kRegSz, fake::bytes(std::string(300, 'd'))},
        {"a multi-string", platform::kRegMultiSz, multi},
        {"an expandable string", platform::kRegExpandSz, fake::bytes("%SystemRoot%\\x")},
        {"a number", platform::kRegDword, {0x2A, 0, 0, 0}},
        {"binary without a zero", platform::kRegBinary, {'a', 'b', 'c'}},
        {"no data", platform::kRegSz, {}},
    };
    for (auto makeWindows : {fake::makeWindowsXp, fake::makeWindows98}) {
        for (const Case& c : cases) {
            fake::Platform other;
            makeWindows(other);
            const char* key = other.version->platformId == 1 ? kKey9x : kKeyNt;
            other.registry.set(kLocalMachine, key, "RegisteredOwner", c.type, c.data);
            other.registry.set(kLocalMachine, key, "RegisteredOrganization", c.type, c.data);
            RecordedWindow window(other);
            window.create();
            window.click(ids::Change);
            window.control(ids::NewPCName).textEdited("CHANGED");
            window.click(ids::Touroku);
            for (const char* name : {"RegisteredOwner", "RegisteredOrganization"}) {
                const fake::RegValue* value = other.registry.find(kLocalMachine, key, name);
                ASSERT_NE(value, nullptr) << c.what;
                EXPECT_EQ(value->type, c.type) << c.what << " " << name;
                EXPECT_EQ(value->data, c.data) << c.what << " " << name;
            }
            EXPECT_TRUE(other.registry.writes.empty()) << c.what;
            EXPECT_EQ(other.computerNamesSet, std::vector<std::string>{"CHANGED"}) << c.what;
            EXPECT_TRUE(window.shown.messages.empty()) << c.what;
        }
    }
}

TEST_F(RegistrationTest, AMissingValueIsNotCreatedByARegistrationThatLeavesItsBox) {
    machine.registry.removeKey(kLocalMachine, kKeyNt);
    start();
    click(ids::Change);
    type(ids::NewCompany, "New Org");
    click(ids::Touroku);
    EXPECT_EQ(machine.registry.find(kLocalMachine, kKeyNt, "RegisteredOwner"), nullptr);
    EXPECT_EQ(stored("RegisteredOrganization"), fake::bytes("New Org"));
}

TEST_F(RegistrationTest, ATyped255ByteOwnerIsWrittenWholeAndSurvivesTheNextRegistration) {
    const std::string owner(255, 'o');
    start();
    click(ids::Change);
    type(ids::NewName, owner);
    click(ids::Touroku);
    EXPECT_EQ(stored("RegisteredOwner"), fake::bytes(owner));
    EXPECT_EQ(text(ids::NowName), "");  // too long for the page to show
    click(ids::Change);
    type(ids::NewCompany, "Another Org");
    click(ids::Touroku);
    EXPECT_EQ(stored("RegisteredOwner"), fake::bytes(owner));
    EXPECT_EQ(stored("RegisteredOrganization"), fake::bytes("Another Org"));
}

TEST_F(RegistrationTest, ARefusedWriteIsReportedAndThePageShowsWhatTheRegistryHolds) {
    const std::string kCannot = "所有者名と組織名を変更できません。";
    struct Case {
        const char* what;
        void (*refuse)(fake::Registry&);
        std::string owner;  // stored and shown afterwards
        std::string organisation;
    };
    const Case cases[] = {
        {"the organisation refused",
         [](fake::Registry& r) { r.refuseWrite(kLocalMachine, kKeyNt, "RegisteredOrganization"); },
         "New Owner", "Old Org"},
        {"the owner refused", [](fake::Registry& r) { r.refuseWrite(kLocalMachine, kKeyNt, "RegisteredOwner"); },
         "Old Owner", "New Org"},
        {"the key refused", [](fake::Registry& r) { r.refuseCreate(kLocalMachine, kKeyNt); }, "Old Owner",
         "Old Org"},
    };
    for (const Case& c : cases) {
        fake::Platform other;
        fake::makeWindowsXp(other);
        other.registry.setString(kLocalMachine, kKeyNt, "RegisteredOwner", "Old Owner");
        other.registry.setString(kLocalMachine, kKeyNt, "RegisteredOrganization", "Old Org");
        c.refuse(other.registry);
        RecordedWindow window(other);
        window.create();
        auto& form = window.window.form();
        window.click(ids::Change);
        form.get<ui::Control>(ids::NewName).textEdited("New Owner");
        form.get<ui::Control>(ids::NewCompany).textEdited("New Org");
        window.click(ids::Touroku);
        EXPECT_EQ(window.shown.messages, std::vector<std::string>{kCannot}) << c.what;
        EXPECT_EQ(other.registry.find(kLocalMachine, kKeyNt, "RegisteredOwner")->data, fake::bytes(c.owner)) << c.what;
        EXPECT_EQ(other.registry.find(kLocalMachine, kKeyNt, "RegisteredOrganization")->data,
                  fake::bytes(c.organisation))
            << c.what;
        EXPECT_EQ(form.get<ui::Control>(ids::NowName).text(), c.owner) << c.what;
        EXPECT_EQ(form.get<ui::Control>(ids::NewName).text(), c.owner) << c.what;
        EXPECT_EQ(form.get<ui::Control>(ids::NewCompany).text(), c.organisation) << c.what;
        EXPECT_EQ(form.get<ui::Control>(ids::M1).text(), kViewing) << c.what;
        EXPECT_EQ(other.registry.openHandles(), 0u) << c.what;
    }
}

TEST_F(RegistrationTest, ARefusedNameAndARefusedWriteAreBothReportedInTheirOrder) {
    machine.computerNameAccepted = false;
    machine.registry.refuseCreate(kLocalMachine, kKeyNt);
    start();
    click(ids::Change);
    type(ids::NewName, "New Owner");
    type(ids::NewPCName, "NEWNAME");
    click(ids::Touroku);
    EXPECT_EQ(shown().messages,
              (std::vector<std::string>{"コンピュータ名を変更できません。", "所有者名と組織名を変更できません。"}));
    EXPECT_EQ(text(ids::M1), kViewing);
}

}  // namespace
