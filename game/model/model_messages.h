#pragma once
// The game model's messages in the interface's language, and why a file could not be read or
// written: the program's own words for the common causes, the system's text for any other. Qt Core
// only, so that the game model can use it as well as the shell.

#include <QString>
#include <QStringList>

class QFileDevice;

namespace game {

// The messages of the current language (message 1 first). The shell hands them over whenever it
// loads them; until then, and in tools that never do, the French defaults apply.
void SetMessages(const QStringList& messages);

// Message number as handed over, or frenchDefault when there is no such message. The text is taken
// as written: its Qt-style %1, %2, %3 are filled by the caller with .arg() after the lookup, so a
// translation may place them in any order.
QString MessageText(int number, const QString& frenchDefault);

// The reason for the errno value error: not found (message 45), permission denied or operation not
// permitted (46), disk full or quota exceeded (47), read-only file system (48), is a folder (49);
// systemText for any other value.
QString FileErrorReason(int error, const QString& systemText);

// The same for a file whose last operation failed. The errno is recognised from the file's error
// text, which Qt makes from the system's text for it (errno itself may have changed since).
QString FileErrorReason(const QFileDevice& file);

} // namespace game
