#pragma once
// How long the splash window stays: "TimeSplash" of section "GeneralSettings" of "Settings.ini",
// read on its own with a default of 1000. A value below 1000 counts seconds, any other
// milliseconds, so both the configuration dialog's 1 to 6 seconds and a hand-written 2500 work.

#include <QString>

namespace services {
class IniFile;
}

namespace app {

inline constexpr int kDefaultTimeSplash = 1000;

// The display time in milliseconds; 0 means the window waits for a key or a click. A negative
// value is no display time and gives the default.
int SplashIntervalMs(int timeSplash);

// The display time that the settings file asks for.
int SplashIntervalMs(const services::IniFile& settings);

} // namespace app
