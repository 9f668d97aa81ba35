#pragma once
// A data file's whole content, read to be written back: to move it to another
// place, or to put it back as it was when a later step fails.

#include "classlib/cstring.h"

#include <cstdint>
#include <optional>
#include <vector>

// A file's whole content, or that it is missing.
struct FileContent {
    bool exists = false;
    std::vector<uint8_t> bytes;

    bool operator==(const FileContent&) const = default;
};

// Nothing when the file exists but cannot be read whole (or is far larger
// than any data file).
std::optional<FileContent> ReadWholeFile(const CString& path);

// Gives `path` the content `content` had: the same bytes, written through the
// replacing writer (WriteFileReplacing), or no file. True when done.
bool PutFileContent(const CString& path, const FileContent& content);
