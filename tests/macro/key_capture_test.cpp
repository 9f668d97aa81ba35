#include "macro/key_capture.h"
#include "macro/single_dialog.h"

#include "messages.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

KBDLLHOOKSTRUCT Event(DWORD vk, DWORD flags)
{
    KBDLLHOOKSTRUCT event{};
    event.vkCode = vk;
    event.scanCode = ::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    event.flags = flags;
    return event;
}

}  // namespace

TEST(KeyCapture, NamesOnlyKeysThatCanBeAssigned)
{
    struct Row {
        DWORD vk;
        DWORD flags;
        std::optional<CString> name;
    };
    const Row rows[] = {
        {VK_F5, 0, L"F5"},
        {VK_F5, LLKHF_UP | LLKHF_INJECTED, L"F5"},  // a release, injected or not, names the key too
        {VK_RETURN, 0, L"Enter"},
        {VK_RETURN, LLKHF_UP, L"Enter"},
        {VK_RETURN, LLKHF_EXTENDED, L"Num Enter"},  // the keypad Enter
        {VK_RETURN, LLKHF_EXTENDED | LLKHF_UP, L"Num Enter"},
        {VK_RETURN, LLKHF_EXTENDED | LLKHF_INJECTED, L"Num Enter"},  // other bits do not count
        {VK_LSHIFT, 0, L"Shift"},
        {VK_RMENU, LLKHF_EXTENDED, L"Right Alt"},
        {VK_APPS, 0, L"App"},
        {'A', 0, L"A"},
        // Named keys without a keyboard usage would make the button do nothing.
        {VK_SELECT, 0, std::nullopt},
        {VK_EXECUTE, 0, std::nullopt},
        {VK_HELP, 0, std::nullopt},
        // Keys without a name.
        {VK_SHIFT, 0, std::nullopt},
        {VK_OEM_8, 0, std::nullopt},
        {0xF6, 0, std::nullopt},
    };
    for (const Row& r : rows)
        EXPECT_EQ(AssignableKeyName(r.vk, r.flags), r.name) << std::hex << r.vk << " " << r.flags;
}

TEST(KeyCapture, DialogEatsTheWindowsKeysAndTheDialogKeys)
{
    struct Row {
        UINT message;
        WPARAM wParam;
        bool eaten;
    };
    const Row rows[] = {
        {WM_KEYDOWN, VK_LWIN, true},   {WM_KEYUP, VK_RWIN, true},      {WM_CHAR, VK_LWIN, true},
        {WM_KEYDOWN, VK_RETURN, true}, {WM_SYSKEYUP, VK_ESCAPE, true}, {WM_KEYDOWN, VK_SPACE, true},
        {WM_KEYUP, VK_F1, true},       {WM_KEYDOWN, VK_F5, false},     {WM_KEYDOWN, 'A', false},
        {WM_CHAR, VK_RETURN, false},
    };
    for (const Row& r : rows) {
        MSG msg{};
        msg.message = r.message;
        msg.wParam = r.wParam;
        EXPECT_EQ(IsSwallowedCaptureDialogKey(msg), r.eaten) << std::hex << r.message << " " << r.wParam;
    }
}

// The hook procedure called as the system calls it, with a window of the
// test as the receiver of WM_KEY_CAPTURED.
class CaptureHookProcedure : public testing::Test {
protected:
    void SetUp() override
    {
        m_window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        g_hKeyCaptureWnd = m_window;
        g_strCapturedKey = L"Tab";
    }
    void TearDown() override
    {
        g_hKeyCaptureWnd = nullptr;
        ::DestroyWindow(m_window);
    }

    LRESULT Call(int code, DWORD vk, DWORD flags = 0)
    {
        KBDLLHOOKSTRUCT event = Event(vk, flags);
        return CSingleDialog::JournalRecordHook(code, WM_KEYDOWN, reinterpret_cast<LPARAM>(&event));
    }
    int TakeCapturedNotices()
    {
        int count = 0;
        MSG msg;
        while (::PeekMessageW(&msg, m_window, WM_KEY_CAPTURED, WM_KEY_CAPTURED, PM_REMOVE)) {
            EXPECT_EQ(msg.wParam, 0u);
            EXPECT_EQ(msg.lParam, 0);
            ++count;
        }
        return count;
    }

    HWND m_window = nullptr;
};

TEST_F(CaptureHookProcedure, SwallowsEveryKeyAndReportsOnlyAssignableOnes)
{
    EXPECT_EQ(Call(HC_ACTION, VK_F5), 1);
    EXPECT_EQ(g_strCapturedKey, L"F5");
    EXPECT_EQ(TakeCapturedNotices(), 1);

    EXPECT_EQ(Call(HC_ACTION, VK_HELP), 1);
    EXPECT_EQ(Call(HC_ACTION, VK_OEM_8, LLKHF_UP), 1);
    EXPECT_EQ(g_strCapturedKey, L"F5");
    EXPECT_EQ(TakeCapturedNotices(), 0);
}

TEST_F(CaptureHookProcedure, NegativeCodesGoDownTheChainUntouched)
{
    // With no hook of its own installed the chain answers 0.
    EXPECT_EQ(Call(-1, VK_F5), 0);
    EXPECT_EQ(g_strCapturedKey, L"Tab");
    EXPECT_EQ(TakeCapturedNotices(), 0);

    EXPECT_EQ(Call(1, VK_F5), 0);
    EXPECT_EQ(g_strCapturedKey, L"Tab");
    EXPECT_EQ(TakeCapturedNotices(), 0);
}
