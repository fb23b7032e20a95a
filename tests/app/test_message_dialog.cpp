#include "app/services/ui/message_dialog.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace services;

namespace {

// Runs act on the message box as soon as it is shown (exec() is running its own event loop).
void WhenShown(const std::function<void(QMessageBox*)>& act) {
    QTimer::singleShot(0, [act] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            act(box);
        else
            WhenShown(act);
    });
}

QAbstractButton* ButtonCaptioned(QMessageBox* box, const QString& caption) {
    for (QAbstractButton* button : box->buttons())
        if (button->text() == caption)
            return button;
    return nullptr;
}

struct Seen {
    QString title;
    QString text;
    QStringList captions;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Shows the dialog, records what it shows, then presses the button with the given caption.
int ShowAndPress(const QString& caption, Seen& seen, const QStringList& messages,
                 const QString& text, MessageKind kind, MessageButtons buttons,
                 const QString& a1 = {}) {
    WhenShown([&](QMessageBox* box) {
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            seen.captions.append(button->text());
        seen.captions.sort();
        if (QAbstractButton* button = ButtonCaptioned(box, caption))
            button->click();
        else
            box->reject();
    });
    return MessageDialog(messages, text, a1, {}, 18, kind, buttons);
}

const MessageButtons kAllButtons = ButtonYes | ButtonNo | ButtonOk | ButtonCancel | ButtonAbort |
                                   ButtonRetry | ButtonIgnore | ButtonAll | ButtonNoToAll |
                                   ButtonYesToAll | ButtonHelp;

} // namespace

class TestMessageDialog : public QObject {
    Q_OBJECT

private slots:
    void yesNoQuestionShowsMessageCaptions() {
        Seen seen;
        QCOMPARE(ShowAndPress("&Oui", seen, {}, "Voulez-vous vraiment quitter ?",
                              MessageKind::Confirmation, ButtonYes | ButtonNo),
                 6);
        QCOMPARE(seen.captions, (QStringList{"&Non", "&Oui"}));
        QCOMPARE(seen.text, QStringLiteral("Voulez-vous vraiment quitter ?"));
    }

    void everyButtonAnswersItsNumber_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("result");
        QTest::newRow("Help") << "A&ide" << 0;
        QTest::newRow("OK") << "O&k" << 1;
        QTest::newRow("Cancel") << "&Annuler" << 2;
        QTest::newRow("Abort") << "A&bandonner" << 3;
        QTest::newRow("Retry") << "R&épéter" << 4;
        QTest::newRow("Ignore") << "I&gnorer" << 5;
        QTest::newRow("Yes") << "&Oui" << 6;
        QTest::newRow("No") << "&Non" << 7;
        QTest::newRow("All") << "&Tout" << 8;
        QTest::newRow("No to all") << "&Non à to&us" << 9;
        QTest::newRow("Yes to all") << "&Oui à tou&s" << 10;
    }

    void everyButtonAnswersItsNumber() {
        QFETCH(QString, caption);
        QFETCH(int, result);
        Seen seen;
        QCOMPARE(ShowAndPress(caption, seen, {}, "Texte", MessageKind::Custom, kAllButtons),
                 result);
        QStringList expected = {"&Oui",         "&Non",         "O&k",      "&Annuler",
                                "A&bandonner",  "R&épéter",     "I&gnorer", "&Tout",
                                "&Non à to&us", "&Oui à tou&s", "A&ide"};
        expected.sort();
        QCOMPARE(seen.captions, expected);
    }

    void titlesFollowTheKind_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("icon");
        QTest::newRow("warning") << int(MessageKind::Warning) << "Avertissement"
                                 << int(QMessageBox::Warning);
        QTest::newRow("error") << int(MessageKind::Error) << "Erreur" << int(QMessageBox::Critical);
        QTest::newRow("information")
            << int(MessageKind::Information) << "Information" << int(QMessageBox::Information);
        QTest::newRow("confirmation")
            << int(MessageKind::Confirmation) << "Confirmation" << int(QMessageBox::Question);
        QTest::newRow("custom") << int(MessageKind::Custom) << "Tessarine"
                                << int(QMessageBox::NoIcon);
    }

    void titlesFollowTheKind() {
        QFETCH(int, kind);
        QFETCH(QString, title);
        QFETCH(int, icon);
        Seen seen;
        QCOMPARE(ShowAndPress("O&k", seen, {}, "Texte", MessageKind(kind), ButtonOk), 1);
        QCOMPARE(seen.title, title);
        QCOMPARE(int(seen.icon), icon);
    }

    void translatedMessagesReplaceTheDefaults() {
        QStringList english = {"&Yes",        "&No",         "&OK",
                               "&Cancel",     "&Abort",      "&Retry",
                               "&Ignore",     "&All",        "N&o to all",
                               "Yes to &all", "&Help",       "Warning",
                               "Error",       "Information", "Confirmation",
                               "Tessarine",   "(unused)",    "Do you want to quit %s?"};
        Seen seen;
        QCOMPARE(ShowAndPress("&No", seen, english, "Voulez-vous vraiment quitter ?",
                              MessageKind::Information, ButtonYes | ButtonNo, "Tessarine"),
                 7);
        QCOMPARE(seen.captions, (QStringList{"&No", "&Yes"}));
        QCOMPARE(seen.title, QStringLiteral("Information"));
        QCOMPARE(seen.text, QStringLiteral("Do you want to quit Tessarine?"));

        Seen error;
        ShowAndPress("&OK", error, english, "", MessageKind::Error, ButtonOk);
        QCOMPARE(error.title, QStringLiteral("Error"));
    }

    void escapeAnswersNo() {
        WhenShown([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(MessageDialog({}, "Question", {}, {}, 18, MessageKind::Confirmation,
                               ButtonYes | ButtonNo),
                 int(ResultNo));
        WhenShown([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(MessageDialog({}, "Question", {}, {}, 18, MessageKind::Confirmation,
                               ButtonYes | ButtonNo | ButtonCancel),
                 int(ResultCancel));
    }
};

QTEST_MAIN(TestMessageDialog)
#include "test_message_dialog.moc"
