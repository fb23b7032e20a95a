// The tip of the day: which tip comes next, how a tip is decoded, and the tips window — opened by
// the "Astuce" command, several at once, each stepping on its own, and its check box deciding the
// start-up setting however the window closes.

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

const QByteArray kThreeTips = "[Messages]\n"
                              "[Tips]\n"
                              "fr=a\n"
                              "en=x\n"
                              "fr=b\n"
                              "fr=c\n"
                              "[Languages]\n"
                              "fr=Later sections do not count\n";

QList<TipsDialog*> TipsWindows(const MainWindow& shell) {
    return shell.window->findChildren<TipsDialog*>();
}

QString TipShown(const TipsDialog* tips) {
    return tips->findChild<QPlainTextEdit*>(QStringLiteral("TipMemo"))->toPlainText();
}

QCheckBox* DisableTipsBox(const TipsDialog* tips) {
    return tips->findChild<QCheckBox*>(QStringLiteral("DisableTipsOnStartupCBox"));
}

void Press(const TipsDialog* tips, const char* button) {
    tips->findChild<QToolButton*>(QLatin1String(button))->click();
}

// Lets the windows that closed destroy themselves.
void DestroyClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestTips : public QObject {
    Q_OBJECT

private slots:
    void decodeTip_data() {
        QTest::addColumn<QString>("tip");
        QTest::addColumn<QString>("expected");
        QTest::newRow("line break") << "one#13#10two"
                                    << "one\ntwo";
        QTest::newRow("two line breaks") << "#13#10a#13#10"
                                         << "\na\n";
        QTest::newRow("half an escape stays") << "a#13#1b"
                                              << "a#13#1b";
        QTest::newRow("plain text") << "Candidat unique"
                                    << "Candidat unique";
    }

    void decodeTip() {
        QFETCH(QString, tip);
        QFETCH(QString, expected);
        QCOMPARE(app::DecodeTip(tip), expected);
    }

    void nextTipSequence_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("lastShown");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("finalLastShown");
        QTest::newRow("three tips from 0: b, c, a, b")
            << kThreeTips << "fr" << 0 << QStringList{"b", "c", "a", "b"} << 1;
        QTest::newRow("one tip every time")
            << QByteArray("[Tips]\nfr=seul\n") << "fr" << 0 << QStringList{"seul", "seul"} << 0;
        QTest::newRow("stored index beyond the end restarts at the first")
            << kThreeTips << "fr" << 57 << QStringList{"a", "b"} << 1;
        QTest::newRow("negative stored index from a hand-edited file")
            << kThreeTips << "fr" << -5 << QStringList{"a"} << 0;
        QTest::newRow("largest stored index does not overflow")
            << kThreeTips << "fr" << INT_MAX << QStringList{"a"} << 0;
        QTest::newRow("only the current language")
            << kThreeTips << "en" << 0 << QStringList{"x", "x"} << 0;
        QTest::newRow("tip on two lines") << QByteArray("[Tips]\r\nfr=a\r\nfr=haut#13#10bas\r\n")
                                          << "fr" << 0 << QStringList{"haut\nbas", "a"} << 0;
    }

    void nextTipSequence() {
        QFETCH(QByteArray, file);
        QFETCH(QString, language);
        QFETCH(int, lastShown);
        QFETCH(QStringList, expected);
        QFETCH(int, finalLastShown);
        MainWindow shell;
        QVERIFY(shell.WriteTranslations(file));
        shell.services->Store().Values().Language = language;
        shell.services->Store().Values().LastTipShown = lastShown;
        QStringList shown;
        for (qsizetype i = 0; i < expected.size(); ++i)
            shown << app::NextTip(shell.services->Translation(), shell.services->Store().Values());
        QCOMPARE(shown, expected);
        QCOMPARE(shell.services->Store().Values().LastTipShown, finalLastShown);
        QVERIFY(shell.services->Store().Values().ShowTipsOnStartup);
    }

    void openingShowsTheNextTip_data() {
        QTest::addColumn<bool>("showTipsOnStartup");
        QTest::newRow("tips on at start-up: opened at start, box unchecked") << true;
        QTest::newRow("tips off at start-up: not at start, box checked") << false;
    }

    void openingShowsTheNextTip() {
        QFETCH(bool, showTipsOnStartup);
        MainWindow shell;
        QVERIFY(shell.WriteTranslations(kThreeTips));
        shell.services->Store().Values().ShowTipsOnStartup = showTipsOnStartup;
        shell.window->FinishSetUp();
        QCOMPARE(TipsWindows(shell).size(), showTipsOnStartup ? 1 : 0);
        emit shell.window->tipsRequested();
        const QList<TipsDialog*> windows = TipsWindows(shell);
        QCOMPARE(windows.size(), showTipsOnStartup ? 2 : 1);
        TipsDialog* tips = windows.last();
        QVERIFY(tips->isVisible());
        QVERIFY(!tips->isModal());
        QCOMPARE(tips->objectName(), "TipsForm");
        QCOMPARE(tips->windowTitle(), "Astuce Tessarine");
        QCOMPARE(TipShown(tips), showTipsOnStartup ? "c" : "b");
        QCOMPARE(DisableTipsBox(tips)->isChecked(), !showTipsOnStartup);
        QCOMPARE(tips->findChild<QLabel*>(QStringLiteral("Label1"))->text(), "Astuces du jour");
    }

    void windowInTheCurrentLanguage() {
        MainWindow shell;
        QVERIFY(shell.WriteTranslations("[Messages]\n" + QByteArray("en=m\n").repeated(19) +
                                        "en=Tessarine tip\n"
                                        "[Tips]\n"
                                        "en=one\n"
                                        "[TipsForm]\n"
                                        "en_TLabel_Label1=Tip of the day\n"
                                        "en_TSpeedButton_SpeedNext=Next tip\n"
                                        "en_TCheckBox_DisableTipsOnStartupCBox=Do not show\n"));
        shell.services->Store().Values().Language = QStringLiteral("en");
        shell.services->Translation().LoadMessages();
        emit shell.window->tipsRequested();
        TipsDialog* tips = TipsWindows(shell).value(0);
        QVERIFY(tips != nullptr);
        QCOMPARE(tips->windowTitle(), QStringLiteral("Tessarine tip"));
        QCOMPARE(tips->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Tip of the day"));
        QCOMPARE(tips->findChild<QToolButton*>(QStringLiteral("SpeedNext"))->text(),
                 QStringLiteral("Next tip"));
        QCOMPARE(DisableTipsBox(tips)->text(), QStringLiteral("Do not show"));
        QCOMPARE(tips->findChild<QToolButton*>(QStringLiteral("CancelBtn"))->text(),
                 QStringLiteral("Fermer"));
    }

    void twoWindowsStepOnTheirOwn() {
        MainWindow shell;
        QVERIFY(shell.WriteTranslations(kThreeTips));
        emit shell.window->tipsRequested();
        emit shell.window->tipsRequested();
        const QList<TipsDialog*> windows = TipsWindows(shell);
        QCOMPARE(windows.size(), 2);
        QCOMPARE(TipShown(windows[0]), QStringLiteral("b"));
        QCOMPARE(TipShown(windows[1]), QStringLiteral("c"));
        Press(windows[0], "SpeedNext");
        QCOMPARE(TipShown(windows[0]), QStringLiteral("a"));
        QCOMPARE(TipShown(windows[1]), QStringLiteral("c"));
        QVERIFY(windows[0]->isVisible());
        QCOMPARE(shell.services->Store().Values().LastTipShown, 0);
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
            Press(tips, "CancelBtn");
        else
            QTest::keyClick(tips, Qt::Key_Escape);
        QCOMPARE(shell.services->Store().Values().ShowTipsOnStartup, !checked);
        DestroyClosedWindows();
        QVERIFY(tips.isNull());
    }

    void noTipOpensNoWindow() {
        MainWindow shell;
        QVERIFY(shell.WriteTranslations("[Tips]\nen=only in English\n"));
        shell.services->Store().Values().LastTipShown = 2;
        emit shell.window->tipsRequested();
        QVERIFY(TipsWindows(shell).isEmpty());
        QVERIFY(!shell.services->Store().Values().ShowTipsOnStartup);
        QCOMPARE(shell.services->Store().Values().LastTipShown, 2);
        QVERIFY(shell.errors.isEmpty());
    }

    void missingTranslationFileIsReported() {
        MainWindow shell;
        emit shell.window->tipsRequested();
        QVERIFY(TipsWindows(shell).isEmpty());
        QCOMPARE(shell.errors.size(), 1);
        QVERIFY(shell.errors.first().startsWith(QStringLiteral("Impossible d'ouvrir le fichier ")));
        QVERIFY(shell.errors.first().endsWith(QStringLiteral("/Translations.txt")));
        QVERIFY(shell.services->Store().Values().ShowTipsOnStartup);
    }
};

QTEST_MAIN(TestTips)
#include "test_tips.moc"
