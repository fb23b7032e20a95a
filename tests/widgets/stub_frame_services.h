#pragma once
// A frame's surroundings for tests: questions answer as the test says and are remembered.

#include "game/widgets/frame_services.h"

#include <QMap>
#include <QStringList>

class StubFrameServices : public game::FrameServices {
public:
    game::GameSettings settings;
    bool confirmAnswer = true;
    mutable QStringList asked;
    QMap<int, QString> messages; // the current language's, where a test sets them

    game::GameSettings Settings() const override { return settings; }
    QString MessageText(const QString& defaultText, int number) const override {
        return messages.value(number, defaultText);
    }
    void TranslateWindow(QWidget*) const override {}
    QString VersionText() const override { return QStringLiteral("1.00"); }
    QString SiteAddress() const override { return QStringLiteral("https://example.org/"); }
    QString AuthorName() const override { return QStringLiteral("Auteur"); }
    QString AuthorMail() const override { return QStringLiteral("auteur@example.org"); }
    void OpenUrl(const QString&) const override {}
    bool Confirm(const QString& text) const override {
        asked << text;
        return confirmAnswer;
    }
    void Inform(const QString& text) const override { asked << text; }
};
