#pragma once
// The tip of the day: which tip of section "Tips" of "Translations.txt" comes next, and how its
// text is decoded. The index of the tip shown last is kept in LastTipShown, so the sequence goes on
// across runs.

#include <QString>

namespace services {
struct Settings;
class Translator;
} // namespace services

namespace app {

// The index that follows lastShown among count tips (count > 0): the next one, and the first
// again after the last. An index outside the list, as a hand-edited settings file may hold,
// restarts at the first.
int NextTipIndex(int lastShown, int count);

// A tip as the file holds it, with each "#13#10" turned into a line break.
QString DecodeTip(const QString& tip);

// The next tip of the current language, and LastTipShown of settings moved to it. When the
// language has no tip, the result is empty and the tips are switched off at start-up.
QString NextTip(const services::Translator& translator, services::Settings& settings);

// Why the tips cannot be read at all (the translation file is missing), or an empty text.
QString TipsFileProblem(const services::Translator& translator);

} // namespace app
