#include "skin/png_cache.h"

#include "classlib/image.h"
#include "skin/skin_draw.h"

#include <string>
#include <unordered_map>
#include <utility>

namespace {

// What tells one version of a file from another.
struct FileStamp {
    ULONGLONG size = 0;
    ULONGLONG lastWrite = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

bool ReadFileStamp(const wchar_t* path, FileStamp& stamp)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(path, GetFileExInfoStandard, &data))
        return false;
    stamp.size = (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.lastWrite =
        (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    return true;
}

struct KeptPicture {
    FileStamp stamp;
    CImage image;
};

std::unordered_map<std::wstring, KeptPicture>& KeptPictures()
{
    static std::unordered_map<std::wstring, KeptPicture> pictures;
    return pictures;
}

// The decoded picture of the file as it now stands, or null.
const CImage* CurrentPicture(const wchar_t* path)
{
    auto& pictures = KeptPictures();
    FileStamp stamp;
    if (!ReadFileStamp(path, stamp)) {
        pictures.erase(path);
        return nullptr;
    }
    if (auto kept = pictures.find(path); kept != pictures.end() && kept->second.stamp == stamp)
        return &kept->second.image;
    CImage image;
    if (!LoadPngForDrawing(path, image)) {
        pictures.erase(path);
        return nullptr;
    }
    KeptPicture& kept = pictures[path];
    kept.stamp = stamp;
    kept.image = std::move(image);
    return &kept.image;
}

}  // namespace

int DrawCachedPngWithAlpha(CDC* dc, const wchar_t* path, int x, int y)
{
    if (!dc || !dc->GetSafeHdc() || !path)
        return 0;
    const CImage* picture = CurrentPicture(path);
    if (!picture)
        return 0;
    DrawPreparedPng(*dc, *picture, x, y);
    return 1;
}

void ClearPngCache()
{
    KeptPictures().clear();
}
