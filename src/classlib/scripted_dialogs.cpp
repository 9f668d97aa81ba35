#include "classlib/scripted_dialogs.h"

#include <deque>
#include <mutex>

namespace ScriptedDialogs {
namespace {

struct Script {
    std::mutex lock;
    std::deque<std::optional<std::wstring>> fileAnswers;
    std::deque<std::optional<COLORREF>> colorAnswers;
    std::deque<int> messageBoxAnswers;
    std::vector<FileDialogCall> fileCalls;
    std::vector<ColorDialogCall> colorCalls;
    std::vector<MessageBoxCall> messageBoxCalls;
};

Script& TheScript()
{
    static Script script;
    return script;
}

std::wstring OrEmpty(LPCWSTR text)
{
    return text ? text : L"";
}

// The double-NUL-terminated list, both final NULs included.
std::wstring FilterList(LPCWSTR filter)
{
    if (!filter)
        return {};
    const wchar_t* end = filter;
    while (end[0] || end[1])
        ++end;
    return std::wstring(filter, static_cast<size_t>(end - filter) + 2);
}

}  // namespace

void AnswerFileDialog(const std::wstring& path)
{
    std::lock_guard guard(TheScript().lock);
    TheScript().fileAnswers.emplace_back(path);
}

void CancelFileDialog()
{
    std::lock_guard guard(TheScript().lock);
    TheScript().fileAnswers.emplace_back(std::nullopt);
}

void AnswerColorDialog(COLORREF color)
{
    std::lock_guard guard(TheScript().lock);
    TheScript().colorAnswers.emplace_back(color);
}

void CancelColorDialog()
{
    std::lock_guard guard(TheScript().lock);
    TheScript().colorAnswers.emplace_back(std::nullopt);
}

void AnswerMessageBox(int button)
{
    std::lock_guard guard(TheScript().lock);
    TheScript().messageBoxAnswers.push_back(button);
}

std::vector<FileDialogCall> FileDialogCalls()
{
    std::lock_guard guard(TheScript().lock);
    return TheScript().fileCalls;
}

std::vector<ColorDialogCall> ColorDialogCalls()
{
    std::lock_guard guard(TheScript().lock);
    return TheScript().colorCalls;
}

std::vector<MessageBoxCall> MessageBoxCalls()
{
    std::lock_guard guard(TheScript().lock);
    return TheScript().messageBoxCalls;
}

void Reset()
{
    Script& script = TheScript();
    std::lock_guard guard(script.lock);
    script.fileAnswers.clear();
    script.colorAnswers.clear();
    script.messageBoxAnswers.clear();
    script.fileCalls.clear();
    script.colorCalls.clear();
    script.messageBoxCalls.clear();
}

std::optional<std::optional<std::wstring>> TakeFileDialogAnswer(bool open, const OPENFILENAMEW& ofn)
{
    Script& script = TheScript();
    std::lock_guard guard(script.lock);
    if (script.fileAnswers.empty())
        return std::nullopt;
    script.fileCalls.push_back({open, OrEmpty(ofn.lpstrDefExt), OrEmpty(ofn.lpstrFile), ofn.Flags,
                                FilterList(ofn.lpstrFilter), ofn.hwndOwner});
    auto answer = std::move(script.fileAnswers.front());
    script.fileAnswers.pop_front();
    return answer;
}

std::optional<std::optional<COLORREF>> TakeColorDialogAnswer(const CHOOSECOLORW& cc)
{
    Script& script = TheScript();
    std::lock_guard guard(script.lock);
    if (script.colorAnswers.empty())
        return std::nullopt;
    script.colorCalls.push_back({cc.rgbResult, cc.Flags, cc.hwndOwner});
    auto answer = script.colorAnswers.front();
    script.colorAnswers.pop_front();
    return answer;
}

std::optional<int> TakeMessageBoxAnswer(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type)
{
    Script& script = TheScript();
    std::lock_guard guard(script.lock);
    if (script.messageBoxAnswers.empty())
        return std::nullopt;
    script.messageBoxCalls.push_back({OrEmpty(text), OrEmpty(caption), type, owner});
    int answer = script.messageBoxAnswers.front();
    script.messageBoxAnswers.pop_front();
    return answer;
}

}  // namespace ScriptedDialogs
