#include "macro/macro_manager_texts.h"

#include "text/language_code.h"

#include <array>
#include <optional>

namespace {

// One row per text, the columns in the order of Language: EN, CHS, CHT, DE.
using Row = std::array<const wchar_t*, 4>;

// clang-format off
constexpr Row kOk            = {L"OK", L"确定", L"確定", L"OK"};
constexpr Row kCancel        = {L"Cancel", L"取消", L"取消", L"Abbrechen"};
constexpr Row kTitle         = {L"Macro Manager", L"宏管理器", L"巨集編輯器", L"Makro-Manager"};
constexpr Row kNameHeader    = {L"Select Macro", L"选择宏", L"選擇巨集", L"Auswahl Makro"};
constexpr Row kKeyHeader     = {L"Keystroke Sequence", L"按鍵序列", L"按鍵輸入順序", L"Tastensequenz"};
constexpr Row kOptionsHeader = {L"Options", L"录制选项", L"選項", L"Optionen"};
constexpr Row kDelayLabel    = {L"Record delay between keystrokes", L"记录按键动作间的延迟", L"按鍵指令間插入記錄延遲",
                                L"Verzögerungen zwischen Tastenbefehlen aufzeichnen"};
constexpr Row kLoopLabel     = {L"Number of Loops", L"循环次数", L"迴圈數", L"Wiederholungen"};
constexpr Row kNew           = {L"New", L"新建", L"新建", L"Neu"};
constexpr Row kDelete        = {L"Delete", L"刪除", L"刪除", L"Löschen"};
constexpr Row kRecordIdle    = {L"Start Recording", L"开始录制", L"開始記錄", L"Aufzeichnung starten"};
constexpr Row kRecordActive  = {L"Stop Recording", L"停止录制", L"停止紀錄", L"Aufzeichnung beenden"};
constexpr Row kInsertLeft    = {L"Insert Left Button", L"插入鼠标左键", L"插入左鍵", L"Linke Maustaste einfügen"};
constexpr Row kInsertMiddle  = {L"Insert Middle Button", L"插入鼠标中键", L"插入中鍵", L"Mittlere Maustaste einfügen"};
constexpr Row kInsertRight   = {L"Inset Right Button", L"插入鼠标右键", L"插入右鍵", L"Rechte Maustaste einfügen"};
constexpr Row kInsertPause   = {L"Inset Delay", L"插入延时", L"插入延遲", L"Verzögerung einfügen"};
constexpr Row kLimitCaption  = {L"ATTENTION!", L"警告", L"注意！", L"ACHTUNG!"};
constexpr Row kLimitMessage  = {L"Up to 12 Macros Possible.", L"最多可以新建12个宏。", L"支援最多12 組巨集",
                                L"Maximal 12 Makros möglich."};
// clang-format on

}  // namespace

MacroManagerTexts MacroManagerTextsFor(const CString& languageCode)
{
    const std::optional<Language> language = LanguageOfCode(languageCode);
    if (!language)
        return {};
    const auto column = static_cast<size_t>(*language);
    const auto text = [column](const Row& row) { return CString(row[column]); };
    return {text(kOk),           text(kCancel),        text(kTitle),       text(kNameHeader),
            text(kKeyHeader),    text(kOptionsHeader), text(kDelayLabel),  text(kLoopLabel),
            text(kNew),          text(kDelete),        text(kRecordIdle),  text(kRecordActive),
            text(kInsertLeft),   text(kInsertMiddle),  text(kInsertRight), text(kInsertPause),
            text(kLimitCaption), text(kLimitMessage)};
}
