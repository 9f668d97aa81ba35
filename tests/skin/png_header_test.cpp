#include "skin/png_header.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

// The first bytes of a PNG file: its signature, then the IHDR chunk's length,
// type, width and height, and the rest of that chunk.
std::vector<unsigned char> Header(uint32_t width, uint32_t height)
{
    std::vector<unsigned char> bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (uint32_t side : {width, height}) {
        for (int shift = 24; shift >= 0; shift -= 8)
            bytes.push_back(static_cast<unsigned char>(side >> shift));
    }
    for (unsigned char rest : {8, 6, 0, 0, 0, 0x12, 0x34, 0x56, 0x78})  // depth, colour type, ..., CRC
        bytes.push_back(rest);
    return bytes;
}

std::vector<unsigned char> With(std::vector<unsigned char> bytes, size_t at, unsigned char value)
{
    bytes[at] = value;
    return bytes;
}

std::vector<unsigned char> Cut(std::vector<unsigned char> bytes, size_t count)
{
    bytes.resize(count);
    return bytes;
}

std::string Shown(const std::optional<SIZE>& size)
{
    return size ? std::to_string(size->cx) + " x " + std::to_string(size->cy) : "none";
}

}  // namespace

TEST(PngHeaderSize, ReadsTheSidesOfAWellFormedHeaderOnly)
{
    struct Row {
        const char* what;
        std::vector<unsigned char> bytes;
        std::optional<SIZE> expected;
    };
    const Row rows[] = {
        {"valid", Header(1000, 650), SIZE{1000, 650}},
        {"sides of four bytes each", Header(0x0102, 0x030405), SIZE{0x0102, 0x030405}},
        {"one pixel", Header(1, 1), SIZE{1, 1}},
        {"the header alone, nothing after it", Cut(Header(7, 9), kPngHeaderBytes), SIZE{7, 9}},
        {"short of the height", Cut(Header(7, 9), kPngHeaderBytes - 1), std::nullopt},
        {"signature only", Cut(Header(7, 9), 8), std::nullopt},
        {"empty", {}, std::nullopt},
        {"wrong signature", With(Header(7, 9), 1, 'Q'), std::nullopt},
        {"signature with a line end changed", With(Header(7, 9), 4, '\n'), std::nullopt},
        {"first chunk not IHDR", With(Header(7, 9), 15, 'X'), std::nullopt},
        {"IHDR of another length", With(Header(7, 9), 11, 14), std::nullopt},
        {"zero width", Header(0, 9), std::nullopt},
        {"zero height", Header(7, 0), std::nullopt},
        {"huge width", Header(0xFFFFFFFF, 1), std::nullopt},
        {"huge height", Header(1, 0x80000000), std::nullopt},
        {"too many pixels for a bitmap", Header(40000, 40000), std::nullopt},
        {"the largest bitmap", Header(0x1FFFFFFF, 1), SIZE{0x1FFFFFFF, 1}},
        {"one pixel past it", Header(0x20000000, 1), std::nullopt},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Shown(PngHeaderSize(row.bytes.data(), row.bytes.size())), Shown(row.expected)) << row.what;
    EXPECT_EQ(PngHeaderSize(nullptr, 100), std::nullopt);
}
