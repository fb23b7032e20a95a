#pragma once
// Writing a whole file or nothing: the bytes go to a temporary file beside the target, which is
// renamed over it only once every byte has reached the disk. On failure the previous file, or its
// absence, stays as it was, and no temporary file is left.

#include <QByteArray>
#include <QString>

namespace game {

// Why a write failed; both texts are empty when it succeeded.
struct FileWriteFailure {
    // FileErrorReason's words: the program's own for the common causes, the system's text for any
    // other. A target that exists and is not a regular file (a folder, a device such as /dev/full,
    // a pipe) is refused with "ce n'est pas un fichier ordinaire" (message 64): the rename would
    // put a plain file in its place.
    QString reason;
    // The system's text as Qt gives it; the same as reason for a target that is not a regular file.
    QString systemText;

    bool Failed() const { return !reason.isEmpty(); }
};

FileWriteFailure WriteFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace game
