// The splash and about window: its display time from "TimeSplash", its picture beside the program
// (and what happens without it), its texts and links, the ways it closes, and the about command
// that never lets it close by itself.

#include "app/core/splash_time.h"
#include "app/services/ini_file.h"
#include "app/splash_window.h"
#include "game/widgets/link_label.h"
#include "tests/dialogs/dialogs_test_support.h"

#include <QDesktopServices>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QUrl>
#include <QtTest>

using app::SplashWindow;
using dialogs_test::MainWindow;

namespace {

constexpr QSize kPictureSize(523, 297);
// A point of the picture with no label on it.
constexpr QPoint kOnPicture(200, 100);

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
        for (const char* scheme : {"mailto", "http", "https"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    }
    ~UrlRecorder() override {
        for (const char* scheme : {"mailto", "http", "https"})
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
        QTest::addColumn<QByteArray>("settings"); // null: no settings file
        QTest::addColumn<int>("expectedMs");
        const auto timeSplash = [](const char* value) {
            return "[GeneralSettings]\nTimeSplash=" + QByteArray(value) + "\n";
        };
        QTest::newRow("0 waits for a key or a click") << timeSplash("0") << 0;
        QTest::newRow("3 counts seconds") << timeSplash("3") << 3000;
        QTest::newRow("999 counts seconds") << timeSplash("999") << 999000;
        QTest::newRow("1000 counts milliseconds") << timeSplash("1000") << 1000;
        QTest::newRow("2500 counts milliseconds") << timeSplash("2500") << 2500;
        QTest::newRow("hexadecimal 0x3 counts seconds") << timeSplash("0x3") << 3000;
        QTest::newRow("not a number gives 1000 ms") << timeSplash("deux") << 1000;
        QTest::newRow("negative gives 1000 ms") << timeSplash("-4") << 1000;
        QTest::newRow("missing key gives 1000 ms")
            << QByteArray("[GeneralSettings]\nLanguage=fr\n") << 1000;
        QTest::newRow("no settings file gives 1000 ms") << QByteArray() << 1000;
    }

    void displayTime() {
        QFETCH(QByteArray, settings);
        QFETCH(int, expectedMs);
        MainWindow shell;
        if (!settings.isNull())
            QVERIFY(services_test::WriteBytes(shell.data.SettingsPath(), settings));
        QCOMPARE(app::SplashIntervalMs(shell.services->Store().LoadFile()), expectedMs);
        SplashWindow splash(*shell.services);
        QCOMPARE(splash.TimerSplash()->isActive(), expectedMs > 0);
        if (expectedMs > 0)
            QCOMPARE(splash.TimerSplash()->interval(), expectedMs);
    }

    void timerClosesTheSplash() {
        MainWindow shell;
        SplashWindow splash(*shell.services);
        splash.show();
        QVERIFY(splash.isVisible());
        QVERIFY(QMetaObject::invokeMethod(splash.TimerSplash(), "timeout"));
        QVERIFY(!splash.isVisible());
    }

    void picture_data() {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QSize>("expectedSize");
        QTest::addColumn<bool>("readable");
        QTest::newRow("shipped picture beside the program") << "shipped" << kPictureSize << true;
        QTest::newRow("a picture of another size") << "200x100" << QSize(200, 100) << true;
        QTest::newRow("missing picture") << "missing" << kPictureSize << false;
        QTest::newRow("file that is no picture") << "garbage" << kPictureSize << false;
    }

    void picture() {
        QFETCH(QString, content);
        QFETCH(QSize, expectedSize);
        QFETCH(bool, readable);
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
        QCOMPARE(splash.PictureProblem().isEmpty(), readable);
        if (!readable)
            QVERIFY(splash.PictureProblem().contains(QStringLiteral("SplashTessarine.bmp")));
        // The display time runs with or without the picture.
        QVERIFY(splash.TimerSplash()->isActive());
        QCOMPARE(splash.TimerSplash()->interval(), 2000);
    }

    void texts_data() { // rows named after their label; a link follows its title
        QTest::addColumn<QString>("text");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QString>("title");
        QTest::newRow("InfoLbl2") << "Jeu de Sudoku" << QPoint(13, 150) << "";
        QTest::newRow("LblTitreEmail") << " Email :" << QPoint(25, 208) << "";
        QTest::newRow("LblEmail") << "contact@tessarine.example.org" << QPoint(72, 208)
                                  << "LblTitreEmail";
        QTest::newRow("LblTitreSite") << "Site web : " << QPoint(13, 225) << "";
        QTest::newRow("LblSite") << "https://sudoku.example.net/tessarine/" << QPoint(72, 224)
                                 << "LblTitreSite";
        QTest::newRow("VersionLbl") << "Version : 1.00" << QPoint(328, 224) << "";
    }

    void texts() {
        QFETCH(QString, text);
        QFETCH(QPoint, position);
        QFETCH(QString, title);
        MainWindow shell;
        SplashWindow splash(*shell.services);
        const QLabel* label = Label(splash, QTest::currentDataTag());
        QVERIFY(label != nullptr);
        QCOMPARE(label->text(), text);
        if (title.isEmpty()) {
            QCOMPARE(label->pos(), position);
        } else {
            // At its place, or further right: never closer than one blank to its title's text.
            const QLabel* titleLabel = Label(splash, qPrintable(title));
            QString titleText = titleLabel->text();
            while (titleText.endsWith(u' '))
                titleText.chop(1);
            const int gap = label->x() - titleLabel->x() -
                            titleLabel->fontMetrics().horizontalAdvance(titleText + u' ');
            QVERIFY2(gap >= 0, qPrintable(QString::number(gap)));
            QVERIFY(label->x() >= position.x());
            QCOMPARE(label->y(), position.y());
        }
        // Wide enough for its whole text, and the picture shows through.
        QVERIFY(label->width() >= label->sizeHint().width());
        QVERIFY(!label->autoFillBackground());
    }

    void creditLines() {
        MainWindow shell;
        SplashWindow splash(*shell.services);
        QVERIFY(Label(splash, "InfoLbl1")->text().contains(QStringLiteral("2006-2007")));
        QVERIFY(!Label(splash, "InfoLbl3")->text().isEmpty());
        for (const char* name : {"InfoLbl1", "InfoLbl2", "InfoLbl3"})
            QVERIFY2(Label(splash, name)->font().bold(), name);
        QVERIFY(!Label(splash, "LblTitreEmail")->font().bold());
    }

    void closing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<int>("result");
        QTest::newRow("character key") << "key a" << true << int(QDialog::Rejected);
        QTest::newRow("shift alone is no character") << "key shift" << false << 0;
        QTest::newRow("left release on the picture") << "left picture" << true << 3;
        QTest::newRow("right release on the picture") << "right picture" << true << 3;
        QTest::newRow("release on a label") << "left label" << false << 0;
        QTest::newRow("close box") << "close" << true << int(QDialog::Rejected);
    }

    void closing() {
        QFETCH(QString, how);
        QFETCH(bool, closes);
        QFETCH(int, result);
        MainWindow shell;
        SplashWindow splash(*shell.services);
        splash.TimerSplash()->stop();
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        if (how == QLatin1String("key a"))
            QTest::keyClick(&splash, Qt::Key_A);
        else if (how == QLatin1String("key shift"))
            QTest::keyClick(&splash, Qt::Key_Shift);
        else if (how == QLatin1String("left picture"))
            QTest::mouseClick(&splash, Qt::LeftButton, {}, kOnPicture);
        else if (how == QLatin1String("right picture"))
            QTest::mouseClick(&splash, Qt::RightButton, {}, kOnPicture);
        else if (how == QLatin1String("left label"))
            QTest::mouseClick(Label(splash, "InfoLbl2"), Qt::LeftButton);
        else
            splash.close();
        QCOMPARE(splash.isVisible(), !closes);
        if (closes)
            QCOMPARE(splash.result(), result);
    }

    void linksOpenAndKeepTheWindow() {
        MainWindow shell;
        UrlRecorder recorder;
        SplashWindow splash(*shell.services);
        splash.TimerSplash()->stop();
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash));
        QTest::mouseClick(Label(splash, "LblEmail"), Qt::LeftButton);
        QTest::mouseClick(Label(splash, "LblSite"), Qt::LeftButton);
        QCOMPARE(recorder.opened,
                 (QStringList{QStringLiteral("mailto:contact@tessarine.example.org"),
                              QStringLiteral("https://sudoku.example.net/tessarine/")}));
        QVERIFY(splash.isVisible());
        QCOMPARE(Label(splash, "LblEmail")->cursor().shape(), Qt::PointingHandCursor);
    }

    void aboutWindowNeverClosesByItself() {
        MainWindow shell;
        QVERIFY(WriteTimeSplash(shell, "1"));
        bool seen = false;
        ModalAnswers answers;
        answers.Queue([&seen](QDialog& modal) {
            auto* about = qobject_cast<SplashWindow*>(&modal);
            QVERIFY(about != nullptr);
            seen = true;
            QVERIFY(!about->TimerSplash()->isActive());
            QTest::keyClick(about, Qt::Key_Space);
        });
        emit shell.window->aboutRequested();
        QVERIFY(seen);
        // The missing picture of the empty program folder is reported, and the window still came.
        QCOMPARE(shell.errors.size(), 1);
        QVERIFY(shell.window->findChildren<SplashWindow*>().isEmpty());
    }

    void startupSplashReportsAMissingPictureAndGoesOn() {
        MainWindow shell;
        QVERIFY(WriteTimeSplash(shell, "0"));
        QStringList seen;
        ModalAnswers answers;
        const auto answer = [&seen](QDialog& modal) {
            if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
                seen << box->text();
                box->accept();
            } else if (auto* splash = qobject_cast<SplashWindow*>(&modal)) {
                seen << QStringLiteral("splash");
                QTest::keyClick(splash, Qt::Key_Space);
            }
        };
        answers.Queue(answer);
        answers.Queue(answer);
        app::ShowStartupSplash(*shell.services);
        QVERIFY(answers.AllAnswered());
        QCOMPARE(seen.size(), 2);
        QVERIFY(seen[0].contains(QStringLiteral("SplashTessarine.bmp")));
        QCOMPARE(seen[1], QStringLiteral("splash"));
    }
};

QTEST_MAIN(TestSplash)
#include "test_splash.moc"
