#include "device/single_commands.h"

#include "classlib/debug_output.h"
#include "device/clock.h"
#include "device/hid_link.h"

#include <algorithm>

DeviceImage g_DevImage;

namespace {

uint8_t U8(int value)
{
    return static_cast<uint8_t>(value);
}

}  // namespace

void SetFunctionOption()
{
    const auto& keys = g_Settings.FingerTapKey;
    DeviceCommand command{};
    command.Code = kCmdSetFunctionOption;
    command.Arg1 = kFunctionOptionSelector;
    command.Arg2 = U8((U8(keys[2]) << 2) | (U8(keys[1]) << 1) | U8(keys[0]));
    SendCommand(command);
    DebugTrace(L"SetFunctionOption:%02x-%02x\n", command.Arg1, command.Arg2);
}

void ReadFirmwareVersion()
{
    DeviceCommand command{};
    command.Code = kCmdReadFirmwareVersion;
    SendCommand(command);
    DebugTrace(L"FW version:%02x-%02x\n", command.Arg1, command.Arg2);
}

void ReadCurrentProfile()
{
    DeviceCommand command{};
    command.Code = kCmdReadCurrentProfile;
    SendCommand(command);
    g_DevImage.DeviceProfile = command.Arg1;
}

void TransferProfileBlock()
{
    std::array<uint8_t, kTransferBufferSize> transfer{};
    DeviceCommand command{};
    command.Code = kCmdReadProfileBlock;
    command.Arg1 = g_DevImage.DeviceProfile;
    SendCommandWithData(command, transfer);
    // The reply says how much was read; the block holds 128 bytes at most.
    const size_t length = std::min<size_t>(command.Arg2, g_DevImage.ProfileBlocks.size());
    std::copy_n(transfer.begin(), length, g_DevImage.ProfileBlocks.begin());
    ClockSleep(10);
}
