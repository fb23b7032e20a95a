// The splash and about window: its display time from "TimeSplash", its picture beside the program
// (and what happens without it), its texts and links, the ways it closes, and the about command
// that never lets it close by itself.

#include "app/core/splash_time.h"
#include "app/splash_window.h"
#include "game/widgets/link_label.h"
#include "tests/dialogs/dialogs_test_support.h"
#include "tests/golden.h"

#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QtTest>

using app::SplashWindow;
using dialogs_test::MainWindow;

namespace {

QLabel* Label(const SplashWindow& splash, const char* name) {
    return splash.findChild<QLabel*>(QLatin1String(name));
}

bool WriteTimeSplash(const MainWindow& shell, const QByteArray& value) {
    return services_test::WriteBytes(shell.data.SettingsPath(),
                                     "[GeneralSettings]\nTimeSplash=" + value + "\n");
}

// Collects the addresses handed to the desktop instead of opening them.
class UrlRecorder : public QObject {
    Q_OBJECT

public:
    UrlRecorder() {
        for (const char* scheme : {"mailto", "https"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }
    ~UrlRecorder() override {
        for (const char* scheme : {"mailto", "https"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }

    QStringList opened;

public slots:
    void open(const QUrl& url) { opened << url.toString(); }
};

} // namespace

class TestSplash : public QObject {
    Q_OBJECT

private slots:
    void init() { qputenv("TESSARINE_SITE_URL", "https://sudoku.example.net/tessarine"); }
    void cleanup() { qunsetenv("TESSARINE_SITE_URL"); }

    void displayTime_data() {
        QTest::addColumn<QByteArray>("timeSplash"); // null: no settings file
        QTest::addColumn<int>("expectedMs");
        QTest::newRow("0 waits for a key or a click") << QByteArray("0") << 0;
        QTest::newRow("999 counts seconds") << QByteArray("999") << 999000;
        QTest::newRow("1000 counts milliseconds") << QByteArray("1000") << 1000;
        QTest::newRow("hexadecimal 0x3 counts seconds") << QByteArray("0x3") << 3000;
        QTest::newRow("not a number") << QByteArray("deux") << 1000;
        QTest::newRow("negative") << QByteArray("-4") << 1000;
        QTest::newRow("no settings file") << QByteArray() << 1000;
    }

    void displayTime() {
        QFETCH(QByteArray, timeSplash);
        QFETCH(int, expectedMs);
        MainWindow shell;
        if (!timeSplash.isNull())
            QVERIFY(WriteTimeSplash(shell, timeSplash));
        QCOMPARE(app::SplashIntervalMs(shell.services->Store().LoadFile()), expectedMs);
        SplashWindow splash(*shell.services);
        QCOMPARE(splash.TimerSplash()->isActive() ? splash.TimerSplash()->interval() : 0,
                 expectedMs);
    }

    void picture_data() {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QSize>("expectedSize");
        QTest::newRow("shipped picture beside the program") << "shipped" << QSize(523, 297);
        QTest::newRow("a picture of another size") << "200x100" << QSize(200, 100);
        QTest::newRow("missing picture") << "missing" << QSize(523, 297);
        QTest::newRow("file that is no picture") << "garbage" << QSize(523, 297);
    }

    void picture() {
        QFETCH(QString, content);
        QFETCH(QSize, expectedSize);
        MainWindow shell;
        QVERIFY(WriteTimeSplash(shell, "2"));
        const QString path = shell.ProgramFolder() + app::kSplashFileName;
        if (content == QLatin1String("shipped")) {
            shell.services->Translation().SetProgramFolder(QCoreApplication::applicationDirPath() +
                                                           u'/');
        } else if (content == QLatin1String("200x100")) {
            QImage image(200, 100, QImage::Format_RGB32);
            image.fill(Qt::darkCyan);
            QVERIFY(image.save(path, "BMP"));
        } else if (content == QLatin1String("garbage")) {
            QVERIFY(services_test::WriteBytes(path, "BM this is not a bitmap"));
        }
        SplashWindow splash(*shell.services);
        QCOMPARE(splash.size(), expectedSize);
        const bool readable =
            content == QLatin1String("shipped") || content == QLatin1String("200x100");
        QCOMPARE(splash.PictureProblem().contains(QStringLiteral("SplashTessarine.bmp")),
                 !readable);
        // The display time runs with or without the picture.
        QCOMPARE(splash.TimerSplash()->isActive() ? splash.TimerSplash()->interval() : 0, 2000);
    }

    // Every label: its text, type and place (a link's place follows its title's text), each
    // wide enough for its text and letting the picture show through.
    void texts() {
        MainWindow shell;
        SplashWindow splash(*shell.services);
        QByteArray texts;
        for (const QLabel* label : splash.findChildren<QLabel*>()) {
            QVERIFY(label->width() >= label->sizeHint().width() && !label->autoFillBackground());
            const bool link = qobject_cast<const game::LinkLabel*>(label) != nullptr;
            texts += QStringLiteral("%1 \"%2\" %3 at %4 %5\n")
                         .arg(label->objectName(), label->text(),
                              label->font().bold() ? "bold"
                              : link               ? "link"
                                                   : "plain",
                              link ? "-" : QString::number(label->x()))
                         .arg(label->y())
                         .toUtf8();
        }
        QCOMPARE_GOLDEN(texts, "dialogs/splash-labels.txt");
        for (auto [name, title] :
             {std::pair{"LblEmail", "LblTitreEmail"}, std::pair{"LblSite", "LblTitreSite"}}) {
            const QLabel* titleLabel = Label(splash, title);
            const int titleEnd = titleLabel->x() + titleLabel->fontMetrics().horizontalAdvance(
                                                       titleLabel->text().trimmed() + u' ');
            QVERIFY(Label(splash, name)->x() >= std::max(72, titleEnd));
        }
    }

    void closing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("result");
        QTest::newRow("time is up") << "timer" << true << int(QDialog::Rejected);
        QTest::newRow("character key") << "key a" << true << int(QDialog::Rejected);
        QTest::newRow("shift alone is no character") << "key shift" << false << 0;
        QTest::newRow("left release on the picture") << "left picture" << true << 3;
        QTest::newRow("right release on the picture") << "right picture" << true << 3;
        QTest::newRow("release on a label") << "left label" << false << 0;
        QTest::newRow("close box") << "close" << true << int(QDialog::Rejected);
        QTest::newRow("links open and keep the window") << "links" << false << 0;
    }

    void closing() {
        QFETCH(QString, how);
        QFETCH(bool, closes);
        QFETCH(int, result);
        MainWindow shell;
        UrlRecorder recorder;
        SplashWindow splash(*shell.services);
        splash.TimerSplash()->stop();
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        if (how == QLatin1String("timer"))
            QVERIFY(QMetaObject::invokeMethod(splash.TimerSplash(), "timeout"));
        const QPoint onPicture(200, 100);
        if (how == QLatin1String("key a"))
            QTest::keyClick(&splash, Qt::Key_A);
        else if (how == QLatin1String("key shift"))
            QTest::keyClick(&splash, Qt::Key_Shift);
        else if (how == QLatin1String("left picture"))
            QTest::mouseClick(&splash, Qt::LeftButton, {}, onPicture);
        else if (how == QLatin1String("right picture"))
            QTest::mouseClick(&splash, Qt::RightButton, {}, onPicture);
        else if (how == QLatin1String("left label"))
            QTest::mouseClick(Label(splash, "InfoLbl2"), Qt::LeftButton);
        else if (how == QLatin1String("close"))
            splash.close();
        else if (how == QLatin1String("links"))
            for (const char* link : {"LblEmail", "LblSite"})
                QTest::mouseClick(Label(splash, link), Qt::LeftButton);
        QCOMPARE(splash.isVisible(), !closes);
        if (closes)
            QCOMPARE(splash.result(), result);
        QCOMPARE(recorder.opened.join(u' '),
                 how == QLatin1String("links")
                     ? "mailto:contact@tessarine.example.org https://sudoku.example.net/tessarine/"
                     : "");
    }

    // The about command waits for the player even with a display time, and reports the picture
    // missing from the empty program folder; so does the start-up splash, then shows itself.
    void aboutAndStartup_data() {
        QTest::addColumn<bool>("about");
        QTest::newRow("about") << true;
        QTest::newRow("start-up") << false;
    }

    void aboutAndStartup() {
        QFETCH(bool, about);
        MainWindow shell;
        QVERIFY(WriteTimeSplash(shell, about ? "1" : "0"));
        QStringList seen;
        ModalAnswers answers;
        const auto answer = [&seen](QDialog& modal) {
            if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
                seen << box->text();
                box->accept();
            } else if (auto* splash = qobject_cast<SplashWindow*>(&modal)) {
                seen << (splash->TimerSplash()->isActive() ? "splash, timer on"
                                                           : "splash, timer off");
                QTest::keyClick(splash, Qt::Key_Space);
            }
        };
        if (about) {
            answers.Queue(answer);
            emit shell.window->aboutRequested();
            seen += shell.errors;
        } else {
            answers.Queue(answer);
            answers.Queue(answer);
            app::ShowStartupSplash(*shell.services);
        }
        QVERIFY(answers.AllAnswered());
        if (about)
            seen.move(1, 0);
        QCOMPARE(seen.size(), 2);
        QVERIFY(seen[0].contains(QStringLiteral("SplashTessarine.bmp")));
        QCOMPARE(seen[1], "splash, timer off");
        QVERIFY(shell.window->findChildren<SplashWindow*>().isEmpty());
    }
};

QTEST_MAIN(TestSplash)
#include "test_splash.moc"
