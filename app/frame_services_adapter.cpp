#include "app/frame_services_adapter.h"

#include "app/services/ui/dm_fonction.h"
#include "app/site.h"

#include <QApplication>

namespace app {

game::GameSettings FrameServicesAdapter::Settings() const {
    game::GameSettings settings;
    settings.Couleurdevoile = services_.Couleurdevoile;
    settings.CouleurChiffre = services_.CouleurChiffre;
    settings.CouleurCandidat = services_.CouleurCandidat;
    settings.CouleurJouable = services_.CouleurJouable;
    settings.CouleurReference = services_.CouleurReference;
    settings.Candidats = services_.Candidats;
    settings.Protection = services_.Protection;
    return settings;
}

QString FrameServicesAdapter::MessageText(const QString& defaultText, int number) const {
    return services_.GetMessageText(defaultText, number);
}

void FrameServicesAdapter::TranslateWindow(QWidget* window) const {
    services_.TranslateForm(window);
}

QString FrameServicesAdapter::VersionText() const {
    return services_.FileVersionString();
}

QString FrameServicesAdapter::SiteAddress() const {
    return app::SiteAddress();
}

QString FrameServicesAdapter::AuthorName() const {
    return app::AuthorName();
}

QString FrameServicesAdapter::AuthorMail() const {
    return app::AuthorMail();
}

void FrameServicesAdapter::OpenUrl(const QString& url) const {
    services_.OpenUrl(url);
}

bool FrameServicesAdapter::Confirm(const QString& text) const {
    return services_.MessageDialog(text, {}, {}, 0, services::MessageKind::Confirmation,
                                   services::ButtonYes | services::ButtonNo,
                                   QApplication::activeWindow()) != services::ResultNo;
}

void FrameServicesAdapter::Inform(const QString& text) const {
    services_.MessageDialog(text, {}, {}, 0, services::MessageKind::Information, services::ButtonOk,
                            QApplication::activeWindow());
}

} // namespace app
