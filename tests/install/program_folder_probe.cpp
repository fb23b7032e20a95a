// Prints the folder where the program, started from this executable's place, reads its files.

#include "app/services/folders.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    std::printf("%s\n", qUtf8Printable(services::GetProgramFolder()));
    return 0;
}
