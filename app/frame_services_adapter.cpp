#include "app/frame_services_adapter.h"

#include "app/core/site.h"
#include "app/services/ui/app_services.h"
#include "app/services/ui/window_translation.h"

#include <QApplication>

namespace app {

game::GameSettings FrameServicesAdapter::Settings() const {
    return services_.Store().Values();
}

QString FrameServicesAdapter::MessageText(const QString& defaultText, int number) const {
    return services_.Translation().GetMessageText(defaultText, number);
}

void FrameServicesAdapter::TranslateWindow(QWidget* window) const {
    services::TranslateForm(services_.Translation(), window);
}

QString FrameServicesAdapter::VersionText() const {
    return services_.ProgramVersionText();
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
