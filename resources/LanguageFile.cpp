#include "resources/LanguageFile.h"

#include <QFile>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace pictavo {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView bytes) {
    while (!bytes.isEmpty() && isBlank(bytes.front()))
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && isBlank(bytes.back()))
        bytes.chop(1);
    return bytes;
}

// A decimal number of at most nine digits (ids are small; this keeps the
// arithmetic clear of overflow).
std::optional<int> parseId(QByteArrayView bytes) {
    if (bytes.isEmpty() || bytes.size() > 9)
        return std::nullopt;
    int value = 0;
    for (char c : bytes) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// Raw control characters other than tab have no place in a text: a line
// break is written as \n.
bool hasControlCharacters(QByteArrayView bytes) {
    return std::any_of(bytes.begin(), bytes.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return (u < 0x20 && c != '\t') || u == 0x7f;
    });
}

std::optional<QString> decodeUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

QString unescaped(const QString& text) {
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\') && i + 1 < text.size()) {
            const QChar next = text[i + 1];
            if (next == QLatin1Char('n')) {
                result += QLatin1Char('\n');
                ++i;
                continue;
            }
            if (next == QLatin1Char('t')) {
                result += QLatin1Char('\t');
                ++i;
                continue;
            }
            if (next == QLatin1Char('\\')) {
                result += QLatin1Char('\\');
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

}  // namespace

QList<int> textPlaceholders(const QString& text) {
    // QString::arg reads '%', an optional 'L', then one or two digits. "%0"
    // is counted too: arg would fill it, so a translation must not add one.
    // arg also takes digits outside ASCII ("%١", "%１") for now, with a
    // warning, and later Qt versions will not: such a placeholder counts as
    // kForeignDigitPlaceholder, which no built-in text has.
    const auto digitAt = [&text](qsizetype i) {
        return i < text.size() ? text[i].digitValue() : -1;
    };
    QList<int> numbers;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('%'))
            continue;
        qsizetype j = i + 1;
        if (j < text.size() && text[j] == QLatin1Char('L'))
            ++j;
        if (digitAt(j) < 0)
            continue;
        bool foreign = text[j].unicode() > '9';
        int number = digitAt(j++);
        if (digitAt(j) >= 0) {
            foreign = foreign || text[j].unicode() > '9';
            number = number * 10 + digitAt(j++);
        }
        numbers.append(foreign ? kForeignDigitPlaceholder : number);
        i = j - 1;
    }
    std::sort(numbers.begin(), numbers.end());
    return numbers;
}

LanguageReport applyLanguageText(QByteArrayView content, StringTable& table) {
    LanguageReport report;
    if (content.size() > kMaxLanguageFileSize) {
        report.status = LanguageFileStatus::TooLarge;
        return report;
    }
    if (content.startsWith("\xEF\xBB\xBF"))
        content = content.sliced(3);

    const StringTable& english = StringTable::builtIn();
    QSet<int> seen;
    int lineNumber = 0;
    while (!content.isEmpty()) {
        ++lineNumber;
        const qsizetype end = content.indexOf('\n');
        QByteArrayView line = end < 0 ? content : content.first(end);
        content = end < 0 ? QByteArrayView() : content.sliced(end + 1);
        if (line.endsWith('\r'))
            line.chop(1);

        const auto refuse = [&](LanguageLineFault fault, int id = 0) {
            report.refused.append({lineNumber, fault, id});
        };
        if (line.size() > kMaxLanguageLineLength) {
            refuse(LanguageLineFault::TooLong);
            continue;
        }
        line = trimmed(line);
        if (line.isEmpty() || line.front() == '#')
            continue;

        const qsizetype equals = line.indexOf('=');
        const std::optional<int> id =
            equals < 0 ? std::nullopt : parseId(trimmed(line.first(equals)));
        if (!id) {
            refuse(LanguageLineFault::Malformed);
            continue;
        }
        const QByteArrayView rawText = trimmed(line.sliced(equals + 1));
        const std::optional<QString> decoded =
            hasControlCharacters(rawText) ? std::nullopt : decodeUtf8(rawText);
        if (!decoded) {
            refuse(LanguageLineFault::NotUtf8, *id);
            continue;
        }
        if (!table.contains(*id)) {
            refuse(LanguageLineFault::UnknownId, *id);
            continue;
        }
        if (seen.contains(*id)) {
            refuse(LanguageLineFault::DuplicateId, *id);
            continue;
        }
        const QString text = unescaped(*decoded);
        if (text.isEmpty()) {
            refuse(LanguageLineFault::EmptyText, *id);
            continue;
        }
        if (textPlaceholders(text) != textPlaceholders(english.text(*id))) {
            refuse(LanguageLineFault::PlaceholderMismatch, *id);
            continue;
        }
        table.setText(*id, text);
        seen.insert(*id);
        ++report.applied;
    }
    return report;
}

LanguageReport applyLanguageFile(const QString& path, StringTable& table) {
    LanguageReport report;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        report.status = LanguageFileStatus::Unreadable;
        return report;
    }
    // Read one byte past the limit rather than trusting size(): a device or
    // a pipe reports no size.
    const QByteArray content = file.read(kMaxLanguageFileSize + 1);
    if (file.error() != QFileDevice::NoError) {
        report.status = LanguageFileStatus::Unreadable;
        return report;
    }
    return applyLanguageText(content, table);
}

}  // namespace pictavo
