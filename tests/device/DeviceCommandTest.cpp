// Command frames: the documented examples and edge cases.
#include "device/DeviceCommand.h"
#include "device/DeviceWriter.h"
#include "platform/afx/CByteArray.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

std::vector<BYTE> BytesOf(const DeviceCommand& command) {
    return {command.Bytes().begin(), command.Bytes().end()};
}

TEST(DeviceCommand, AddressFramesAreHeaderOpcodeAndOctetsInReadingOrder) {
    EXPECT_EQ(BytesOf(DeviceCommand::Address(DeviceOpcode::ServerAddress, {192, 168, 1, 10})),
              (std::vector<BYTE>{0x53, 0x45, 0x51, 0xC0, 0xA8, 0x01, 0x0A}));
    EXPECT_EQ(BytesOf(DeviceCommand::Address(DeviceOpcode::SubnetMask, {255, 255, 255, 0})),
              (std::vector<BYTE>{0x53, 0x45, 0x54, 0xFF, 0xFF, 0xFF, 0x00}));
    // A control left blank reads as zeros; the frame is still a whole frame.
    EXPECT_EQ(BytesOf(DeviceCommand::Address(DeviceOpcode::ControllerAddress, {0, 0, 0, 0})),
              (std::vector<BYTE>{0x53, 0x45, 0x52, 0, 0, 0, 0}));
}

TEST(DeviceCommand, MacFrameCarriesTheSixBytesAsBinary) {
    EXPECT_EQ(BytesOf(DeviceCommand::Mac({0, 1, 2, 3, 4, 5})),
              (std::vector<BYTE>{0x53, 0x45, 0x55, 0, 1, 2, 3, 4, 5}));
    const DeviceCommand full = DeviceCommand::Mac({255, 255, 255, 255, 255, 255});
    EXPECT_EQ(full.Length(), DeviceCommand::kMacFrameLength);
    EXPECT_EQ(BytesOf(full),
              (std::vector<BYTE>{0x53, 0x45, 0x55, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(DeviceCommand, EveryCommandHasItsOwnOpcode) {
    // The gateway must not reuse the server's opcode, or it would overwrite the server address.
    const std::set<BYTE> opcodes = {static_cast<BYTE>(DeviceOpcode::ServerAddress),
                                    static_cast<BYTE>(DeviceOpcode::ControllerAddress),
                                    static_cast<BYTE>(DeviceOpcode::GatewayAddress),
                                    static_cast<BYTE>(DeviceOpcode::SubnetMask),
                                    static_cast<BYTE>(DeviceOpcode::MacAddress)};
    EXPECT_EQ(opcodes.size(), 5u);
    EXPECT_EQ(BytesOf(DeviceCommand::Address(DeviceOpcode::GatewayAddress, {10, 0, 0, 1})),
              (std::vector<BYTE>{0x53, 0x45, 0x53, 10, 0, 0, 1}));
}

TEST(DeviceCommand, CopyReplacesWhateverTheArrayHeld) {
    CByteArray array;
    for (int i = 0; i < 20; ++i) {
        array.Add(0xEE);
    }
    CopyFrame(DeviceCommand::Address(DeviceOpcode::ServerAddress, {1, 2, 3, 4}), array);
    ASSERT_EQ(array.GetSize(), 7);
    EXPECT_EQ(array.Bytes(), (std::vector<BYTE>{0x53, 0x45, 0x51, 1, 2, 3, 4}));
    CopyFrame(DeviceCommand::Mac({9, 8, 7, 6, 5, 4}), array);
    EXPECT_EQ(array.GetSize(), 9);
}

} // namespace
