#include "app/services/services_core.h"

#include "app/services/folders.h"
#include "app/services/program_version.h"
#include "app/services/text_file.h"
#include "game/model/duration.h"
#include "game/model/model_messages.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

namespace services {

namespace {

SettingsFile OpenSettingsFile(const DataFolderResult& folder) {
    const QString path = folder.path + QStringLiteral("Settings.ini");
    // A folder that cannot be written may still hold a file: its settings hold for the session.
    if (!folder.usable)
        return SettingsFile::InMemory(folder.path, IniFile::Parse(ReadTextFile(path).text));
    return SettingsFile::OnDisk(path);
}

} // namespace

ServicesCore::ServicesCore() {
    ProgramFolder = GetProgramFolder();
    ProgramName = GetProgramName();
    const DataFolderResult folder = GetDataFolder();
    DataFolder = folder.path;
    settingsFile_ = OpenSettingsFile(folder);
    LoadSettings();
    LoadMessages();
    LoadQtTranslations();
}

ServicesCore::~ServicesCore() {
    SaveSettings();
}

void ServicesCore::LoadSettings() {
    ReadSettings(LoadSettingsFile(), *this);
    if (RecentOpenFileDir.isEmpty())
        RecentOpenFileDir = DataFolder;
}

bool ServicesCore::SaveSettings() {
    IniFile ini = LoadSettingsFile();
    WriteSettings(*this, ini);
    ini.EraseSection(kRecentFiles);
    for (int i = 0; i < RecentFiles.size(); ++i)
        ini.WriteString(kRecentFiles, QStringLiteral("File") + QString::number(i + 1),
                        RecentFiles.at(i));
    return SaveSettingsFile(ini);
}

QString ServicesCore::ReadSetting(const QString& section, const QString& key, const QString& def) {
    return LoadSettingsFile().ReadString(section, key, def);
}

bool ServicesCore::WriteSetting(const QString& section, const QString& key, const QString& value) {
    IniFile ini = LoadSettingsFile();
    return ini.WriteString(section, key, value) && SaveSettingsFile(ini);
}

void ServicesCore::AddRecentFile(const QString& path) {
    const RecentFileChange change = AddRecentPath(RecentFiles, path);
    if (change.kind != RecentFileChange::Kind::None)
        RecentFilesChanged(change);
}

void ServicesCore::LoadRecentFiles() {
    const auto entries = LoadSettingsFile().SectionEntries(kRecentFiles);
    // Reverse iterators rather than std::views::reverse, which clang 14 cannot compile over QList.
    for (auto entry = entries.crbegin(); entry != entries.crend(); ++entry)
        AddRecentFile(entry->second);
}

QString ServicesCore::ProgramVersionText() const {
    return services::ProgramVersionText();
}

QString ServicesCore::NextGridNumber() {
    return QString::number(++GridCounter);
}

QString ServicesCore::FormatDuration(qint64 seconds) {
    return game::FormatDuration(seconds);
}

QStringList ServicesCore::ReadTranslationSection(const QString& path, const QString& section,
                                                 bool valuesOnly) const {
    return services::ReadTranslationSection(path, section, Language, valuesOnly);
}

void ServicesCore::LoadMessages() {
    if (QFileInfo::exists(TranslationsPath()))
        Messages = ReadTranslationSection(TranslationsPath(), QStringLiteral("Messages"), true);
    game::SetMessages(Messages);
}

QString ServicesCore::GetMessageText(const QString& defaultText, int number, const QString& a1,
                                     const QString& a2) const {
    return services::GetMessageText(Messages, defaultText, number, a1, a2);
}

QStringList ServicesCore::LanguageCodes() const {
    return services::LanguageCodes(TranslationsPath());
}

void ServicesCore::LoadQtTranslations() {
    QCoreApplication::removeTranslator(&qtTranslations_);
    // "qt_fr.qm" gathers the translations of every Qt module.
    if (qtTranslations_.load(QStringLiteral("qt_") + Language,
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTranslations_);
}

} // namespace services
