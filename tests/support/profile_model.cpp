#include "support/profile_model.h"

#include <algorithm>
#include <cwctype>
#include <utility>

namespace profilemodel {

namespace {

constexpr wchar_t kDeactivatedCaption[] = L"Deactivated";

// The decimal number at the start of `text`, 0 when there is none.
int LeadingNumber(const std::wstring& text)
{
    int value = 0;
    for (const wchar_t c : text) {
        if (c < L'0' || c > L'9')
            break;
        value = value * 10 + (c - L'0');
        if (value > 100000)
            break;
    }
    return value;
}

}  // namespace

Model::Model(Profile factory, Profile defaults, std::vector<Entry> profiles, std::vector<Macro> macros)
    : m_factory(std::move(factory)), m_defaults(std::move(defaults)), m_entries(std::move(profiles)),
      m_macros(std::move(macros))
{
    m_current = m_entries.front().id;
    m_shown = m_entries.front().content;
    m_saved = m_shown;
    for (const Entry& entry : m_entries)
        m_onDisk.emplace_back(entry.id, entry.name);
}

Entry* Model::EntryById(int id)
{
    for (Entry& entry : m_entries)
        if (entry.id == id)
            return &entry;
    return nullptr;
}

int Model::PositionOf(int id) const
{
    for (size_t p = 0; p < m_entries.size(); ++p)
        if (m_entries[p].id == id)
            return static_cast<int>(p);
    return -1;
}

int Model::CurrentPosition() const
{
    return PositionOf(m_current);
}

std::vector<std::wstring> Model::Names() const
{
    std::vector<std::wstring> names;
    for (const Entry& entry : m_entries)
        names.push_back(entry.name);
    return names;
}

std::vector<std::wstring> Model::ListedNames() const
{
    std::vector<std::wstring> names;
    for (const auto& [id, name] : m_onDisk)
        names.push_back(name);
    return names;
}

std::wstring Model::CurrentName() const
{
    const int position = CurrentPosition();
    return position < 0 ? std::wstring() : m_entries[static_cast<size_t>(position)].name;
}

bool Model::ListedOnDisk(int id) const
{
    return std::any_of(m_onDisk.begin(), m_onDisk.end(), [id](const auto& item) { return item.first == id; });
}

int Model::MacroPosition(int id) const
{
    for (size_t k = 0; k < m_macros.size(); ++k)
        if (m_macros[k].id == id)
            return static_cast<int>(k);
    return -1;
}

const Macro* Model::MacroById(int id) const
{
    const int position = MacroPosition(id);
    return position < 0 ? nullptr : &m_macros[static_cast<size_t>(position)];
}

std::wstring Model::NewProfileName(const std::vector<std::wstring>& names)
{
    const std::wstring base = L"Profile";
    if (names.empty())
        return base + L" 1";
    // Names stay unique: a taken one counts on.
    const auto taken = [&](const std::wstring& name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    const std::wstring& last = names.back();
    const size_t space = last.find(L' ');
    std::wstring name;
    if (space == std::wstring::npos) {
        for (size_t n = names.size(); name.empty() || taken(name); ++n)
            name = last + L" " + std::to_wstring(n);
        return name;
    }
    for (long long n = LeadingNumber(last.substr(space + 1)) + 1; name.empty() || taken(name); ++n)
        name = base + L" " + std::to_wstring(n);
    return name;
}

std::wstring Model::NewMacroName(const std::vector<std::wstring>& names)
{
    int number = static_cast<int>(names.size()) + 1;
    if (!names.empty()) {
        const std::wstring& last = names.back();
        if (const size_t underscore = last.find(L'_'); underscore != std::wstring::npos)
            number = LeadingNumber(last.substr(underscore + 1)) + 1;
    }
    return L"Macro_" + std::to_wstring(number);
}

// --- The main window ---

void Model::Assign(int button, int type, const std::wstring& caption)
{
    m_shown.settings.buttons[static_cast<size_t>(button)] = Button{type, -1};
    m_shown.captions[static_cast<size_t>(button)] = caption;
}

void Model::AssignMacro(int button, int macroPosition)
{
    const Macro& macro = m_macros[static_cast<size_t>(macroPosition)];
    m_shown.settings.buttons[static_cast<size_t>(button)] = Button{kMacroButton, macro.id};
    m_shown.captions[static_cast<size_t>(button)] = MacroCaption(macro.name);
}

StepOutcome Model::Apply(bool written)
{
    if (!written)
        return {1};  // the failure is said; nothing is kept
    if (Entry* current = EntryById(m_current))
        current->content = m_shown;
    m_saved = m_shown;
    return {};
}

void Model::Cancel()
{
    m_shown = m_saved;
}

StepOutcome Model::Reset(bool confirmed, bool written)
{
    if (!confirmed)
        return {1};
    // The list goes without its unsaved names, and with it the import mark.
    if (m_listOpen)
        DropList();
    m_shown = m_defaults;
    if (!written)
        return {2};
    if (Entry* current = EntryById(m_current))
        current->content = m_shown;
    m_saved = m_shown;
    return {1};
}

void Model::Restart()
{
    // The current profile is the last one named as str.ini's current name.
    const std::wstring name = CurrentName();
    for (const Entry& entry : m_entries)
        if (entry.name == name)
            m_current = entry.id;
    m_shown = EntryById(m_current)->content;
    m_saved = m_shown;
}

void Model::DropDeletedMacros(Profile& profile) const
{
    for (size_t i = 0; i < profile.settings.buttons.size(); ++i) {
        Button& button = profile.settings.buttons[i];
        if (button.type == kMacroButton && !MacroById(button.macro)) {
            button = Button{kDeactivated, -1};
            profile.captions[i] = kDeactivatedCaption;
        }
    }
}

StepOutcome Model::MacroManager(const std::vector<MacroOp>& ops)
{
    StepOutcome outcome;
    for (const MacroOp& op : ops) {
        std::vector<std::wstring> names;
        for (const Macro& macro : m_macros)
            names.push_back(macro.name);
        const auto found =
            std::find_if(m_macros.begin(), m_macros.end(), [&](const Macro& m) { return m.name == op.name; });
        switch (op.what) {
        case MacroOp::kAdd:
            if (static_cast<int>(m_macros.size()) >= kMaxMacros)
                ++outcome.messageBoxes;
            else
                m_macros.push_back(Macro{m_nextId++, NewMacroName(names), op.loop});
            break;
        case MacroOp::kRemove:
            if (found != m_macros.end())
                m_macros.erase(found);
            break;
        case MacroOp::kLoop:
            if (found != m_macros.end())
                found->loop = op.loop;
            break;
        case MacroOp::kRename:
            if (found != m_macros.end() && !NameTaken(op.newName))
                RenameMacro(found->id, op.newName);
            break;
        }
    }
    // Every profile's buttons keep their macros; those whose macro is gone
    // play nothing.
    for (Entry& entry : m_entries)
        DropDeletedMacros(entry.content);
    DropDeletedMacros(m_shown);
    DropDeletedMacros(m_saved);
    return outcome;
}

bool Model::NameTaken(const std::wstring& name) const
{
    // Sections of record.ini are found without regard to letter case.
    const auto lower = [](std::wstring text) {
        for (wchar_t& c : text)
            c = static_cast<wchar_t>(std::towlower(c));
        return text;
    };
    return std::any_of(m_macros.begin(), m_macros.end(),
                       [&](const Macro& macro) { return lower(macro.name) == lower(name); });
}

void Model::RenameMacro(int id, const std::wstring& name)
{
    const auto rename = [&](Profile& profile) {
        for (size_t i = 0; i < profile.settings.buttons.size(); ++i)
            if (profile.settings.buttons[i].type == kMacroButton && profile.settings.buttons[i].macro == id)
                profile.captions[i] = MacroCaption(name);
    };
    for (Macro& macro : m_macros)
        if (macro.id == id)
            macro.name = name;
    // Every button that plays it says so under its new name.
    for (Entry& entry : m_entries)
        rename(entry.content);
    rename(m_shown);
    rename(m_saved);
}

// --- The profile list ---

void Model::Export(const std::wstring& file)
{
    Exported exported{m_shown, {}, {}};
    for (const Macro& macro : m_macros) {
        exported.macroIds.push_back(macro.id);
        exported.macroLoops.push_back(macro.loop);
    }
    m_exports[file] = std::move(exported);
}

std::vector<std::wstring> Model::ExportedFiles() const
{
    std::vector<std::wstring> files;
    for (const auto& [file, exported] : m_exports)
        files.push_back(file);
    return files;
}

std::optional<Profile> Model::ExportedProfile(const std::wstring& file) const
{
    const auto found = m_exports.find(file);
    if (found == m_exports.end())
        return std::nullopt;
    return found->second.profile;
}

bool Model::ExportStillFitsTheMacros(const std::wstring& file) const
{
    const auto found = m_exports.find(file);
    if (found == m_exports.end())
        return false;
    const Exported& exported = found->second;
    for (const Button& button : exported.profile.settings.buttons) {
        if (button.type != kMacroButton)
            continue;
        const auto at = std::find(exported.macroIds.begin(), exported.macroIds.end(), button.macro);
        if (at == exported.macroIds.end() || MacroPosition(button.macro) != at - exported.macroIds.begin())
            return false;
        // The file carries its macros as they were written: one edited since
        // plays in the imported profile as it was then.
        if (MacroById(button.macro)->loop != exported.macroLoops[static_cast<size_t>(at - exported.macroIds.begin())])
            return false;
    }
    return true;
}

void Model::OpenList()
{
    m_listOpen = true;
    m_imported = false;
    m_selection = CurrentPosition();
}

StepOutcome Model::NewProfile()
{
    if (static_cast<int>(m_entries.size()) >= kMaxProfiles)
        return {1};
    m_entries.push_back(Entry{m_nextId++, NewProfileName(Names()), m_factory, false});
    m_selection = static_cast<int>(m_entries.size()) - 1;
    return {};
}

void Model::CopyProfile()
{
    const int count = static_cast<int>(m_entries.size());
    if (count < 1 || count >= kMaxProfiles || m_selection < 0 || m_selection >= count)
        return;
    const Entry& source = m_entries[static_cast<size_t>(m_selection)];
    const std::vector<std::wstring> names = Names();
    std::wstring name = L"Copy " + source.name;
    for (int n = 2; std::find(names.begin(), names.end(), name) != names.end(); ++n)
        name = L"Copy " + source.name + L" " + std::to_wstring(n);
    Entry copy{m_nextId++, name, source.content, false};
    m_entries.push_back(std::move(copy));
}

void Model::Rename(int position, const std::wstring& name)
{
    m_selection = position;
    const std::vector<std::wstring> names = Names();
    if (std::find(names.begin(), names.end(), name) != names.end())
        return;  // names stay unique
    m_entries[static_cast<size_t>(position)].name = name;
}

void Model::DeleteProfile(int position)
{
    m_selection = position;
    const int count = static_cast<int>(m_entries.size());
    if (count < 2)
        return;
    if (m_entries[static_cast<size_t>(position)].id == m_current)
        m_current = -1;
    m_entries.erase(m_entries.begin() + position);
    m_selection = std::min(position, count - 2);
    // Written at once, the names added since the list opened included.
    m_onDisk.clear();
    for (const Entry& entry : m_entries)
        m_onDisk.emplace_back(entry.id, entry.name);
}

void Model::Import(int position, const std::optional<Profile>& file)
{
    m_selection = position;
    if (!file)
        return;  // no record read: nothing changes
    m_shown = *file;
    m_saved = m_shown;
    m_current = m_entries[static_cast<size_t>(position)].id;
    m_imported = true;
}

void Model::CloseList()
{
    for (Entry& entry : m_entries)
        entry.committed = true;
    const int selected = m_entries[static_cast<size_t>(m_selection)].id;
    const bool held = EntryById(m_current) != nullptr;
    if (!(held && (m_imported || selected == m_current))) {
        m_current = selected;
        m_shown = EntryById(m_current)->content;
        m_saved = m_shown;
    }
    m_imported = false;
    m_listOpen = false;
    m_onDisk.clear();
    for (const Entry& entry : m_entries)
        m_onDisk.emplace_back(entry.id, entry.name);
}

void Model::DropList()
{
    // The names str.ini lists stay, with what their files are due to hold.
    std::vector<Entry> kept;
    for (const auto& [id, name] : m_onDisk) {
        Entry entry = *EntryById(id);
        entry.name = name;
        entry.committed = true;
        kept.push_back(std::move(entry));
    }
    m_entries = std::move(kept);
    m_listOpen = false;
    m_imported = false;
}

}  // namespace profilemodel
