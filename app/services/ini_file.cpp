#include "app/services/ini_file.h"

#include "app/services/text_file.h"

#include <climits>

namespace services {

namespace {

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool HasLineBreak(const QString& text) {
    return text.contains(u'\n') || text.contains(u'\r');
}

// A name that reads back as itself: not empty, no blanks at its ends, on one line.
bool IsWritableName(const QString& name) {
    return !name.isEmpty() && name == name.trimmed() && !HasLineBreak(name);
}

bool IsWritableKey(const QString& key) {
    return IsWritableName(key) && !key.contains(u'=') && !key.startsWith(u'[') &&
           !key.startsWith(u';');
}

std::optional<int> ParseHex(QStringView digits) {
    if (digits.isEmpty())
        return std::nullopt;
    quint64 value = 0;
    for (const QChar c : digits) {
        const int digit = QStringLiteral("0123456789abcdef").indexOf(c.toLower());
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + quint64(digit);
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    // Eight hexadecimal digits are a 32-bit pattern: 0xFFFFFFFF is -1.
    return static_cast<int>(static_cast<quint32>(value));
}

std::optional<int> ParseDecimal(QStringView text) {
    const bool negative = text.startsWith(u'-');
    if (negative || text.startsWith(u'+'))
        text = text.mid(1);
    if (text.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > qint64(1) << 31)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace

std::optional<int> IniFile::ParseInteger(const QString& text) {
    if (text.size() > 2 && text.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive))
        return ParseHex(QStringView(text).mid(2));
    return ParseDecimal(text);
}

IniFile IniFile::Parse(const QString& text) {
    IniFile ini;
    for (const QString& rawLine : SplitLines(text)) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']') && line.size() >= 2) {
            ini.sections_.append({line.mid(1, line.size() - 2).trimmed(), {}});
            continue;
        }
        if (ini.sections_.isEmpty())
            continue;
        const qsizetype equals = line.indexOf(u'=');
        Line entry;
        if (equals < 0) {
            entry.key = line;
        } else {
            entry.key = line.left(equals).trimmed();
            entry.value = line.mid(equals + 1).trimmed();
            entry.hasValue = true;
        }
        ini.sections_.last().lines.append(entry);
    }
    return ini;
}

QString IniFile::ToText() const {
    QString text;
    for (const Section& section : sections_) {
        text += u'[' + section.name + QStringLiteral("]\n");
        for (const Line& line : section.lines)
            text += line.hasValue ? line.key + u'=' + line.value + u'\n' : line.key + u'\n';
        text += u'\n';
    }
    return text;
}

const IniFile::Section* IniFile::FindSection(const QString& name) const {
    for (const Section& section : sections_)
        if (SameName(section.name, name))
            return &section;
    return nullptr;
}

IniFile::Section* IniFile::FindSection(const QString& name) {
    return const_cast<Section*>(std::as_const(*this).FindSection(name));
}

std::optional<QString> IniFile::Value(const QString& section, const QString& key) const {
    if (const Section* found = FindSection(section))
        for (const Line& line : found->lines)
            if (line.hasValue && SameName(line.key, key))
                return line.value;
    return std::nullopt;
}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
    return Value(section, key).value_or(def);
}

int IniFile::ReadInteger(const QString& section, const QString& key, int def) const {
    const std::optional<QString> text = Value(section, key);
    if (!text)
        return def;
    return ParseInteger(*text).value_or(def);
}

bool IniFile::ReadBool(const QString& section, const QString& key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

bool IniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    if (!IsWritableName(section) || !IsWritableKey(key) || HasLineBreak(value))
        return false;
    Section* target = FindSection(section);
    if (!target) {
        sections_.append({section, {}});
        target = &sections_.last();
    }
    for (Line& line : target->lines) {
        if (line.hasValue && SameName(line.key, key)) {
            line.value = value;
            return true;
        }
    }
    target->lines.append({key, value, true});
    return true;
}

bool IniFile::WriteInteger(const QString& section, const QString& key, int value) {
    return WriteString(section, key, QString::number(value));
}

bool IniFile::WriteBool(const QString& section, const QString& key, bool value) {
    return WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::EraseSection(const QString& section) {
    sections_.removeIf([&](const Section& s) { return SameName(s.name, section); });
}

QList<std::pair<QString, QString>> IniFile::SectionEntries(const QString& section) const {
    QList<std::pair<QString, QString>> entries;
    if (const Section* found = FindSection(section))
        for (const Line& line : found->lines)
            if (line.hasValue)
                entries.append({line.key, line.value});
    return entries;
}

} // namespace services
