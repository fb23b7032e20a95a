#include "app/core/splash_time.h"

#include "app/services/ini_file.h"
#include "app/services/settings.h"

namespace app {

int SplashIntervalMs(int timeSplash) {
    if (timeSplash < 0)
        return kDefaultTimeSplash;
    return timeSplash < 1000 ? timeSplash * 1000 : timeSplash;
}

int SplashIntervalMs(const services::IniFile& settings) {
    return SplashIntervalMs(settings.ReadInteger(services::kGeneralSettings,
                                                 QStringLiteral("TimeSplash"), kDefaultTimeSplash));
}

} // namespace app
