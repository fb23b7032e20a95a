#pragma once
// The INI text of "Settings.ini" (and of section "Languages" of "Translations.txt"), held in
// memory so that one write changes only the entries concerned and keeps everything else.
//
// Syntax: "[name]" opens a section; "key=value" is an entry of the current section. Lines before
// the first section, empty lines and lines starting with ";" are dropped. Blanks at both ends of a
// line and around the first "=" are ignored. Names and keys compare without regard to case; when
// a section or a key occurs twice, the first occurrence is read and written, the others are kept.
// A line of a section without "=" is kept as it stands and never matches a key.
// Rewriting gives each section as its "[name]" line, its lines in order, then one empty line.

#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace services {

class IniFile {
public:
    static IniFile Parse(const QString& text);
    QString ToText() const;

    std::optional<QString> Value(const QString& section, const QString& key) const;
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // Decimal, or hexadecimal after "0x"/"0X"; anything else that is no 32-bit integer gives def.
    int ReadInteger(const QString& section, const QString& key, int def) const;
    // An integer; any value other than 0 is true.
    bool ReadBool(const QString& section, const QString& key, bool def) const;

    // Replaces the first occurrence of the key, or appends it to the end of its section, or
    // appends the section to the end of the file. Returns false, and changes nothing, for an
    // entry the syntax cannot hold: a line break anywhere, a section or key that is empty or has
    // blanks at its ends, a key that holds "=" or starts with "[" or ";". Blanks at the ends of a
    // value do not survive reading.
    bool WriteString(const QString& section, const QString& key, const QString& value);
    bool WriteInteger(const QString& section, const QString& key, int value);
    bool WriteBool(const QString& section, const QString& key, bool value);

    // Removes every section of that name.
    void EraseSection(const QString& section);

    // The entries (key, value) of the first section of that name, in file order.
    QList<std::pair<QString, QString>> SectionEntries(const QString& section) const;

    static std::optional<int> ParseInteger(const QString& text);

private:
    struct Line {
        QString key; // the whole line when hasValue is false
        QString value;
        bool hasValue = false;
    };
    struct Section {
        QString name;
        QList<Line> lines;
    };

    const Section* FindSection(const QString& name) const;
    Section* FindSection(const QString& name);

    QList<Section> sections_;
};

} // namespace services
