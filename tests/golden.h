#pragma once
// Golden files: expected output kept as files under tests/golden/, compared byte for byte.
// Run a test with TESSARINE_UPDATE_GOLDEN=1 to write what it produces instead (then read the diff
// before committing it).

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

namespace golden {

inline QString PathOf(const QString& name) {
    return QStringLiteral(TESSARINE_GOLDEN_DIR "/") + name;
}

// The golden file's bytes; with TESSARINE_UPDATE_GOLDEN=1, actual is written there first.
inline QByteArray Expected(const QString& name, const QByteArray& actual) {
    const QString path = PathOf(name);
    if (qEnvironmentVariableIntValue("TESSARINE_UPDATE_GOLDEN") == 1) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile out(path);
        if (out.open(QIODevice::WriteOnly))
            out.write(actual);
    }
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll()
                                        : QByteArray("(no golden file " + path.toUtf8() + ")");
}

} // namespace golden

// Compares bytes (or UTF-8 text) with golden file name, relative to tests/golden/.
#define QCOMPARE_GOLDEN(actual, name)                                                              \
    do {                                                                                           \
        const QByteArray goldenActual = (actual);                                                  \
        QCOMPARE(goldenActual, golden::Expected((name), goldenActual));                            \
    } while (false)
