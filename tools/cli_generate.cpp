#include "engine/generator.h"
#include "engine/practice_puzzles.h"
#include "tools/cli_commands.h"

#include <QStringList>

#include <climits>
#include <cstdio>
#include <optional>

namespace {

// A whole number from first to last, or nothing.
std::optional<int> NumberIn(const QString& word, int first, int last) {
    bool ok = false;
    const int n = word.toInt(&ok);
    if (!ok || n < first || n > last)
        return std::nullopt;
    return n;
}

template <typename... Args> int Usage(const char* format, Args... args) {
    std::fputs("tessarine-cli: ", stderr);
    std::fprintf(stderr, format, args...);
    return 2;
}

} // namespace

int RunGenerateCommand(const QStringList& args) {
    QStringList words = args;
    std::optional<int> level;
    if (!words.isEmpty() && words.front() == QLatin1String("--level")) {
        level =
            words.size() > 1 ? NumberIn(words[1], 0, engine::kPracticeLevels - 1) : std::nullopt;
        if (!level)
            return Usage("--level needs a level 0..5\n");
        words.remove(0, 2);
    }
    if (words.size() > 1)
        return Usage("generate takes at most one number\n");
    const std::optional<int> count =
        words.isEmpty() ? std::optional<int>(1) : NumberIn(words.front(), 0, INT_MAX);
    if (!count)
        return Usage("not a number of puzzles: %s\n", qUtf8Printable(words.front()));
    for (int i = 0; i < *count; ++i) {
        const std::string puzzle =
            level ? engine::GeneratePracticePuzzle(*level) : engine::GenerateGrid();
        std::printf("%s\n", puzzle.c_str());
    }
    return 0;
}
