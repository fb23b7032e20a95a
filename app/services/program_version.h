#pragma once
// The program's version text: major, ".", then minor and release run together; the fourth number
// is not shown (1.0.0.0 gives "1.00", 2.3.1.0 gives "2.31").

#include <QString>

namespace services {

QString FormatFileVersion(int major, int minor, int release);

// The version compiled into the program, or an empty text when it has none.
QString ProgramVersionText();

} // namespace services
