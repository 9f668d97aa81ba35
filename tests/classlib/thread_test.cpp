#include "classlib/win_app.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace {

struct Work {
    std::atomic<int> runs{0};
    std::atomic<int> priorityInside{0};
    HANDLE done = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ~Work() { ::CloseHandle(done); }
};

UINT __cdecl DoWork(LPVOID parameter)
{
    auto* work = static_cast<Work*>(parameter);
    work->priorityInside = ::GetThreadPriority(::GetCurrentThread());
    ++work->runs;
    ::SetEvent(work->done);
    return 9;
}

TEST(WorkerThread, SuspendedThreadRunsOnlyOnceResumed)
{
    Work work;
    CWinThread* thread = AfxBeginThread(DoWork, &work, THREAD_PRIORITY_BELOW_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(thread, nullptr);
    // Keep the object after the thread ends, to read its exit code.
    thread->m_bAutoDelete = FALSE;
    std::unique_ptr<CWinThread> owner(thread);

    // Suspending once more reports the count the thread was created with.
    EXPECT_EQ(thread->SuspendThread(), 1u);
    EXPECT_EQ(thread->ResumeThread(), 2u);
    EXPECT_EQ(work.runs, 0);

    EXPECT_EQ(thread->ResumeThread(), 1u);
    ASSERT_EQ(::WaitForSingleObject(thread->m_hThread, 10000), WAIT_OBJECT_0);
    EXPECT_EQ(work.runs, 1);
    EXPECT_EQ(work.priorityInside, THREAD_PRIORITY_BELOW_NORMAL);
    DWORD code = 0;
    ::GetExitCodeThread(thread->m_hThread, &code);
    EXPECT_EQ(code, 9u);
}

TEST(WorkerThread, ThreadStartsAtOnceWithoutTheSuspendFlag)
{
    Work work;
    CWinThread* thread = AfxBeginThread(DoWork, &work);
    ASSERT_NE(thread, nullptr);
    // The object deletes itself when the function returns; only the event is
    // safe to wait on.
    ASSERT_EQ(::WaitForSingleObject(work.done, 10000), WAIT_OBJECT_0);
    EXPECT_EQ(work.runs, 1);
    EXPECT_EQ(work.priorityInside, THREAD_PRIORITY_NORMAL);
}

}  // namespace
