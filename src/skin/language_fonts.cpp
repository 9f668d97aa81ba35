#include "skin/language_fonts.h"

#include <windows.h>

namespace {

constexpr const wchar_t* kHeiTi = L"\u9ED1\u4F53";
constexpr const wchar_t* kSongTi = L"\u5B8B\u4F53";
constexpr const wchar_t* kArial = L"Arial";

bool IsWindowsVersion62()
{
    const DWORD version = ::GetVersion();
    return LOBYTE(LOWORD(version)) == 6 && HIBYTE(LOWORD(version)) == 2;
}

}  // namespace

const wchar_t* HeiTiOrArialFace(const CString& languageCode)
{
    return languageCode == L"CHS" || languageCode == L"CHT" ? kHeiTi : kArial;
}

const wchar_t* SystemChineseOrArialFace(const CString& languageCode)
{
    if (languageCode == L"CHS") {
        return IsWindowsVersion62() ? kHeiTi : kSongTi;
    }
    return languageCode == L"CHT" ? kHeiTi : kArial;
}
