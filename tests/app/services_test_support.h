#pragma once
// The services tests' data folder, file helpers and tables kept in files.

#include "tests/golden.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <initializer_list>

namespace services_test {

// Points TESSARINE_DATA_DIR at a new empty folder for as long as it lives.
class TemporaryDataFolder {
public:
    TemporaryDataFolder() { qputenv("TESSARINE_DATA_DIR", dir_.path().toUtf8()); }
    ~TemporaryDataFolder() { qunsetenv("TESSARINE_DATA_DIR"); }
    QString Path() const { return dir_.path() + u'/'; }
    QString SettingsPath() const { return Path() + QStringLiteral("Settings.ini"); }

private:
    QTemporaryDir dir_;
};

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A table under tests/golden/: name, then a column a tab; ¶, ¤, → stand for \n, \r, a tab.
inline void AddRowsFrom(const QString& table, std::initializer_list<const char*> columns) {
    for (const char* column : columns)
        QTest::addColumn<QString>(column);
    const QString rows = QString::fromUtf8(ReadBytes(golden::PathOf(table)));
    QVERIFY2(!rows.isEmpty(), qPrintable(table));
    for (const QString& row : rows.split(u'\n', Qt::SkipEmptyParts)) {
        QStringList fields = row.split(u'\t');
        QTestData& data = QTest::newRow(fields.takeFirst().toUtf8().constData());
        for (QString& field : fields)
            data << field.replace(u'¶', u'\n').replace(u'¤', u'\r').replace(u'→', u'\t');
    }
}

} // namespace services_test
