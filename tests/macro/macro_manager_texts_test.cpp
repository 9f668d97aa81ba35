#include "macro/macro_manager_texts.h"

#include <gtest/gtest.h>

namespace {

TEST(MacroManagerTexts, EachLanguageHasItsOwnAndOtherCodesNone)
{
    const MacroManagerTexts en = MacroManagerTextsFor(L"EN");
    EXPECT_EQ(en.title, L"Macro Manager");
    EXPECT_EQ(en.recordIdle, L"Start Recording");
    EXPECT_EQ(en.recordActive, L"Stop Recording");
    EXPECT_EQ(en.insertRight, L"Inset Right Button");
    EXPECT_EQ(en.insertPause, L"Inset Delay");
    EXPECT_EQ(en.limitMessage, L"Up to 12 Macros Possible.");

    const MacroManagerTexts de = MacroManagerTextsFor(L"DE");
    EXPECT_EQ(de.cancel, L"Abbrechen");
    EXPECT_EQ(de.delayLabel, L"Verzögerungen zwischen Tastenbefehlen aufzeichnen");
    EXPECT_EQ(de.limitCaption, L"ACHTUNG!");

    const MacroManagerTexts chs = MacroManagerTextsFor(L"CHS");
    const MacroManagerTexts cht = MacroManagerTextsFor(L"CHT");
    EXPECT_EQ(chs.title, L"宏管理器");
    EXPECT_EQ(cht.title, L"巨集編輯器");
    EXPECT_EQ(chs.recordActive, L"停止录制");
    EXPECT_EQ(cht.limitMessage, L"支援最多12 組巨集");

    for (const wchar_t* code : {L"", L"en", L"FR"}) {
        const MacroManagerTexts none = MacroManagerTextsFor(code);
        EXPECT_TRUE(none.ok.IsEmpty() && none.title.IsEmpty() && none.recordIdle.IsEmpty() &&
                    none.limitMessage.IsEmpty())
            << testing::PrintToString(std::wstring(code));
    }
}

}  // namespace
