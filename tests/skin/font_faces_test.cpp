// The faces the windows ask for are there where the program runs: the test
// prefix is set up as the one scripts/run starts the program in. A face that
// is missing falls back to another, and the caption font of the skinned
// buttons, asked for with the "modern" family, then falls back to a
// fixed-pitch face in which captions no longer fit their buttons ("Side ..."
// for "Side View"). GDI names the face it drew in: the face asked for, also
// when that is mapped to an installed one, or else its fallback. In a
// proportional face ten 'W' are far wider than ten 'i'; in a fixed-pitch one
// they are as wide.

#include "classlib/cstring.h"
#include "classlib/gdi.h"
#include "skin/bitmap_btn.h"
#include "skin/language_fonts.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>

namespace {

constexpr int kCaptionHeight = 13;  // the main window's captions and boxes

struct Measured {
    std::wstring face;  // the face GDI chose
    int narrow = 0;     // width of "iiiiiiiiii"
    int wide = 0;       // width of "WWWWWWWWWW"
};

Measured Measure(const CFont& font)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    ScopedSelectObject select(dc, font);
    wchar_t face[LF_FACESIZE] = {};
    ::GetTextFaceW(dc, LF_FACESIZE, face);
    return {face, dc.GetTextExtent(L"iiiiiiiiii", 10).cx, dc.GetTextExtent(L"WWWWWWWWWW", 10).cx};
}

// The font draws in the face asked for, and that face is proportional.
void ExpectFoundAndProportional(const CFont& font, const std::wstring& asked)
{
    ASSERT_NE(font.m_hObject, nullptr) << asked;
    const Measured measured = Measure(font);
    EXPECT_EQ(measured.face, asked) << "asked for " << asked << ", drawn in a fallback";
    EXPECT_GT(measured.wide, 2 * measured.narrow)
        << "asked for " << asked << ", drawn in " << measured.face << ": ten 'i' " << measured.narrow
        << " pixels wide, ten 'W' " << measured.wide;
}

// Every face the language codes choose, as the windows ask for them.
std::set<std::wstring> LanguageFaces()
{
    std::set<std::wstring> faces;
    for (const wchar_t* code : {L"EN", L"DE", L"CHS", L"CHT"}) {
        faces.insert(HeiTiOrArialFace(CString(code)));
        faces.insert(SystemChineseOrArialFace(CString(code)));
    }
    return faces;
}

TEST(FontFaces, ButtonCaptionsOfEveryLanguageFindTheirProportionalFace)
{
    for (const std::wstring& face : LanguageFaces()) {
        CFont font;
        CreateCaptionFont(font, kCaptionHeight, CString(face.c_str()));
        ExpectFoundAndProportional(font, face);
    }
}

// The main window, the settings pages and the dialogs ask for their text
// font with the Swiss family at regular weight, in the ANSI or the default
// character set.
TEST(FontFaces, WindowTextOfEveryLanguageFindsItsProportionalFace)
{
    for (const std::wstring& face : LanguageFaces()) {
        for (const BYTE charSet : {ANSI_CHARSET, DEFAULT_CHARSET}) {
            CFont font;
            font.CreateFont(kCaptionHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charSet, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS, face.c_str());
            SCOPED_TRACE(charSet == ANSI_CHARSET ? "ANSI character set" : "default character set");
            ExpectFoundAndProportional(font, face);
        }
    }
}

// The dialog templates ask for "MS Shell Dlg"; message boxes, menus and
// title bars take the system's faces.
TEST(FontFaces, SystemFacesOfTheWindowsAreInstalledAndProportional)
{
    CFont dialog;
    dialog.CreateFont(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"MS Shell Dlg");
    ExpectFoundAndProportional(dialog, L"MS Shell Dlg");

    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    for (const LOGFONTW& system : {metrics.lfMessageFont, metrics.lfMenuFont, metrics.lfCaptionFont}) {
        CFont font;
        font.CreateFontIndirect(&system);
        ExpectFoundAndProportional(font, system.lfFaceName);
    }
}

// The close, minimize and maximize boxes of the system's windows (message
// boxes among them) are glyphs of the "Marlett" symbol face; drawn in a
// fallback face they show as letters.
TEST(FontFaces, CaptionBoxGlyphsComeFromMarlett)
{
    CFont font;
    font.CreateFont(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SYMBOL_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"Marlett");
    ASSERT_NE(font.m_hObject, nullptr);
    EXPECT_EQ(Measure(font).face, L"Marlett");
}

}  // namespace
