#pragma once
// A small model of what the owner's actions do to the named profiles, their
// captions and the macros, written without any of the program's code: it is
// what the model-based test checks the program against after every step.
//
// It keeps, by profile, a few settings (report rate, the first DPI stage,
// the X sensitivity), the function of each of the seven buttons with, for a
// macro button, the macro it plays (by the macro's identity, shown by name),
// and the seven captions; the profile list as the list window and str.ini
// hold it; the record and captions the main window shows and the ones Cancel
// returns to; the macro list of record.ini with each macro's loop count,
// which tells the macros apart in the device records.

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace profilemodel {

inline constexpr int kButtons = 7;
inline constexpr int kMaxProfiles = 6;
inline constexpr int kMaxMacros = 12;

// The button function types the actions set.
enum ButtonType : int {
    kClick = 0,
    kMenu = 1,
    kScroll = 2,
    kForward = 3,
    kBack = 4,
    kDoubleClick = 5,
    kDpiAction = 6,
    kMacroButton = 11,
    kDeactivated = 13,
    kFn = 17,
    kSnipe = 18,
};

struct Button {
    int type = kClick;
    // For a macro button: the identity of the macro it plays.
    int macro = -1;
    bool operator==(const Button&) const = default;
};

struct Settings {
    int rate = 0;   // ReportRateCode
    int dpi0 = 0;   // DpiStage[0]
    int sensX = 0;  // SensitivityX
    std::array<Button, kButtons> buttons{};
    bool operator==(const Settings&) const = default;
};

using Captions = std::array<std::wstring, kButtons>;

struct Profile {
    Settings settings;
    Captions captions;
    bool operator==(const Profile&) const = default;
};

struct Macro {
    int id = 0;
    std::wstring name;
    int loop = 0;  // the loop count its device record carries
};

// A profile of the list. `committed` is false for a name added in the open
// list, whose files are only due once the list is closed.
struct Entry {
    int id = 0;
    std::wstring name;
    Profile content;  // what its files hold
    bool committed = true;
};

// What one step lets the owner see besides the state: the message boxes.
struct StepOutcome {
    int messageBoxes = 0;
};

class Model {
public:
    // `factory`: what a new profile holds (config.bin with str.ini's
    // captions); `defaults`: what Reset gives (the record's defaults with
    // str.ini's captions). The first of `profiles` is current.
    Model(Profile factory, Profile defaults, std::vector<Entry> profiles, std::vector<Macro> macros);

    // --- The main window (list closed or open) ---
    void SetRate(int code) { m_shown.settings.rate = code; }
    void SetDpi0(int value) { m_shown.settings.dpi0 = value; }
    void SetSensX(int value) { m_shown.settings.sensX = value; }
    void Assign(int button, int type, const std::wstring& caption);
    void AssignMacro(int button, int macroPosition);
    // Apply; `written` false when the profile file cannot be written.
    StepOutcome Apply(bool written);
    void Cancel();
    StepOutcome Reset(bool confirmed, bool written);
    void Restart();
    // The macro manager: each op adds a macro (with its loop count),
    // removes one, gives one another loop count or renames one (a name
    // another macro has is refused); OK or Cancel makes no difference to
    // what is kept, since every edit is written at once.
    struct MacroOp {
        enum What { kAdd, kRemove, kLoop, kRename } what = kAdd;
        std::wstring name;     // the macro, for all but kAdd
        int loop = 0;          // kAdd, kLoop
        std::wstring newName;  // kRename
    };
    StepOutcome MacroManager(const std::vector<MacroOp>& ops);

    // --- The profile list ---
    void OpenList();
    StepOutcome NewProfile();
    void CopyProfile();
    void Pick(int position) { m_selection = position; }
    void Rename(int position, const std::wstring& name);
    void DeleteProfile(int position);
    // Load from a file: `file` is the profile it holds, none for a file
    // that holds none (another size).
    void Import(int position, const std::optional<Profile>& file);
    void Export(const std::wstring& file);
    void CloseList();

    // --- What the program must show ---
    bool ListOpen() const { return m_listOpen; }
    const std::vector<Entry>& Entries() const { return m_entries; }
    int Selection() const { return m_selection; }
    // Position of the profile whose settings the window holds; -1 when it
    // was deleted in the open list.
    int CurrentPosition() const;
    bool Imported() const { return m_imported; }
    // The names str.ini lists, and (list closed) its current one.
    std::vector<std::wstring> ListedNames() const;
    std::wstring CurrentName() const;
    const Profile& Shown() const { return m_shown; }
    const Profile& Saved() const { return m_saved; }
    const std::vector<Macro>& Macros() const { return m_macros; }
    int MacroPosition(int id) const;
    const Macro* MacroById(int id) const;
    // The files exported so far, by name, with the profile each holds.
    std::vector<std::wstring> ExportedFiles() const;
    std::optional<Profile> ExportedProfile(const std::wstring& file) const;
    // Whether every macro button of an exported file still names the macro
    // at the place its record gives: the file's macro slots are the macros as
    // they were when it was exported, so an import of it after the macros
    // have moved is left out (what its buttons should play is not defined).
    bool ExportStillFitsTheMacros(const std::wstring& file) const;
    const Profile& Factory() const { return m_factory; }
    // Whether an Entry of the open list is listed in str.ini now (a delete
    // writes the list at once, names added since the opening included).
    bool ListedOnDisk(int id) const;

    // The naming rules of a new profile and a new macro.
    static std::wstring NewProfileName(const std::vector<std::wstring>& names);
    static std::wstring NewMacroName(const std::vector<std::wstring>& names);
    // The caption of a macro button.
    static std::wstring MacroCaption(const std::wstring& name) { return L"Macro:" + name; }

private:
    Entry* EntryById(int id);
    int PositionOf(int id) const;
    std::vector<std::wstring> Names() const;
    // Buttons whose macro is gone become Deactivated, with the caption.
    void DropDeletedMacros(Profile& profile) const;
    void DropList();
    bool NameTaken(const std::wstring& name) const;
    void RenameMacro(int id, const std::wstring& name);

    Profile m_factory;
    Profile m_defaults;
    std::vector<Entry> m_entries;
    // The list as str.ini holds it: ids and names.
    std::vector<std::pair<int, std::wstring>> m_onDisk;
    int m_current = -1;
    Profile m_shown;
    Profile m_saved;
    std::vector<Macro> m_macros;
    struct Exported {
        Profile profile;
        std::vector<int> macroIds;    // the macro list when it was written
        std::vector<int> macroLoops;  // and the loop count each had then
    };
    std::map<std::wstring, Exported> m_exports;
    bool m_listOpen = false;
    int m_selection = -1;
    bool m_imported = false;
    int m_nextId = 1000;
};

}  // namespace profilemodel
