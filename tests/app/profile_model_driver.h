#pragma once
// Drives the owner's actions through the real main window, its profile list,
// its macro manager and the macro pick dialog (with scripted file dialogs
// and message boxes), applies each action to the independent model of
// support/profile_model.h as well, and compares the program with the model:
// the record and captions the window shows and the ones Cancel returns to,
// every listed profile's config<i>.bin and str<i>.ini, str.ini's list and
// record.ini's macros.
//
// An action prints as the C++ expression that makes it, so a failing
// sequence can be pasted into a plain test (RunSteps).

#include "main_window_helpers.h"

#include "app/config_dialog.h"
#include "app/main_window_globals.h"
#include "classlib/message_pump.h"
#include "classlib/scripted_dialogs.h"
#include "macro/macro_dialog.h"
#include "macro/macro_manager_layout.h"
#include "macro/macro_program_dialog.h"
#include "macro/macro_store.h"
#include "messages.h"
#include "resource.h"
#include "skin/lb_editor_wnd.h"
#include "support/file_held_open.h"
#include "support/profile_model.h"

#include <array>
#include <cstring>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace modeltest {

using profilemodel::Button;
using profilemodel::Entry;
using profilemodel::Macro;
using profilemodel::Model;
using profilemodel::Profile;
using MacroOp = profilemodel::Model::MacroOp;
using apptest::PressButton;

enum class Kind {
    SetRate,
    SetDpi0,
    SetSensX,
    Assign,
    AssignMacro,
    Apply,
    ApplyLocked,
    Cancel,
    Reset,
    ResetDeclined,
    ResetLocked,
    Restart,
    MacroManager,
    OpenList,
    NewProfile,
    CopyProfile,
    Pick,
    Rename,
    DeleteProfile,
    Import,
    Export,
    CloseList,
    ProfileFileGrows,
};

struct Action {
    Kind kind = Kind::Apply;
    int a = 0;
    int b = 0;
    std::wstring text;
    std::vector<MacroOp> ops;
    bool ok = true;
};

// The actions, as a replayed sequence writes them.
namespace A {
inline Action Make(Kind kind, int a = 0, int b = 0, std::wstring text = {}, std::vector<MacroOp> ops = {},
                   bool ok = true)
{
    Action action;
    action.kind = kind;
    action.a = a;
    action.b = b;
    action.text = std::move(text);
    action.ops = std::move(ops);
    action.ok = ok;
    return action;
}
inline Action SetRate(int code)
{
    return Make(Kind::SetRate, code);
}
inline Action SetDpi0(int value)
{
    return Make(Kind::SetDpi0, value);
}
inline Action SetSensX(int value)
{
    return Make(Kind::SetSensX, value);
}
// A choice of the assignment menu (2001 .. 2006, 2013) for a button.
inline Action Assign(int button, int command)
{
    return Make(Kind::Assign, button, command);
}
inline Action AssignMacro(int button, const std::wstring& macro, int repeat)
{
    return Make(Kind::AssignMacro, button, repeat, macro);
}
inline Action Apply()
{
    return Make(Kind::Apply);
}
// Apply while another program holds the profile file open for reading only.
inline Action ApplyLocked()
{
    return Make(Kind::ApplyLocked);
}
inline Action Cancel()
{
    return Make(Kind::Cancel);
}
inline Action Reset()
{
    return Make(Kind::Reset);
}
inline Action ResetDeclined()
{
    return Make(Kind::ResetDeclined);
}
inline Action ResetLocked()
{
    return Make(Kind::ResetLocked);
}
inline Action Restart()
{
    return Make(Kind::Restart);
}
inline MacroOp NewMacro(int loop)
{
    return {MacroOp::kAdd, L"", loop, L""};
}
inline MacroOp DeleteMacro(const std::wstring& name)
{
    return {MacroOp::kRemove, name, 0, L""};
}
// The macro's loop count typed into the loop edit.
inline MacroOp MacroLoop(const std::wstring& name, int loop)
{
    return {MacroOp::kLoop, name, loop, L""};
}
// The macro renamed in place in the name list.
inline MacroOp RenameMacro(const std::wstring& name, const std::wstring& newName)
{
    return {MacroOp::kRename, name, 0, newName};
}
inline Action MacroManager(std::vector<MacroOp> ops, bool ok)
{
    return Make(Kind::MacroManager, 0, 0, L"", std::move(ops), ok);
}
inline Action OpenList()
{
    return Make(Kind::OpenList);
}
inline Action NewProfile()
{
    return Make(Kind::NewProfile);
}
inline Action CopyProfile()
{
    return Make(Kind::CopyProfile);
}
inline Action Pick(int position)
{
    return Make(Kind::Pick, position);
}
inline Action Rename(int position, const std::wstring& name)
{
    return Make(Kind::Rename, position, 0, name);
}
inline Action DeleteProfile(int position)
{
    return Make(Kind::DeleteProfile, position);
}
inline Action Import(int position, const std::wstring& file)
{
    return Make(Kind::Import, position, 0, file);
}
inline Action Export(const std::wstring& file)
{
    return Make(Kind::Export, 0, 0, file);
}
inline Action CloseList()
{
    return Make(Kind::CloseList);
}
// Another program appends a line break to the profile file at `position`.
inline Action ProfileFileGrows(int position)
{
    return Make(Kind::ProfileFileGrows, position);
}
}  // namespace A

inline std::string Narrow(const std::wstring& text)
{
    std::string out;
    for (const wchar_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

inline std::string Quoted(const std::wstring& text)
{
    return "L\"" + Narrow(text) + "\"";
}

inline std::string Describe(const Action& action)
{
    std::ostringstream out;
    out << "A::";
    switch (action.kind) {
    case Kind::SetRate:
        out << "SetRate(" << action.a << ")";
        break;
    case Kind::SetDpi0:
        out << "SetDpi0(" << action.a << ")";
        break;
    case Kind::SetSensX:
        out << "SetSensX(" << action.a << ")";
        break;
    case Kind::Assign:
        out << "Assign(" << action.a << ", " << action.b << ")";
        break;
    case Kind::AssignMacro:
        out << "AssignMacro(" << action.a << ", " << Quoted(action.text) << ", " << action.b << ")";
        break;
    case Kind::Apply:
        out << "Apply()";
        break;
    case Kind::ApplyLocked:
        out << "ApplyLocked()";
        break;
    case Kind::Cancel:
        out << "Cancel()";
        break;
    case Kind::Reset:
        out << "Reset()";
        break;
    case Kind::ResetDeclined:
        out << "ResetDeclined()";
        break;
    case Kind::ResetLocked:
        out << "ResetLocked()";
        break;
    case Kind::Restart:
        out << "Restart()";
        break;
    case Kind::MacroManager: {
        out << "MacroManager({";
        for (size_t k = 0; k < action.ops.size(); ++k) {
            const MacroOp& op = action.ops[k];
            out << (k ? ", " : "") << "A::";
            switch (op.what) {
            case MacroOp::kAdd:
                out << "NewMacro(" << op.loop << ")";
                break;
            case MacroOp::kRemove:
                out << "DeleteMacro(" << Quoted(op.name) << ")";
                break;
            case MacroOp::kLoop:
                out << "MacroLoop(" << Quoted(op.name) << ", " << op.loop << ")";
                break;
            case MacroOp::kRename:
                out << "RenameMacro(" << Quoted(op.name) << ", " << Quoted(op.newName) << ")";
                break;
            }
        }
        out << "}, " << (action.ok ? "true" : "false") << ")";
        break;
    }
    case Kind::OpenList:
        out << "OpenList()";
        break;
    case Kind::NewProfile:
        out << "NewProfile()";
        break;
    case Kind::CopyProfile:
        out << "CopyProfile()";
        break;
    case Kind::Pick:
        out << "Pick(" << action.a << ")";
        break;
    case Kind::Rename:
        out << "Rename(" << action.a << ", " << Quoted(action.text) << ")";
        break;
    case Kind::DeleteProfile:
        out << "DeleteProfile(" << action.a << ")";
        break;
    case Kind::Import:
        out << "Import(" << action.a << ", " << Quoted(action.text) << ")";
        break;
    case Kind::Export:
        out << "Export(" << Quoted(action.text) << ")";
        break;
    case Kind::CloseList:
        out << "CloseList()";
        break;
    case Kind::ProfileFileGrows:
        out << "ProfileFileGrows(" << action.a << ")";
        break;
    }
    return out.str();
}

// The caption and type of each plain choice of the assignment menu.
struct MenuChoice {
    int command;
    int type;
    const wchar_t* caption;
};
inline constexpr std::array<MenuChoice, 7> kMenuChoices{{
    {2001, profilemodel::kClick, L"Click"},
    {2002, profilemodel::kMenu, L"Menu"},
    {2003, profilemodel::kScroll, L"Scroll "},
    {2004, profilemodel::kForward, L"Forward"},
    {2005, profilemodel::kBack, L"Back"},
    {2006, profilemodel::kDoubleClick, L"Double-Click"},
    {2013, profilemodel::kDeactivated, L"Deactivated"},
}};

inline const MenuChoice& ChoiceOf(int command)
{
    for (const MenuChoice& choice : kMenuChoices)
        if (choice.command == command)
            return choice;
    return kMenuChoices[0];
}

// The files the actions import from, besides the exported ones.
inline constexpr wchar_t kGoodImport[] = L"good.bin";
inline constexpr wchar_t kWrongSizeImport[] = L"wrong.bin";
// No such file; captions lie beside where it would be.
inline constexpr wchar_t kMissingImport[] = L"missing.bin";

// The profiles and macros the sequences start from: three named profiles,
// each with settings, buttons and captions of its own (two of them with a
// macro button), and three macros.
class ModelDriver : public apptest::MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        WriteStartingData();
        ASSERT_TRUE(Open());
        BecomeMainWindow();
        // Every divergence at this point is one of the start-up.
        const std::vector<std::string> divergences = Divergences();
        ASSERT_TRUE(divergences.empty()) << Join(divergences);
    }
    void TearDown() override
    {
        CloseProgram();
        if (CWinApp* app = AfxGetApp())
            app->m_pMainWnd = nullptr;
        MainWindowTest::TearDown();
        ResetProcessGlobals();
    }

    // --- Starting data ---

    // What a profile's file holds: the factory file's bytes with the
    // model's settings, buttons and (for macro buttons) the macros' slots.
    SettingsRecord RecordFor(const Profile& profile) const
    {
        SettingsRecord record = m_factoryRecord;
        record.ReportRateCode = static_cast<uint8_t>(profile.settings.rate);
        record.DpiStage[0] = static_cast<uint8_t>(profile.settings.dpi0);
        record.SensitivityX = static_cast<uint8_t>(profile.settings.sensX);
        for (size_t k = 0; k < m_startMacros.size() && k < record.MacroSlot.size(); ++k) {
            record.MacroSlot[k][0] = static_cast<uint8_t>(m_startMacros[k].loop / 256);
            record.MacroSlot[k][1] = static_cast<uint8_t>(m_startMacros[k].loop % 256);
        }
        for (size_t i = 0; i < profilemodel::kButtons; ++i) {
            const Button& button = profile.settings.buttons[i];
            record.ButtonFunction[i] = static_cast<uint8_t>(button.type);
            if (button.type == profilemodel::kMacroButton)
                for (size_t k = 0; k < m_startMacros.size(); ++k)
                    if (m_startMacros[k].id == button.macro)
                        record.MacroIndex[i] = static_cast<uint8_t>(k);
        }
        return record;
    }

    void WriteProfilePair(const std::wstring& bin, const std::wstring& ini, const Profile& profile) const
    {
        const SettingsRecord record = RecordFor(profile);
        std::vector<unsigned char> bytes(sizeof(ProfileFile));
        bytes[0] = 1;
        std::memcpy(bytes.data() + 1, &record, sizeof record);
        WriteBinaryFile(bin, bytes.data(), bytes.size());
        for (size_t i = 0; i < profilemodel::kButtons; ++i)
            ::WritePrivateProfileStringW(L"Setting-EN", (L"Item" + std::to_wstring(i + 1)).c_str(),
                                         profile.captions[i].c_str(), ini.c_str());
    }

    static std::wstring IniBeside(const std::wstring& bin) { return bin.substr(0, bin.size() - 4) + L".ini"; }

    void WriteStartingData()
    {
        using namespace profilemodel;
        const std::vector<unsigned char> factoryBytes = ReadBinaryFile(folder.file(L"config.bin"));
        ASSERT_EQ(factoryBytes.size(), sizeof(ProfileFile));
        std::memcpy(&m_factoryRecord, factoryBytes.data() + 1, sizeof m_factoryRecord);

        Profile factory;
        factory.settings.rate = m_factoryRecord.ReportRateCode;
        factory.settings.dpi0 = m_factoryRecord.DpiStage[0];
        factory.settings.sensX = m_factoryRecord.SensitivityX;
        for (size_t i = 0; i < kButtons; ++i) {
            factory.settings.buttons[i] = Button{m_factoryRecord.ButtonFunction[i], -1};
            factory.captions[i] = CaptionIn(folder.file(L"str.ini"), static_cast<int>(i));
        }
        // Reset gives the record's own defaults with str.ini's captions.
        Profile defaults = factory;
        defaults.settings.rate = 2;
        defaults.settings.dpi0 = 12;
        defaults.settings.sensX = 5;
        const std::array<int, kButtons> defaultTypes{kClick, kMenu, kScroll, kFn, kSnipe, kDpiAction, kDpiAction};
        for (size_t i = 0; i < kButtons; ++i)
            defaults.settings.buttons[i] = Button{defaultTypes[i], -1};

        m_startMacros = {Macro{1, L"a", 3}, Macro{2, L"b", 4}, Macro{3, L"c", 5}};
        std::wstring store = L"[MacroName]\r\nMacroCount=3\r\n0=a\r\n1=b\r\n2=c\r\n";
        for (const Macro& macro : m_startMacros) {
            const std::wstring key = macro.name == L"a" ? L"A" : macro.name == L"b" ? L"B" : L"C";
            store += L"[" + macro.name + L"]\r\nDelayTimeSelStatus=0\r\nMacroLoopTimes=" + std::to_wstring(macro.loop) +
                     L"\r\nItemCount=2\r\nItem0=" + key + L"   Dn\r\nItem1=" + key + L"   Up\r\n";
        }
        WriteUtf16File(folder.file(L"record.ini"), store);

        Profile first = factory;
        first.settings.buttons[3] = Button{kBack, -1};
        first.captions[3] = L"Back";
        Profile fast = factory;
        fast.settings.rate = 1;
        fast.settings.dpi0 = 40;
        fast.settings.sensX = 8;
        fast.settings.buttons[6] = Button{kMacroButton, 3};
        fast.captions[6] = Model::MacroCaption(L"c");
        Profile work = factory;
        work.settings.rate = 8;
        work.settings.dpi0 = 20;
        work.settings.sensX = 3;
        work.settings.buttons[5] = Button{kMacroButton, 2};
        work.captions[5] = Model::MacroCaption(L"b");
        work.settings.buttons[4] = Button{kDeactivated, -1};
        work.captions[4] = L"Deactivated";
        const std::vector<Entry> profiles{{1, L"Profile 1", first}, {2, L"Fast", fast}, {3, L"Work", work}};

        for (size_t p = 0; p < profiles.size(); ++p)
            WriteProfilePair(ProfilePath(static_cast<int>(p)), CaptionFile(static_cast<int>(p)), profiles[p].content);
        for (int slot = 0; slot < kMaxProfiles; ++slot)
            ::WritePrivateProfileStringW(L"Skins", L"Lan", L"EN", CaptionFile(slot).c_str());
        ::WritePrivateProfileStringW(L"Skins", L"Lan", L"EN", folder.file(L"str.ini").c_str());
        const std::wstring strIni = folder.file(L"str.ini");
        ::WritePrivateProfileStringW(L"Profile", nullptr, nullptr, strIni.c_str());
        ::WritePrivateProfileStringW(L"Profile", L"CurProfileName", L"Profile 1", strIni.c_str());
        ::WritePrivateProfileStringW(L"Profile", L"ItemCount", L"3", strIni.c_str());
        for (size_t p = 0; p < profiles.size(); ++p)
            ::WritePrivateProfileStringW(L"Profile", (L"Item" + std::to_wstring(p)).c_str(), profiles[p].name.c_str(),
                                         strIni.c_str());

        // A profile to import, and a file of another size with captions beside it.
        m_goodImport = factory;
        m_goodImport.settings.rate = 4;
        m_goodImport.settings.dpi0 = 30;
        m_goodImport.settings.sensX = 2;
        m_goodImport.settings.buttons[2] = Button{kForward, -1};
        m_goodImport.captions[2] = L"Forward";
        WriteProfilePair(folder.file(kGoodImport), IniBeside(folder.file(kGoodImport)), m_goodImport);
        const std::vector<unsigned char> wrong(sizeof(SettingsRecord), 0x11);
        WriteBinaryFile(folder.file(kWrongSizeImport), wrong.data(), wrong.size());
        for (int i = 1; i <= kButtons; ++i) {
            const std::wstring key = L"Item" + std::to_wstring(i);
            ::WritePrivateProfileStringW(L"Setting-EN", key.c_str(), (L"W" + std::to_wstring(i)).c_str(),
                                         IniBeside(folder.file(kWrongSizeImport)).c_str());
            ::WritePrivateProfileStringW(L"Setting-EN", key.c_str(), (L"M" + std::to_wstring(i)).c_str(),
                                         IniBeside(folder.file(kMissingImport)).c_str());
        }

        model.emplace(factory, defaults, profiles, m_startMacros);
    }

    void BecomeMainWindow()
    {
        // The profile list posts its commands to the application's main window.
        if (CWinApp* app = AfxGetApp())
            app->m_pMainWnd = window.get();
    }

    // What a new process starts with, for the globals the fixture leaves.
    static void ResetProcessGlobals()
    {
        g_bProfileImported = 0;
        g_nProfileChosen = 0;
        g_nCurPage = 0;
        g_nSelButton = -1;
        g_bDelayOption = 0;
        g_bLoopOption = 0;
        g_nCurMacro = 0;
        g_arrSelectedMacro.clear();
        g_arrPendingMacro.clear();
        g_nEditContext = 0;
        g_bMacroListOpen = 0;
    }

    // --- Performing ---

    // Does `action` on the program and on the model; the divergences found
    // afterwards (empty when the program agrees with the model).
    std::vector<std::string> Step(const Action& action)
    {
        ScriptedDialogs::Reset();
        const profilemodel::StepOutcome expected = Perform(action);
        PumpPending();
        std::vector<std::string> divergences = Divergences();
        const size_t boxes = ScriptedDialogs::MessageBoxCalls().size();
        if (boxes != static_cast<size_t>(expected.messageBoxes)) {
            std::ostringstream out;
            out << "message boxes shown: " << boxes << ", model " << expected.messageBoxes;
            for (const auto& box : ScriptedDialogs::MessageBoxCalls())
                out << " [" << Narrow(box.text) << "]";
            divergences.push_back(out.str());
        }
        return divergences;
    }

    // Runs the steps, checking after each; a failure names the step and the
    // steps before it.
    void RunSteps(const std::vector<Action>& steps)
    {
        for (size_t n = 0; n < steps.size(); ++n) {
            const std::vector<std::string> divergences = Step(steps[n]);
            if (!divergences.empty()) {
                ADD_FAILURE() << "after step " << n << " " << Describe(steps[n]) << ":\n" << Join(divergences);
                return;
            }
        }
    }

    static std::string Join(const std::vector<std::string>& lines)
    {
        std::string text;
        for (const std::string& line : lines)
            text += "  " + line + "\n";
        return text;
    }

    profilemodel::StepOutcome Perform(const Action& action)
    {
        // Answers for the boxes the step may show (more than any step asks
        // for), and one Cancel for a file dialog no step expects.
        const auto spareAnswers = [] {
            for (int k = 0; k < 4; ++k)
                ScriptedDialogs::AnswerMessageBox(IDOK);
            ScriptedDialogs::CancelFileDialog();
        };
        Model& m = *model;
        switch (action.kind) {
        case Kind::SetRate: {
            spareAnswers();
            const POINT at = RatePoint(action.a);
            window->m_dlgPanel.m_pageReportRate.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
            window->m_dlgPanel.m_pageReportRate.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
            m.SetRate(action.a);
            return {};
        }
        case Kind::SetDpi0:
            spareAnswers();
            window->m_dlgPanel.m_pageDpi.SendMessage(WM_MARKER_POS, static_cast<WPARAM>(action.a), IDC_DPI_SLIDER1);
            m.SetDpi0(action.a);
            return {};
        case Kind::SetSensX:
            spareAnswers();
            window->SendMessage(WM_MARKER_POS, static_cast<WPARAM>(action.a), IDC_SLIDER_X);
            m.SetSensX(action.a);
            return {};
        case Kind::Assign: {
            spareAnswers();
            Choose(action.a, static_cast<UINT>(action.b));
            const MenuChoice& choice = ChoiceOf(action.b);
            m.Assign(action.a, choice.type, choice.caption);
            return {};
        }
        case Kind::AssignMacro: {
            spareAnswers();
            const int position = MacroPositionByName(action.text);
            apptest::DialogWatch watch([&](CWnd& dialog) {
                auto* pick = dynamic_cast<CMacroDialog*>(&dialog);
                if (!pick)
                    return;
                pick->ToggleMacroList();
                if (CWnd* list = pick->GetDlgItem(IDC_MACRO_PICK_LIST)) {
                    list->SendMessage(LB_SETCURSEL, static_cast<WPARAM>(position));
                    pick->OnSelchangeMacroList();
                }
                pick->m_nRepeatMode = static_cast<uint8_t>(action.b);
                pick->PostMessage(WM_COMMAND, IDOK);
            });
            Choose(action.a, 2012);
            if (position >= 0)
                m.AssignMacro(action.a, position);
            return {};
        }
        case Kind::Apply:
        case Kind::ApplyLocked: {
            spareAnswers();
            const bool locked = action.kind == Kind::ApplyLocked;
            std::optional<FileHeldOpen> holder;
            if (locked)
                holder.emplace(ProfilePath(m.CurrentPosition()));
            PressButton(window->m_btnSave);
            return m.Apply(!locked);
        }
        case Kind::Cancel:
            spareAnswers();
            PressButton(window->m_btnCancel);
            // Shown again from the notification area, as its icon does.
            window->ShowFromNotificationArea();
            m.Cancel();
            return {};
        case Kind::Reset:
        case Kind::ResetDeclined:
        case Kind::ResetLocked: {
            const bool confirmed = action.kind != Kind::ResetDeclined;
            ScriptedDialogs::AnswerMessageBox(confirmed ? IDOK : IDCANCEL);
            spareAnswers();
            const bool locked = action.kind == Kind::ResetLocked;
            std::optional<FileHeldOpen> holder;
            if (locked)
                holder.emplace(ProfilePath(m.CurrentPosition()));
            PressButton(window->m_btnRestore);
            return m.Reset(confirmed, !locked);
        }
        case Kind::Restart:
            spareAnswers();
            RestartProgram();
            m.Restart();
            return {};
        case Kind::MacroManager:
            spareAnswers();
            RunMacroManager(action);
            return m.MacroManager(action.ops);
        case Kind::OpenList:
            spareAnswers();
            PressButton(window->m_btnConfig);
            PumpPending();
            m.OpenList();
            return {};
        case Kind::NewProfile:
            spareAnswers();
            ClickList(CConfigDialog::kNewArea);
            return m.NewProfile();
        case Kind::CopyProfile:
            spareAnswers();
            ListCommand(ID_PROFILE_COPY);
            m.CopyProfile();
            return {};
        case Kind::Pick:
            spareAnswers();
            PickInList(action.a);
            m.Pick(action.a);
            return {};
        case Kind::Rename:
            spareAnswers();
            RenameInList(action.a, action.text);
            m.Rename(action.a, action.text);
            return {};
        case Kind::DeleteProfile:
            spareAnswers();
            PickInList(action.a);
            ClickList(CConfigDialog::kDeleteArea);
            m.DeleteProfile(action.a);
            return {};
        case Kind::Import: {
            PickInList(action.a);
            ScriptedDialogs::AnswerFileDialog(folder.file(action.text));
            spareAnswers();
            ListCommand(ID_PROFILE_LOAD);
            PumpPending();
            m.Import(action.a, ImportedProfile(action.text));
            return {};
        }
        case Kind::Export:
            ScriptedDialogs::AnswerFileDialog(folder.file(action.text));
            spareAnswers();
            ListCommand(ID_PROFILE_SAVE);
            PumpPending();
            m.Export(action.text);
            return {};
        case Kind::CloseList:
            spareAnswers();
            CloseProfileList();
            m.CloseList();
            return {};
        case Kind::ProfileFileGrows: {
            spareAnswers();
            std::vector<unsigned char> bytes = ReadBinaryFile(ProfilePath(action.a));
            bytes.push_back('\r');
            bytes.push_back('\n');
            WriteBinaryFile(ProfilePath(action.a), bytes.data(), bytes.size());
            return {};
        }
        }
        return {};
    }

    // A point of the report rate ring's quarter for `code`.
    static POINT RatePoint(int code)
    {
        constexpr int kCentreX = 121;
        constexpr int kCentreY = 66;
        constexpr int kReach = 34;  // on the ring, away from both axes
        switch (code) {
        case 1:
            return {kCentreX + kReach, kCentreY - kReach};
        case 2:
            return {kCentreX + kReach, kCentreY + kReach};
        case 4:
            return {kCentreX - kReach, kCentreY + kReach};
        default:
            return {kCentreX - kReach, kCentreY - kReach};
        }
    }

    int MacroPositionByName(const std::wstring& name) const
    {
        const std::vector<Macro>& macros = model->Macros();
        for (size_t k = 0; k < macros.size(); ++k)
            if (macros[k].name == name)
                return static_cast<int>(k);
        return -1;
    }

    std::optional<Profile> ImportedProfile(const std::wstring& file) const
    {
        if (file == kGoodImport)
            return m_goodImport;
        return model->ExportedProfile(file);
    }

    // Ends the program's window as its exit does (the window's own end
    // runs, the profile list's included).
    void CloseProgram()
    {
        if (window && window->m_hWnd)
            window->DestroyWindow();
        window.reset();
    }

    void RestartProgram()
    {
        CloseProgram();
        if (CWinApp* app = AfxGetApp())
            app->m_pMainWnd = nullptr;
        StopReadThread();
        CloseDeviceHandles();
        ResetGlobals();
        ResetProcessGlobals();
        ASSERT_TRUE(Open());
        BecomeMainWindow();
    }

    static POINT Centre(const RECT& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }
    static LPARAM At(const RECT& rect)
    {
        const POINT point = Centre(rect);
        return MAKELPARAM(point.x, point.y);
    }

    // The macro manager run from its side item: the ops done in its window,
    // which is then closed with OK or Cancel.
    // The position of a name in one of the macro manager's lists, -1 when
    // it is not there.
    static int PositionInList(HWND list, const std::wstring& name)
    {
        const int count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int k = 0; k < count; ++k) {
            std::wstring text(static_cast<size_t>(::SendMessageW(list, LB_GETTEXTLEN, k, 0)), L'\0');
            ::SendMessageW(list, LB_GETTEXT, k, reinterpret_cast<LPARAM>(text.data()));
            if (text == name)
                return k;
        }
        return -1;
    }

    // Dispatches what is waiting as the modal loop would, with the windows'
    // pre-translation (the manager takes the end of an in-place edit there).
    static void PumpAsTheLoop()
    {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!msgpump::PreTranslate(msg)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageW(&msg);
            }
        }
    }

    // One op in the manager's window.
    static void DoMacroOp(CMacroProgramDialog& manager, const MacroOp& op)
    {
        using namespace macro_manager;
        const HWND nameList = ::GetDlgItem(manager.m_hWnd, IDC_MACRO_LIST);
        const HWND keyList = ::GetDlgItem(manager.m_hWnd, IDC_KEY_LIST);
        const HWND loopEdit = ::GetDlgItem(manager.m_hWnd, IDC_LOOP_EDIT);
        if (op.what == MacroOp::kAdd) {
            const int before = static_cast<int>(::SendMessageW(nameList, LB_GETCOUNT, 0, 0));
            manager.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(kNewRect));
            if (::SendMessageW(nameList, LB_GETCOUNT, 0, 0) == before)
                return;  // twelve already
            // Two clicks of the left button as its key sequence, the second
            // inserted after the first (which writes it), and the loop count
            // that tells it from every other macro.
            manager.SendMessage(WM_COMMAND, ID_MACRO_INSERT_LBUTTON, 0);
            ::SendMessageW(keyList, LB_SETCURSEL, 1, 0);
            manager.SendMessage(WM_COMMAND, ID_MACRO_INSERT_LBUTTON, 0);
            manager.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(kLoopTickRect));
            ::SetWindowTextW(loopEdit, std::to_wstring(op.loop).c_str());
            return;
        }
        const int position = PositionInList(nameList, op.name);
        if (position < 0)
            return;
        // A click on the name.
        ::SendMessageW(nameList, LB_SETCURSEL, static_cast<WPARAM>(position), 0);
        manager.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MACRO_LIST, LBN_SELCHANGE), reinterpret_cast<LPARAM>(nameList));
        switch (op.what) {
        case MacroOp::kRemove:
            manager.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(kDeleteRect));
            break;
        case MacroOp::kLoop:
            ::SetWindowTextW(loopEdit, std::to_wstring(op.loop).c_str());
            break;
        case MacroOp::kRename: {
            manager.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_MACRO_LIST, LBN_DBLCLK), reinterpret_cast<LPARAM>(nameList));
            const HWND editor = ::GetDlgItem(nameList, static_cast<int>(CLBEditorWnd::kEditId));
            if (!editor)
                break;
            ::SetWindowTextW(editor, op.newName.c_str());
            ::SendMessageW(editor, WM_KEYDOWN, VK_RETURN, 0);
            PumpAsTheLoop();
            break;
        }
        case MacroOp::kAdd:
            break;
        }
    }

    // The macro manager run from its side item: the ops done in its window,
    // which is then closed with OK or Cancel.
    void RunMacroManager(const Action& action)
    {
        apptest::DialogWatch watch([&](CWnd& dialog) {
            auto* manager = dynamic_cast<CMacroProgramDialog*>(&dialog);
            if (!manager)
                return;
            for (const MacroOp& op : action.ops)
                DoMacroOp(*manager, op);
            manager->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON,
                                 At(action.ok ? macro_manager::kOkRect : macro_manager::kCancelRect));
        });
        PressButton(window->m_btnMacroManager);
        PumpPending();
    }

    // --- The profile list ---

    HWND ProfileList() const { return g_pConfigDlg ? ::GetDlgItem(g_pConfigDlg->m_hWnd, IDC_PROFILE_LIST) : nullptr; }

    void ClickList(const RECT& area) const
    {
        if (!g_pConfigDlg)
            return;
        g_pConfigDlg->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, At(area));
        g_pConfigDlg->SendMessage(WM_LBUTTONUP, 0, At(area));
        PumpPending();
    }

    void ListCommand(UINT id) const
    {
        if (!g_pConfigDlg)
            return;
        g_pConfigDlg->SendMessage(WM_COMMAND, id, 0);
        PumpPending();
    }

    void CloseProfileList() const { ClickList(CConfigDialog::kCloseArea); }

    HWND NameEditor() const
    {
        const HWND list = ProfileList();
        return list ? ::GetDlgItem(list, static_cast<int>(CLBEditorWnd::kEditId)) : nullptr;
    }

    // A click on an item: the list tells its window of the new selection. A
    // click on the item picked last starts a rename, which Esc then ends.
    void PickInList(int position) const
    {
        const HWND list = ProfileList();
        if (!list)
            return;
        ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(position), 0);
        g_pConfigDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PROFILE_LIST, LBN_SELCHANGE),
                                  reinterpret_cast<LPARAM>(list));
        if (const HWND editor = NameEditor())
            ::SendMessageW(editor, WM_KEYDOWN, VK_ESCAPE, 0);
        PumpPending();
    }

    // A pick and a second pick of the item start the rename; the new name is
    // typed and Enter commits it.
    void RenameInList(int position, const std::wstring& name) const
    {
        const HWND list = ProfileList();
        if (!list)
            return;
        ::SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(position), 0);
        for (int k = 0; k < 2; ++k)
            g_pConfigDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PROFILE_LIST, LBN_SELCHANGE),
                                      reinterpret_cast<LPARAM>(list));
        if (const HWND editor = NameEditor()) {
            ::SetWindowTextW(editor, name.c_str());
            ::SendMessageW(editor, WM_KEYDOWN, VK_RETURN, 0);
        }
        PumpPending();
    }

    // --- Reading the program's state ---

    static std::wstring IniValue(const std::wstring& file, const wchar_t* section, const std::wstring& key)
    {
        wchar_t text[1024] = {};
        ::GetPrivateProfileStringW(section, key.c_str(), L"", text, 1024, file.c_str());
        return text;
    }

    static std::wstring CaptionIn(const std::wstring& file, int button)
    {
        return IniValue(file, L"Setting-EN", L"Item" + std::to_wstring(button + 1));
    }

    profilemodel::Captions CaptionsIn(const std::wstring& file) const
    {
        profilemodel::Captions captions;
        for (int i = 0; i < profilemodel::kButtons; ++i)
            captions[static_cast<size_t>(i)] = CaptionIn(file, i);
        return captions;
    }

    // The record of a profile file: its first profile's worth of bytes.
    static std::optional<SettingsRecord> RecordIn(const std::wstring& file)
    {
        const std::vector<unsigned char> bytes = ReadBinaryFile(file);
        if (bytes.size() < sizeof(ProfileFile))
            return std::nullopt;
        SettingsRecord record{};
        std::memcpy(&record, bytes.data() + 1, sizeof record);
        return record;
    }

    // Without the blanks at either end: the profile-string functions drop
    // them when they read a value back ("Scroll " is read as "Scroll").
    static std::wstring Trimmed(const std::wstring& text)
    {
        const size_t first = text.find_first_not_of(L' ');
        if (first == std::wstring::npos)
            return {};
        return text.substr(first, text.find_last_not_of(L' ') - first + 1);
    }

    // Compares captions the program holds with the model's.
    static void CompareCaptions(const std::string& where, const profilemodel::Captions& expected,
                                const profilemodel::Captions& captions, std::vector<std::string>& out)
    {
        for (size_t i = 0; i < profilemodel::kButtons; ++i)
            if (Trimmed(captions[i]) != Trimmed(expected[i]))
                out.push_back(where + ": button " + std::to_string(i) + " caption \"" + Narrow(captions[i]) +
                              "\", model \"" + Narrow(expected[i]) + "\"");
    }

    // Compares what the program holds for a profile with the model's.
    // A macro button must name the macro at the place its record gives; in
    // a record the window holds (the one a Save uploads, or Cancel returns
    // to) that place's slot must also hold that macro (its loop count tells).
    // A profile file's slots are not compared: loading it may encode them
    // afresh from record.ini.
    void CompareProfile(const std::string& where, const Profile& expected, const SettingsRecord& record,
                        const profilemodel::Captions& captions, std::vector<std::string>& out,
                        bool slotsPlay = false) const
    {
        const auto differ = [&](const std::string& what, int actual, int wanted) {
            if (actual != wanted)
                out.push_back(where + ": " + what + " " + std::to_string(actual) + ", model " + std::to_string(wanted));
        };
        differ("report rate", record.ReportRateCode, expected.settings.rate);
        differ("DPI stage 1", record.DpiStage[0], expected.settings.dpi0);
        differ("X sensitivity", record.SensitivityX, expected.settings.sensX);
        CompareCaptions(where, expected.captions, captions, out);
        for (size_t i = 0; i < profilemodel::kButtons; ++i) {
            const std::string button = "button " + std::to_string(i);
            const Button& wanted = expected.settings.buttons[i];
            differ(button + " type", record.ButtonFunction[i], wanted.type);
            if (wanted.type != profilemodel::kMacroButton || record.ButtonFunction[i] != wanted.type)
                continue;
            const Macro* macro = model->MacroById(wanted.macro);
            if (!macro) {
                out.push_back(where + ": " + button + " plays a macro the model no longer has");
                continue;
            }
            const int position = model->MacroPosition(wanted.macro);
            const int index = record.MacroIndex[i];
            const auto& slot = record.MacroSlot[static_cast<size_t>(index % kMacroSlotCount)];
            const int loop = slot[0] * 256 + slot[1];
            if (index != position || (slotsPlay && loop != macro->loop))
                out.push_back(where + ": " + button + " plays macro slot " + std::to_string(index) + " (loop count " +
                              std::to_string(loop) + "), model \"" + Narrow(macro->name) + "\" at " +
                              std::to_string(position) + " (loop count " + std::to_string(macro->loop) + ")");
        }
    }

    profilemodel::Captions ShownCaptions() const
    {
        profilemodel::Captions captions;
        for (int i = 0; i < profilemodel::kButtons; ++i)
            captions[static_cast<size_t>(i)] = Caption(i).GetString();
        return captions;
    }

    static profilemodel::Captions Texts(const CString* items)
    {
        profilemodel::Captions captions;
        for (size_t i = 0; i < profilemodel::kButtons; ++i)
            captions[i] = items[i].GetString();
        return captions;
    }

    std::vector<std::wstring> ListedNamesInStrIni() const
    {
        const std::wstring strIni = folder.file(L"str.ini");
        const int count = _wtoi(IniValue(strIni, L"Profile", L"ItemCount").c_str());
        std::vector<std::wstring> names;
        for (int i = 0; i < count && i < profilemodel::kMaxProfiles; ++i)
            names.push_back(IniValue(strIni, L"Profile", L"Item" + std::to_wstring(i)));
        return names;
    }

    static std::string JoinNames(const std::vector<std::wstring>& names)
    {
        std::string text = "[";
        for (size_t k = 0; k < names.size(); ++k)
            text += (k ? ", " : "") + Narrow(names[k]);
        return text + "]";
    }

    // Everything in which the program differs from the model now.
    std::vector<std::string> Divergences() const
    {
        std::vector<std::string> out;
        const Model& m = *model;
        const std::wstring strIni = folder.file(L"str.ini");

        // The list: str.ini, the list window, the current profile.
        const std::vector<std::wstring> listed = ListedNamesInStrIni();
        if (listed != m.ListedNames())
            out.push_back("str.ini lists " + JoinNames(listed) + ", model " + JoinNames(m.ListedNames()));
        if ((g_pConfigDlg != nullptr) != m.ListOpen())
            out.push_back(std::string("the profile list is ") + (g_pConfigDlg ? "open" : "closed") + ", model " +
                          (m.ListOpen() ? "open" : "closed"));
        if (!m.ListOpen()) {
            const std::wstring current = IniValue(strIni, L"Profile", L"CurProfileName");
            if (current != m.CurrentName())
                out.push_back("str.ini's current profile \"" + Narrow(current) + "\", model \"" +
                              Narrow(m.CurrentName()) + "\"");
            if (g_nCurProfile != m.CurrentPosition())
                out.push_back("current profile " + std::to_string(g_nCurProfile) + ", model " +
                              std::to_string(m.CurrentPosition()));
        } else if (const HWND list = ProfileList()) {
            std::vector<std::wstring> items;
            const int count = static_cast<int>(::SendMessageW(list, LB_GETCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                wchar_t text[256] = {};
                ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
                items.emplace_back(text);
            }
            std::vector<std::wstring> wanted;
            for (const Entry& entry : m.Entries())
                wanted.push_back(entry.name);
            if (items != wanted)
                out.push_back("the list shows " + JoinNames(items) + ", model " + JoinNames(wanted));
            const int selection = static_cast<int>(::SendMessageW(list, LB_GETCURSEL, 0, 0));
            if (selection != m.Selection())
                out.push_back("the list's selection " + std::to_string(selection) + ", model " +
                              std::to_string(m.Selection()));
        }

        // Every listed profile's files (names added in the open list only
        // once it is closed).
        const std::vector<Entry>& entries = m.Entries();
        for (size_t p = 0; p < entries.size(); ++p) {
            if (!entries[p].committed)
                continue;
            const int slot = static_cast<int>(p);
            const std::string where = "config" + std::to_string(p) + ".bin/str" + std::to_string(p) + ".ini (" +
                                      Narrow(entries[p].name) + ")";
            const std::optional<SettingsRecord> record = RecordIn(ProfilePath(slot));
            if (!record) {
                out.push_back(where + ": the profile file is too short");
                continue;
            }
            CompareProfile(where, entries[p].content, *record, CaptionsIn(CaptionFile(slot)), out);
        }

        // What the window shows and what Cancel returns to.
        if (window) {
            CompareProfile("the window", m.Shown(), g_Settings, ShownCaptions(), out, true);
            CompareCaptions("the window's caption texts", m.Shown().captions, Texts(window->m_strItem.data()), out);
            CompareProfile("the saved state (Cancel)", m.Saved(), g_SettingsSaved, Texts(window->m_strSavedItem.data()),
                           out, true);
        }

        // record.ini.
        const std::wstring recordIni = folder.file(L"record.ini");
        const int macroCount = _wtoi(IniValue(recordIni, L"MacroName", L"MacroCount").c_str());
        std::vector<std::wstring> macroNames;
        for (int k = 0; k < macroCount && k < 64; ++k)
            macroNames.push_back(IniValue(recordIni, L"MacroName", std::to_wstring(k)));
        std::vector<std::wstring> wantedMacros;
        for (const Macro& macro : m.Macros())
            wantedMacros.push_back(macro.name);
        if (macroNames != wantedMacros)
            out.push_back("record.ini lists " + JoinNames(macroNames) + ", model " + JoinNames(wantedMacros));
        for (const Macro& macro : m.Macros()) {
            const std::wstring loop = IniValue(recordIni, macro.name.c_str(), L"MacroLoopTimes");
            if (loop != std::to_wstring(macro.loop))
                out.push_back("record.ini: macro " + Narrow(macro.name) + " loop count \"" + Narrow(loop) +
                              "\", model " + std::to_string(macro.loop));
        }
        return out;
    }

    std::optional<Model> model;
    SettingsRecord m_factoryRecord{};
    std::vector<Macro> m_startMacros;
    Profile m_goodImport;
};

}  // namespace modeltest
