#pragma once
// Where the program keeps its files. Folder paths end with "/".

#include <QString>

namespace services {

// The folder of "Settings.ini": $TESSARINE_DATA_DIR when set, otherwise the user's documents
// folder + "/Tessarine/". It is created with its parents.
struct DataFolderResult {
    QString path;
    bool usable = false; // it exists and a file can be created in it
};
DataFolderResult GetDataFolder();

// The folder of the program's read-only files ("Translations.txt", "SplashTessarine.bmp") for a
// program started from executableFolder: that folder itself when it holds "Translations.txt" (the
// build tree), otherwise executableFolder/../share/tessarine/ when that one does (an installed
// program, bin/ beside share/), otherwise executableFolder.
QString ProgramFolderOf(const QString& executableFolder);

// ProgramFolderOf the running program's folder. Needs the QCoreApplication.
QString GetProgramFolder();

// The program file's name without folder and without its final extension.
QString GetProgramName();

} // namespace services
