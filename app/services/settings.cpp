#include "app/services/settings.h"

#include "app/services/ini_file.h"

#include <array>
#include <variant>

namespace services {

namespace {

using Field =
    std::variant<QString Settings::*, bool Settings::*, int Settings::*, Colour Settings::*>;

struct Entry {
    const QString& section;
    const char* key;
    Field field;
};

// In the order in which a new file receives them. Reading has no side effect, so the order in
// which the entries are read does not matter and the same table serves.
const std::array<Entry, 17> kEntries = {{
    {kGeneralSettings, "Language", &Settings::Language},
    {kGeneralSettings, "ShowTipsOnStartup", &Settings::ShowTipsOnStartup},
    {kGeneralSettings, "SavePosWin", &Settings::SavePosWin},
    {kGeneralSettings, "ToolBar", &Settings::ToolBar},
    {kGeneralSettings, "QuitConfirm", &Settings::QuitConfirm},
    {kGeneralSettings, "LastTipShown", &Settings::LastTipShown},
    {kGeneralSettings, "TimeSplash", &Settings::TimeSplash},
    {kGeneralSettings, "ReopenLastFile", &Settings::ReopenLastFile},
    {kRecentDirectories, "RecentOpenFileDir", &Settings::RecentOpenFileDir},
    {kGeneralSettings, "CouleurChiffre", &Settings::PlayedColour},
    {kGeneralSettings, "CouleurCandidat", &Settings::CandidateColour},
    {kGeneralSettings, "Couleurdevoile", &Settings::GivenColour},
    {kGeneralSettings, "CouleurJouable", &Settings::ActingColour},
    {kGeneralSettings, "CouleurReference", &Settings::ReferenceColour},
    {kGeneralSettings, "Candidats", &Settings::ShowCandidates},
    {kGeneralSettings, "Protection", &Settings::Protection},
    {kGeneralSettings, "GeneratedGridLevel", &Settings::GeneratedGridLevel},
}};

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
// Spelled out for clang before 17, which does not deduce the arguments of an aggregate template.
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

} // namespace

void ReadSettings(const IniFile& ini, Settings& settings) {
    const Settings defaults;
    for (const Entry& entry : kEntries) {
        const QString key = QLatin1String(entry.key);
        std::visit(Overloaded{
                       [&](QString Settings::*f) {
                           settings.*f = ini.ReadString(entry.section, key, defaults.*f);
                       },
                       [&](bool Settings::*f) {
                           settings.*f = ini.ReadBool(entry.section, key, defaults.*f);
                       },
                       [&](int Settings::*f) {
                           settings.*f = ini.ReadInteger(entry.section, key, defaults.*f);
                       },
                       // A value outside 0..0xFFFFFF (-1 would paint white on white) is no
                       // colour: the default takes its place.
                       [&](Colour Settings::*f) {
                           const int value = ini.ReadInteger(entry.section, key, -1);
                           settings.*f = value >= 0 && value <= int(game::kWhite) ? Colour(value)
                                                                                  : defaults.*f;
                       },
                   },
                   entry.field);
    }
}

void WriteSettings(const Settings& settings, IniFile& ini) {
    for (const Entry& entry : kEntries) {
        const QString key = QLatin1String(entry.key);
        std::visit(
            Overloaded{
                [&](QString Settings::*f) { ini.WriteString(entry.section, key, settings.*f); },
                [&](bool Settings::*f) { ini.WriteBool(entry.section, key, settings.*f); },
                [&](int Settings::*f) { ini.WriteInteger(entry.section, key, settings.*f); },
                // Written as the signed 32-bit integer it is read back as.
                [&](Colour Settings::*f) {
                    ini.WriteInteger(entry.section, key, static_cast<int>(settings.*f));
                },
            },
            entry.field);
    }
}

} // namespace services
