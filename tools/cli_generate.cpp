#include "engine/generator.h"
#include "tools/cli_commands.h"

#include <cstdio>

int RunGenerateCommand(const QStringList& args) {
    if (args.size() > 1) {
        std::fprintf(stderr, "tessarine-cli: generate takes at most one number\n");
        return 2;
    }
    int count = 1;
    if (!args.isEmpty()) {
        bool ok = false;
        count = args.front().toInt(&ok);
        if (!ok || count < 0) {
            std::fprintf(stderr, "tessarine-cli: not a number of puzzles: %s\n",
                         qUtf8Printable(args.front()));
            return 2;
        }
    }
    for (int i = 0; i < count; ++i)
        std::printf("%s\n", engine::GenerateGrid().c_str());
    return 0;
}
