#pragma once
// The game frames' door to the services module: settings, messages, translation and questions,
// all taken from AppServices.

#include "game/widgets/frame_services.h"

namespace services {
class AppServices;
}

namespace app {

class FrameServicesAdapter : public game::FrameServices {
public:
    explicit FrameServicesAdapter(services::AppServices& services) : services_(services) {}

    game::GameSettings Settings() const override;
    QString MessageText(const QString& defaultText, int number) const override;
    void TranslateWindow(QWidget* window) const override;
    QString VersionText() const override;
    QString SiteAddress() const override;
    QString AuthorName() const override;
    QString AuthorMail() const override;
    void OpenUrl(const QString& url) const override;
    bool Confirm(const QString& text) const override;
    void Inform(const QString& text) const override;

private:
    services::AppServices& services_;
};

} // namespace app
