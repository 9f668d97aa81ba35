#include "classlib/debug_output.h"

#include "classlib/cstring.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace {

// The read thread writes diagnostics too.
std::mutex g_sinkMutex;
DebugSink g_sink;

bool StderrWanted()
{
    static const bool wanted = std::getenv("RV417_DEBUG") != nullptr;
    return wanted;
}

}  // namespace

void DebugTrace(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    const std::wstring text = FormatWide(format, args);
    va_end(args);

    OutputDebugStringW(text.c_str());
    if (StderrWanted())
        std::fwprintf(stderr, L"%ls", text.c_str());

    std::lock_guard lock(g_sinkMutex);
    if (g_sink)
        g_sink(text);
}

DebugSink SetDebugSink(DebugSink sink)
{
    std::lock_guard lock(g_sinkMutex);
    std::swap(g_sink, sink);
    return sink;
}
