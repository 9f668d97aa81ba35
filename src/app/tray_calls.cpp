#include "app/tray_calls.h"

#include <cstdlib>

namespace {

[[noreturn]] void EndProcess(int code)
{
    std::exit(code);
}

TrayCalls& Installed()
{
    static TrayCalls calls = RealTrayCalls();
    return calls;
}

}  // namespace

TrayCalls RealTrayCalls()
{
    return TrayCalls{&::Shell_NotifyIconW, &EndProcess};
}

const TrayCalls& CurrentTrayCalls()
{
    return Installed();
}

TrayCalls SetTrayCalls(const TrayCalls& calls)
{
    const TrayCalls previous = Installed();
    Installed() = calls;
    return previous;
}
