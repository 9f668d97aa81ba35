#include "skin/png_cache.h"

#include "canvas_test_helper.h"
#include "skin/skin_draw.h"
#include "support/test_support.h"

#include <gtest/gtest.h>

#include <windows.h>

using namespace skintest;

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);

// Moves the file's last-write time on by `seconds`, as a later save would.
void TouchLater(const std::wstring& path, int seconds)
{
    HANDLE file = ::CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    FILETIME written{};
    ::GetFileTime(file, nullptr, nullptr, &written);
    ULARGE_INTEGER time{{written.dwLowDateTime, written.dwHighDateTime}};
    time.QuadPart += static_cast<ULONGLONG>(seconds) * 10'000'000;
    written = {time.LowPart, time.HighPart};
    ::SetFileTime(file, nullptr, nullptr, &written);
    ::CloseHandle(file);
}

// Keeps a file open with no sharing, so nothing else can read it.
class LockedFile {
public:
    explicit LockedFile(const std::wstring& path)
        : m_file(::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr))
    {}
    ~LockedFile() { ::CloseHandle(m_file); }
    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;
    bool locked() const { return m_file != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_file;
};

class PngCache : public testing::Test {
protected:
    void SetUp() override { ClearPngCache(); }
    void TearDown() override { ClearPngCache(); }

    int Draw(Canvas& canvas, int x = 0, int y = 0) { return DrawCachedPngWithAlpha(&canvas.dc, path.c_str(), x, y); }

    TempFolder dir;
    std::wstring path = dir.file(L"picture.png");
};

}  // namespace

TEST_F(PngCache, DrawsTheSamePixelsAsDecodingEveryTime)
{
    WritePng(path, 3, {{255, 255, 255, 128}, {200, 100, 51, 128}, {250, 20, 20, 0}}, true);
    Canvas cached(5, 2, RGB(0, 0, 0));
    Canvas decoded(5, 2, RGB(0, 0, 0));
    ASSERT_EQ(Draw(cached, 1, 1), 1);
    ASSERT_EQ(Draw(cached, 1, 0), 1);  // the second time from the kept picture
    DrawPngWithAlpha(&decoded.dc, path.c_str(), 1, 1);
    DrawPngWithAlpha(&decoded.dc, path.c_str(), 1, 0);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(cached.At(x, y), decoded.At(x, y)) << x << ", " << y;
    EXPECT_EQ(cached.At(2, 0), RGB(100, 50, 25));
}

TEST_F(PngCache, AnUnchangedFileIsNotReadAgain)
{
    WritePng(path, 1, {{10, 20, 30, 255}}, false);
    Canvas canvas(2, 2, kBlue);
    ASSERT_EQ(Draw(canvas), 1);

    LockedFile lock(path);
    ASSERT_TRUE(lock.locked());
    Canvas unreadable(2, 2, kBlue);
    EXPECT_EQ(DrawPngWithAlpha(&unreadable.dc, path.c_str(), 0, 0), 0);  // the file cannot be decoded now
    EXPECT_EQ(Draw(canvas, 1, 1), 1);
    EXPECT_EQ(canvas.At(1, 1), RGB(10, 20, 30));
}

TEST_F(PngCache, AReplacedFileShowsAtItsNextDraw)
{
    WritePng(path, 1, {{10, 20, 30, 255}}, false);
    Canvas canvas(3, 1, kBlue);
    ASSERT_EQ(Draw(canvas), 1);

    // Another picture of the same size, saved later.
    WritePng(path, 1, {{40, 50, 60, 255}}, false);
    TouchLater(path, 5);
    ASSERT_EQ(Draw(canvas, 1, 0), 1);
    EXPECT_EQ(canvas.At(1, 0), RGB(40, 50, 60));

    // A picture of another size.
    WritePng(path, 2, {{70, 80, 90, 255}, {1, 2, 3, 255}}, false);
    ASSERT_EQ(Draw(canvas, 1, 0), 1);
    EXPECT_EQ(canvas.At(2, 0), RGB(1, 2, 3));
}

TEST_F(PngCache, AMissingFileDrawsNothingUntilItComesBack)
{
    WritePng(path, 1, {{10, 20, 30, 255}}, false);
    Canvas canvas(2, 1, kBlue);
    ASSERT_EQ(Draw(canvas), 1);
    ::DeleteFileW(path.c_str());
    EXPECT_EQ(Draw(canvas, 1, 0), 0);
    EXPECT_EQ(canvas.At(1, 0), kBlue);

    WritePng(path, 1, {{40, 50, 60, 255}}, false);
    EXPECT_EQ(Draw(canvas, 1, 0), 1);
    EXPECT_EQ(canvas.At(1, 0), RGB(40, 50, 60));

    CDC noContext;
    EXPECT_EQ(DrawCachedPngWithAlpha(&noContext, path.c_str(), 0, 0), 0);
    EXPECT_EQ(DrawCachedPngWithAlpha(&canvas.dc, nullptr, 0, 0), 0);
}
