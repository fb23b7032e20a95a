// tessarine-cli: puzzles and analyses from the command line.

#include "tools/cli_analyse.h"
#include "tools/cli_commands.h"

#include <QCoreApplication>

#include <cstdio>

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
    if (command == QLatin1String("generate"))
        return RunGenerateCommand(args);
    if (command == QLatin1String("analyse"))
        return RunAnalyseCommand(args);
    if (command == QLatin1String("solve"))
        return RunSolveCommand(args);
    if (command == QLatin1String("rate"))
        return RunRateCommand(args);
    if (command == QLatin1String("check"))
        return RunCheckCommand(args);
    if (command == QLatin1String("hint"))
        return RunHintCommand(args);
    if (command == QLatin1String("review"))
        return RunReviewCommand(args);
    if (command == QLatin1String("explain"))
        return RunExplainCommand(args);
    std::fprintf(stderr, "tessarine-cli: unknown command %s\n%s", qUtf8Printable(command), kUsage);
    return 2;
}
