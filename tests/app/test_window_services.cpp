#include "app/services/ui/app_services.h"

#include "tests/app/services_test_support.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QUrl>
#include <QWidget>

#include <optional>

using namespace services;

// Receives the URLs handed to the desktop, instead of a browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class TestWindowServices : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder_.emplace();
        module_.emplace();
    }

    void cleanup() {
        window_.reset();
        module_.reset();
        folder_.reset();
    }

    void savesTheClientCorner_data() {
        QTest::addColumn<QPoint>("client");
        QTest::addColumn<bool>("maximised");
        QTest::addColumn<bool>("withSize");
        QTest::addColumn<QStringList>("stored"); // state, left, top, width; "frame": the frame's
        const QString none = QStringLiteral("<none>");
        QTest::newRow("position only")
            << QPoint(200, 150) << false << false << QStringList{"0", "200", "150", none};
        QTest::newRow("with its size")
            << QPoint(10, 20) << false << true << QStringList{"0", "10", "20", "frame"};
        // Corners at zero or less are stored as 15.
        QTest::newRow("left at 0")
            << QPoint(0, 90) << false << false << QStringList{"0", "15", "90", none};
        QTest::newRow("top negative")
            << QPoint(90, -40) << false << false << QStringList{"0", "90", "15", none};
        QTest::newRow("both at 1")
            << QPoint(1, 1) << false << false << QStringList{"0", "1", "1", none};
        QTest::newRow("maximised: its state only")
            << QPoint(200, 150) << true << true << QStringList{"1", none, none, none};
    }

    void savesTheClientCorner() {
        QFETCH(QPoint, client);
        QFETCH(bool, maximised);
        QFETCH(bool, withSize);
        QFETCH(QStringList, stored);
        QWidget* window = Window(client);
        if (maximised)
            window->setWindowState(Qt::WindowMaximized);
        module_->Placement().Save(window, withSize);
        QCOMPARE(Stored("FrmConfigState"), stored[0]);
        QCOMPARE(Stored("FrmConfigLeft"), stored[1]);
        QCOMPARE(Stored("FrmConfigTop"), stored[2]);
        const bool frame = stored[3] == "frame";
        QCOMPARE(Stored("FrmConfigWidth"),
                 frame ? QString::number(window->frameGeometry().width()) : stored[3]);
        if (frame)
            QCOMPARE(Stored("FrmConfigHeight"), QString::number(window->frameGeometry().height()));
    }

    void restoresWhereItWasSaved() {
        module_->Placement().Save(Window({210, 160}), false);
        QWidget* reopened = Window({0, 0});
        module_->Placement().Restore(reopened, false);
        QCOMPARE(reopened->geometry().topLeft(), QPoint(210, 160));
        QCOMPARE(reopened->size(), QSize(370, 477));
    }

    void restoresDefaultsAndKeepsWindowsOnScreen_data() {
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("nothing stored") << QByteArray() << QPoint(80, 140);
        QTest::newRow("left beyond the screen")
            << "FrmConfigLeft=" + QByteArray::number(screen.width() + 1) + "\nFrmConfigTop=30\n"
            << QPoint(screen.width() - 50, 30);
        QTest::newRow("top beyond the screen")
            << "FrmConfigLeft=30\nFrmConfigTop=" + QByteArray::number(screen.height() + 200) + "\n"
            << QPoint(30, screen.height() - 50);
        QTest::newRow("left at the screen width stays")
            << "FrmConfigLeft=" + QByteArray::number(screen.width()) + "\nFrmConfigTop=30\n"
            << QPoint(screen.width(), 30);
        QTest::newRow("negative top comes back to 0")
            << QByteArray("FrmConfigLeft=30\nFrmConfigTop=-70\n") << QPoint(30, 0);
        QTest::newRow("malformed values give the defaults")
            << QByteArray("FrmConfigLeft=left\nFrmConfigTop=0x20\n") << QPoint(80, 32);
    }

    void restoresDefaultsAndKeepsWindowsOnScreen() {
        QFETCH(QByteArray, settings);
        QFETCH(QPoint, expected);
        QVERIFY(
            services_test::WriteBytes(folder_->SettingsPath(), "[WindowPositions]\n" + settings));
        QWidget* window = Window({5, 5});
        module_->Placement().Restore(window, false);
        QCOMPARE(window->geometry().topLeft(), expected);
    }

    void restoresSizeAndState() {
        QVERIFY(services_test::WriteBytes(folder_->SettingsPath(),
                                          "[WindowPositions]\nFrmConfigWidth=300\n"
                                          "FrmConfigHeight=250\n"));
        QWidget* window = Window({5, 5});
        module_->Placement().Restore(window, true);
        QCOMPARE(window->frameGeometry().size(), QSize(300, 250));
        QVERIFY(!window->isMaximized());

        QVERIFY(services_test::WriteBytes(folder_->SettingsPath(),
                                          "[WindowPositions]\nFrmConfigState=1\n"));
        window = Window({5, 5});
        module_->Placement().Restore(window, true);
        QVERIFY(window->isMaximized());
    }

    void nothingHappensWithoutSavePosWin() {
        module_.reset(); // it would save its own settings over the file below
        QVERIFY(services_test::WriteBytes(
            folder_->SettingsPath(), "[GeneralSettings]\nSavePosWin=0\n"
                                     "[WindowPositions]\nFrmConfigLeft=300\nFrmConfigTop=300\n"));
        module_.emplace();
        QVERIFY(!module_->Store().Values().SavePosWin);
        QWidget* window = Window({5, 6});
        module_->Placement().Restore(window, false);
        QCOMPARE(window->geometry().topLeft(), QPoint(5, 6));
        module_->Placement().Save(window, true);
        QCOMPARE(Stored("FrmConfigLeft"), QStringLiteral("300"));
        QCOMPARE(Stored("FrmConfigState"), QStringLiteral("<none>"));
    }

    void destructionSavesTheSettingsAndRecentFiles() {
        const QString grid = services_test::CreateFile(folder_->Path(), QStringLiteral("a.xml"));
        module_->Store().Values().LastTipShown = 4;
        module_->Recent().Add(grid);
        module_.reset();
        module_.emplace();
        QCOMPARE(module_->Store().Values().LastTipShown, 4);
        QCOMPARE(module_->Store().ReadEntry(kRecentFiles, QStringLiteral("File1"), {}), grid);
    }

    void opensUrlsOnTheDesktop() {
        UrlCatcher catcher;
        for (const char* scheme : {"https", "mailto", "file"})
            QDesktopServices::setUrlHandler(QLatin1String(scheme), &catcher, "open");
        module_->OpenUrl(QStringLiteral("https://example.org/Tessarine_fr.html"));
        module_->OpenUrl(QStringLiteral("mailto:auteur@example.org"));
        module_->OpenUrl(QStringLiteral("/home/joueur/grille.xml"));
        for (const char* scheme : {"https", "mailto", "file"})
            QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
        const QList<QUrl> expected = {QUrl("https://example.org/Tessarine_fr.html"),
                                      QUrl("mailto:auteur@example.org"),
                                      QUrl::fromLocalFile("/home/joueur/grille.xml")};
        QCOMPARE(catcher.urls, expected);
    }

private:
    QString Stored(const QString& key) {
        return module_->Store().ReadEntry(kWindowPositions, key, QStringLiteral("<none>"));
    }
    QWidget* Window(const QPoint& client) {
        window_.emplace();
        window_->setObjectName(QStringLiteral("FrmConfig"));
        window_->setGeometry(QRect(client, QSize(370, 477)));
        return &*window_;
    }

    std::optional<services_test::TemporaryDataFolder> folder_;
    std::optional<AppServices> module_;
    std::optional<QWidget> window_;
};

QTEST_MAIN(TestWindowServices)
#include "test_window_services.moc"
