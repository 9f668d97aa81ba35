// Draws the skin: every picture the program loads, under <program folder>,
// the icon and the scroll-bar bitmap for the resource script, and a contact
// sheet of all of them.
//
//   skingen <program folder> <resource folder> <contact sheet .png>

#include "contact_sheet.h"
#include "gdiplus_util.h"
#include "image_table.h"
#include "resource_art.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace skingen;

void generate(const fs::path& programFolder, const fs::path& resourceFolder, const fs::path& sheetFile)
{
    std::vector<Pixels> drawn;
    drawn.reserve(skinImages().size());
    for (const SkinImage& image : skinImages()) {
        Canvas canvas(image.width, image.height);
        image.draw(canvas);
        drawn.push_back(canvas.resolve());
        writeFile(programFolder / fs::path(image.path).make_preferred(), encodePng(drawn.back(), image.bitsPerPixel));
    }

    std::vector<Pixels> icons;
    for (int size : kIconSizes) {
        icons.push_back(drawIconImage(size));
    }
    writeFile(resourceFolder / L"rv417.ico", iconFile(icons));
    const Pixels scrollBar = drawScrollBarCells();
    writeFile(resourceFolder / L"scrollbar.bmp", bitmapFile(scrollBar));

    std::vector<const Pixels*> all;
    for (const Pixels& p : drawn) {
        all.push_back(&p);
    }
    for (const Pixels& p : icons) {
        all.push_back(&p);
    }
    all.push_back(&scrollBar);
    writeFile(sheetFile, encodePng(contactSheet(all), 24));
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: skingen <program folder> <resource folder> <contact sheet .png>\n");
        return 2;
    }
    try {
        GdiplusSession gdiplus;
        generate(argv[1], argv[2], argv[3]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skingen: %s\n", e.what());
        return 1;
    }
    return 0;
}
