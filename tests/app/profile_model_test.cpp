// A model-based random test of the profiles and macros: seeded sequences of
// the owner's actions through the real windows (settings, Apply, Cancel,
// Reset, the profile list with New, Copy, Rename, Delete, import, export and
// its close, the macro manager, macro buttons, restarts), each step checked
// against the independent model of support/profile_model.h: no profile ever
// gets another's settings or captions, and every macro button plays the
// macro its caption names, in memory and in every profile's files.
//
// The suite runs three seeds of 150 steps. RV417_MODEL_SEEDS asks for other
// seeds ("7", "1,5,9" or a range "1-40") and RV417_MODEL_STEPS for another
// length. A seed that diverges prints its steps as a plain test's lines.
//
// RV417_MODEL_AVOID (for example "2,5") leaves out the sequences that lead
// to a known fault, by its number in the list below, so that a run can look
// for further ones while a known one is still open; the run says so.
//   1 an import into a name added in the same opening of the list
//   2 an import of a file of another size, or of a missing one
//   3 Reset after an import while the list is open
//   4 Apply or Reset while the profile file cannot be written
//   5 deleting a macro at or before one that a button plays
//   6 New into a place a deleted profile's files went to
//   7 Copy
//   8 a profile file longer than a profile
//   9 a new loop count or a new name for a macro that a button plays

#include "profile_model_driver.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace modeltest;

namespace {

// The list posts its commands to the application's main window.
CWinApp g_testApp;

constexpr int kDefaultSteps = 150;

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::vector<uint32_t> SeedsFromEnvironment()
{
    const std::string text = Environment("RV417_MODEL_SEEDS");
    if (text.empty())
        return {1, 2, 3};
    std::vector<uint32_t> seeds;
    std::istringstream items(text);
    std::string item;
    while (std::getline(items, item, ',')) {
        const size_t dash = item.find('-');
        if (dash != std::string::npos && dash > 0) {
            const auto first = static_cast<uint32_t>(std::stoul(item.substr(0, dash)));
            const auto last = static_cast<uint32_t>(std::stoul(item.substr(dash + 1)));
            for (uint32_t seed = first; seed <= last; ++seed)
                seeds.push_back(seed);
        } else if (!item.empty()) {
            seeds.push_back(static_cast<uint32_t>(std::stoul(item)));
        }
    }
    return seeds;
}

std::set<int> AvoidedFromEnvironment()
{
    std::set<int> avoided;
    std::istringstream items(Environment("RV417_MODEL_AVOID"));
    std::string item;
    while (std::getline(items, item, ','))
        if (!item.empty())
            avoided.insert(std::atoi(item.c_str()));
    return avoided;
}

int StepsFromEnvironment()
{
    const std::string text = Environment("RV417_MODEL_STEPS");
    return text.empty() ? kDefaultSteps : std::max(1, std::atoi(text.c_str()));
}

// Draws from std::mt19937, whose sequence the standard fixes, with a range
// of its own (the library's distributions differ between implementations).
class Dice {
public:
    explicit Dice(uint32_t seed) : m_engine(seed) {}
    // 0 .. n - 1; n > 0.
    int Below(int n) { return static_cast<int>(m_engine() % static_cast<uint32_t>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }

private:
    std::mt19937 m_engine;
};

// Chooses each next action from those that make sense in the model's state.
// Left out are the sequences whose sound outcome nothing defines: Apply,
// Cancel, the buttons and the macro manager while the profile list is open
// (the side column and the boxes are hidden then, or the record would be
// saved for a name the list has not written yet); Reset in the open list
// after the profile shown was deleted or imported into a name added since
// the opening; an export with another profile picked than the one shown;
// the import of an exported file after the macros its buttons play have
// moved or been edited (its slots hold them as they were); a macro menu on
// the last Click button, which the window refuses.
class Planner {
public:
    Planner(uint32_t seed, std::set<int> avoided) : m_dice(seed), m_avoided(std::move(avoided)) {}

    Action Next(const Model& m)
    {
        Action action = Choose(m);
        // A delete moves the deleted profile's files behind the list.
        if (action.kind == Kind::DeleteProfile && m.Entries().size() >= 2)
            m_usedPlaces.insert(static_cast<int>(m.Entries().size()) - 1);
        return action;
    }

private:
    bool Avoids(int fault) const { return m_avoided.count(fault) != 0; }

    Action Choose(const Model& m)
    {
        std::vector<std::pair<int, std::function<Action()>>> choices;
        const auto add = [&](int weight, std::function<Action()> make) {
            choices.emplace_back(weight, std::move(make));
        };
        if (m.ListOpen())
            ListActions(m, add);
        else
            WindowActions(m, add);
        int total = 0;
        for (const auto& choice : choices)
            total += choice.first;
        int roll = m_dice.Below(total);
        for (const auto& [weight, make] : choices) {
            if (roll < weight)
                return make();
            roll -= weight;
        }
        return choices.back().second();
    }

    using Add = std::function<void(int, std::function<Action()>)>;

    int Rate() { return std::array<int, 4>{1, 2, 4, 8}[static_cast<size_t>(m_dice.Below(4))]; }

    // A button whose menu opens: not the only Click button.
    int AssignableButton(const Model& m)
    {
        const auto& buttons = m.Shown().settings.buttons;
        const auto clicks = std::count_if(buttons.begin(), buttons.end(),
                                          [](const Button& b) { return b.type == profilemodel::kClick; });
        for (;;) {
            const int button = m_dice.Below(profilemodel::kButtons);
            if (buttons[static_cast<size_t>(button)].type != profilemodel::kClick || clicks > 1)
                return button;
        }
    }

    // The macros some button plays: in a profile's files, in the window, in
    // what Cancel returns to.
    static std::set<int> PlayedMacros(const Model& m)
    {
        std::set<int> played;
        const auto take = [&](const Profile& profile) {
            for (const Button& button : profile.settings.buttons)
                if (button.type == profilemodel::kMacroButton)
                    played.insert(button.macro);
        };
        for (const Entry& entry : m.Entries())
            take(entry.content);
        take(m.Shown());
        take(m.Saved());
        return played;
    }

    std::vector<MacroOp> MacroOps(const Model& m)
    {
        // The manager's list op by op: names and identities (0 for a new one).
        std::vector<std::pair<std::wstring, int>> list;
        for (const Macro& macro : m.Macros())
            list.emplace_back(macro.name, macro.id);
        const std::set<int> played = PlayedMacros(m);
        const auto deletable = [&](size_t position) {
            if (!Avoids(5))
                return true;
            for (size_t k = position; k < list.size(); ++k)
                if (played.count(list[k].second))
                    return false;
            return true;
        };
        const auto changeable = [&](size_t position) { return !Avoids(9) || !played.count(list[position].second); };
        std::vector<MacroOp> ops;
        const int count = 1 + m_dice.Below(3);
        for (int k = 0; k < count; ++k) {
            const size_t position = list.empty() ? 0 : static_cast<size_t>(m_dice.Below(static_cast<int>(list.size())));
            const int roll = list.empty() ? 0 : m_dice.Below(6);
            if (roll >= 3 && roll <= 4 && deletable(position)) {
                ops.push_back(A::DeleteMacro(list[position].first));
                list.erase(list.begin() + static_cast<std::ptrdiff_t>(position));
            } else if (roll == 5 && changeable(position)) {
                if (m_dice.Chance(50)) {
                    ops.push_back(A::MacroLoop(list[position].first, m_nextLoop++));
                } else {
                    // Names with a number after an underscore keep new
                    // names from repeating one (see the naming rule).
                    const std::wstring name =
                        m_dice.Chance(20) ? list[static_cast<size_t>(m_dice.Below(static_cast<int>(list.size())))].first
                                          : L"Mac_" + std::to_wstring(900 + m_nextName++);
                    ops.push_back(A::RenameMacro(list[position].first, name));
                    if (std::none_of(list.begin(), list.end(), [&](const auto& item) { return item.first == name; }))
                        list[position].first = name;
                }
            } else {
                ops.push_back(A::NewMacro(m_nextLoop++));
                if (list.size() < static_cast<size_t>(profilemodel::kMaxMacros)) {
                    std::vector<std::wstring> names;
                    for (const auto& item : list)
                        names.push_back(item.first);
                    list.emplace_back(Model::NewMacroName(names), 0);
                }
            }
        }
        return ops;
    }

    void WindowActions(const Model& m, const Add& add)
    {
        add(8, [&] { return A::SetRate(Rate()); });
        add(6, [&] { return A::SetDpi0(1 + m_dice.Below(216)); });
        add(6, [&] { return A::SetSensX(1 + m_dice.Below(11)); });
        add(8, [&] {
            const int button = AssignableButton(m);
            return A::Assign(button, kMenuChoices[static_cast<size_t>(m_dice.Below(7))].command);
        });
        if (!m.Macros().empty())
            add(6, [&] {
                const int button = AssignableButton(m);
                const auto& macros = m.Macros();
                const Macro& macro = macros[static_cast<size_t>(m_dice.Below(static_cast<int>(macros.size())))];
                return A::AssignMacro(button, macro.name, m_dice.Below(3));
            });
        add(10, [] { return A::Apply(); });
        if (!Avoids(4))
            add(2, [] { return A::ApplyLocked(); });
        add(5, [] { return A::Cancel(); });
        add(3, [] { return A::Reset(); });
        add(1, [] { return A::ResetDeclined(); });
        if (!Avoids(4))
            add(1, [] { return A::ResetLocked(); });
        add(14, [] { return A::OpenList(); });
        add(6, [&] { return A::MacroManager(MacroOps(m), m_dice.Chance(70)); });
        add(3, [] { return A::Restart(); });
        if (!Avoids(8))
            add(2, [&] { return A::ProfileFileGrows(m_dice.Below(static_cast<int>(m.Entries().size()))); });
    }

    void ListActions(const Model& m, const Add& add)
    {
        const int count = static_cast<int>(m.Entries().size());
        if (!Avoids(6) || m_usedPlaces.count(count) == 0)
            add(10, [] { return A::NewProfile(); });
        if (!Avoids(7))
            add(6, [] { return A::CopyProfile(); });
        add(8, [&] { return A::Pick(m_dice.Below(count)); });
        add(5, [&] {
            const int position = m_dice.Below(count);
            if (count > 1 && m_dice.Chance(25))
                return A::Rename(position, m.Entries()[static_cast<size_t>(m_dice.Below(count))].name);
            const int number = m_nextName++;
            return A::Rename(position,
                             m_dice.Chance(50) ? L"Name" + std::to_wstring(number) : L"My " + std::to_wstring(number));
        });
        add(7, [&] { return A::DeleteProfile(m_dice.Below(count)); });
        // The places an import may go to.
        std::vector<int> targets;
        for (int p = 0; p < count; ++p)
            if (!Avoids(1) || m.Entries()[static_cast<size_t>(p)].committed)
                targets.push_back(p);
        const auto target = [this, targets] {
            return targets[static_cast<size_t>(m_dice.Below(static_cast<int>(targets.size())))];
        };
        if (!targets.empty()) {
            add(6, [&, target] {
                std::vector<std::wstring> files{kGoodImport};
                for (const std::wstring& file : m.ExportedFiles())
                    if (m.ExportStillFitsTheMacros(file))
                        files.push_back(file);
                return A::Import(target(), files[static_cast<size_t>(m_dice.Below(static_cast<int>(files.size())))]);
            });
            if (!Avoids(2)) {
                add(3, [target] { return A::Import(target(), kWrongSizeImport); });
                add(1, [target] { return A::Import(target(), kMissingImport); });
            }
        }
        if (m.CurrentPosition() >= 0 && m.CurrentPosition() == m.Selection())
            add(4, [&] { return A::Export(m_dice.Chance(50) ? L"exp1.bin" : L"exp2.bin"); });
        add(14, [] { return A::CloseList(); });
        add(3, [&] { return A::SetRate(Rate()); });
        add(2, [&] { return A::SetDpi0(1 + m_dice.Below(216)); });
        // Reset drops the list: only while the profile shown is one that
        // str.ini lists (not deleted, not a name added since the opening).
        const int current = m.CurrentPosition();
        if (current >= 0 && m.ListedOnDisk(m.Entries()[static_cast<size_t>(current)].id) &&
            !(Avoids(3) && m.Imported()))
            add(2, [] { return A::Reset(); });
    }

    Dice m_dice;
    std::set<int> m_avoided;
    // The places behind the list that a deleted profile's files went to.
    std::set<int> m_usedPlaces;
    int m_nextLoop = 6;
    int m_nextName = 1;
};

std::string Replay(uint32_t seed, const std::vector<Action>& steps)
{
    std::ostringstream out;
    out << "replay: RV417_MODEL_SEEDS=" << seed << " RV417_MODEL_STEPS=" << steps.size()
        << ", or as a plain test:\n    RunSteps({\n";
    for (const Action& step : steps)
        out << "        " << Describe(step) << ",\n";
    out << "    });\n";
    return out.str();
}

class ProfileModel : public ModelDriver, public testing::WithParamInterface<uint32_t> {};

}  // namespace

TEST_P(ProfileModel, EveryStepAgreesWithTheModel)
{
    const uint32_t seed = GetParam();
    const int count = StepsFromEnvironment();
    const std::set<int> avoided = AvoidedFromEnvironment();
    if (!avoided.empty()) {
        std::string list;
        for (const int fault : avoided)
            list += " " + std::to_string(fault);
        std::printf("seed %u avoids the sequences of the known faults%s\n", seed, list.c_str());
    }
    Planner planner(seed, avoided);
    std::vector<Action> steps;
    for (int n = 0; n < count; ++n) {
        steps.push_back(planner.Next(*model));
        const std::vector<std::string> divergences = Step(steps.back());
        ASSERT_FALSE(HasFatalFailure()) << Replay(seed, steps);
        ASSERT_TRUE(divergences.empty()) << "seed " << seed << ", step " << n << " " << Describe(steps.back())
                                         << " leaves the program apart from the model:\n"
                                         << Join(divergences) << Replay(seed, steps);
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, ProfileModel, testing::ValuesIn(SeedsFromEnvironment()));

namespace {

// Faults the random sequences found, each as the plain sequence that shows it.
class ModelReplay : public ModelDriver {};

}  // namespace

// A macro picked for a button after the window has taken another record (a
// profile switch, an import) is the macro the button plays: its slot holds
// that macro, in the record and at the mouse after Apply, not what the
// file held in that slot before the macro was made.
TEST_F(ModelReplay, AMacroPickedAfterAProfileSwitchIsTheOneTheMouseGets)
{
    // Macro_4 is made while the first profile is shown; Work's file has
    // nothing in its slot.
    RunSteps({A::MacroManager({A::NewMacro(9)}, true), A::OpenList(), A::Pick(2), A::CloseList(),
              A::AssignMacro(3, L"Macro_4", 0), A::Apply()});
    const auto stored = mouse.StoredMacro(4);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ((*stored)[1], 9) << "the fourth device macro is Macro_4, loop count 9";
}

TEST_F(ModelReplay, AMacroPickedAfterAnImportIsTheOneTheMouseGets)
{
    // The imported file's slots predate Macro_4.
    RunSteps({A::MacroManager({A::NewMacro(9)}, true), A::OpenList(), A::Import(0, kGoodImport), A::CloseList(),
              A::AssignMacro(4, L"Macro_4", 1), A::Apply()});
    const auto stored = mouse.StoredMacro(4);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ((*stored)[1], 9) << "the fourth device macro is Macro_4, loop count 9";
}

// The macro manager writes every edit to record.ini at once, so a macro given
// another loop count is that macro from then on, whether the manager closes
// with OK or Cancel: every button that plays it plays the new one, in the
// record the window holds, in the one Cancel returns to, and in another
// profile once the window switches to it.
TEST_F(ModelReplay, AMacroGivenAnotherLoopCountIsTheOneEveryButtonPlays)
{
    RunSteps({
        A::AssignMacro(1, L"b", 0),
        A::Apply(),
        // OK: the window's record follows, and the one Cancel returns to.
        A::MacroManager({A::MacroLoop(L"b", 12)}, true),
        A::Cancel(),
        // Cancel: the manager has written it all the same.
        A::MacroManager({A::MacroLoop(L"b", 13)}, false),
        // Fast's button 6 plays c; its file holds c as it was.
        A::MacroManager({A::MacroLoop(L"c", 14)}, true),
        A::OpenList(),
        A::Pick(1),
        A::CloseList(),
    });
}

// A macro renamed in the manager keeps its buttons, and each of them says so
// under the new name, after OK and after Cancel: in the window, in what
// Cancel returns to and in every profile's captions.
TEST_F(ModelReplay, ARenamedMacroIsNamedByEveryButtonThatPlaysIt)
{
    // Work's button 5 plays b, Fast's button 6 plays c.
    RunSteps({
        A::AssignMacro(1, L"b", 0),
        A::Apply(),
        A::MacroManager({A::RenameMacro(L"b", L"Mac_1")}, true),
        A::MacroManager({A::RenameMacro(L"c", L"Mac_2")}, false),
    });
}

// When the profile the window holds is deleted in the open list, the close
// takes the profile picked then, even where a name added since stands in the
// deleted one's place: the window shows that profile's own record, never
// the deleted profile's, with its unsaved edit, as the new name's.
TEST_F(ModelReplay, AfterDeletingTheProfileShownTheCloseShowsTheProfilePicked)
{
    // What the model says of the new name's files is another matter (a new
    // profile's files are due at the close): only the window is looked at.
    for (const Action& step : {A::OpenList(), A::DeleteProfile(0), A::NewProfile(), A::SetRate(4), A::CloseList()})
        Step(step);
    ASSERT_EQ(g_pConfigDlg, nullptr);
    EXPECT_EQ(g_nCurProfile, 2) << "Work 2, picked by New";
    const std::optional<SettingsRecord> file = RecordIn(ProfilePath(2));
    ASSERT_TRUE(file.has_value());
    EXPECT_TRUE(apptest::SameRecord(g_Settings, *file)) << "the window shows Work 2's own record";
    EXPECT_NE(g_Settings.ReportRateCode, 4) << "the edit belonged to the deleted profile";
}

// An import in the open list makes the picked profile the one the window
// holds, and a Reset then saves the factory settings into that profile's
// files: the list goes without its close, yet the next start must find that
// profile current, not the one str.ini named when the list opened.
TEST_F(ModelReplay, AResetAfterAnImportLeavesTheImportedProfileCurrent)
{
    RunSteps({A::OpenList(), A::Import(2, kGoodImport), A::Reset(), A::Restart()});
    EXPECT_EQ(g_nCurProfile, 2);
}

// New after a copy could give a name the list already held; str.ini names
// the current profile by its name, so the next opening (or start) found the
// other profile of that name current.
TEST_F(ModelReplay, NewAndCopyNeverGiveANameTheListHolds)
{
    RunSteps({A::OpenList(), A::NewProfile(), A::CopyProfile(), A::CloseList(), A::OpenList(), A::NewProfile(),
              A::Pick(0), A::CloseList(), A::OpenList()});
}
