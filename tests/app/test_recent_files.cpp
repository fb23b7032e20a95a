#include "app/services/ini_file.h"
#include "app/services/ui/recent_files_menu.h"

#include "tests/app/services_test_support.h"

#include <QAction>
#include <QMenu>
#include <QTest>

#include <optional>

using namespace services;
using services_test::CreateFile;

class TestRecentFiles : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder_.emplace();
        list_.emplace();
        recentMenu_.emplace(*list_);
        menu_.emplace();
        menu_->setObjectName(QStringLiteral("OpenRecentMI"));
        recentMenu_->Show(&*menu_, {});
    }

    void cleanup() {
        menu_.reset();
        recentMenu_.reset();
        list_.reset();
        folder_.reset();
    }

    void newFilesGoOnTopOfListAndMenu() {
        const QString a = Grid("a.xml"), b = Grid("b & c.xml"), c = Grid("c.xml");
        list_->Add(a);
        list_->Add(b);
        list_->Add(c);
        QCOMPARE(list_->Paths(), (QStringList{c, b, a}));
        QCOMPARE(list_->Count(), 3);
        QCOMPARE(list_->At(0), c);
        QCOMPARE(list_->At(2), a);
        QCOMPARE(EntryNames(), (QStringList{"OpenRecent5MI", "OpenRecent4MI", "OpenRecent3MI"}));
        QCOMPARE(EntryCaptions(), (QStringList{"c.xml", "b && c.xml", "a.xml"}));
    }

    void eleventhFileDropsTheOldest() {
        QStringList added;
        for (int i = 1; i <= 11; ++i) {
            added.prepend(Grid(QStringLiteral("g%1.xml").arg(i)));
            list_->Add(added.first());
        }
        QCOMPARE(list_->Count(), 10);
        QCOMPARE(list_->Paths(), added.mid(0, 10));
        QCOMPARE(menu_->actions().size(), 10);
        QCOMPARE(EntryCaptions().first(), QStringLiteral("g11.xml"));
        QCOMPARE(EntryCaptions().last(), QStringLiteral("g2.xml"));
        QCOMPARE(EntryNames().first(), QStringLiteral("OpenRecent13MI"));
        QVERIFY(!menu_->findChild<QAction*>(QStringLiteral("OpenRecent3MI")));
    }

    void knownFileMovesToTopAndCaseMakesAnotherFile() {
        const QString lower = Grid("grille.xml");
        const QString upper = Grid("GRILLE.XML");
        for (const QString name : {"a.xml", "b.xml", "c.xml"}) {
            if (name == QStringLiteral("b.xml"))
                list_->Add(lower);
            list_->Add(Grid(name));
        }
        // Most recent first: c, b, grille, a. The other spelling is another file.
        list_->Add(upper);
        QCOMPARE(EntryCaptions(),
                 (QStringList{"GRILLE.XML", "c.xml", "b.xml", "grille.xml", "a.xml"}));
        const QString movedName = EntryNames().at(3);
        list_->Add(lower);
        QCOMPARE(list_->Count(), 5);
        QCOMPARE(list_->At(0), lower);
        QCOMPARE(EntryNames().first(), movedName);
        QCOMPARE(EntryCaptions(),
                 (QStringList{"grille.xml", "GRILLE.XML", "c.xml", "b.xml", "a.xml"}));
    }

    void missingOrTopFilesChangeNothing() {
        const QString a = Grid("a.xml");
        list_->Add(a);
        list_->Add(a);
        list_->Add(folder_->Path() + "absent.xml");
        list_->Add(folder_->Path()); // a folder is no grid file
        QCOMPARE(list_->Paths(), QStringList{a});
        QCOMPARE(menu_->actions().size(), 1);

        const QString b = Grid("b.xml");
        list_->Add(b);
        QVERIFY(QFile::remove(a));
        list_->Add(a); // listed, but gone: not moved
        QCOMPARE(list_->Paths(), (QStringList{b, a}));
        QCOMPARE(EntryCaptions(), (QStringList{"b.xml", "a.xml"}));
    }

    void readsTheSectionFromLastLineToFirst() {
        const QString a = Grid("a.xml"), b = Grid("b.xml"), c = Grid("c.xml");
        const QString settings = QStringLiteral("[RecentFiles]\nFile3=%1\nzzz=%2\nFile1=%3\n"
                                                "File2=%4\n")
                                     .arg(a, b, folder_->Path() + "gone.xml", c);
        list_->LoadFrom(IniFile::Parse(settings));
        QCOMPARE(list_->Paths(), (QStringList{a, b, c}));
        QCOMPARE(EntryCaptions(), (QStringList{"a.xml", "b.xml", "c.xml"}));
        QCOMPARE(EntryNames(), (QStringList{"OpenRecent5MI", "OpenRecent4MI", "OpenRecent3MI"}));
    }

    void menuSetLaterShowsTheListedFiles() {
        RecentFiles other;
        RecentFilesMenu otherMenu(other);
        const QString a = Grid("a.xml"), b = Grid("b.xml");
        other.Add(a);
        other.Add(b);
        QMenu menu;
        otherMenu.Show(&menu, {});
        QCOMPARE(menu.actions().size(), 2);
        QCOMPARE(menu.actions().at(0)->text(), QStringLiteral("b.xml"));
        QCOMPARE(menu.actions().at(1)->text(), QStringLiteral("a.xml"));
    }

    void clickOpensTheFileAtTheEntrysPosition() {
        QStringList opened;
        recentMenu_->Show(&*menu_, [&](const QString& path) { opened.append(path); });
        const QString a = Grid("a.xml"), b = Grid("b.xml"), c = Grid("c.xml");
        list_->Add(a);
        list_->Add(b);
        list_->Add(c);
        menu_->actions().at(1)->trigger();
        list_->Add(a); // a moves to the top with its entry
        menu_->actions().at(0)->trigger();
        QCOMPARE(opened, (QStringList{b, a}));
    }

    void listWithoutMenuFollowsTheSameRules() {
        QStringList list;
        const QString a = Grid("a.xml"), b = Grid("b.xml");
        QCOMPARE(AddRecentPath(list, a).kind, RecentFileChange::Kind::Added);
        QCOMPARE(AddRecentPath(list, b).kind, RecentFileChange::Kind::Added);
        const RecentFileChange moved = AddRecentPath(list, a);
        QCOMPARE(moved.kind, RecentFileChange::Kind::MovedToTop);
        QCOMPARE(moved.movedFrom, 1);
        QCOMPARE(AddRecentPath(list, a).kind, RecentFileChange::Kind::None);
        QCOMPARE(list, (QStringList{a, b}));
    }

private:
    QStringList EntryNames() const {
        QStringList names;
        for (const QAction* entry : menu_->actions())
            names.append(entry->objectName());
        return names;
    }
    QStringList EntryCaptions() const {
        QStringList captions;
        for (const QAction* entry : menu_->actions())
            captions.append(entry->text());
        return captions;
    }
    QString Grid(const QString& name) const { return CreateFile(folder_->Path(), name); }

    std::optional<services_test::TemporaryDataFolder> folder_;
    std::optional<RecentFiles> list_;
    std::optional<RecentFilesMenu> recentMenu_;
    std::optional<QMenu> menu_;
};

QTEST_MAIN(TestRecentFiles)
#include "test_recent_files.moc"
