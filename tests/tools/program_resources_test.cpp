// Loads the icon and the scroll-bar bitmap from the built executable, the way
// the windows load them, and checks what the scroll bar relies on.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <set>
#include <span>
#include <string>

namespace {

constexpr int kProgramIcon = 128;
constexpr int kScrollBarBitmap = 129;

class ProgramModule {
public:
    ProgramModule()
        : m_module(LoadLibraryExW((std::wstring(RV417_BIN_DIR_W) + L"\\RV417 TALVEN.exe").c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE))
    {}
    ~ProgramModule()
    {
        if (m_module) {
            FreeLibrary(m_module);
        }
    }
    ProgramModule(const ProgramModule&) = delete;
    ProgramModule& operator=(const ProgramModule&) = delete;

    HMODULE get() const { return m_module; }

    // The bytes of one resource, or an empty view.
    std::span<const std::uint8_t> resource(int id, LPCWSTR type) const
    {
        HRSRC found = FindResourceW(m_module, MAKEINTRESOURCEW(id), type);
        if (!found) {
            return {};
        }
        const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(m_module, found)));
        return {bytes, SizeofResource(m_module, found)};
    }

private:
    HMODULE m_module;
};

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST(ProgramResources, IconCarriesTheFourSizesAndLoads)
{
    ProgramModule program;
    ASSERT_NE(program.get(), nullptr);
    const auto group = program.resource(kProgramIcon, RT_GROUP_ICON);
    ASSERT_GE(group.size(), 6u);
    WORD count = 0;
    std::memcpy(&count, group.data() + 4, sizeof count);
    ASSERT_EQ(group.size(), 6u + count * sizeof(GroupIconEntry));

    std::set<int> sizes;
    for (WORD i = 0; i < count; ++i) {
        GroupIconEntry e{};
        std::memcpy(&e, group.data() + 6 + i * sizeof e, sizeof e);
        const int size = e.width == 0 ? 256 : e.width;
        sizes.insert(size);
        EXPECT_EQ(e.bitCount, 32) << size;
        const auto image = program.resource(e.id, RT_ICON);
        ASSERT_EQ(image.size(), e.bytes) << size;
        // The large image is stored as PNG, the others as bitmaps with alpha.
        const bool png = image.size() >= 8 && std::memcmp(image.data(), "\x89PNG\r\n\x1a\n", 8) == 0;
        EXPECT_EQ(png, size == 256) << size;
    }
    EXPECT_EQ(sizes, (std::set<int>{16, 32, 48, 256}));

    for (int size : {16, 32, 48}) {
        HICON icon = static_cast<HICON>(
            LoadImageW(program.get(), MAKEINTRESOURCEW(kProgramIcon), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        GetObjectW(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

// The bitmap the skinned scroll bar cuts its pieces from.
class ScrollBarCells : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(m_program.get(), nullptr);
        m_bitmap = static_cast<HBITMAP>(
            LoadImageW(m_program.get(), MAKEINTRESOURCEW(kScrollBarBitmap), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(m_bitmap, nullptr);
        ASSERT_EQ(GetObjectW(m_bitmap, sizeof m_dib, &m_dib), static_cast<int>(sizeof m_dib));
    }
    void TearDown() override
    {
        if (m_bitmap) {
            DeleteObject(m_bitmap);
        }
    }

    // Colour of a pixel, rows counted from the top.
    std::uint32_t at(int x, int y) const
    {
        const int row = m_dib.dsBmih.biHeight > 0 ? m_dib.dsBm.bmHeight - 1 - y : y;
        const auto* p = static_cast<const std::uint8_t*>(m_dib.dsBm.bmBits) + row * m_dib.dsBm.bmWidthBytes + 3 * x;
        return p[0] | (p[1] << 8) | (p[2] << 16);
    }

    static constexpr int kCellWidth = 13;
    static constexpr int kCellHeight = 16;

    ProgramModule m_program;
    HBITMAP m_bitmap = nullptr;
    DIBSECTION m_dib{};
};

TEST_F(ScrollBarCells, AreNineByThreeCellsOfThirteenBySixteenInTwentyFourBits)
{
    EXPECT_EQ(m_dib.dsBm.bmWidth, 9 * kCellWidth);
    EXPECT_EQ(m_dib.dsBm.bmHeight, 3 * kCellHeight);
    EXPECT_EQ(m_dib.dsBm.bmBitsPixel, 24);
}

// The bar tiles thumbs and tracks along their length and keeps the thumb's
// ends: vertical cells must be the same in every row, horizontal ones the
// same in every column with rows 13-15 repeating row 12.
TEST_F(ScrollBarCells, ThumbsAndTracksTileAlongTheBar)
{
    for (int state = 0; state < 3; ++state) {
        const int top = state * kCellHeight;
        for (int column : {2, 3}) {
            const int left = column * kCellWidth;
            for (int y = top; y < top + kCellHeight; ++y) {
                for (int x = left; x < left + kCellWidth; ++x) {
                    ASSERT_EQ(at(x, y), at(x, top)) << "vertical cell " << column << " state " << state;
                }
            }
        }
        for (int column : {6, 7}) {
            const int left = column * kCellWidth;
            for (int y = top; y < top + kCellHeight; ++y) {
                const int source = std::min(y, top + 12);
                for (int x = left; x < left + kCellWidth; ++x) {
                    ASSERT_EQ(at(x, y), at(left, source)) << "horizontal cell " << column << " state " << state;
                }
            }
        }
    }
    // The thumb changes with its state; the track does not.
    EXPECT_NE(at(2 * kCellWidth + 6, 0), at(2 * kCellWidth + 6, kCellHeight));
    EXPECT_NE(at(2 * kCellWidth + 6, 0), at(2 * kCellWidth + 6, 2 * kCellHeight));
    EXPECT_EQ(at(3 * kCellWidth + 6, 0), at(3 * kCellWidth + 6, 2 * kCellHeight));
}

// Corners are copied from 13 x 13 blocks of column 8 that span rows 0 and 1,
// and arrows are read both as the top 13 rows and as the whole cell squeezed:
// the corner column is one colour and the arrow glyphs keep off the bottom.
TEST_F(ScrollBarCells, CornerIsFlatAndArrowGlyphsSitInTheTopSquare)
{
    const std::uint32_t corner = at(8 * kCellWidth, 0);
    for (int y = 0; y < 3 * kCellHeight; ++y) {
        for (int x = 8 * kCellWidth; x < 9 * kCellWidth; ++x) {
            ASSERT_EQ(at(x, y), corner) << x << ", " << y;
        }
    }
    for (int column : {0, 1, 4, 5}) {
        for (int state = 0; state < 3; ++state) {
            const int left = column * kCellWidth;
            const int top = state * kCellHeight;
            const std::uint32_t face = at(left, top);
            bool glyph = false;
            for (int y = top; y < top + kCellHeight; ++y) {
                for (int x = left; x < left + kCellWidth; ++x) {
                    if (at(x, y) != face) {
                        glyph = true;
                        EXPECT_LT(y - top, 13) << "arrow cell " << column << " state " << state;
                    }
                }
            }
            EXPECT_TRUE(glyph) << "arrow cell " << column << " state " << state;
        }
    }
}

}  // namespace
