#pragma once
// HelpWindow: the help page installed with the program, "help_<language>.html" in the program
// folder, read in a window of its own with no network and no browser. Modeless, one at a time:
// F1 again brings it to the front on the page of the current language.

#include <QDialog>

#include <functional>

class QTextBrowser;

namespace services {
class Translator;
}

namespace app {

class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent);

    // Shows page, titled, in front.
    void ShowPage(const QString& page, const QString& title);

private:
    QTextBrowser* browser_ = nullptr;
};

// The help page of the current language in the program folder.
QString HelpPagePath(const services::Translator& translation);

// Opens the help page in parent's help window (made on first use); when the page is missing, shows
// why through showError instead.
void OpenHelp(QWidget& parent, const services::Translator& translation,
              const std::function<void(const QString&)>& showError);

} // namespace app
