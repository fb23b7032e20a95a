#include "app/core/autosave_folders.h"

#include "game/model/atomic_file.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

namespace app {

namespace {

const QString kLockName = QStringLiteral("instance.lock");

QString RootOf(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QStringLiteral("autosave")) + QLatin1Char('/');
}

QString GridPath(const QString& folder, const QString& key) {
    return folder + key + QStringLiteral(".xml");
}

QString NamePath(const QString& folder, const QString& key) {
    return folder + key + QStringLiteral(".name");
}

// A lock that a living instance's lock never looks stale to, however old it is.
std::unique_ptr<QLockFile> TakeLock(const QString& folder) {
    auto lock = std::make_unique<QLockFile>(folder + kLockName);
    lock->setStaleLockTime(0);
    return lock->tryLock(0) ? std::move(lock) : nullptr;
}

// Deletes the files, then the lock, then the folder if nothing else is left in it: the folder
// stays locked until its autosaves are gone.
void RemoveFolder(const QString& folder, const QStringList& files, QLockFile& lock) {
    for (const QString& file : files)
        QFile::remove(folder + file);
    lock.unlock();
    QDir().rmdir(folder);
}

} // namespace

InstanceAutosaves::InstanceAutosaves(const QString& dataFolder) {
    const QString name =
        QStringLiteral("%1-%2")
            .arg(QCoreApplication::applicationPid())
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmsszzz")));
    QString folder = RootOf(dataFolder) + name;
    for (int again = 2; QFileInfo::exists(folder); ++again)
        folder = RootOf(dataFolder) + name + QLatin1Char('-') + QString::number(again);
    folder += QLatin1Char('/');
    if (!QDir().mkpath(folder))
        return;
    lock_ = TakeLock(folder);
    if (lock_ != nullptr)
        folder_ = folder;
}

InstanceAutosaves::~InstanceAutosaves() {
    if (lock_ == nullptr)
        return;
    QStringList files;
    for (const QString& key : std::as_const(written_))
        files << key + QStringLiteral(".xml") << key + QStringLiteral(".name");
    RemoveFolder(folder_, files, *lock_);
}

bool InstanceAutosaves::Write(const QString& key, const QByteArray& bytes,
                              const QString& fileName) {
    if (folder_.isEmpty() || (!written_.contains(key) && QFileInfo::exists(GridPath(folder_, key))))
        return false;
    if (!written_.contains(key))
        written_ << key;
    if (game::WriteFileAtomically(GridPath(folder_, key), bytes).Failed())
        return false;
    if (fileName.isEmpty()) {
        QFile::remove(NamePath(folder_, key));
        return true;
    }
    return !game::WriteFileAtomically(NamePath(folder_, key), fileName.toUtf8()).Failed();
}

void InstanceAutosaves::Remove(const QString& key) {
    if (!written_.removeOne(key))
        return;
    QFile::remove(GridPath(folder_, key));
    QFile::remove(NamePath(folder_, key));
}

LeftAutosaves::LeftAutosaves(const QString& dataFolder) {
    const QString root = RootOf(dataFolder);
    for (const QString& name :
         QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        const QString folder = root + name + QLatin1Char('/');
        std::unique_ptr<QLockFile> lock = TakeLock(folder);
        if (lock == nullptr)
            continue; // its instance runs
        for (const QString& file :
             QDir(folder).entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name)) {
            QFile side(NamePath(folder, file.chopped(4)));
            grids_.push_back({folder + file, side.open(QIODevice::ReadOnly)
                                                 ? QString::fromUtf8(side.readAll())
                                                 : QString()});
        }
        claims_.push_back({folder, std::move(lock)});
    }
}

LeftAutosaves::~LeftAutosaves() = default;

void LeftAutosaves::Discard() {
    for (Claim& claim : claims_) {
        QStringList files = QDir(claim.folder).entryList(QDir::Files | QDir::Hidden);
        files.removeAll(kLockName);
        RemoveFolder(claim.folder, files, *claim.lock);
    }
    claims_.clear();
    grids_.clear();
}

} // namespace app
