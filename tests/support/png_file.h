#pragma once
// Writes small PNG files with GDI+, for tests and benchmarks that need
// pictures of known pixels.

#include <windows.h>

#include <functional>
#include <string>

struct Rgba {
    BYTE r, g, b, a;
};

// Writes a `width` x `height` PNG whose pixel (x, y) is `pixelAt(x, y)`.
// With `alpha` the file carries an alpha channel, otherwise it is plain RGB.
bool WritePngFile(const std::wstring& path, int width, int height, const std::function<Rgba(int x, int y)>& pixelAt,
                  bool alpha);
