#include "app/assign_choice.h"

#include "model/device_records.h"
#include "resource.h"
#include "text/function_catalogues.h"
#include "text/key_names.h"
#include "text/text_table.h"

#include <algorithm>

namespace {

struct PlainChoice {
    UINT id;
    ButtonFunctionType type;
    int captionText;  // slot of the text table; -1 for "Fn"
};

// clang-format off
constexpr PlainChoice kPlainChoices[] = {
    {ID_ASSIGN_CLICK,        ButtonFunctionType::Click,       498},
    {ID_ASSIGN_MENU,         ButtonFunctionType::Menu,        499},
    {ID_ASSIGN_SCROLL,       ButtonFunctionType::Scroll,      500},
    {ID_ASSIGN_FORWARD,      ButtonFunctionType::Forward,     501},
    {ID_ASSIGN_BACK,         ButtonFunctionType::Back,        502},
    {ID_ASSIGN_DOUBLE_CLICK, ButtonFunctionType::DoubleClick, 519},
    {ID_ASSIGN_FN,           ButtonFunctionType::Fn,          -1},
    {ID_ASSIGN_SNIPE,        ButtonFunctionType::Snipe,       514},
    {ID_ASSIGN_DEACTIVATED,  ButtonFunctionType::Deactivated, 516},
};
// clang-format on

// The first id of a run of ids and how many follow it.
bool InRun(UINT id, UINT first, int count, int& k)
{
    if (id < first || id >= first + static_cast<UINT>(count))
        return false;
    k = static_cast<int>(id - first);
    return true;
}

void SetType(SettingsRecord& settings, size_t button, ButtonFunctionType type)
{
    settings.ButtonFunction[button] = static_cast<uint8_t>(type);
}

}  // namespace

std::optional<CString> ApplyMenuChoice(SettingsRecord& settings, int button, UINT id, const CString& languageCode)
{
    if (button < 0 || button >= kButtonCount)
        return std::nullopt;
    const auto i = static_cast<size_t>(button);
    const auto k = [](int index) { return static_cast<size_t>(index); };

    for (const PlainChoice& choice : kPlainChoices) {
        if (choice.id != id)
            continue;
        SetType(settings, i, choice.type);
        return choice.captionText < 0 ? CString(L"Fn") : g_TextTable.Get(choice.captionText);
    }

    int index = 0;
    if (InRun(id, ID_ASSIGN_DPI_FIRST, kDpiActionCount, index)) {
        SetType(settings, i, ButtonFunctionType::DpiFunction);
        settings.DpiFunction[i] = static_cast<uint8_t>(index + 1);
        return g_strDpiActions[k(index)];
    }
    if (InRun(id, ID_ASSIGN_MEDIA_FIRST, kMediaNameCount, index)) {
        SetType(settings, i, ButtonFunctionType::Multimedia);
        settings.MediaUsage[i] = MultimediaIndexToUsage(index);
        return MediaNamesFor(languageCode)[k(index)];
    }
    if (InRun(id, ID_ASSIGN_SHORTCUT_FIRST, kShortcutNameCount, index)) {
        SetType(settings, i, ButtonFunctionType::Shortcut);
        settings.ShortcutUsage[i] = ShortcutIndexToUsage(index);
        return ShortcutNamesFor(languageCode)[k(index)];
    }
    if (InRun(id, ID_ASSIGN_WINDOWS_FIRST, kWindowsFuncNameCount, index)) {
        SetType(settings, i, ButtonFunctionType::WindowsFunction);
        settings.SystemFunction[i] = static_cast<uint8_t>(index);
        return WindowsFuncNamesFor(languageCode)[k(index)];
    }
    return std::nullopt;
}

bool IsLastClickButton(const SettingsRecord& settings, int button)
{
    if (button < 0 || button >= kButtonCount)
        return false;
    const auto click = static_cast<uint8_t>(ButtonFunctionType::Click);
    const auto& types = settings.ButtonFunction;
    return types[static_cast<size_t>(button)] == click && std::count(types.begin(), types.end(), click) == 1;
}
