#include "app/services/text_file.h"

#include "game/model/atomic_file.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <array>

namespace services {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five bytes it leaves undefined keep
// their Latin-1 control character, as Windows itself does.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString DecodeWindows1252(const QByteArray& bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        const bool high = byte >= 0x80 && byte <= 0x9F;
        text.append(QChar(high ? kWindows1252High[byte - 0x80] : char16_t(byte)));
    }
    return text;
}

} // namespace

QString DecodeText(const QByteArray& bytes) {
    // Stateless, so that a sequence cut off at the end of the file counts as an error.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return DecodeWindows1252(bytes);
    return text;
}

TextFile ReadTextFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return {TextFileStatus::Missing, {}};
    QFile file(path);
    if (!info.isFile() || info.size() > kMaxTextFileSize || !file.open(QIODevice::ReadOnly))
        return {TextFileStatus::Unreadable, {}};
    // The size may have changed since it was checked: never read past the cap.
    const QByteArray bytes = file.read(kMaxTextFileSize + 1);
    if (bytes.size() > kMaxTextFileSize || file.error() != QFileDevice::NoError)
        return {TextFileStatus::Unreadable, {}};
    return {TextFileStatus::Read, DecodeText(bytes)};
}

QStringList SplitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

bool WriteTextFileAtomically(const QString& path, const QString& text) {
    return !game::WriteFileAtomically(path, text.toUtf8()).Failed();
}

} // namespace services
