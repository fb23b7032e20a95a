#include "app/services/program_version.h"

namespace services {

QString FormatFileVersion(int major, int minor, int release) {
    return QString::number(major) + u'.' + QString::number(minor) + QString::number(release);
}

QString ProgramVersionText() {
#if defined(TESSARINE_VERSION_MAJOR) && defined(TESSARINE_VERSION_MINOR) &&                        \
    defined(TESSARINE_VERSION_PATCH)
    return FormatFileVersion(TESSARINE_VERSION_MAJOR, TESSARINE_VERSION_MINOR,
                             TESSARINE_VERSION_PATCH);
#else
    return {};
#endif
}

} // namespace services
