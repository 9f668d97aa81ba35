#pragma once
// Scripted answers for tests. A test queues the answers of the next file
// dialogs, colour dialogs and message boxes; each such call then takes the
// oldest answer of its kind instead of showing anything, and what it was
// asked to show is recorded for the test to check. With no answer queued the
// real dialog shows. Production code never queues answers.

#include <windows.h>
#include <commdlg.h>

#include <optional>
#include <string>
#include <vector>

namespace ScriptedDialogs {

// What a scripted file dialog was given, read from the structure that would
// have gone to GetOpenFileNameW / GetSaveFileNameW.
struct FileDialogCall {
    bool open = true;
    std::wstring defaultExt;
    std::wstring initialFileName;
    DWORD flags = 0;
    // The filter list as passed: pairs of NUL-terminated strings ending in
    // an empty string, so it ends in two NULs ("" when there was none).
    std::wstring filter;
    HWND owner = nullptr;
};

struct ColorDialogCall {
    COLORREF initialColor = 0;
    DWORD flags = 0;
    HWND owner = nullptr;
};

struct MessageBoxCall {
    std::wstring text;
    std::wstring caption;
    UINT type = 0;
    HWND owner = nullptr;
};

// Queue answers: OK with a path or a colour, Cancel, or the button pressed.
void AnswerFileDialog(const std::wstring& path);
void CancelFileDialog();
void AnswerColorDialog(COLORREF color);
void CancelColorDialog();
void AnswerMessageBox(int button);

// The calls that took a scripted answer, oldest first.
std::vector<FileDialogCall> FileDialogCalls();
std::vector<ColorDialogCall> ColorDialogCalls();
std::vector<MessageBoxCall> MessageBoxCalls();

// Drops every queued answer and every record.
void Reset();

// ---- Used by the dialogs ----------------------------------------------------
// Each takes the oldest queued answer of its kind and records the call, or
// returns nothing when none is queued. A file or colour answer without a
// value is Cancel.
std::optional<std::optional<std::wstring>> TakeFileDialogAnswer(bool open, const OPENFILENAMEW& ofn);
std::optional<std::optional<COLORREF>> TakeColorDialogAnswer(const CHOOSECOLORW& cc);
std::optional<int> TakeMessageBoxAnswer(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);

}  // namespace ScriptedDialogs
