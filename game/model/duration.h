#pragma once
// A playing time as hours:minutes:seconds, each left-padded with "0" to two digits; the hours
// grow past two digits (100:00:00). A negative time shows as 00:00:00.

#include <QString>

namespace game {

inline QString FormatDuration(qint64 seconds) {
    if (seconds < 0)
        seconds = 0;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QChar(u'0'))
        .arg(seconds % 3600 / 60, 2, 10, QChar(u'0'))
        .arg(seconds % 60, 2, 10, QChar(u'0'));
}

} // namespace game
