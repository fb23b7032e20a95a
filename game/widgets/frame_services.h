#pragma once
// What a game frame needs from the program around it, through one narrow door: the settings it
// starts from, the numbered message texts, the translation of the windows it opens and the shell's
// small services. The shell implements it; tests hand in a plain stand-in.

#include "game/model/game_settings.h"

#include <QString>

class QWidget;

namespace game {

class FrameServices {
public:
    virtual ~FrameServices() = default;

    virtual GameSettings Settings() const = 0;
    // Message number of the current language, or defaultText.
    virtual QString MessageText(const QString& defaultText, int number) const = 0;
    // Applies the current language to a window the frame has just created.
    virtual void TranslateWindow(QWidget* window) const = 0;
    // "1.00" for version 1.0.0.0.
    virtual QString VersionText() const = 0;
    virtual QString SiteAddress() const = 0;
    virtual QString AuthorName() const = 0;
    virtual QString AuthorMail() const = 0;
    virtual void OpenUrl(const QString& url) const = 0;
    // A yes/no confirmation; true unless the answer is No.
    virtual bool Confirm(const QString& text) const = 0;
    // A notice with an OK button and the information icon.
    virtual void Inform(const QString& text) const = 0;
};

} // namespace game
