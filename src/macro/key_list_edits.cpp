#include "macro/key_list_edits.h"

#include "model/record_ini.h"

namespace {

bool IsLine(const std::vector<CString>& lines, int index)
{
    return index >= 0 && index < static_cast<int>(lines.size());
}

void InsertAt(std::vector<CString>& lines, int index, const CString& line)
{
    lines.insert(lines.begin() + index, line);
}

}  // namespace

CString MouseButtonLine(MacroMouseButton button, bool release)
{
    const wchar_t* name = L"L-Button";
    if (button == MacroMouseButton::Middle)
        name = L"M-Button";
    else if (button == MacroMouseButton::Right)
        name = L"R-Button";
    return CString(name) + (release ? kReleaseSuffix : kPressSuffix);
}

KeyListEdit InsertMouseButton(std::vector<CString>& lines, int selection, MacroMouseButton button)
{
    const CString press = MouseButtonLine(button, false);
    const CString release = MouseButtonLine(button, true);
    if (!IsLine(lines, selection)) {
        if (!lines.empty())
            return {false, selection};
        lines = {press, release};
        return {true, -1};
    }
    const bool afterPause = IsPauseLine(lines[static_cast<size_t>(selection)]);
    InsertAt(lines, selection + 1, press);
    InsertAt(lines, selection + 2, release);
    return {true, afterPause ? selection + 1 : selection + 2};
}

KeyListEdit InsertPause(std::vector<CString>& lines, int selection)
{
    if (!IsLine(lines, selection) || selection < 1 || IsPauseLine(lines[static_cast<size_t>(selection)]) ||
        IsPauseLine(lines[static_cast<size_t>(selection - 1)]))
        return {false, selection};
    InsertAt(lines, selection, kInsertedPauseLine);
    return {true, selection + 1};
}

KeyListEdit DeleteLine(std::vector<CString>& lines, int selection)
{
    if (!IsLine(lines, selection))
        return {false, selection};
    lines.erase(lines.begin() + selection);
    return {true, -1};
}
