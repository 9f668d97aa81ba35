#include "text/function_catalogues.h"

#include "text/language_code.h"
#include "text/text_table.h"

DpiActionNames g_strDpiActions = {L"DPI +", L"DPI -", L"DPI Loop"};

// Columns: English, Simplified Chinese, Traditional Chinese, German.
const std::array<MediaNames, kCatalogueLanguageCount> g_strMediaNames = {{
    {L"Open Media Player", L"Next Track", L"Previous Track", L"Stop", L"Play/Pause", L"Mute", L"Volume Up",
     L"Volume Down"},
    {L"多媒体播放器", L"下一首", L"上一首", L"停止", L"播放/暂停", L"静音", L"音量+", L"音量-"},
    {L"開啟媒體播放器", L"下一首", L"上一首", L"停止", L"播放/暫停", L"靜音", L"提高音量", L"降低音量"},
    {L"Mediaplayer öffnen", L"Nächster Titel", L"Vorheriger Titel", L"Stopp", L"Play/Pause", L"Stumm", L"Lautstärke +",
     L"Lautstärke -"},
}};

const std::array<ShortcutNames, kCatalogueLanguageCount> g_strShortcutNames = {{
    {L"New", L"Cut", L"Copy", L"Paste", L"Save", L"Print", L"Find", L"Redo", L"Undo", L"Select All"},
    {L"新建", L"剪切", L"复制", L"粘贴", L"保存", L"打印", L"查找", L"重复", L"撤销", L"全选"},
    {L"新建", L"剪下", L"複製", L"貼上", L"儲存", L"列印", L"尋找", L"重做", L"復原", L"選擇全部"},
    {L"Neu", L"Ausschneiden", L"Kopieren", L"Einfügen", L"Speichern", L"Drucken", L"Suchen", L"Wiederherstellen",
     L"Rückgängig machen", L"Alles auswählen"},
}};

const std::array<WindowsFuncNames, kCatalogueLanguageCount> g_strWindowsFuncNames = {{
    {L"My computer", L"Web Home", L"Search Computer", L"Maximize", L"Minimize", L"Show desktop", L"Run"},
    {L"我的电脑", L"浏览器-主页", L"搜索", L"最大化", L"最小化", L"显示桌面", L"运行"},
    {L"我的電腦", L"首頁", L"搜尋程式及檔案", L"最大化", L"最小化", L"顯示桌面", L"運行"},
    {L"Arbeitsplatz", L"Web: Startseite", L"Computer durchsuchen", L"Maximieren", L"Minimieren", L"Desktop anzeigen",
     L"Ausführen"},
}};

CatalogueLanguage CatalogueLanguageOf(const CString& code)
{
    switch (LanguageOfCode(code).value_or(Language::EN)) {
    case Language::CHS:
        return kCatalogueCHS;
    case Language::CHT:
        return kCatalogueCHT;
    case Language::DE:
        return kCatalogueDE;
    case Language::EN:
        break;
    }
    return kCatalogueEN;
}

const MediaNames& MediaNamesFor(const CString& code)
{
    return g_strMediaNames[CatalogueLanguageOf(code)];
}

const ShortcutNames& ShortcutNamesFor(const CString& code)
{
    return g_strShortcutNames[CatalogueLanguageOf(code)];
}

const WindowsFuncNames& WindowsFuncNamesFor(const CString& code)
{
    return g_strWindowsFuncNames[CatalogueLanguageOf(code)];
}

void CopyDpiActionsFromTextTable()
{
    for (int i = 0; i < kDpiActionCount; ++i)
        g_strDpiActions[static_cast<size_t>(i)] = g_TextTable.Get(41 + i);
}
