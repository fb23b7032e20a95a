#include "app/services/ui/dm_fonction.h"

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
    void init();
    void cleanup();

    void savesTheClientCorner();
    void storesCornersAtZeroOrLessAs15_data();
    void storesCornersAtZeroOrLessAs15();
    void maximisedWindowStoresOnlyItsState();
    void restoresWhereItWasSaved();
    void restoresDefaultsAndKeepsWindowsOnScreen_data();
    void restoresDefaultsAndKeepsWindowsOnScreen();
    void restoresSizeAndState();
    void nothingHappensWithoutSavePosWin();
    void opensUrlsOnTheDesktop();

private:
    QString Stored(const QString& key) {
        return module_->ReadSetting(kWindowPositions, key, QStringLiteral("<none>"));
    }
    QWidget* Window(const QPoint& client) {
        window_.emplace();
        window_->setObjectName(QStringLiteral("FrmConfig"));
        window_->setGeometry(QRect(client, QSize(370, 477)));
        return &*window_;
    }

    std::optional<services_test::TemporaryDataFolder> folder_;
    std::optional<TDMFonction> module_;
    std::optional<QWidget> window_;
};

void TestWindowServices::init() {
    folder_.emplace();
    module_.emplace();
}

void TestWindowServices::cleanup() {
    window_.reset();
    module_.reset();
    folder_.reset();
}

void TestWindowServices::savesTheClientCorner() {
    module_->SaveWindowPosition(Window({200, 150}), false);
    QCOMPARE(Stored("FrmConfigState"), QStringLiteral("0"));
    QCOMPARE(Stored("FrmConfigLeft"), QStringLiteral("200"));
    QCOMPARE(Stored("FrmConfigTop"), QStringLiteral("150"));
    QCOMPARE(Stored("FrmConfigWidth"), QStringLiteral("<none>"));

    module_->SaveWindowPosition(Window({10, 20}), true);
    QCOMPARE(Stored("FrmConfigLeft"), QStringLiteral("10"));
    QCOMPARE(Stored("FrmConfigWidth"), QString::number(window_->frameGeometry().width()));
    QCOMPARE(Stored("FrmConfigHeight"), QString::number(window_->frameGeometry().height()));
}

void TestWindowServices::storesCornersAtZeroOrLessAs15_data() {
    QTest::addColumn<QPoint>("client");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("top");
    QTest::newRow("left at 0") << QPoint(0, 90) << "15"
                               << "90";
    QTest::newRow("top negative") << QPoint(90, -40) << "90"
                                  << "15";
    QTest::newRow("both at 1") << QPoint(1, 1) << "1"
                               << "1";
}

void TestWindowServices::storesCornersAtZeroOrLessAs15() {
    QFETCH(QPoint, client);
    QFETCH(QString, left);
    QFETCH(QString, top);
    module_->SaveWindowPosition(Window(client), false);
    QCOMPARE(Stored("FrmConfigLeft"), left);
    QCOMPARE(Stored("FrmConfigTop"), top);
}

void TestWindowServices::maximisedWindowStoresOnlyItsState() {
    QWidget* window = Window({200, 150});
    window->setWindowState(Qt::WindowMaximized);
    module_->SaveWindowPosition(window, true);
    QCOMPARE(Stored("FrmConfigState"), QStringLiteral("1"));
    QCOMPARE(Stored("FrmConfigLeft"), QStringLiteral("<none>"));
    QCOMPARE(Stored("FrmConfigWidth"), QStringLiteral("<none>"));
}

void TestWindowServices::restoresWhereItWasSaved() {
    module_->SaveWindowPosition(Window({210, 160}), false);
    QWidget* reopened = Window({0, 0});
    module_->RestoreWindowPosition(reopened, false);
    QCOMPARE(reopened->geometry().topLeft(), QPoint(210, 160));
    QCOMPARE(reopened->size(), QSize(370, 477));
}

void TestWindowServices::restoresDefaultsAndKeepsWindowsOnScreen_data() {
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

void TestWindowServices::restoresDefaultsAndKeepsWindowsOnScreen() {
    QFETCH(QByteArray, settings);
    QFETCH(QPoint, expected);
    QVERIFY(services_test::WriteBytes(folder_->SettingsPath(), "[WindowPositions]\n" + settings));
    QWidget* window = Window({5, 5});
    module_->RestoreWindowPosition(window, false);
    QCOMPARE(window->geometry().topLeft(), expected);
}

void TestWindowServices::restoresSizeAndState() {
    QVERIFY(services_test::WriteBytes(folder_->SettingsPath(),
                                      "[WindowPositions]\nFrmConfigWidth=300\n"
                                      "FrmConfigHeight=250\n"));
    QWidget* window = Window({5, 5});
    module_->RestoreWindowPosition(window, true);
    QCOMPARE(window->frameGeometry().size(), QSize(300, 250));
    QVERIFY(!window->isMaximized());

    QVERIFY(services_test::WriteBytes(folder_->SettingsPath(),
                                      "[WindowPositions]\nFrmConfigState=1\n"));
    window = Window({5, 5});
    module_->RestoreWindowPosition(window, true);
    QVERIFY(window->isMaximized());
}

void TestWindowServices::nothingHappensWithoutSavePosWin() {
    module_.reset(); // it would save its own settings over the file below
    QVERIFY(services_test::WriteBytes(folder_->SettingsPath(),
                                      "[GeneralSettings]\nSavePosWin=0\n"
                                      "[WindowPositions]\nFrmConfigLeft=300\nFrmConfigTop=300\n"));
    module_.emplace();
    QVERIFY(!module_->SavePosWin);
    QWidget* window = Window({5, 6});
    module_->RestoreWindowPosition(window, false);
    QCOMPARE(window->geometry().topLeft(), QPoint(5, 6));
    module_->SaveWindowPosition(window, true);
    QCOMPARE(Stored("FrmConfigLeft"), QStringLiteral("300"));
    QCOMPARE(Stored("FrmConfigState"), QStringLiteral("<none>"));
}

void TestWindowServices::opensUrlsOnTheDesktop() {
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

QTEST_MAIN(TestWindowServices)
#include "test_window_services.moc"
