// The registry layer against the fake registry: key ownership, the old-style
// reads of the user page, and the type and size rules of the other reads.
#include <gtest/gtest.h>

#include <cstring>

#include "fake_platform.h"
#include "platform/registry.h"

namespace {

using platform::kDynData;
using platform::kLocalMachine;

class RegistryTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(machine.registry.openHandles(), 0u) << "a key was left open"; }

    fake::Platform machine;
};

TEST_F(RegistryTest, KeysCloseWhenTheirOwnerGoes) {
    machine.registry.createKey(kLocalMachine, "SOFTWARE\\A");
    {
        registry::Key key = registry::Key::open(machine, kLocalMachine, "SOFTWARE\\A\\", 0);
        EXPECT_TRUE(key);
        EXPECT_EQ(machine.registry.openHandles(), 1u);
        registry::Key moved = std::move(key);
        EXPECT_FALSE(key);
        EXPECT_EQ(machine.registry.openHandles(), 1u);
    }
    EXPECT_FALSE(registry::Key::open(machine, kLocalMachine, "SOFTWARE\\Missing", 0));
    EXPECT_TRUE(registry::Key::create(machine, kLocalMachine, "SOFTWARE\\New\\Deep", 0));
    EXPECT_TRUE(machine.registry.hasKey(kLocalMachine, "SOFTWARE\\New\\Deep"));
}

TEST_F(RegistryTest, TheOldReadTakesOnlyTheBytesTheReadReturned) {
    const std::string key = "SOFTWARE\\Owner";
    auto set = [&](const char* name, std::uint32_t type, std::vector<std::uint8_t> data) {
        machine.registry.set(kLocalMachine, key, name, type, std::move(data));
    };
    set("fits", platform::kRegSz, fake::bytes(std::string(254, 'a')));          // 255 bytes with its zero
    set("toolong", platform::kRegSz, fake::bytes(std::string(255, 'b')));       // 256 bytes
    set("unterminated", platform::kRegSz, fake::bytes(std::string(255, 'c'), false));
    set("empty", platform::kRegSz, fake::bytes(""));
    set("nothing", platform::kRegSz, {});
    set("number", platform::kRegDword, {0x41, 0x42, 0x00, 0x00});
    set("inner", platform::kRegSz, {'x', 0, 'y', 0});

    registry::Key open = registry::Key::open(machine, kLocalMachine, key, 0);
    EXPECT_EQ(open.readAnyText("fits"), std::string(254, 'a'));
    EXPECT_EQ(open.readAnyText("toolong"), "");  // no garbage from a short buffer
    EXPECT_EQ(open.readAnyText("unterminated"), std::string(255, 'c'));
    EXPECT_EQ(open.readAnyText("empty"), "");
    EXPECT_EQ(open.readAnyText("nothing"), "");
    EXPECT_EQ(open.readAnyText("number"), "AB");  // the type is not looked at
    EXPECT_EQ(open.readAnyText("inner"), "x");
    EXPECT_EQ(open.readAnyText("missing"), "");
    EXPECT_EQ(registry::Key().readAnyText("fits"), "");
}

TEST_F(RegistryTest, WriteTextStoresTheTerminatingZero) {
    registry::Key key = registry::Key::create(machine, kLocalMachine, "SOFTWARE\\W", 0);
    key.writeText("Owner", "abc");
    key.writeText("Empty", "");
    const fake::RegValue* owner = machine.registry.find(kLocalMachine, "SOFTWARE\\W", "Owner");
    ASSERT_NE(owner, nullptr);
    EXPECT_EQ(owner->type, platform::kRegSz);
    EXPECT_EQ(owner->data, (std::vector<std::uint8_t>{'a', 'b', 'c', 0}));
    EXPECT_EQ(machine.registry.find(kLocalMachine, "SOFTWARE\\W", "Empty")->data, std::vector<std::uint8_t>{0});
    EXPECT_NE(registry::Key().writeText("Owner", "x"), platform::kSuccess);
}

TEST_F(RegistryTest, AKeyOpensByItsPathAndAMissingOneReadsNothing) {
    machine.registry.setString(kLocalMachine, "HARDWARE\\DESCRIPTION\\System", "Date", "01/02/03");
    registry::Key none;
    EXPECT_EQ(none.readString("Date"), "");  // no key open: every value is missing
    registry::Key system = registry::Key::open(machine, kLocalMachine, "HARDWARE\\DESCRIPTION\\System", platform::kKeyRead);
    EXPECT_EQ(system.readString("Date"), "01/02/03");
    EXPECT_FALSE(registry::Key::open(machine, kLocalMachine, "HARDWARE\\Missing", platform::kKeyRead));
    EXPECT_EQ(machine.registry.openHandles(), 1u);
}

TEST_F(RegistryTest, StringReadsAcceptOnlyStringTypes) {
    const std::string key = "HARDWARE\\K";
    machine.registry.setString(kLocalMachine, key, "sz", "text");
    machine.registry.set(kLocalMachine, key, "expand", platform::kRegExpandSz, fake::bytes("%PATH%"));
    machine.registry.set(kLocalMachine, key, "empty", platform::kRegSz, {});
    machine.registry.set(kLocalMachine, key, "dword", platform::kRegDword, {1, 0, 0, 0});
    machine.registry.set(kLocalMachine, key, "binary", platform::kRegBinary, {'a', 0});
    machine.registry.set(kLocalMachine, key, "multi", platform::kRegMultiSz, fake::bytes("a\0b"));
    machine.registry.set(kLocalMachine, key, "bigstring", platform::kRegSz, fake::bytes(std::string(5000, 'z')));
    registry::Key open = registry::Key::open(machine, kLocalMachine, key, platform::kKeyRead);
    ASSERT_TRUE(open);
    const std::pair<const char*, std::string> texts[] = {
        {"sz", "text"}, {"expand", "%PATH%"}, {"empty", ""}, {"missing", ""}, {"bigstring", std::string(5000, 'z')}};
    for (const auto& [name, text] : texts) EXPECT_EQ(open.readString(name), text) << name;
    for (const char* name : {"dword", "binary", "multi"}) EXPECT_EQ(open.readString(name), std::nullopt) << name;
}

TEST_F(RegistryTest, BinaryReadsCheckTypeAndSize) {
    const std::string key = "PerfStats\\StatData";
    machine.registry.set(kDynData, key, "four", platform::kRegBinary, {42, 0, 0, 0});
    machine.registry.set(kDynData, key, "five", platform::kRegBinary, {1, 2, 3, 4, 5});
    machine.registry.set(kDynData, key, "none", platform::kRegNone, {7, 0, 0, 0});
    machine.registry.set(kDynData, key, "multi", platform::kRegMultiSz, {'A', 'B', 0, 0});
    machine.registry.set(kDynData, key, "dword", platform::kRegDword, {1, 0, 0, 0});
    machine.registry.set(kDynData, key, "sz", platform::kRegSz, fake::bytes("1"));
    machine.registry.set(kDynData, key, "expand", platform::kRegExpandSz, fake::bytes("1"));
    machine.registry.set(kDynData, key, "zero", platform::kRegBinary, {});
    registry::Key open = registry::Key::open(machine, kDynData, key, platform::kKeyRead);
    ASSERT_TRUE(open);

    std::uint8_t buffer[4] = {9, 9, 9, 9};
    auto read = [&](const char* name) {
        std::optional<std::size_t> result = open.readBinary(name, buffer, 4);
        EXPECT_TRUE(result) << name;
        return result.value_or(99);
    };
    EXPECT_EQ(read("missing"), 0u);
    EXPECT_EQ(buffer[0], 9);  // a missing value leaves the buffer as it was
    EXPECT_EQ(read("four"), 4u);
    EXPECT_EQ(buffer[0], 42);
    EXPECT_EQ(read("none"), 4u);
    EXPECT_EQ(buffer[0], 7);
    EXPECT_EQ(read("multi"), 4u);
    EXPECT_EQ(read("zero"), 0u);
    std::memset(buffer, 9, sizeof buffer);
    for (const char* name : {"five", "dword", "sz", "expand"})
        EXPECT_EQ(open.readBinary(name, buffer, 4), std::nullopt) << name;
    EXPECT_EQ(buffer[0], 9);  // nothing copied for a value refused
}

TEST_F(RegistryTest, AKeyListsItsValueNames) {
    EXPECT_TRUE(registry::Key().valueNames().empty());
    machine.registry.set(kDynData, "PerfStats\\StartStat", "KERNEL\\CPUUsage", platform::kRegBinary, {0, 0, 0, 0});
    machine.registry.set(kDynData, "PerfStats\\StartStat", "VMM\\cPageFaults", platform::kRegBinary, {0, 0, 0, 0});
    registry::Key open = registry::Key::open(machine, kDynData, "PerfStats\\StartStat", platform::kKeyRead);
    EXPECT_EQ(open.valueNames(), (std::vector<std::string>{"KERNEL\\CPUUsage", "VMM\\cPageFaults"}));
}

TEST_F(RegistryTest, AKeyWithoutAccessRightsIsAsAMissingKey) {
    machine.registry.setString(kLocalMachine, "HARDWARE\\Locked", "v", "secret");
    machine.registry.deniedKeys.insert("hklm\\hardware\\locked");
    registry::Key locked = registry::Key::open(machine, kLocalMachine, "HARDWARE\\Locked", platform::kKeyRead);
    EXPECT_FALSE(locked);
    EXPECT_EQ(locked.readString("v"), "");
}

TEST_F(RegistryTest, AFetchThatFailsAfterTheSizeWasAskedGivesNothing) {
    // The value grows between the two queries of a read, as a statistic may:
    // the second one finds the buffer too small.
    class Growing : public fake::Platform {
    public:
        long regQueryValue(platform::RegKey key, const std::string& name, std::uint32_t* type, std::uint8_t* data,
                           std::uint32_t* size) override {
            if (data != nullptr) registry.set(kDynData, "PerfStats\\StatData", name, platform::kRegBinary, {1, 2, 3});
            return fake::Platform::regQueryValue(key, name, type, data, size);
        }
    };
    Growing growing;
    growing.registry.set(kDynData, "PerfStats\\StatData", "sz", platform::kRegSz, fake::bytes("1"));
    growing.registry.set(kDynData, "PerfStats\\StatData", "binary", platform::kRegBinary, {1});
    {
        registry::Key open = registry::Key::open(growing, kDynData, "PerfStats\\StatData", platform::kKeyRead);
        ASSERT_TRUE(open);
        EXPECT_EQ(open.readString("sz"), std::nullopt);
        std::uint8_t buffer[4] = {9, 9, 9, 9};
        EXPECT_EQ(open.readBinary("binary", buffer, 4), std::nullopt);
        EXPECT_EQ(buffer[0], 9);  // nothing copied
    }
    EXPECT_EQ(growing.registry.openHandles(), 0u);
}

}  // namespace
