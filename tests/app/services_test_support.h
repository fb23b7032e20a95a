#pragma once
// Shared by the services tests: a data folder of its own for every test, and file helpers.

#include <QDir>
#include <QFile>
#include <QProcess>
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

// Makes a file or folder immutable (chattr +i) for as long as it lives: even root can then neither
// replace the file nor create a file in the folder. IsSet() is false where chattr does not work.
class ImmutablePath {
public:
    explicit ImmutablePath(const QString& path) : path_(path), set_(Chattr("+i")) {}
    ~ImmutablePath() {
        if (set_)
            Chattr("-i");
    }
    ImmutablePath(const ImmutablePath&) = delete;
    ImmutablePath& operator=(const ImmutablePath&) = delete;
    bool IsSet() const { return set_; }

private:
    bool Chattr(const char* flag) const {
        return QProcess::execute(QStringLiteral("chattr"), {QString::fromLatin1(flag), path_}) == 0;
    }
    QString path_;
    bool set_;
};

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Creates an empty file and returns its path.
inline QString CreateFile(const QString& folder, const QString& name) {
    const QString path = QDir(folder).filePath(name);
    WriteBytes(path, {});
    return path;
}

// One QString column per name.
inline void AddColumns(std::initializer_list<const char*> names) {
    for (const char* name : names)
        QTest::addColumn<QString>(name);
}

// One data row per entry: its name, then one QString per column.
inline void AddTextRows(std::initializer_list<std::initializer_list<const char*>> rows) {
    for (const auto& row : rows) {
        QTestData& data = QTest::newRow(*row.begin());
        for (auto column = row.begin() + 1; column != row.end(); ++column)
            data << QString::fromUtf8(*column);
    }
}

} // namespace services_test
