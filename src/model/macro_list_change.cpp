#include "model/macro_list_change.h"

#include "model/device_records.h"

#include <optional>

namespace {

// Names compared as record.ini compares section names: letter case and the
// blanks around them do not count.
bool SameMacroName(CString a, CString b)
{
    return a.Trim().CompareNoCase(b.Trim()) == 0;
}

// The name the caption of a macro button shows, or nothing when the caption
// is not one.
std::optional<CString> NamedMacro(const MacroButtonTexts& texts, const CString& caption)
{
    const CString prefix = texts.macro + L":";
    if (caption.GetLength() < prefix.GetLength() || caption.Left(prefix.GetLength()) != prefix)
        return std::nullopt;
    return caption.Mid(prefix.GetLength());
}

// The position in the opened list of the macro a button plays: the one its
// caption names (the button's own number first, should the list name it
// twice), else the one its number gives. Nothing when neither is listed.
std::optional<size_t> PlayedMacro(const MacroListChange& change, const MacroButtonTexts& texts, size_t index,
                                  const CString& caption)
{
    const std::vector<CString>& before = change.namesBefore;
    if (const std::optional<CString> name = NamedMacro(texts, caption)) {
        if (index < before.size() && SameMacroName(before[index], *name))
            return index;
        for (size_t m = 0; m < before.size(); ++m)
            if (SameMacroName(before[m], *name))
                return m;
    }
    if (index < before.size())
        return index;
    return std::nullopt;
}

}  // namespace

bool MovesOrRenamesMacros(const MacroListChange& change)
{
    for (size_t m = 0; m < change.namesBefore.size(); ++m) {
        const int now = m < change.positionNow.size() ? change.positionNow[m] : -1;
        if (now != static_cast<int>(m) || static_cast<size_t>(now) >= change.namesNow.size() ||
            change.namesNow[static_cast<size_t>(now)] != change.namesBefore[m])
            return true;
    }
    return false;
}

CString MacroButtonCaption(const MacroButtonTexts& texts, const CString& name)
{
    return texts.macro + L":" + name;
}

void FollowMacroListChange(const MacroListChange& change, const MacroButtonTexts& texts, SettingsRecord& record,
                           std::span<CString, kButtonCount> captions)
{
    const auto macro = static_cast<uint8_t>(ButtonFunctionType::Macro);
    for (size_t i = 0; i < captions.size(); ++i) {
        if (record.ButtonFunction[i] != macro)
            continue;
        const std::optional<size_t> played = PlayedMacro(change, texts, record.MacroIndex[i], captions[i]);
        if (!played)
            continue;
        const int now = *played < change.positionNow.size() ? change.positionNow[*played] : -1;
        if (now < 0 || now >= kMacroSlotCount || static_cast<size_t>(now) >= change.namesNow.size()) {
            record.ButtonFunction[i] = static_cast<uint8_t>(ButtonFunctionType::Deactivated);
            captions[i] = texts.deactivated;
            continue;
        }
        record.MacroIndex[i] = static_cast<uint8_t>(now);
        captions[i] = MacroButtonCaption(texts, change.namesNow[static_cast<size_t>(now)]);
    }
}
