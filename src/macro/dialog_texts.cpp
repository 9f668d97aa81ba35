#include "macro/dialog_texts.h"

MacroPickTexts MacroPickTextsFor(const CString& languageCode)
{
    // Every literal is exact, trailing blanks included.
    if (languageCode == L"CHS")
        return {L"确定",
                L"取消",
                {L"重复指定次数或按任意键结束", L"重复直到按任意键结束", L"重复直到该按键松开结束"},
                L"请从列表框选择一个宏"};
    if (languageCode == L"CHT")
        return {L"確定",
                L"取消",
                {L"按下按鍵後可重覆執行", L"重覆執行至再次按下任一鍵", L"重覆執行至放開此鍵"},
                L"請先選擇巨集"};
    if (languageCode == L"EN")
        return {L"OK",
                L"Cancel",
                {L"Macro runs one-time after pressing the button.",
                 L"Macro runs endless loop until any button is pressed. ",
                 L"Macro runs endless loop until button is released. "},
                L"Please select a macro!"};
    if (languageCode == L"DE")
        return {
            L"OK",
            L"Abbrechen",
            {L"Makro bei Tastendruck einmalig ausführen.", L"Makro endlos ausführen, bis erneuter Tastendruck erfolgt.",
             L"Makro bei dauerhaft gedrückter Taste endlos ausführen."},
            L"Bitte wählen Sie ein Makro aus!"};
    return {};
}

KeyCaptureTexts KeyCaptureTextsFor(const CString& languageCode)
{
    if (languageCode == L"CHS")
        return {L"确定", L"取消", L"请输入一个按键"};
    if (languageCode == L"CHT")
        return {L"確定", L"取消", L"請指派一個鍵盤按鍵"};
    if (languageCode == L"DE")
        return {L"OK", L"Abbrechen", L"Bitte wählen Sie eine Taste aus."};
    return {L"Ok", L"Cancel", L"Please assign a key"};
}
