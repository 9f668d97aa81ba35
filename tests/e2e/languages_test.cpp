// The running program in each of its four languages, chosen by "Lan" in
// str0.ini: the main window with a settings section open and the macro
// manager show that language's texts, and each is saved as a picture in
// build/screenshots/ (main-window-<code>.png, macro-manager-<code>.png),
// from which the README's pictures are taken.

#include "program_steps.h"

#include "pages/panel_layout.h"

#include <windows.h>

#include <gdiplus.h>

#include <array>
#include <string>

namespace {

using namespace e2e;

bool HasHanCharacter(const std::wstring& text)
{
    for (const wchar_t ch : text)
        if (ch >= 0x4E00 && ch <= 0x9FFF)
            return true;
    return false;
}

// Saves what the screen shows of `window`'s client area as a PNG file,
// once the program has painted it.
bool SaveClientArea(HWND window, const std::wstring& path)
{
    const RECT area = ClientRectOnScreen(window);
    SettledScreenRegion(window, area);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    ULONG_PTR token = 0;
    const Gdiplus::GdiplusStartupInput input;
    bool saved = false;
    if (Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok) {
        {
            Gdiplus::Bitmap picture(bitmap, nullptr);
            // The system's PNG encoder.
            const CLSID png{0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
            saved = picture.Save(path.c_str(), &png, nullptr) == Gdiplus::Ok;
        }
        Gdiplus::GdiplusShutdown(token);
    }
    DeleteObject(bitmap);
    return saved;
}

std::wstring ScreenshotPath(const std::wstring& name)
{
    const std::wstring folder = RV417_BIN_DIR_W L"\\..\\screenshots\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder + name;
}

class Languages : public ProgramEndToEnd, public testing::WithParamInterface<const wchar_t*> {};

}  // namespace

TEST_P(Languages, MainWindowAndMacroManagerShowTheLanguage)
{
    const std::wstring code = GetParam();
    ASSERT_TRUE(WritePrivateProfileStringW(L"Skins", L"Lan", code.c_str(), folder.file(L"str0.ini").c_str()));
    const HWND main = StartAndWaitForMainWindow();
    ASSERT_NE(main, nullptr);

    const std::wstring managerItem = WindowText(VisibleChildAt(main, kMacroManagerItem));
    ASSERT_FALSE(managerItem.empty());
    if (code == L"CHS" || code == L"CHT")
        EXPECT_TRUE(HasHanCharacter(managerItem)) << testing::PrintToString(managerItem);
    else if (code == L"EN")
        EXPECT_EQ(managerItem, L"Macro Manager");
    else
        EXPECT_FALSE(HasHanCharacter(managerItem));

    ASSERT_NE(OpenPanelSection(main, kSectionDpi), nullptr) << "the DPI section did not open";
    // The sections below the opened one may not have repainted yet.
    RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(SaveClientArea(main, ScreenshotPath(L"main-window-" + code + L".png")));

    HWND manager = nullptr;
    ASSERT_TRUE(ClickUntil(main, kMacroManagerItem, [&] {
        manager = WaitForOtherWindow(main, L"#32770", 0);
        return manager != nullptr;
    })) << "no macro manager";
    SetWindowPos(manager, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    BringToFront(manager);
    RedrawWindow(manager, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    EXPECT_TRUE(SaveClientArea(manager, ScreenshotPath(L"macro-manager-" + code + L".png")));
    PostMessageW(manager, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(manager) || !IsWindowVisible(manager); }, 5000));
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, Languages, testing::Values(L"EN", L"CHS", L"CHT", L"DE"),
                         [](const testing::TestParamInfo<const wchar_t*>& param) {
                             const std::wstring code = param.param;
                             return std::string(code.begin(), code.end());
                         });
