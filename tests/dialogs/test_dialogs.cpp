// The tips, splash and about windows, and the new-version check against 127.0.0.1.

#include "app/main_window.h"
#include "app/main_window_tips_splash.h"
#include "app/services/ui/app_services.h"
#include "app/splash_window.h"
#include "app/tips_dialog.h"
#include "app/version_check.h"
#include "game/widgets/link_label.h"
#include "tests/app/services_test_support.h"
#include "tests/dialogs/local_site.h"
#include "tests/golden.h"
#include "tests/widgets/modal_answers.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QNetworkProxy>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QScreen>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <cerrno>
#include <climits>

using app::SplashWindow;
using app::TipsDialog;

namespace {

// A main window with the tips, about and version commands, over folders of its own (the
// program's empty); the errors it would show are collected.
struct Shell {
    services_test::TemporaryDataFolder data;
    QTemporaryDir programFolder;
    std::unique_ptr<services::AppServices> services = std::make_unique<services::AppServices>();
    std::unique_ptr<app::MainWindow> window;
    QStringList errors;

    Shell() {
        services->Translation().SetProgramFolder(ProgramFolder());
        window = std::make_unique<app::MainWindow>(*services);
        window->Dialogs().showError = [this](const QString& text) { errors << text; };
        app::ConnectTipsSplashAndVersion(*window, *services);
    }
    QString ProgramFolder() const { return programFolder.path() + u'/'; }
    services::Settings& Settings() const { return services->Store().Values(); }
    bool WriteTranslations(const QByteArray& text) const {
        return services_test::WriteBytes(ProgramFolder() + "Translations.txt", text);
    }
    bool WriteTimeSplash(const QByteArray& value) const {
        return services_test::WriteBytes(data.SettingsPath(),
                                         "[GeneralSettings]\nTimeSplash=" + value + "\n");
    }
    QList<TipsDialog*> Tips() const { return window->findChildren<TipsDialog*>(); }
};

QString TipShown(const TipsDialog* tips) {
    return tips->findChild<QPlainTextEdit*>("TipMemo")->toPlainText();
}

const QByteArray kThreeTips = "[Tips]\nfr=a\nen=x\nfr=b\nfr=c\n[Languages]\nfr=not a tip\n";

int TimerMs(const SplashWindow& splash) { // -1: off
    return splash.TimerSplash()->isActive() ? splash.TimerSplash()->interval() : -1;
}

// How the new-version check ends, and its server when it gives no status.
enum Outcome { kMessage, kUnreadable, kWriteFailed, kDownloadFailed, kCancelled };
enum Server { kRefused = -1, kNeverAnswers = 0 };
constexpr qint64 kSizeLimit = 64 * 1024;

QByteArray VersionText(const QByteArray& numero, const QByteArray& info1 = "Tessarine 1.01",
                       const QByteArray& info2 = "", const QByteArray& info3 = "Sur le site") {
    return "[version]\nnumero=" + numero + "\ndate=2007-05-01\n[info]\ninfo1=" + info1 +
           "\ninfo2=" + info2 + "\ninfo3=" + info3 + "\n";
}

// A version file padded with a remark line to exactly size bytes.
QByteArray VersionTextOfSize(qint64 size) {
    return VersionText("1.00") + QByteArray(size - VersionText("1.00").size() - 1, ';') + "\n";
}

} // namespace

class TestDialogs : public QObject {
    Q_OBJECT

    QStringList opened_; // the addresses handed to the desktop

public slots:
    void open(const QUrl& url) { opened_ << url.toString(); }

private slots:
    // The checks talk to 127.0.0.1 straight, whatever proxy the machine names; links are recorded.
    void initTestCase() {
        QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
        for (const char* scheme : {"mailto", "https"})
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    void init() {
        qputenv("TESSARINE_SITE_URL", "https://sudoku.example.net/tessarine");
        opened_.clear();
    }
    void cleanup() { qunsetenv("TESSARINE_SITE_URL"); }
    void cleanupTestCase() {
        for (const char* scheme : {"mailto", "https"})
            QDesktopServices::unsetUrlHandler(scheme);
    }

    // Each "Astuce" opens the next tip; none in the language: no window nor tips at start-up.
    void tipsCommand_data() {
        QTest::addColumn<QByteArray>("file"); // null: none
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("lastShown");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("finalLastShown");
        const QByteArray one("[Tips]\nfr=seul\n");
        QTest::newRow("from 0: b, c, a, b")
            << kThreeTips << "fr" << 0 << QStringList{"b", "c", "a", "b"} << 1;
        QTest::newRow("one tip every time") << one << "fr" << 0 << QStringList{"seul", "seul"} << 0;
        QTest::newRow("index beyond the end") << kThreeTips << "fr" << 57 << QStringList{"a"} << 0;
        QTest::newRow("negative index") << kThreeTips << "fr" << -5 << QStringList{"a"} << 0;
        QTest::newRow("largest index") << kThreeTips << "fr" << INT_MAX << QStringList{"a"} << 0;
        QTest::newRow("only the current language")
            << kThreeTips << "en" << 0 << QStringList{"x", "x"} << 0;
        QTest::newRow("line breaks")
            << QByteArray("[Tips]\r\nfr=a\r\nfr=#13#10haut#13#10bas#13#1\r\n") << "fr" << 0
            << QStringList{"\nhaut\nbas#13#1", "a"} << 0;
        QTest::newRow("no tip in the language") << one << "en" << 2 << QStringList() << 2;
        QTest::newRow("no translation file") << QByteArray() << "fr" << 2 << QStringList() << 2;
    }

    void tipsCommand() {
        QFETCH(QByteArray, file);
        QFETCH(QString, language);
        QFETCH(int, lastShown);
        QFETCH(QStringList, expected);
        QFETCH(int, finalLastShown);
        Shell shell;
        if (!file.isNull())
            QVERIFY(shell.WriteTranslations(file));
        shell.Settings().Language = language;
        shell.Settings().LastTipShown = lastShown;
        for (qsizetype i = 0; i < std::max<qsizetype>(expected.size(), 1); ++i)
            emit shell.window->tipsRequested();
        QStringList shown;
        for (const TipsDialog* tips : shell.Tips())
            shown << TipShown(tips);
        QCOMPARE(shown, expected);
        QCOMPARE(shell.Settings().LastTipShown, finalLastShown);
        QCOMPARE(shell.Settings().ShowTipsOnStartup, !expected.isEmpty() || file.isNull());
        QCOMPARE(shell.errors, file.isNull()
                                   ? QStringList{"Impossible d'ouvrir le fichier " +
                                                 shell.ProgramFolder() + "Translations.txt"}
                                   : QStringList());
    }

    // The window in the current language.
    void tipsWindowTexts() {
        Shell shell;
        QVERIFY(shell.WriteTranslations("[Messages]\n" + QByteArray("en=m\n").repeated(19) +
                                        "en=Tessarine tip\n[Tips]\nen=one\n[TipsForm]\n"
                                        "en_TLabel_Label1=Tip of the day\n"
                                        "en_TSpeedButton_SpeedNext=Next tip\n"
                                        "en_TCheckBox_DisableTipsOnStartupCBox=Do not show\n"));
        shell.Settings().Language = QStringLiteral("en");
        shell.services->Translation().LoadMessages();
        emit shell.window->tipsRequested();
        const TipsDialog* tips = shell.Tips().value(0);
        QVERIFY(tips != nullptr);
        QStringList texts{tips->windowTitle()};
        for (const char* name : {"Label1", "SpeedNext", "DisableTipsOnStartupCBox"})
            texts << tips->findChild<QWidget*>(name)->property("text").toString();
        QCOMPARE(texts,
                 (QStringList{"Tessarine tip", "Tip of the day", "Next tip", "Do not show"}));
    }

    // A window opens at start-up when tips are on, its box unchecked, one more on each "Astuce",
    // each stepping on its own; however one closes, its box decides the tips at start-up.
    void tipsWindows_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("checked");
        for (const char* how : {"title bar", "Fermer", "Escape"}) {
            QTest::addRow("%s, box checked", how) << QString::fromLatin1(how) << true;
            QTest::addRow("%s, box unchecked", how) << QString::fromLatin1(how) << false;
        }
    }

    void tipsWindows() {
        QFETCH(QString, how);
        QFETCH(bool, checked);
        Shell shell;
        QVERIFY(shell.WriteTranslations(kThreeTips));
        shell.Settings().ShowTipsOnStartup = checked;
        shell.window->FinishSetUp();
        QCOMPARE(shell.Tips().size(), checked ? 1 : 0);
        if (!checked)
            emit shell.window->tipsRequested();
        emit shell.window->tipsRequested();
        QPointer<TipsDialog> tips = shell.Tips().value(0);
        QVERIFY(tips->isVisible() && !tips->isModal());
        QVERIFY((tips->geometry().center() - tips->screen()->availableGeometry().center())
                    .manhattanLength() <= 4); // centred, give or take the frame
        auto* box = tips->findChild<QCheckBox*>("DisableTipsOnStartupCBox");
        QCOMPARE(box->isChecked(), !checked);
        tips->findChild<QToolButton*>("SpeedNext")->click();
        QCOMPARE(TipShown(tips) + TipShown(shell.Tips().value(1)), "ac");
        box->setChecked(checked);
        if (how == QLatin1String("title bar"))
            tips->close();
        else if (how == QLatin1String("Fermer"))
            tips->findChild<QToolButton*>("CancelBtn")->click();
        else
            QTest::keyClick(tips, Qt::Key_Escape);
        QCOMPARE(shell.Settings().ShowTipsOnStartup, !checked);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(tips.isNull());
    }

    // The display time (seconds below 1000, else milliseconds), the picture and the window's size.
    void splashTimeAndPicture_data() {
        QTest::addColumn<QByteArray>("timeSplash"); // null: no settings file
        QTest::addColumn<QByteArray>("picture");    // null: none
        QTest::addColumn<int>("expectedMs");
        QTest::addColumn<QSize>("expectedSize");
        const QSize designed(523, 297);
        const QByteArray shipped = services_test::ReadBytes(QCoreApplication::applicationDirPath() +
                                                            "/SplashTessarine.bmp");
        QByteArray small;
        QBuffer buffer(&small);
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(&buffer, "BMP"));
        QTest::newRow("0, shipped picture") << QByteArray("0") << shipped << -1 << designed;
        QTest::newRow("999, another size")
            << QByteArray("999") << small << 999000 << QSize(200, 100);
        QTest::newRow("1000, missing picture")
            << QByteArray("1000") << QByteArray() << 1000 << designed;
        QTest::newRow("0x3, not a picture")
            << QByteArray("0x3") << QByteArray("BM junk") << 3000 << designed;
        QTest::newRow("not a number") << QByteArray("deux") << QByteArray() << 1000 << designed;
        QTest::newRow("negative") << QByteArray("-4") << QByteArray() << 1000 << designed;
        QTest::newRow("no settings file") << QByteArray() << QByteArray() << 1000 << designed;
    }

    void splashTimeAndPicture() {
        QFETCH(QByteArray, timeSplash);
        QFETCH(QByteArray, picture);
        QFETCH(int, expectedMs);
        QFETCH(QSize, expectedSize);
        Shell shell;
        if (!timeSplash.isNull())
            QVERIFY(shell.WriteTimeSplash(timeSplash));
        if (!picture.isNull())
            QVERIFY(
                services_test::WriteBytes(shell.ProgramFolder() + app::kSplashFileName, picture));
        SplashWindow splash(*shell.services);
        QCOMPARE(splash.size(), expectedSize);
        QVERIFY((splash.geometry().center() - splash.screen()->availableGeometry().center())
                    .manhattanLength() <= 4);
        QCOMPARE(splash.PictureProblem().contains(app::kSplashFileName),
                 QImage::fromData(picture).isNull());
        QCOMPARE(TimerMs(splash), expectedMs);
        const QImage shown = splash.grab().toImage(), file = QImage::fromData(picture);
        QCOMPARE(shown.pixelColor(190, 5),
                 file.isNull() ? QColor(Qt::white) : file.pixelColor(190, 5));
    }

    // Every label's text, type and place, wide enough, transparent; a link after its title.
    void splashTexts() {
        Shell shell;
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
            const QLabel* titleLabel = splash.findChild<QLabel*>(title);
            const int titleEnd = titleLabel->x() + titleLabel->fontMetrics().horizontalAdvance(
                                                       titleLabel->text().trimmed() + u' ');
            QVERIFY(splash.findChild<QWidget*>(name)->x() >= std::max(72, titleEnd));
        }
    }

    // The about window waits for a character, a click on the picture or its close box.
    void aboutClosing_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result"); // -1: stays open
        QTest::newRow("time is up") << "timer" << int(QDialog::Rejected);
        QTest::newRow("character key") << "key a" << int(QDialog::Rejected);
        QTest::newRow("shift alone is no character") << "key shift" << -1;
        QTest::newRow("left release on the picture") << "left picture" << 3;
        QTest::newRow("right release on the picture") << "right picture" << 3;
        QTest::newRow("release on a label") << "InfoLbl2" << -1;
        QTest::newRow("close box") << "close" << int(QDialog::Rejected);
        QTest::newRow("links open and keep the window") << "LblEmail LblSite" << -1;
    }

    void aboutClosing() {
        QFETCH(QString, how);
        QFETCH(int, result);
        Shell shell;
        QVERIFY(shell.WriteTimeSplash("1"));
        int closed = -2;
        ModalAnswers answers;
        answers.Queue([&](QDialog& modal) {
            auto* splash = qobject_cast<SplashWindow*>(&modal);
            QVERIFY(splash != nullptr && TimerMs(*splash) == -1);
            splash->show();
            QVERIFY(QTest::qWaitForWindowExposed(splash));
            if (how == QLatin1String("timer"))
                QMetaObject::invokeMethod(splash->TimerSplash(), "timeout");
            else if (how.startsWith(QLatin1String("key")))
                QTest::keyClick(splash, how.endsWith(u'a') ? Qt::Key_A : Qt::Key_Shift);
            else if (how.endsWith(QLatin1String("picture")))
                QTest::mouseClick(splash, how.startsWith(u'l') ? Qt::LeftButton : Qt::RightButton,
                                  {}, {200, 100});
            else if (how == QLatin1String("close"))
                splash->close();
            else // labels
                for (const QString& label : how.split(u' '))
                    QTest::mouseClick(splash->findChild<QWidget*>(label), Qt::LeftButton);
            closed = splash->isVisible() ? -1 : splash->result();
        });
        emit shell.window->aboutRequested();
        QVERIFY(answers.AllAnswered());
        QCOMPARE(closed, result);
        QCOMPARE(opened_.join(u' '),
                 how.startsWith(QLatin1String("LblEmail"))
                     ? "mailto:contact@tessarine.example.org https://sudoku.example.net/tessarine/"
                     : "");
        // The picture is missing from the empty program folder.
        QVERIFY(shell.errors.size() == 1 && shell.errors[0].contains(app::kSplashFileName));
        QVERIFY(shell.window->findChildren<SplashWindow*>().isEmpty());
    }

    // At start-up the missing picture is reported first; the display time starts after.
    void startupSplash() {
        Shell shell;
        QVERIFY(shell.WriteTimeSplash("4"));
        QStringList seen;
        ModalAnswers answers;
        const auto answer = [&seen](QDialog& modal) {
            auto* splash = qobject_cast<SplashWindow*>(&modal);
            seen << (splash ? QString::number(TimerMs(*splash))
                            : modal.property("text").toString());
            modal.accept();
        };
        answers.Queue(answer);
        answers.Queue(answer);
        app::ShowStartupSplash(*shell.services);
        QVERIFY(answers.AllAnswered() && seen.size() == 2);
        QVERIFY(seen[0].contains(app::kSplashFileName));
        QCOMPARE(seen[1], "4000");
    }

    // The progress window (left to run, or cancelled), then the message box or the error.
    void versionCheck_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("declareLength");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("expectedMessage"); // the box's text, for kMessage
        const auto row = [](const char* name, int status, const QByteArray& body, Outcome outcome,
                            const QString& message = {}, bool declareLength = true) {
            QTest::newRow(name) << status << body << declareLength << int(outcome) << message;
        };
        row("equal version", 200, VersionText("1.00"), kMessage, "Votre version est à jour");
        row("different version, empty middle line", 200,
            VersionText("1.01", "Nouvelle version", "", "Voir le site"), kMessage,
            "Nouvelle version\n\nVoir le site");
        row("names in any case", 200, "[VERSION]\nNumero = 2.00\n[Info]\nINFO1=un\ninfo3=trois\n",
            kMessage, "un\n\ntrois");
        row("keys in the wrong section", 200, "[info]\nnumero=1.01\n[version]\ninfo1=x\n",
            kUnreadable);
        row("1.0 against 1.00", 200, VersionText("1.0", "a", "b", "c"), kMessage, "a\nb\nc");
        row("an older number is news too, info lines shown as they are", 200,
            VersionText("0.99", "<b>a</b>", "", "&amp;"), kMessage, "<b>a</b>\n\n&amp;");
        row("garbage", 200, QByteArrayLiteral("\x00\xff=\x01[\n;;"), kUnreadable);
        row("another number without any info line", 200, VersionText("1.01", "", "", ""),
            kUnreadable);
        row("data folder gone", 200, VersionText("1.01"), kWriteFailed);
        row("not found (404)", 404, "<h1>Not Found</h1>", kDownloadFailed);
        row("refused connection", kRefused, {}, kDownloadFailed);
        row("server that never answers", kNeverAnswers, {}, kDownloadFailed);
        row("cancelled while the server is silent", kNeverAnswers, {}, kCancelled);
        row("largest file accepted, 64 KiB", 200, VersionTextOfSize(kSizeLimit), kMessage,
            "Votre version est à jour");
        row("huge file, declared length", 200, VersionTextOfSize(1024 * 1024), kDownloadFailed);
        row("one byte too many, no declared length", 200, VersionTextOfSize(kSizeLimit + 1),
            kDownloadFailed, {}, false);
    }

    void versionCheck() {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, declareLength);
        QFETCH(int, outcome);
        QFETCH(QString, expectedMessage);

        dialogs_test::LocalSite site;
        site.response = status > 0 ? dialogs_test::HttpResponse(status, body, declareLength) : "";
        if (status == kRefused)
            site.Close();
        qputenv("TESSARINE_SITE_URL", site.Address().toUtf8());
        Shell shell;
        if (outcome == kWriteFailed)
            QVERIFY(QDir(shell.data.Path()).removeRecursively());
        const QString localPath = shell.services->Store().DataFolder() + "version.txt";
        if (outcome != kWriteFailed) // a copy from an earlier check
            QVERIFY(services_test::WriteBytes(localPath, VersionText("0.50")));
        app::DownloadLimits limits;
        if (status == kNeverAnswers && outcome != kCancelled)
            limits.time = std::chrono::milliseconds(200);

        QStringList shown;
        ModalAnswers answers;
        answers.Queue([&](QDialog& progress) {
            QVERIFY(qobject_cast<QProgressDialog*>(&progress) != nullptr);
            QCOMPARE(shell.window->cursor().shape(), Qt::WaitCursor);
            if (outcome == kCancelled)
                site.onRequest = [&progress] { ModalAnswers::PressButton(progress, "Annuler"); };
            progress.exec();
        });
        answers.Queue([&shown](QDialog& modal) {
            auto* box = qobject_cast<QMessageBox*>(&modal);
            QVERIFY(box != nullptr && box->textFormat() == Qt::PlainText);
            shown << "box: " + box->text();
            box->accept();
        });
        app::CheckNewVersion(*shell.window, *shell.services, limits);

        const QString url = site.Address() + "version.txt";
        const QString expected = QStringList{
            "box: " + expectedMessage,
            "Les informations de version reçues de " + url + " sont illisibles.",
            "Impossible d'écrire le fichier " + localPath + " : " + qt_error_string(ENOENT),
            "Erreur de téléchargement de l'URL : " + url, QString()}[outcome];
        QCOMPARE(shown + shell.errors, expected.isNull() ? QStringList() : QStringList{expected});
        QCOMPARE(shell.window->cursor().shape(), Qt::ArrowCursor);
        // What arrived whole stays at the local name; after anything else nothing is there.
        QCOMPARE(QFile::exists(localPath) ? services_test::ReadBytes(localPath) : "none",
                 outcome == kMessage || outcome == kUnreadable ? body : "none");
        if (status != kRefused)
            QCOMPARE(site.requests.value(0), QByteArray("GET /version.txt HTTP/1.1"));
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
