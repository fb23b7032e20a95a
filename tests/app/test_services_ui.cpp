// The services' windows: recent files, placement, messages, translation and the language menu.

#include "app/frame_services_adapter.h"
#include "app/services/ui/app_services.h"
#include "app/services/ui/kind_token.h"
#include "app/services/ui/language_menu.h"
#include "app/services/ui/message_dialog.h"
#include "app/services/ui/window_translation.h"
#include "game/widgets/grid_frame.h"

#include "tests/app/services_test_support.h"
#include "tests/widgets/modal_answers.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>

#include <optional>

using namespace services;
using services_test::WriteBytes;

// A window nested in the translated one: found under its own class name.
class TInnerForm : public QDialog {
    Q_OBJECT
public:
    TInnerForm(const QString& title, QWidget* parent) : QDialog(parent) { setWindowTitle(title); }
};

namespace {

template <class T>
T* Make(QWidget* parent, const char* name, const char* text, const char* kind = "") {
    auto* made = new T(QString::fromUtf8(text), parent);
    made->setObjectName(QLatin1String(name));
    if (*kind)
        made->setProperty(kKindTokenProperty, QLatin1String(kind));
    return made;
}

// A configuration window with one component of each kind, showing its French layout text.
std::unique_ptr<QWidget> ConfigWindow() {
    auto window = std::make_unique<QWidget>();
    QWidget* w = window.get();
    w->setObjectName("FrmConfig");
    Make<QCheckBox>(w, "CbQuitConfirm", "Confirmer la fermeture");
    Make<QLabel>(w, "LbChiffre", "Chiffres :");
    Make<QLabel>(w, "LbAide", "Aide :")->setToolTip("aide d'origine");
    Make<QLabel>(Make<QGroupBox>(w, "GBCouleur", "Couleurs"), "LbDevoile", "Dévoilés :");
    Make<QPushButton>(w, "X", "Bouton");
    Make<QPushButton>(w, "BtOk", "OK", "TBitBtn");
    Make<QLabel>(w, "Panel1", "Panneau", "TPanel");
    Make<QRadioButton>(w, "RbMode", "Mode");
    Make<QPushButton>(w, "SpeedNext", "Astuce suivante", "TSpeedButton");
    auto* tabs = new QTabWidget(w);
    tabs->setObjectName("PageControl1");
    tabs->addTab(new QWidget, "Poser");
    tabs->widget(0)->setObjectName("TabSheetPose");
    Make<QAction>(w, "ActionNouveau", "&Nouveau");
    Make<QMenu>(w, "Menu_Fichier", "&Fichier")
        ->addAction("Barre d'outils")
        ->setObjectName("Menu_BarreOutils");
    Make<QLabel>(Make<TInnerForm>(w, "InnerForm", "Intérieur"), "LbInner", "Dedans");
    return window;
}

// What a player reads on a component, and its hint.
std::pair<QString, QString> Shown(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (const QTabWidget* tabs = widget ? TabWidgetOfPage(widget) : nullptr) {
        const int index = tabs->indexOf(const_cast<QWidget*>(widget));
        return {tabs->tabText(index), tabs->tabToolTip(index)};
    }
    if (const auto* menu = qobject_cast<const QMenu*>(object))
        return {menu->title(), menu->menuAction()->statusTip()};
    const char* text = qobject_cast<const QGroupBox*>(object) ? "title"
                       : widget && widget->isWindow()         ? "windowTitle"
                                                              : "text";
    return {object->property(text).toString(),
            object->property(widget ? "toolTip" : "statusTip").toString()};
}

// One line per named component that shows something: name, kind token, text, hint (¶: a break).
QByteArray Report(const QWidget* window) {
    QByteArray report;
    for (const QObject* object : window->findChildren<QObject*>()) {
        const auto [text, hint] = Shown(object);
        if (object->objectName().isEmpty() || object->objectName().startsWith("qt_") ||
            text + hint == "")
            continue;
        report += QStringList{object->objectName(), KindToken(object), text, hint}
                      .join(u'\t')
                      .replace(u'\n', u'¶')
                      .toUtf8() +
                  '\n';
    }
    return report;
}

QString MenuText(const QMenu& menu) {
    QStringList entries;
    for (const QAction* entry : menu.actions())
        entries << entry->objectName() + u'=' + entry->text() + (entry->isChecked() ? "*" : "");
    return entries.join(u' ');
}

} // namespace

class TestServicesUi : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder_.emplace();
        services_.emplace();
        services_->Translation().SetProgramFolder(folder_->Path());
    }
    void cleanup() {
        services_.reset();
        folder_.reset();
    }

    // Most recent first, ten at most; a known file moves up, a missing one does not; entries open.
    void recentFilesMenu() {
        const auto grid = [this](const QString& name) {
            WriteBytes(folder_->Path() + name, {});
            return folder_->Path() + name;
        };
        RecentFiles& list = services_->Recent();
        list.LoadFrom(IniFile::Parse(QStringLiteral("[RecentFiles]\nFile3=%1\nzzz=%2\nFile1=%3\n")
                                         .arg(grid("a & b.xml"), grid("c.xml"), "/gone.xml")));
        QMenu menu;
        QStringList opened;
        services_->RecentMenu().Show(&menu, [&opened](const QString& path) { opened << path; });
        QStringList report{MenuText(menu)};
        for (const QString name : {"GRILLE.XML", "grille.xml", "c.xml", "absent.xml", ""}) {
            list.Add(name == "absent.xml" ? folder_->Path() + name : grid(name));
            report << MenuText(menu);
        }
        menu.actions().at(1)->trigger();
        QVERIFY(QFile::remove(list.At(3)));
        list.Add(list.At(3)); // listed, but gone: not moved
        for (int i = 1; i <= 9; ++i)
            list.Add(grid(QStringLiteral("g%1.xml").arg(i)));
        report << MenuText(menu);
        menu.actions().at(9)->trigger();
        QCOMPARE(list.Count(), kMaxRecentFiles);
        QCOMPARE(QFileInfo(opened.value(0)).fileName(), "grille.xml");
        QCOMPARE(QFileInfo(opened.value(1)).fileName(), "c.xml");
        QCOMPARE_GOLDEN(report.join(u'\n').toUtf8(), "app/recent_files_menu.txt");
        // An entry taken out of the menu stays out when its file moves to the top.
        QAction* last = menu.actions().last();
        menu.removeAction(last);
        list.Add(list.At(kMaxRecentFiles - 1));
        QVERIFY(!menu.actions().contains(last));
        // The services save the list and the settings when they go.
        const QString first = list.At(0);
        services_->Store().Values().LastTipShown = 4;
        services_.emplace();
        QCOMPARE(services_->Store().Values().LastTipShown, 4);
        QCOMPARE(services_->Store().ReadEntry(kRecentFiles, "File1", {}), first);
    }

    void savesAndRestoresPlacement() {
        QWidget window;
        window.setObjectName("FrmConfig");
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        const auto placed = [&window] {
            const QRect frame = window.frameGeometry();
            return QByteArray::number(window.x()) + ' ' + QByteArray::number(window.y()) + ' ' +
                   QByteArray::number(frame.width()) + 'x' + QByteArray::number(frame.height()) +
                   (window.isMaximized() ? " maximised\n" : "\n");
        };
        // Each corner saved then read back; the sixth maximised, the second and sixth sized.
        const int w = screen.width(), h = screen.height();
        const QList<int> corners = {200, 150, 10,  20,    0,  90, 90,    -40, 1,
                                    1,   200, 150, w + 1, 30, 30, h + 1, w,   h};
        QByteArray report;
        for (int i = 0; i < corners.size() / 2; ++i) {
            WriteBytes(folder_->SettingsPath(), {});
            window.setGeometry(corners[2 * i], corners[2 * i + 1], 370, 477);
            window.setWindowState(i == 5 ? Qt::WindowMaximized : Qt::WindowNoState);
            services_->Placement().Save(&window, i == 1 || i == 5);
            window.setGeometry(5, 5, 100, 100);
            window.setWindowState(Qt::WindowNoState);
            services_->Placement().Restore(&window, i == 1 || i == 5);
            report += services_test::ReadBytes(folder_->SettingsPath()).replace('\n', ' ') + "-> " +
                      placed();
        }
        WriteBytes(folder_->SettingsPath(), {});
        services_->Placement().Restore(&window, true);
        QCOMPARE_GOLDEN(report + "nothing stored -> " + placed(), "app/window_placement.txt");
        const QPoint restored = window.pos();
        services_->Store().Values().SavePosWin = false;
        services_->Placement().Save(&window, true);
        services_->Placement().Restore(&window, true);
        QCOMPARE(services_->Store().ReadEntry(kWindowPositions, "FrmConfigState", "none"), "none");
        QCOMPARE(window.pos(), restored);
    }

    // Every button and kind, each pressed; the default button, and what Escape answers.
    void messageDialog() {
        const MessageButtons all = ButtonYes | ButtonNo | ButtonOk | ButtonCancel | ButtonAbort |
                                   ButtonRetry | ButtonIgnore | ButtonAll | ButtonNoToAll |
                                   ButtonYesToAll | ButtonHelp;
        QStringList numbered;
        for (int n = 1; n <= 18; ++n)
            numbered << QStringLiteral("m%1").arg(n);
        QByteArray report;
        ModalAnswers answers;
        for (int kind = 0; kind < 5; ++kind) { // odd kinds with numbered messages
            for (int button = 0; button < 11; ++button) {
                answers.Queue([&report, button](QDialog& dialog) {
                    auto& box = static_cast<QMessageBox&>(dialog);
                    if (button == 0)
                        report += (box.windowTitle() + " (" + QString::number(box.icon()) + ") " +
                                   box.text() + ' ')
                                      .toUtf8();
                    report += box.buttons().at(button)->text().toUtf8() + '=';
                    box.buttons().at(button)->click();
                });
                report += QByteArray::number(MessageDialog(kind % 2 ? numbered : QStringList(),
                                                           "Quitter %s ?", "Tessarine", {}, 18,
                                                           MessageKind(kind), all)) +
                          ' ';
            }
            report += '\n';
        }
        for (const MessageButtons buttons :
             {ButtonYes | ButtonNo, ButtonYes | ButtonNo | ButtonCancel,
              MessageButtons(ButtonOk)}) {
            answers.Queue([&report](QDialog& dialog) {
                auto& box = static_cast<QMessageBox&>(dialog);
                report += box.defaultButton()->text().toUtf8() + ", Escape=";
                box.escapeButton()->click();
            });
            report += QByteArray::number(
                          MessageDialog({}, "?", {}, {}, 18, MessageKind::Confirmation, buttons)) +
                      '\n';
        }
        QCOMPARE_GOLDEN(report, "app/message_dialog.txt");
        QVERIFY(answers.AllAnswered());
    }

    // Windows translated by kind token and section; the language menu and what it translates.
    void translatesWindowsAndLanguages() {
        QMenu langues;
        langues.setObjectName("Langues");
        FillLanguageMenu(*services_, &langues, [](QAction*) {});
        QVERIFY(langues.actions().isEmpty()); // no translation file
        QVERIFY(QFile::copy(golden::PathOf("app/window_translation.in.txt"),
                            services_->Translation().TranslationsPath()));
        const std::unique_ptr<QWidget> window = ConfigWindow();
        QByteArray report = Report(window.get());
        TranslateForm(services_->Translation(), window.get());
        report += "-- French\n" + Report(window.get());
        TranslateForm(services_->Translation(), window->findChild<QWidget*>("InnerForm"));
        const QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        const QString cancelFrench = buttons.button(QDialogButtonBox::Cancel)->text();
        if (QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qt_fr.qm"))
            QCOMPARE(cancelFrench, "Annuler");
        QList<QAction*> chosen;
        FillLanguageMenu(*services_, &langues, [&chosen](QAction* entry) { chosen << entry; });
        QCOMPARE(MenuText(langues), "fr=Français* en=Anglais");
        QVERIFY(langues.actions().at(0)->actionGroup()->isExclusive());
        langues.actions().at(1)->trigger();
        QCOMPARE(chosen, QList<QAction*>{langues.actions().at(1)});
        ChooseLanguageEntry(*services_, &langues, langues.actions().at(1));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange); // Qt posts them
        report += "-- inner form, then English\n" + Report(window.get());
        QCOMPARE_GOLDEN(report, "app/window_translation.txt");
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), "Cancel");
        QCOMPARE(MenuText(langues), "fr=French en=Anglais*");
        QCOMPARE(services_->Translation().GetMessageText("&Oui", 1), "&Yes");
        QVERIFY(services_test::ReadBytes(folder_->SettingsPath()).contains("Language=en\n"));
        ChooseLanguageEntry(*services_, &langues, langues.actions().at(0));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), cancelFrench);
        QVERIFY(langues.actions().at(1)->statusTip().isEmpty()); // pop-ups are left to their menus
    }

    // With the shipped file: a frame takes section "Framefille" when made and on each language.
    void framesFollowTheLanguage() {
        services_->Translation().SetProgramFolder(QCoreApplication::applicationDirPath() + u'/');
        const app::FrameServicesAdapter frameServices(*services_);
        QWidget window;
        window.setObjectName("FormMain");
        const game::GridFrame* earlier = new game::GridFrame(frameServices, &window);
        const QByteArray french = Report(earlier);
        services_->SetLanguage("en");
        const QByteArray english = Report(earlier);
        QCOMPARE(Report(new game::GridFrame(frameServices, &window)), english);
        services_->SetLanguage("fr");
        QCOMPARE(Report(earlier), french);
        QCOMPARE_GOLDEN(french + "-- English\n" + english, "app/frame_texts.txt");
    }

private:
    std::optional<services_test::TemporaryDataFolder> folder_;
    std::optional<AppServices> services_;
};

QTEST_MAIN(TestServicesUi)
#include "test_services_ui.moc"
