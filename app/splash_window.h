#pragma once
// SplashWindow: the picture "SplashTessarine.bmp" with the credits, the links and the version. At
// start-up it closes itself after the display time of the settings; as the about window its
// caller stops TimerSplash first, so it stays until a key or a click on the picture. The caller
// shows it modally and destroys it afterwards, so the settings are read again at each use.

#include <QDialog>
#include <QImage>

class QTimer;

namespace services {
class AppServices;
}

namespace app {

inline const QString kSplashFileName = QStringLiteral("SplashTessarine.bmp");

class SplashWindow : public QDialog {
    Q_OBJECT

public:
    // The result of a click on the picture.
    static constexpr int kClickResult = 3;

    // Loads the picture from ProgramFolder and starts the timer with the display time of the
    // settings; a picture that cannot be read leaves a blank window of the designed size.
    explicit SplashWindow(services::AppServices& services, QWidget* parent = nullptr);

    QTimer* TimerSplash() const { return timerSplash_; }
    // (Re)starts TimerSplash with the display time read at creation; a time of 0 leaves it off.
    void StartTimerSplash();
    // Why the picture could not be shown, or an empty text.
    QString PictureProblem() const { return pictureProblem_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void LoadPicture(const QString& path);
    void BuildLabels(services::AppServices& services);

    QImage picture_;
    QString pictureProblem_;
    QTimer* timerSplash_ = nullptr;
    int intervalMs_ = 0;
};

} // namespace app
