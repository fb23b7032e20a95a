#include "app/frame_services_adapter.h"
#include "app/services/ui/app_services.h"
#include "app/services/ui/kind_token.h"
#include "app/services/ui/language_menu.h"
#include "app/services/ui/window_translation.h"

#include "game/widgets/grid_frame.h"
#include "tests/app/services_test_support.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <array>
#include <memory>
#include <optional>

using namespace services;
using services_test::WriteBytes;

// A window nested in the translated one: found under its own class name.
class TInnerForm : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;
};

namespace {

template <class T> T* Make(QObject* parent, const char* name, const QString& text = {}) {
    auto* object = new T(text, qobject_cast<QWidget*>(parent));
    object->setObjectName(QLatin1String(name));
    return object;
}

// A small configuration window: each component shows its French layout text.
struct ConfigWindow {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QCheckBox* quitConfirm;
    QLabel* chiffre;
    QGroupBox* couleur;
    QLabel* devoile;
    QPushButton* plainButton;
    QPushButton* ok;
    QToolButton* next;
    QLabel* panel;
    QRadioButton* radio;
    QTabWidget* tabs;
    QWidget* pose;
    QAction* nouveau;
    QMenu* fichier;
    QAction* barreOutils;
    TInnerForm* inner;
    QLabel* innerLabel;

    ConfigWindow() {
        QWidget* w = window.get();
        w->setObjectName(QStringLiteral("FrmConfig"));
        quitConfirm = Make<QCheckBox>(w, "CbQuitConfirm", "Confirmer la fermeture");
        chiffre = Make<QLabel>(w, "LbChiffre", "Chiffres :");
        couleur = Make<QGroupBox>(w, "GBCouleur", "Couleurs");
        devoile = Make<QLabel>(couleur, "LbDevoile", "Dévoilés :");
        plainButton = Make<QPushButton>(w, "X", "Bouton");
        ok = Make<QPushButton>(w, "BtOk", "OK");
        ok->setProperty(kKindTokenProperty, QStringLiteral("TBitBtn"));
        next = new QToolButton(w);
        next->setObjectName(QStringLiteral("SpeedNext"));
        next->setText(QStringLiteral("Astuce suivante"));
        next->setProperty(kKindTokenProperty, QStringLiteral("TSpeedButton"));
        panel = Make<QLabel>(w, "Panel1", "Panneau");
        panel->setProperty(kKindTokenProperty, QStringLiteral("TPanel"));
        radio = Make<QRadioButton>(w, "RbMode", "Mode");
        tabs = new QTabWidget(w);
        tabs->setObjectName(QStringLiteral("PageControl1"));
        pose = new QWidget;
        pose->setObjectName(QStringLiteral("TabSheetPose"));
        tabs->addTab(pose, QStringLiteral("Poser"));
        nouveau = new QAction(QStringLiteral("&Nouveau"), w);
        nouveau->setObjectName(QStringLiteral("ActionNouveau"));
        fichier = new QMenu(QStringLiteral("&Fichier"), w);
        fichier->setObjectName(QStringLiteral("Menu_Fichier"));
        barreOutils = fichier->addAction(QStringLiteral("Barre d'outils"));
        barreOutils->setObjectName(QStringLiteral("Menu_BarreOutils"));
        inner = new TInnerForm(w);
        inner->setObjectName(QStringLiteral("InnerForm"));
        inner->setWindowTitle(QStringLiteral("Intérieur"));
        innerLabel = Make<QLabel>(inner, "LbInner", "Dedans");
    }
};

// The text a player reads on a frame component: a tab's caption for a page.
QString ShownText(const QWidget* component) {
    if (const auto* stack = qobject_cast<const QStackedWidget*>(component->parentWidget())) {
        const auto* tabs = qobject_cast<const QTabWidget*>(stack->parentWidget());
        return tabs->tabText(tabs->indexOf(const_cast<QWidget*>(component)));
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(component))
        return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(component))
        return group->title();
    return qobject_cast<const QLabel*>(component)->text();
}

} // namespace

class TestWindowTranslation : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder_.emplace();
        module_.emplace();
        module_->Translation().SetProgramFolder(folder_->Path());
    }

    void cleanup() {
        module_.reset();
        folder_.reset();
    }

    void findsEachKindUnderItsToken_data() {
        QTest::addColumn<QString>("component");
        QTest::addColumn<QString>("token");
        services_test::AddTextRows({
            {"check box", "CbQuitConfirm", "TCheckBox"},
            {"label", "LbChiffre", "TLabel"},
            {"group box", "GBCouleur", "TGroupBox"},
            {"radio button", "RbMode", "TRadioButton"},
            {"plain push button", "X", ""},
            {"declared push button with picture", "BtOk", "TBitBtn"},
            {"declared flat button", "SpeedNext", "TSpeedButton"},
            {"declared panel", "Panel1", "TPanel"},
            {"tab widget", "PageControl1", ""},
            {"tab page", "TabSheetPose", "TTabSheet"},
            {"command action", "ActionNouveau", "TAction"},
            {"menu", "Menu_Fichier", "TMenuItem"},
            {"menu entry", "Menu_BarreOutils", "TMenuItem"},
            {"nested window", "InnerForm", "TInnerForm"},
        });
    }

    void findsEachKindUnderItsToken() {
        QFETCH(QString, component);
        QFETCH(QString, token);
        const ConfigWindow config;
        const QObject* object = config.window->findChild<QObject*>(component);
        QVERIFY(object);
        QCOMPARE(KindToken(object), token);
    }

    void translatesOnlyTheListedKinds() {
        WriteTranslations("[FrmConfig]\n"
                          "fr_TCheckBox_CbQuitConfirm=Demander avant de quitter\n"
                          "fr_TButton_X=Jamais\n"
                          "fr_TLabel_X=Jamais\n"
                          "fr_tlabel_lbdevoile=Dévoilés (clés sans casse)\n"
                          "fr_TBitBtn_BtOk=D\\039accord\n"
                          "fr_TSpeedButton_SpeedNext=Suivante\n"
                          "fr_TPanel_Panel1=Bandeau\n"
                          "fr_TRadioButton_RbMode=Mode de jeu\n"
                          "fr_TTabSheet_TabSheetPose=Placer\n"
                          "fr_TAction_ActionNouveau=&Nouvelle grille\n"
                          "fr_TMenuItem_Menu_Fichier=&Grilles\n"
                          "fr_TMenuItem_Menu_BarreOutils=Outils visibles\n"
                          "fr_TAction_Menu_BarreOutils=Jamais\n"
                          "fr_TGroupBox_LbChiffre=Jamais\n"
                          "en_TLabel_LbChiffre=Digits:\n"
                          "[Other]\n"
                          "fr_TLabel_LbChiffre=Jamais\n");
        const ConfigWindow config;
        TranslateForm(module_->Translation(), config.window.get());
        QCOMPARE(config.quitConfirm->text(), QStringLiteral("Demander avant de quitter"));
        QCOMPARE(config.plainButton->text(), QStringLiteral("Bouton"));
        QCOMPARE(config.devoile->text(), QStringLiteral("Dévoilés (clés sans casse)"));
        QCOMPARE(config.ok->text(), QStringLiteral("D'accord"));
        QCOMPARE(config.next->text(), QStringLiteral("Suivante"));
        QCOMPARE(config.panel->text(), QStringLiteral("Bandeau"));
        QCOMPARE(config.radio->text(), QStringLiteral("Mode de jeu"));
        QCOMPARE(config.tabs->tabText(0), QStringLiteral("Placer"));
        QCOMPARE(config.nouveau->text(), QStringLiteral("&Nouvelle grille"));
        QCOMPARE(config.fichier->title(), QStringLiteral("&Grilles"));
        QCOMPARE(config.barreOutils->text(), QStringLiteral("Outils visibles"));
        QCOMPARE(config.chiffre->text(), QStringLiteral("Chiffres :"));
        QCOMPARE(config.couleur->title(), QStringLiteral("Couleurs"));

        module_->Store().Values().Language = QStringLiteral("en");
        TranslateForm(module_->Translation(), config.window.get());
        QCOMPARE(config.chiffre->text(), QStringLiteral("Digits:"));
        QCOMPARE(config.quitConfirm->text(), QStringLiteral("Demander avant de quitter"));
    }

    void hintsTakeLineBreaksCaptionsDoNot() {
        WriteTranslations("[FrmConfig]\n"
                          "fr_TLabel_LbChiffre=Chiffres\\nposés\n"
                          "fr_TLabel_LbChiffre_Hint=Couleur des chiffres\\nposés en jeu\n"
                          "fr_TAction_ActionNouveau_Hint=Nouveau|Nouvelle grille\n"
                          "fr_TMenuItem_Menu_Fichier_Hint=Fichiers\n"
                          "fr_TTabSheet_TabSheetPose_Hint=Poser un chiffre\n"
                          "fr_TCheckBox_CbQuitConfirm_Hint=l\\039appli\n");
        const ConfigWindow config;
        TranslateForm(module_->Translation(), config.window.get());
        QCOMPARE(config.chiffre->text(), QStringLiteral("Chiffres\\nposés"));
        QCOMPARE(config.chiffre->toolTip(), QStringLiteral("Couleur des chiffres\nposés en jeu"));
        QCOMPARE(config.nouveau->statusTip(), QStringLiteral("Nouveau|Nouvelle grille"));
        QCOMPARE(config.nouveau->text(), QStringLiteral("&Nouveau"));
        QCOMPARE(config.fichier->menuAction()->statusTip(), QStringLiteral("Fichiers"));
        QCOMPARE(config.tabs->tabToolTip(0), QStringLiteral("Poser un chiffre"));
        QCOMPARE(config.quitConfirm->toolTip(), QStringLiteral("l'appli"));
    }

    void nestedWindowKeepsItsComponents() {
        WriteTranslations("[FrmConfig]\n"
                          "fr_TInnerForm_InnerForm=Titre traduit\n"
                          "fr_TLabel_LbInner=Jamais\n"
                          "[InnerForm]\n"
                          "fr_TLabel_LbInner=Traduit chez lui\n");
        const ConfigWindow config;
        TranslateForm(module_->Translation(), config.window.get());
        QCOMPARE(config.inner->windowTitle(), QStringLiteral("Titre traduit"));
        QCOMPARE(config.innerLabel->text(), QStringLiteral("Dedans"));
        TranslateForm(module_->Translation(), config.inner);
        QCOMPARE(config.innerLabel->text(), QStringLiteral("Traduit chez lui"));
    }

    void emptyOrMissingLinesChangeNothing() {
        WriteTranslations("[FrmConfig]\n"
                          "fr_TLabel_LbChiffre=\n"
                          "fr_TLabel_LbChiffre_Hint=\n"
                          "fr_TCheckBox_CbQuitConfirm_Hint=Seulement l'aide\n");
        const ConfigWindow config;
        config.chiffre->setToolTip(QStringLiteral("aide d'origine"));
        TranslateForm(module_->Translation(), config.window.get());
        QCOMPARE(config.chiffre->text(), QStringLiteral("Chiffres :"));
        QCOMPARE(config.chiffre->toolTip(), QStringLiteral("aide d'origine"));
        QCOMPARE(config.quitConfirm->text(), QStringLiteral("Confirmer la fermeture"));
        QCOMPARE(config.quitConfirm->toolTip(), QStringLiteral("Seulement l'aide"));
    }

    void noTranslationFileChangesNothing() {
        const ConfigWindow config;
        TranslateForm(module_->Translation(), config.window.get());
        QCOMPARE(config.quitConfirm->text(), QStringLiteral("Confirmer la fermeture"));
        QMenu langues;
        langues.setObjectName(QStringLiteral("Langues"));
        FillLanguageMenu(*module_, &langues, [](QAction*) {});
        QVERIFY(langues.actions().isEmpty());
    }

    void translatesMenuEntries() {
        WriteTranslations("[Langues]\n"
                          "fr_TMenuItem_fr=Français\n"
                          "fr_TMenuItem_en=Anglais\n"
                          "fr_TMenuItem_en_Hint=Jamais\n"
                          "en_TMenuItem_fr=French\n");
        QMenu langues;
        langues.setObjectName(QStringLiteral("Langues"));
        QAction* fr = AddLanguageEntry(&langues, QStringLiteral("fr"));
        QAction* en = AddLanguageEntry(&langues, QStringLiteral("en"));
        QCOMPARE(fr->text(), QStringLiteral("fr"));
        TranslateMenuItems(module_->Translation(), &langues);
        QCOMPARE(fr->text(), QStringLiteral("Français"));
        QCOMPARE(en->text(), QStringLiteral("Anglais"));
        QCOMPARE(en->statusTip(), QString());
        module_->Store().Values().Language = QStringLiteral("en");
        TranslateMenuItems(module_->Translation(), &langues);
        QCOMPARE(fr->text(), QStringLiteral("French"));
        QCOMPARE(en->text(), QStringLiteral("Anglais"));
    }

    void buildsTheLanguageMenu() {
        WriteTranslations("[Languages]\n"
                          "Français=fr\n"
                          "English=en\n"
                          "Modèle=xx\n"
                          "[Langues]\n"
                          "fr_TMenuItem_fr=Français\n"
                          "fr_TMenuItem_en=Anglais\n");
        QMenu langues;
        langues.setObjectName(QStringLiteral("Langues"));
        QList<QAction*> chosen;
        FillLanguageMenu(*module_, &langues, [&](QAction* entry) { chosen.append(entry); });
        const QList<QAction*> entries = langues.actions();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(entries.at(0)->objectName(), QStringLiteral("fr"));
        QCOMPARE(entries.at(1)->objectName(), QStringLiteral("en"));
        QCOMPARE(entries.at(0)->text(), QStringLiteral("Français"));
        QCOMPARE(entries.at(1)->text(), QStringLiteral("Anglais"));
        QVERIFY(entries.at(0)->isChecked());
        QVERIFY(!entries.at(1)->isChecked());
        QVERIFY(entries.at(0)->actionGroup() && entries.at(0)->actionGroup()->isExclusive());
        QCOMPARE(entries.at(0)->actionGroup(), entries.at(1)->actionGroup());
        entries.at(1)->trigger();
        QCOMPARE(chosen, QList<QAction*>{entries.at(1)});
    }

    void choosingALanguageTranslatesEverything() {
        WriteTranslations("[Messages]\n"
                          "fr=&Oui\n"
                          "en=&Yes\n"
                          "[Languages]\n"
                          "Français=fr\n"
                          "English=en\n"
                          "[Langues]\n"
                          "en_TMenuItem_fr=French\n"
                          "en_TMenuItem_en=English\n"
                          "[FrmConfig]\n"
                          "en_TCheckBox_CbQuitConfirm=Confirm before quitting\n");
        const ConfigWindow config; // a window that exists: translated with the others
        // Qt's own texts follow, in French where Qt's translations are installed.
        const QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        const QString cancelFrench = buttons.button(QDialogButtonBox::Cancel)->text();
        if (QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qt_fr.qm"))
            QCOMPARE(cancelFrench, QStringLiteral("Annuler"));
        QMenu langues;
        langues.setObjectName(QStringLiteral("Langues"));
        FillLanguageMenu(*module_, &langues, [](QAction*) {});
        QAction* en = langues.actions().at(1);
        ChooseLanguageEntry(*module_, &langues, en);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange); // Qt posts them
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));
        QCOMPARE(module_->Store().Values().Language, QStringLiteral("en"));
        QVERIFY(en->isChecked());
        QVERIFY(!langues.actions().at(0)->isChecked());
        QCOMPARE(langues.actions().at(0)->text(), QStringLiteral("French"));
        QCOMPARE(module_->Translation().GetMessageText("&Oui", 1), QStringLiteral("&Yes"));
        QCOMPARE(config.quitConfirm->text(), QStringLiteral("Confirm before quitting"));
        QVERIFY(services_test::ReadBytes(folder_->SettingsPath()).contains("Language=en\n"));
        ChooseLanguageEntry(*module_, &langues, langues.actions().at(0));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), cancelFrench);
    }

    void framesFollowTheLanguage_data() {
        QTest::addColumn<QString>("component");
        QTest::addColumn<QString>("french");
        QTest::addColumn<QString>("english");
        for (auto [component, french, english] : {
                 std::array{"TabSheet1", "Tableau de bord", "Dashboard"},
                 std::array{"TabSheet2", "Traceur", "Tracer"},
                 std::array{"TabSheet3", "Analyses", "Analysis"},
                 std::array{"GroupBox3", "Commandes", "Commands"},
                 std::array{"BT_REFAIRE", "Recommencer", "Restart"},
                 std::array{"SB_CandidatOn", "Voir", "Show"},
                 std::array{"GBCaseAtrouver", "Cases découvertes", "Cells filled"},
                 std::array{"LabelSaisie",
                            "Saisissez les chiffres de la grille, puis commencez la partie.",
                            "Type the digits of the grid, then start the game."},
                 std::array{"BtJouer", "Jouer ! ", "Play!"},
             })
            QTest::newRow(component) << QString::fromUtf8(component) << QString::fromUtf8(french)
                                     << QString::fromUtf8(english);
    }

    // With the shipped file: a frame shown in the main window takes section "Framefille" when it
    // is created and again at each change of language.
    void framesFollowTheLanguage() {
        QFETCH(QString, component);
        QFETCH(QString, french);
        QFETCH(QString, english);
        module_->Translation().SetProgramFolder(QCoreApplication::applicationDirPath() + u'/');
        const app::FrameServicesAdapter frameServices(*module_);
        QWidget window;
        window.setObjectName(QStringLiteral("FormMain"));
        auto* earlier = new game::GridFrame(frameServices, &window);
        earlier->setObjectName(QStringLiteral("QWERTY"));
        auto text = [&component](const QWidget* frame) {
            return ShownText(frame->findChild<QWidget*>(component));
        };
        QCOMPARE(text(earlier), french);
        module_->SetLanguage(QStringLiteral("en"));
        QCOMPARE(text(earlier), english);
        QCOMPARE(text(new game::GridFrame(frameServices, &window)), english);
        module_->SetLanguage(QStringLiteral("fr"));
        QCOMPARE(text(earlier), french);
    }

private:
    void WriteTranslations(const QByteArray& content) {
        QVERIFY(WriteBytes(module_->Translation().TranslationsPath(), content));
    }

    std::optional<services_test::TemporaryDataFolder> folder_;
    std::optional<AppServices> module_;
};

QTEST_MAIN(TestWindowTranslation)
#include "test_window_translation.moc"
