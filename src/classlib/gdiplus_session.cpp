#include "classlib/gdiplus_session.h"

#include <windows.h>
#include <gdiplus.h>

namespace {

class GdiplusSession {
public:
    GdiplusSession()
    {
        Gdiplus::GdiplusStartupInput input;
        m_started = Gdiplus::GdiplusStartup(&m_token, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession()
    {
        if (m_started)
            Gdiplus::GdiplusShutdown(m_token);
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

    bool started() const { return m_started; }

private:
    ULONG_PTR m_token = 0;
    bool m_started = false;
};

}  // namespace

bool EnsureGdiplusStarted()
{
    // Thread-safe, run-once construction; destroyed at process exit.
    static GdiplusSession session;
    return session.started();
}
