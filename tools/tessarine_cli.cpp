// tessarine-cli: puzzles and analyses from the command line.

#include "tools/cli_analyse.h"
#include "tools/cli_commands.h"

#include <QCoreApplication>

#include <cstdio>
#include <utility>

namespace {

constexpr const char* kUsage =
    "usage: tessarine-cli generate [N]\n"
    "       tessarine-cli analyse [--auto FAMILIES] [--save FILE.xml] INPUT\n"
    "       tessarine-cli generate --level K [N]\n"
    "       tessarine-cli solve INPUT\n"
    "       tessarine-cli rate INPUT...\n"
    "       tessarine-cli check FILE.xml\n"
    "       tessarine-cli hint INPUT\n"
    "       tessarine-cli review FILE.xml\n"
    "       tessarine-cli explain INPUT\n";

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const QString command = args.takeFirst();
    static constexpr std::pair<const char*, int (*)(const QStringList&)> kCommands[] = {
        {"generate", RunGenerateCommand}, {"analyse", RunAnalyseCommand},
        {"solve", RunSolveCommand},       {"rate", RunRateCommand},
        {"check", RunCheckCommand},       {"hint", RunHintCommand},
        {"review", RunReviewCommand},     {"explain", RunExplainCommand},
    };
    for (const auto& [name, run] : kCommands)
        if (command == QLatin1String(name))
            return run(args);
    std::fprintf(stderr, "tessarine-cli: unknown command %s\n%s", qUtf8Printable(command), kUsage);
    return 2;
}
