#pragma once
// Why a file could not be read or written, for a message in the interface's language: the
// program's own words for the common causes, the system's text for any other. Qt Core only, so
// that the game model can use it as well as the shell.

#include <QString>
#include <QStringList>

class QFileDevice;

namespace game {

// The messages the reasons are taken from (message 1 first). The shell hands over the
// current language's whenever it loads them; until then the French defaults apply.
void SetFileErrorMessages(const QStringList& messages);

// The reason for the errno value error: not found (message 45), permission denied or operation not
// permitted (46), disk full or quota exceeded (47), read-only file system (48), is a folder (49);
// systemText for any other value.
QString FileErrorReason(int error, const QString& systemText);

// The same for a file whose last operation failed. The errno is recognised from the file's error
// text, which Qt makes from the system's text for it (errno itself may have changed since).
QString FileErrorReason(const QFileDevice& file);

} // namespace game
