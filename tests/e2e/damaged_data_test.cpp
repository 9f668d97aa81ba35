// The program with damaged data files beside it, as its own process: it
// starts, shows its window, opens the settings panel, applies and ends
// without a crash or a hang; it leaves the files it was not asked to write
// as they were and makes no file of its own beside them.

#include "program_steps.h"

#include "model/device_records.h"
#include "storage/profile_file.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace e2e;

struct DamageCase {
    const char* name;
    std::function<void(const ProgramFolder&)> damage;
    // Whether Apply must fail to write the profile and say so; unset where
    // either may happen (Wine lets a read-only file be replaced).
    std::optional<bool> saveRefused = false;
};

void WriteBytes(const ProgramFolder& folder, const wchar_t* name, size_t size, unsigned char fill = 0x5A)
{
    const std::vector<unsigned char> bytes(size, fill);
    WriteBinaryFile(folder.file(name), bytes.data(), bytes.size());
}

void WriteAnsi(const ProgramFolder& folder, const wchar_t* name, const std::string& text)
{
    WriteBinaryFile(folder.file(name), text.data(), text.size());
}

std::wstring Repeated(const std::wstring& line, int count)
{
    std::wstring text;
    for (int i = 0; i < count; ++i)
        text += line;
    return text;
}

const DamageCase kCases[] = {
    {"empty profile file", [](const ProgramFolder& f) { WriteBytes(f, L"config0.bin", 0); }},
    {"one-byte profile file", [](const ProgramFolder& f) { WriteBytes(f, L"config0.bin", 1); }},
    {"profile file one byte too long", [](const ProgramFolder& f) { WriteBytes(f, L"config0.bin", 1806); }},
    {"profile file of garbage", [](const ProgramFolder& f) { WriteBytes(f, L"config0.bin", 1805, 0xFF); }},
    // Nothing to load and no file to save into: Save writes no profile file
    // it did not find, and says so.
    {"no profile and no factory file",
     [](const ProgramFolder& f) {
         DeleteFileW(f.file(L"config0.bin").c_str());
         DeleteFileW(f.file(L"config.bin").c_str());
     },
     true},
    {"huge profile count, names that are prefixes of each other",
     [](const ProgramFolder& f) {
         WriteUtf16File(f.file(L"str.ini"),
                        L"[ProfileName]\r\nItemCount=2147483647\r\nItem0=Game 2\r\nItem1=Game\r\nItem2=game\r\n"
                        L"CurProfileName=Game\r\n");
     }},
    {"profile list in ANSI",
     [](const ProgramFolder& f) {
         WriteAnsi(f, L"str.ini", "[ProfileName]\r\nItemCount=2\r\nItem0=A\xe9\r\nItem1=B\r\nCurProfileName=B\r\n");
     }},
    {"no profile list and no captions",
     [](const ProgramFolder& f) {
         DeleteFileW(f.file(L"str.ini").c_str());
         DeleteFileW(f.file(L"str0.ini").c_str());
     }},
    {"captions of another language code and huge items",
     [](const ProgramFolder& f) {
         WriteUtf16File(f.file(L"str0.ini"),
                        L"[Skins]\r\nLan=ZZ\r\n[ZZ]\r\nItem1=" + std::wstring(5000, L'x') + L"\r\n");
     }},
    {"macros with huge counts, duplicate and refused names",
     [](const ProgramFolder& f) {
         WriteUtf16File(f.file(L"record.ini"),
                        L"[MacroName]\r\nMacroCount=2147483647\r\n0=A\r\n1=a\r\n2=MacroName\r\n3=\r\n4=A B\r\n"
                        L"[A]\r\nMacroLoopTimes=99999999999\r\nItemCount=4000000\r\nItem0=A   Dn\r\n" +
                            Repeated(L"Item1=999999 ms\r\n", 3) + L"[a]\r\nItemCount=-5\r\n");
     }},
    {"macros in ANSI",
     [](const ProgramFolder& f) {
         WriteAnsi(f, L"record.ini",
                   "[MacroName]\r\nMacroCount=1\r\n0=M\xfc\r\n[M\xfc]\r\nItemCount=1\r\nItem0=A   Dn\r\n");
     }},
    {"a skin picture cut short",
     [](const ProgramFolder& f) {
         std::vector<unsigned char> logo = ReadBinaryFile(f.file(L"Skins\\Logo.png"));
         logo.resize(logo.size() / 3);
         WriteBinaryFile(f.file(L"Skins\\Logo.png"), logo.data(), logo.size());
     }},
    {"read-only profile file",
     [](const ProgramFolder& f) { SetFileAttributesW(f.file(L"config0.bin").c_str(), FILE_ATTRIBUTE_READONLY); },
     std::nullopt},
};

std::set<std::wstring> FilesIn(const std::wstring& folder)
{
    std::set<std::wstring> names;
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.insert(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

class DamagedData : public ProgramEndToEnd, public ::testing::WithParamInterface<DamageCase> {};

}  // namespace

TEST_P(DamagedData, StartsRunsAndEndsLeavingOtherFilesAlone)
{
    GetParam().damage(folder);
    const std::set<std::wstring> before = FilesIn(folder.path());
    // The files an Apply of profile 0 does not write.
    std::vector<std::pair<std::wstring, std::vector<unsigned char>>> untouched;
    for (const wchar_t* name : {L"config1.bin", L"config2.bin", L"config.bin", L"str1.ini", L"record.ini"})
        untouched.emplace_back(name, folder.ReadBytes(name));

    const HWND main = StartAndWaitForMainWindow();
    ASSERT_NE(main, nullptr) << "no main window";
    const HWND page = OpenPanelSection(main, 0);
    EXPECT_NE(page, nullptr) << "the settings panel did not open";

    // Apply: the upload completes, or a refused save is reported in a message box.
    const size_t macrosBefore = FramesOf(program->FrameLog(), kCmdWriteMacro);
    const size_t framesBefore = program->FrameLog().size();
    HWND message = nullptr;
    ClickUntil(main, kApplyButton, [&] {
        return program->FrameLog().size() > framesBefore || WaitForOtherWindow(main, L"#32770", 0) != nullptr;
    });
    const bool settled = WaitUntil(
        [&] {
            message = WaitForOtherWindow(main, L"#32770", 0);
            return message || FramesOf(program->FrameLog(), kCmdWriteMacro) >= macrosBefore + 12;
        },
        20000);
    EXPECT_TRUE(settled) << "Apply neither finished nor reported";
    if (!message)  // the save comes after the upload
        message = WaitForOtherWindow(main, L"#32770", 2000);
    if (GetParam().saveRefused.has_value()) {
        EXPECT_EQ(message != nullptr, *GetParam().saveRefused) << "what Apply reported";
    }
    if (message) {
        BringToFront(message);
        PressKey(VK_RETURN);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(message); }, 5000));
    }
    EXPECT_TRUE(program->IsRunning());

    const std::optional<DWORD> exitCode = program->Stop(10000);
    ASSERT_TRUE(exitCode.has_value());
    EXPECT_NE(*exitCode, kKilledExitCode) << "the program had to be killed";
    EXPECT_LT(*exitCode, 0x80000000u) << "the program crashed: " << std::hex << *exitCode;

    for (const auto& [name, bytes] : untouched)
        EXPECT_EQ(folder.ReadBytes(name), bytes) << testing::PrintToString(name);
    const std::set<std::wstring> after = FilesIn(folder.path());
    for (const std::wstring& name : after) {
        const bool dataFile = name == L"config0.bin" || name == L"str0.ini" || name == L"str.ini";
        EXPECT_TRUE(before.count(name) || dataFile) << "a new file: " << testing::PrintToString(name);
    }
    if (GetParam().saveRefused == false) {
        EXPECT_EQ(folder.ReadBytes(L"config0.bin").size(), sizeof(ProfileFile)) << "Apply saves a whole profile";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedData, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<DamageCase>& param) {
                             std::string name;
                             for (const char c : std::string(param.param.name))
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });
