// The tip of the day: which tip comes next, and the tips window — opened at start-up or by the
// "Astuce" command, several at once each stepping on its own, its check box deciding the start-up
// setting however the window closes.

#include "app/core/tips.h"
#include "app/tips_dialog.h"
#include "tests/dialogs/dialogs_test_support.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>

#include <climits>

using app::TipsDialog;
using dialogs_test::MainWindow;

namespace {

const QByteArray kThreeTips = "[Tips]\nfr=a\nen=x\nfr=b\nfr=c\n[Languages]\nfr=not a tip\n";

QList<TipsDialog*> TipsWindows(const MainWindow& shell) {
    return shell.window->findChildren<TipsDialog*>();
}

QString TipShown(const TipsDialog* tips) {
    return tips->findChild<QPlainTextEdit*>(QStringLiteral("TipMemo"))->toPlainText();
}

QCheckBox* DisableTipsBox(const TipsDialog* tips) {
    return tips->findChild<QCheckBox*>(QStringLiteral("DisableTipsOnStartupCBox"));
}

QToolButton* Button(const TipsDialog* tips, const char* name) {
    return tips->findChild<QToolButton*>(QLatin1String(name));
}

} // namespace

class TestTips : public QObject {
    Q_OBJECT

private slots:
    void nextTip_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("lastShown");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("finalLastShown");
        QTest::newRow("from 0: b, c, a, b")
            << kThreeTips << "fr" << 0 << QStringList{"b", "c", "a", "b"} << 1;
        QTest::newRow("one tip every time")
            << QByteArray("[Tips]\nfr=seul\n") << "fr" << 0 << QStringList{"seul", "seul"} << 0;
        QTest::newRow("index beyond the end") << kThreeTips << "fr" << 57 << QStringList{"a"} << 0;
        QTest::newRow("negative index") << kThreeTips << "fr" << -5 << QStringList{"a"} << 0;
        QTest::newRow("largest index") << kThreeTips << "fr" << INT_MAX << QStringList{"a"} << 0;
        QTest::newRow("only the current language")
            << kThreeTips << "en" << 0 << QStringList{"x", "x"} << 0;
        QTest::newRow("line breaks")
            << QByteArray("[Tips]\r\nfr=a\r\nfr=#13#10haut#13#10bas#13#1\r\n") << "fr" << 0
            << QStringList{"\nhaut\nbas#13#1", "a"} << 0;
    }

    void nextTip() {
        QFETCH(QByteArray, file);
        QFETCH(QString, language);
        QFETCH(int, lastShown);
        QFETCH(QStringList, expected);
        QFETCH(int, finalLastShown);
        MainWindow shell;
        QVERIFY(shell.WriteTranslations(file));
        services::Settings& settings = shell.services->Store().Values();
        settings.Language = language;
        settings.LastTipShown = lastShown;
        QStringList shown;
        for (qsizetype i = 0; i < expected.size(); ++i)
            shown << app::NextTip(shell.services->Translation(), settings);
        QCOMPARE(shown, expected);
        QCOMPARE(settings.LastTipShown, finalLastShown);
        QVERIFY(settings.ShowTipsOnStartup);
    }

    void windowsOpenWithTheNextTipAndStepOnTheirOwn_data() {
        QTest::addColumn<bool>("showTipsOnStartup");
        QTest::newRow("tips at start-up: one opens, box unchecked") << true;
        QTest::newRow("no tips at start-up: none opens, box checked") << false;
    }

    void windowsOpenWithTheNextTipAndStepOnTheirOwn() {
        QFETCH(bool, showTipsOnStartup);
        MainWindow shell;
        QVERIFY(shell.WriteTranslations(kThreeTips));
        shell.services->Store().Values().ShowTipsOnStartup = showTipsOnStartup;
        shell.window->FinishSetUp();
        QCOMPARE(TipsWindows(shell).size(), showTipsOnStartup ? 1 : 0);
        emit shell.window->tipsRequested();
        emit shell.window->tipsRequested();
        const QList<TipsDialog*> windows = TipsWindows(shell);
        QStringList shown;
        for (const TipsDialog* tips : windows) {
            QVERIFY(tips->isVisible() && !tips->isModal());
            QCOMPARE(DisableTipsBox(tips)->isChecked(), !showTipsOnStartup);
            shown << TipShown(tips);
        }
        QCOMPARE(shown.join(u' '), showTipsOnStartup ? "b c a" : "b c");
        Button(windows[0], "SpeedNext")->click();
        QCOMPARE(TipShown(windows[0]), showTipsOnStartup ? "b" : "a");
        QCOMPARE(TipShown(windows[1]), "c");
        QCOMPARE(windows[0]->windowTitle(), "Astuce Tessarine");
        QCOMPARE(windows[0]->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 "Astuces du jour");
    }

    void windowInTheCurrentLanguage() {
        MainWindow shell;
        QVERIFY(shell.WriteTranslations("[Messages]\n" + QByteArray("en=m\n").repeated(19) +
                                        "en=Tessarine tip\n[Tips]\nen=one\n[TipsForm]\n"
                                        "en_TLabel_Label1=Tip of the day\n"
                                        "en_TSpeedButton_SpeedNext=Next tip\n"
                                        "en_TCheckBox_DisableTipsOnStartupCBox=Do not show\n"));
        shell.services->Store().Values().Language = QStringLiteral("en");
        shell.services->Translation().LoadMessages();
        emit shell.window->tipsRequested();
        const TipsDialog* tips = TipsWindows(shell).value(0);
        QVERIFY(tips != nullptr);
        QCOMPARE(
            (QStringList{tips->windowTitle(), tips->findChild<QLabel*>("Label1")->text(),
                         Button(tips, "SpeedNext")->text(), DisableTipsBox(tips)->text(),
                         Button(tips, "CancelBtn")->text()}),
            (QStringList{"Tessarine tip", "Tip of the day", "Next tip", "Do not show", "Fermer"}));
    }

    void closingDecidesTipsOnStartup_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("checked");
        for (const char* how : {"title bar", "Fermer", "Escape"}) {
            QTest::addRow("%s, box checked", how) << QString::fromLatin1(how) << true;
            QTest::addRow("%s, box unchecked", how) << QString::fromLatin1(how) << false;
        }
    }

    void closingDecidesTipsOnStartup() {
        QFETCH(QString, how);
        QFETCH(bool, checked);
        MainWindow shell;
        QVERIFY(shell.WriteTranslations(kThreeTips));
        shell.services->Store().Values().ShowTipsOnStartup = checked;
        emit shell.window->tipsRequested();
        QPointer<TipsDialog> tips = TipsWindows(shell).value(0);
        QVERIFY(tips != nullptr);
        DisableTipsBox(tips)->setChecked(checked);
        if (how == QLatin1String("title bar"))
            tips->close();
        else if (how == QLatin1String("Fermer"))
            Button(tips, "CancelBtn")->click();
        else
            QTest::keyClick(tips, Qt::Key_Escape);
        QCOMPARE(shell.services->Store().Values().ShowTipsOnStartup, !checked);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(tips.isNull());
    }

    // No tip in the language: no window, and no more tips at start-up. No file: an error.
    void noTipOpensNoWindow_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("no tip in the language") << QByteArray("[Tips]\nen=only in English\n");
        QTest::newRow("no translation file") << QByteArray();
    }

    void noTipOpensNoWindow() {
        QFETCH(QByteArray, file);
        MainWindow shell;
        if (!file.isNull())
            QVERIFY(shell.WriteTranslations(file));
        shell.services->Store().Values().LastTipShown = 2;
        emit shell.window->tipsRequested();
        QVERIFY(TipsWindows(shell).isEmpty());
        QCOMPARE(shell.services->Store().Values().ShowTipsOnStartup, file.isNull());
        QCOMPARE(shell.services->Store().Values().LastTipShown, 2);
        QCOMPARE(shell.errors, file.isNull()
                                   ? QStringList{"Impossible d'ouvrir le fichier " +
                                                 shell.ProgramFolder() + "Translations.txt"}
                                   : QStringList());
    }
};

QTEST_MAIN(TestTips)
#include "test_tips.moc"
