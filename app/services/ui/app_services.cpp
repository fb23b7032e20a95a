#include "app/services/ui/app_services.h"

#include "app/services/folders.h"
#include "app/services/program_version.h"
#include "app/services/ui/window_translation.h"

#include <QDesktopServices>
#include <QUrl>

namespace services {

AppServices::AppServices() : programName_(GetProgramName()) {}

AppServices::~AppServices() {
    SaveSettings();
}

bool AppServices::SaveSettings() {
    return store_.Save([this](IniFile& ini) { recent_.WriteTo(ini); });
}

void AppServices::SetLanguage(const QString& code) {
    store_.Values().Language = code;
    SaveSettings();
    translator_.LoadQtTranslations();
    TranslateAll(translator_);
}

QString AppServices::ProgramVersionText() const {
    return services::ProgramVersionText();
}

QString AppServices::NextGridNumber() {
    return QString::number(++gridCounter_);
}

void AppServices::OpenUrl(const QString& url) const {
    QDesktopServices::openUrl(QUrl::fromUserInput(url));
}

int AppServices::MessageDialog(const QString& text, const QString& a1, const QString& a2,
                               int number, MessageKind kind, MessageButtons buttons,
                               QWidget* parent) const {
    return services::MessageDialog(translator_.Messages(), text, a1, a2, number, kind, buttons,
                                   parent);
}

} // namespace services
