// tessarine-cli: puzzles and analyses from the command line.

#include "tools/cli_commands.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr const char* kUsage = "usage: tessarine-cli generate [N]\n";

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
    std::fprintf(stderr, "tessarine-cli: unknown command %s\n%s", qUtf8Printable(command), kUsage);
    return 2;
}
