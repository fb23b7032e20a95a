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

using app::SplashWindow;
using app::TipsDialog;

namespace {

// A main window with tips, about and version, over folders of its own; errors collected.
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

QByteArray VersionText(const QByteArray& numero) {
    return "[version]\nnumero=" + numero +
           "\ndate=2007-05-01\n[info]\ninfo1=Tessarine 1.01\ninfo2=\ninfo3=Sur le site\n";
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

    // Each "Astuce" opens the next tip (columns: file, "-" none; language; tips shown before,
    // after).
    void tipsCommand_data() {
        services_test::AddRowsFrom("dialogs/tips_command.tsv",
                                   {"file", "language", "lastShown", "expected", "finalLastShown"});
    }

    void tipsCommand() {
        QFETCH(QString, file);
        QFETCH(QString, language);
        QFETCH(QString, lastShown);
        QFETCH(QString, expected);
        QFETCH(QString, finalLastShown);
        Shell shell;
        if (file != u"-")
            QVERIFY(shell.WriteTranslations(file.toUtf8()));
        shell.Settings().Language = language;
        shell.Settings().LastTipShown = lastShown.toInt();
        const QStringList tips = expected.split(u'|', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < std::max<qsizetype>(tips.size(), 1); ++i)
            emit shell.window->tipsRequested();
        QStringList shown;
        for (const TipsDialog* dialog : shell.Tips())
            shown << TipShown(dialog);
        QCOMPARE(shown, tips);
        QCOMPARE(shell.Settings().LastTipShown, finalLastShown.toInt());
        QCOMPARE(shell.Settings().ShowTipsOnStartup, !tips.isEmpty() || file == u"-");
        QCOMPARE(shell.errors, file == u"-"
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

    // Tips at start-up, one more window per "Astuce"; however one closes, its box decides.
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
    void aboutClosing_data() { // how, and the result (-1: stays open)
        services_test::AddRowsFrom("dialogs/about_closing.tsv", {"how", "result"});
    }

    void aboutClosing() {
        QFETCH(QString, how);
        QFETCH(QString, result);
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
        QCOMPARE(closed, result.toInt());
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

    // Progress window, then box or error (columns: status, refused/silent; body, %-encoded; ...).
    void versionCheck_data() {
        services_test::AddRowsFrom("dialogs/version_check.tsv",
                                   {"statusText", "bodyText", "outcomeText", "expectedMessage"});
        const auto sized = [](qint64 size) { return QString::fromLatin1(VersionTextOfSize(size)); };
        QTest::newRow("largest file accepted, 64 KiB") << "200" << sized(kSizeLimit) << "message"
                                                       << "Votre version est à jour";
        QTest::newRow("huge file, declared length")
            << "200" << sized(1024 * 1024) << "download failed" << QString();
        QTest::newRow("one byte too many, no declared length")
            << "200 without length" << sized(kSizeLimit + 1) << "download failed" << QString();
    }

    void versionCheck() {
        QFETCH(QString, statusText);
        QFETCH(QString, bodyText);
        QFETCH(QString, outcomeText);
        QFETCH(QString, expectedMessage);
        const int status = statusText == u"refused" ? kRefused : statusText.left(3).toInt();
        const bool declareLength = !statusText.endsWith(u"length");
        const QByteArray body = QByteArray::fromPercentEncoding(bodyText.toLatin1());
        const int outcome =
            QStringList{"message", "unreadable", "write failed", "download failed", "cancelled"}
                .indexOf(outcomeText);

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
