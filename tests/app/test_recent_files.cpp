#include "app/services/ui/app_services.h"

#include "tests/app/services_test_support.h"

#include <QAction>
#include <QMenu>
#include <QTest>

#include <optional>

using namespace services;
using services_test::CreateFile;
using services_test::WriteBytes;

class TestRecentFiles : public QObject {
    Q_OBJECT

private slots:
    void init() {
        folder_.emplace();
        module_.emplace();
        menu_.emplace();
        menu_->setObjectName(QStringLiteral("OpenRecentMI"));
        module_->SetRecentFilesMenu(&*menu_, {});
    }

    void cleanup() {
        menu_.reset();
        module_.reset();
        folder_.reset();
    }

    void newFilesGoOnTopOfListAndMenu() {
        const QString a = Grid("a.xml"), b = Grid("b & c.xml"), c = Grid("c.xml");
        module_->AddRecentFile(a);
        module_->AddRecentFile(b);
        module_->AddRecentFile(c);
        QCOMPARE(module_->RecentFiles, (QStringList{c, b, a}));
        QCOMPARE(module_->RecentFileCount(), 3);
        QCOMPARE(module_->RecentFile(0), c);
        QCOMPARE(module_->RecentFile(2), a);
        QCOMPARE(EntryNames(), (QStringList{"OpenRecent5MI", "OpenRecent4MI", "OpenRecent3MI"}));
        QCOMPARE(EntryCaptions(), (QStringList{"c.xml", "b && c.xml", "a.xml"}));
        QCOMPARE(module_->RecentMenuCounter, 4);
    }

    void eleventhFileDropsTheOldest() {
        QStringList added;
        for (int i = 1; i <= 11; ++i) {
            added.prepend(Grid(QStringLiteral("g%1.xml").arg(i)));
            module_->AddRecentFile(added.first());
        }
        QCOMPARE(module_->RecentFileCount(), 10);
        QCOMPARE(module_->RecentFiles, added.mid(0, 10));
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
                module_->AddRecentFile(lower);
            module_->AddRecentFile(Grid(name));
        }
        // Most recent first: c, b, grille, a. The other spelling is another file.
        module_->AddRecentFile(upper);
        QCOMPARE(EntryCaptions(),
                 (QStringList{"GRILLE.XML", "c.xml", "b.xml", "grille.xml", "a.xml"}));
        const QString movedName = EntryNames().at(3);
        module_->AddRecentFile(lower);
        QCOMPARE(module_->RecentFileCount(), 5);
        QCOMPARE(module_->RecentFile(0), lower);
        QCOMPARE(EntryNames().first(), movedName);
        QCOMPARE(EntryCaptions(),
                 (QStringList{"grille.xml", "GRILLE.XML", "c.xml", "b.xml", "a.xml"}));
    }

    void missingOrTopFilesChangeNothing() {
        const QString a = Grid("a.xml");
        module_->AddRecentFile(a);
        module_->AddRecentFile(a);
        module_->AddRecentFile(folder_->Path() + "absent.xml");
        module_->AddRecentFile(folder_->Path()); // a folder is no grid file
        QCOMPARE(module_->RecentFiles, QStringList{a});
        QCOMPARE(menu_->actions().size(), 1);

        const QString b = Grid("b.xml");
        module_->AddRecentFile(b);
        QVERIFY(QFile::remove(a));
        module_->AddRecentFile(a); // listed, but gone: not moved
        QCOMPARE(module_->RecentFiles, (QStringList{b, a}));
        QCOMPARE(EntryCaptions(), (QStringList{"b.xml", "a.xml"}));
    }

    void readsTheSectionFromLastLineToFirst() {
        const QString a = Grid("a.xml"), b = Grid("b.xml"), c = Grid("c.xml");
        const QString settings = QStringLiteral("[RecentFiles]\nFile3=%1\nzzz=%2\nFile1=%3\n"
                                                "File2=%4\n")
                                     .arg(a, b, folder_->Path() + "gone.xml", c);
        QVERIFY(WriteBytes(folder_->SettingsPath(), settings.toUtf8()));
        module_->LoadRecentFiles();
        QCOMPARE(module_->RecentFiles, (QStringList{a, b, c}));
        QCOMPARE(EntryCaptions(), (QStringList{"a.xml", "b.xml", "c.xml"}));
        QCOMPARE(EntryNames(), (QStringList{"OpenRecent5MI", "OpenRecent4MI", "OpenRecent3MI"}));
    }

    void menuSetLaterShowsTheListedFiles() {
        AppServices other;
        const QString a = Grid("a.xml"), b = Grid("b.xml");
        other.AddRecentFile(a);
        other.AddRecentFile(b);
        QMenu menu;
        other.SetRecentFilesMenu(&menu, {});
        QCOMPARE(menu.actions().size(), 2);
        QCOMPARE(menu.actions().at(0)->text(), QStringLiteral("b.xml"));
        QCOMPARE(menu.actions().at(1)->text(), QStringLiteral("a.xml"));
    }

    void clickOpensTheFileAtTheEntrysPosition() {
        QStringList opened;
        module_->SetRecentFilesMenu(&*menu_, [&](const QString& path) { opened.append(path); });
        const QString a = Grid("a.xml"), b = Grid("b.xml"), c = Grid("c.xml");
        module_->AddRecentFile(a);
        module_->AddRecentFile(b);
        module_->AddRecentFile(c);
        menu_->actions().at(1)->trigger();
        module_->AddRecentFile(a); // a moves to the top with its entry
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
    std::optional<AppServices> module_;
    std::optional<QMenu> menu_;
};

QTEST_MAIN(TestRecentFiles)
#include "test_recent_files.moc"
