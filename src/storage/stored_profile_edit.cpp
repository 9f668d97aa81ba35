#include "storage/stored_profile_edit.h"

#include "classlib/debug_output.h"
#include "storage/ini_file.h"
#include "storage/profile_file.h"
#include "storage/whole_file.h"
#include "storage/win32_handle.h"

#include <windows.h>

#include <array>
#include <cstring>
#include <optional>

namespace {

using Captions = std::array<CString, kAssignBoxCount>;

bool WriteBytes(const CString& path, const std::vector<uint8_t>& bytes)
{
    UniqueHandle file(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file &&
           (bytes.empty() ||
            WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) &&
           written == bytes.size();
}

// A temporary file in the system's temporary folder, deleted with the object.
class TemporaryFile {
public:
    TemporaryFile()
    {
        wchar_t folder[MAX_PATH + 1] = {};
        wchar_t name[MAX_PATH + 1] = {};
        const DWORD length = GetTempPathW(MAX_PATH + 1, folder);
        if (length > 0 && length <= MAX_PATH && GetTempFileNameW(folder, L"cap", 0, name))
            m_path = name;
    }
    ~TemporaryFile()
    {
        if (!m_path.IsEmpty())
            DeleteFileW(m_path);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const CString& path() const { return m_path; }

private:
    CString m_path;
};

// The caption file `old` with `captions` written into it. The profile
// functions write them into a copy, so that the file itself can then be
// replaced in one step. A missing file starts as the program's caption files
// do, empty and in UTF-16LE.
std::optional<std::vector<uint8_t>> WithCaptions(const FileContent& old, const CString& section,
                                                 const Captions& captions)
{
    static const std::vector<uint8_t> kEmptyUnicodeFile{0xFF, 0xFE};
    const TemporaryFile copy;
    if (copy.path().IsEmpty() || !WriteBytes(copy.path(), old.exists ? old.bytes : kEmptyUnicodeFile))
        return std::nullopt;
    for (size_t i = 0; i < captions.size(); ++i)
        if (!WriteIniValue(copy.path(), section, CaptionKey(static_cast<int>(i)), captions[i]))
            return std::nullopt;
    const std::optional<FileContent> content = ReadWholeFile(copy.path());
    if (!content || !content->exists)
        return std::nullopt;
    return content->bytes;
}

StoredProfileEditResult Failed(const CString& profilePath, const CString& captionPath, const wchar_t* what, DWORD error)
{
    DebugTrace(L"Profile files %s and %s cannot be %s (error %d): both are left as they were.\n",
               profilePath.GetString(), captionPath.GetString(), what, static_cast<int>(error));
    return StoredProfileEditResult::Failed;
}

}  // namespace

StoredProfileEditResult EditStoredProfile(const CString& profilePath, const CString& captionPath,
                                          const StoredProfileEdit& edit)
{
    const std::optional<FileContent> oldProfile = ReadWholeFile(profilePath);
    if (!oldProfile)
        return Failed(profilePath, captionPath, L"read", GetLastError());
    if (!oldProfile->exists || oldProfile->bytes.size() < kProfileFileSize)
        return Failed(profilePath, captionPath, L"read", oldProfile->exists ? ERROR_HANDLE_EOF : ERROR_FILE_NOT_FOUND);
    ProfileFile content{};
    std::memcpy(&content, oldProfile->bytes.data(), kProfileFileSize);

    const CString& section = CaptionSection();
    Captions captions;
    if (!section.IsEmpty())
        for (size_t i = 0; i < captions.size(); ++i)
            captions[i] = ReadIniValue(captionPath, section, CaptionKey(static_cast<int>(i)));

    SettingsRecord record = content.Settings;
    const Captions captionsBefore = captions;
    edit(record, captions);
    const bool recordChanged = std::memcmp(&record, &content.Settings, sizeof record) != 0;
    const bool captionsChanged = !section.IsEmpty() && captions != captionsBefore;
    if (!recordChanged && !captionsChanged)
        return StoredProfileEditResult::Unchanged;

    // Everything is read and made before the first file is written.
    std::optional<std::vector<uint8_t>> newCaptions;
    if (captionsChanged) {
        const std::optional<FileContent> oldCaptions = ReadWholeFile(captionPath);
        if (oldCaptions)
            newCaptions = WithCaptions(*oldCaptions, section, captions);
        if (!newCaptions)
            return Failed(profilePath, captionPath, L"read", GetLastError());
    }

    DWORD error = ERROR_SUCCESS;
    if (recordChanged && !WriteProfileFile(profilePath, record, &error))
        return Failed(profilePath, captionPath, L"written", error);
    if (newCaptions && !WriteFileReplacing(captionPath, *newCaptions, &error)) {
        // The record without its captions would be half a profile.
        if (recordChanged && !PutFileContent(profilePath, *oldProfile))
            DebugTrace(L"Profile file %s could not be put back.\n", profilePath.GetString());
        return Failed(profilePath, captionPath, L"written", error);
    }
    return StoredProfileEditResult::Written;
}
