#include "app/device_watch.h"

#include "device/read_thread.h"

namespace {

DeviceWatchCalls& InstalledCalls()
{
    static DeviceWatchCalls calls = RealDeviceWatchCalls();
    return calls;
}

}  // namespace

DeviceWatchCalls RealDeviceWatchCalls()
{
    return {&CreateReadThread, &::RegisterDeviceNotificationW};
}

const DeviceWatchCalls& CurrentDeviceWatchCalls()
{
    return InstalledCalls();
}

DeviceWatchCalls SetDeviceWatchCalls(const DeviceWatchCalls& calls)
{
    const DeviceWatchCalls previous = InstalledCalls();
    InstalledCalls() = calls;
    return previous;
}
