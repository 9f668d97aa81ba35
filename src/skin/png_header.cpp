#include "skin/png_header.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr unsigned char kHeaderChunk[8] = {0, 0, 0, 13, 'I', 'H', 'D', 'R'};  // length 13, type IHDR

uint32_t BigEndian32(const unsigned char* bytes)
{
    return (uint32_t{bytes[0]} << 24) | (uint32_t{bytes[1]} << 16) | (uint32_t{bytes[2]} << 8) | uint32_t{bytes[3]};
}

}  // namespace

std::optional<SIZE> PngHeaderSize(const unsigned char* bytes, size_t count)
{
    if (!bytes || count < kPngHeaderBytes)
        return std::nullopt;
    if (std::memcmp(bytes, kSignature, sizeof(kSignature)) != 0 ||
        std::memcmp(bytes + sizeof(kSignature), kHeaderChunk, sizeof(kHeaderChunk)) != 0)
        return std::nullopt;
    const uint64_t width = BigEndian32(bytes + 16);
    const uint64_t height = BigEndian32(bytes + 20);
    if (width == 0 || height == 0 || width * height * 4 > INT_MAX)
        return std::nullopt;
    return SIZE{static_cast<LONG>(width), static_cast<LONG>(height)};
}

std::optional<SIZE> PngFileHeaderSize(const wchar_t* path)
{
    if (!path)
        return std::nullopt;
    const std::unique_ptr<FILE, int (*)(FILE*)> file(_wfopen(path, L"rb"), &std::fclose);
    if (!file)
        return std::nullopt;
    unsigned char start[kPngHeaderBytes] = {};
    const size_t read = std::fread(start, 1, sizeof(start), file.get());
    return PngHeaderSize(start, read);
}
