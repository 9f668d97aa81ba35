#pragma once
// The size of a PNG picture as its file's header gives it, read without
// decoding the picture.

#include <windows.h>

#include <cstddef>
#include <optional>

// The number of leading bytes of a file that PngHeaderSize needs.
inline constexpr size_t kPngHeaderBytes = 24;

// The width and height in the header of the PNG file that starts with the
// `count` bytes at `bytes`: its signature followed by its IHDR chunk. Empty
// when the bytes are too few, are not a PNG signature and IHDR chunk, or
// give a side of 0 or a picture too large to decode into a bitmap of 32 bits
// a pixel (the decoder fails on those, so they are left to it).
std::optional<SIZE> PngHeaderSize(const unsigned char* bytes, size_t count);

// PngHeaderSize of the file at `path`; empty too when it cannot be read.
std::optional<SIZE> PngFileHeaderSize(const wchar_t* path);
