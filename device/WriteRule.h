// When the port is opened and closed around a frame, and the order and pacing of a sequence
// of frames: the same for every program that writes a controller, so that the dialog and the
// command line treat the device alike.
#pragma once

#include "device/DeviceCommand.h"
#include "device/FramePort.h"

#include <array>
#include <chrono>
#include <functional>
#include <optional>
#include <span>

// The pause after each frame of a sequence, which gives the controller time to take it.
constexpr std::chrono::milliseconds kPauseAfterWrite{500};

// The order in which "write all" sends the settings.
constexpr std::array<DeviceOpcode, 5> kWriteAllOrder = {
    DeviceOpcode::ServerAddress, DeviceOpcode::ControllerAddress, DeviceOpcode::SubnetMask,
    DeviceOpcode::GatewayAddress, DeviceOpcode::MacAddress};

// Suspends the caller for the given time.
using PauseFor = std::function<void(std::chrono::milliseconds)>;
// One step of a sequence: the frame to send, or none to stop the sequence there. It is asked
// for only when its turn comes, after the frames before it have gone out.
using NextFrame = std::function<std::optional<DeviceCommand>()>;

// Sends one frame: opens the port when it is closed, sends, and closes it again after an
// address frame; after the MAC frame the port stays open.
void WriteFrame(FramePort& port, const DeviceCommand& command);

// Sends the steps' frames in turn with WriteFrame, each followed by the pause; false when a
// step stopped the sequence.
bool WriteFrames(FramePort& port, std::span<const NextFrame> steps, const PauseFor& pause);
