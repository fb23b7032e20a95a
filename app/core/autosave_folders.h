#pragma once
// The autosave folders, in "autosave/" of the data folder: one folder for each running instance of
// the program, named by its process id and start time and locked (a QLockFile, "instance.lock")
// for as long as the instance runs. A grid's autosave is "<key>.xml", the grid file a save would
// write, with "<key>.name" beside it holding the file name the grid had (none for a grid never
// saved). A folder whose lock is stale belongs to an instance that ended without closing; a
// folder whose lock is held belongs to a running instance and is never touched by another.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QLockFile;

namespace app {

// A grid left in the folder of an instance that no longer runs.
struct KeptGrid {
    QString path;     // its autosave
    QString fileName; // the file it had, empty for a grid never saved
};

// This instance's folder, created and locked on construction, removed with the autosaves it holds
// on destruction.
class InstanceAutosaves {
public:
    explicit InstanceAutosaves(const QString& dataFolder);
    ~InstanceAutosaves();
    InstanceAutosaves(const InstanceAutosaves&) = delete;
    InstanceAutosaves& operator=(const InstanceAutosaves&) = delete;

    // The folder, with its trailing "/"; empty when it could not be created and locked.
    const QString& Folder() const { return folder_; }
    // Replaces the autosave of key (a plain name) atomically; false when it could not be written.
    // A file there that this object did not write is never replaced.
    bool Write(const QString& key, const QByteArray& bytes, const QString& fileName);
    // Deletes the autosave of key, if this object wrote it.
    void Remove(const QString& key);

private:
    QString folder_;
    std::unique_ptr<QLockFile> lock_;
    QStringList written_; // the keys whose autosave is in the folder
};

// The folders of instances that no longer run, claimed (their locks taken) for as long as this
// object lives, so that no other instance starting meanwhile offers them too.
class LeftAutosaves {
public:
    explicit LeftAutosaves(const QString& dataFolder);
    // Releases the claims; the folders stay unless Discard was called.
    ~LeftAutosaves();
    LeftAutosaves(const LeftAutosaves&) = delete;
    LeftAutosaves& operator=(const LeftAutosaves&) = delete;

    // Their grids, in the order of their folders' and files' names.
    const QList<KeptGrid>& Grids() const { return grids_; }
    // Deletes the claimed folders with their autosaves.
    void Discard();

private:
    struct Claim {
        QString folder;
        std::unique_ptr<QLockFile> lock;
    };
    std::vector<Claim> claims_;
    QList<KeptGrid> grids_;
};

} // namespace app
