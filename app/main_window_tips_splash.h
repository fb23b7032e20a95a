#pragma once
// The main window's commands "Astuce", "A Propos de ..." and "Nouvelle version", and the splash
// window of the start-up.

#include "app/version_check.h"

namespace services {
class AppServices;
}

namespace app {

class MainWindow;

// Connects the window's tipsRequested, aboutRequested and newVersionRequested to the commands
// below. Call it before the window's FinishSetUp, which may open the tips.
void ConnectTipsSplashAndVersion(MainWindow& form, services::AppServices& services);

// Opens a new tips window on the next tip; nothing when the language has no tip.
void ActionAstuceExecute(MainWindow& form, services::AppServices& services);
// The splash window with its timer off, modal until a key or a click.
void ActionAProposExecute(MainWindow& form, services::AppServices& services);
// Downloads the site's "version.txt" under a progress window whose Cancel stops it, and tells
// whether the program is up to date, or why it cannot tell.
void CheckNewVersion(MainWindow& form, services::AppServices& services,
                     const DownloadLimits& limits = {});

// Shows the splash window modally for the display time of the settings, then destroys it. A
// picture that cannot be read is reported, and the start-up goes on.
void ShowStartupSplash(services::AppServices& services);

} // namespace app
