#include "pages/page_font.h"
#include "text/program_language.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class PageFont : public testing::Test {
protected:
    void TearDown() override { ProgramLanguage() = m_saved; }

    LOGFONTW FontFor(const wchar_t* language)
    {
        ProgramLanguage() = language;
        CFont font;
        EXPECT_TRUE(CreatePageFont(font));
        LOGFONTW logFont{};
        font.GetLogFont(&logFont);
        return logFont;
    }

private:
    CString m_saved = ProgramLanguage();
};

}  // namespace

TEST_F(PageFont, ThirteenPixelsSwissWithTheFaceOfTheLanguage)
{
    const LOGFONTW english = FontFor(L"EN");
    EXPECT_EQ(english.lfHeight, 13);
    EXPECT_EQ(english.lfWidth, 0);
    EXPECT_EQ(english.lfWeight, 0);
    EXPECT_EQ(english.lfItalic, 0);
    EXPECT_EQ(english.lfUnderline, 0);
    EXPECT_EQ(english.lfCharSet, 0);
    EXPECT_EQ(english.lfPitchAndFamily, FF_SWISS);
    EXPECT_EQ(std::wstring(english.lfFaceName), L"Arial");

    EXPECT_EQ(std::wstring(FontFor(L"CHS").lfFaceName), L"黑体");
    EXPECT_EQ(std::wstring(FontFor(L"CHT").lfFaceName), L"黑体");
    EXPECT_EQ(std::wstring(FontFor(L"DE").lfFaceName), L"Arial");
    EXPECT_EQ(std::wstring(FontFor(L"chs").lfFaceName), L"Arial");  // compared case-sensitively
}
