#include "generator/export/ExportManifest.h"

#include <QCryptographicHash>
#include <QDir>
#include <QList>

#include <array>

namespace pictavo {

namespace {

constexpr char kMagic[] = "pictavo-export\t1\n";
constexpr char kFingerprint[] = "fingerprint";
constexpr char kEnd[] = "end\t";
constexpr int kFieldCount = 11;

constexpr std::array<const char*, 5> kKindNames{"written", "copy", "convert", "thumbnail", "size"};

QByteArray encodeField(const QString& text) {
    QByteArray out = text.toUtf8();
    out.replace('%', "%25").replace('\t', "%09").replace('\n', "%0A").replace('\r', "%0D");
    return out;
}

QString decodeField(const QByteArray& field) {
    return QString::fromUtf8(QByteArray::fromPercentEncoding(field));
}

QByteArray checksum(const QByteArray& text) {
    return QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex();
}

void appendStamp(QByteArray& line, const FileStamp& stamp) {
    line += '\t' + QByteArray::number(qint64(stamp.size)) + '\t' +
            QByteArray::number(qint64(stamp.modifiedNs)) + '\t' +
            QByteArray::number(qint64(stamp.changedNs));
}

QByteArray recordLine(const ExportRecord& record) {
    QByteArray line = kKindNames[std::size_t(record.kind)];
    line += '\t' + encodeField(record.output) + '\t' + encodeField(record.source);
    appendStamp(line, record.sourceStamp);
    line += '\t' + encodeField(record.shape) + '\t' + encodeField(record.result);
    appendStamp(line, record.outputStamp);
    return line + '\n';
}

std::optional<RecordKind> kindNamed(const QByteArray& name) {
    for (std::size_t i = 0; i < kKindNames.size(); ++i)
        if (name == kKindNames[i])
            return RecordKind(i);
    return std::nullopt;
}

std::optional<FileStamp> stampFrom(const QList<QByteArray>& fields, int first) {
    bool ok[3] = {false, false, false};
    FileStamp stamp{fields[first].toLongLong(&ok[0]), fields[first + 1].toLongLong(&ok[1]),
                    fields[first + 2].toLongLong(&ok[2])};
    if (!ok[0] || !ok[1] || !ok[2])
        return std::nullopt;
    return stamp;
}

std::optional<ExportRecord> parseRecord(const QByteArray& line) {
    const QList<QByteArray> fields = line.split('\t');
    if (fields.size() != kFieldCount)
        return std::nullopt;
    const std::optional<RecordKind> kind = kindNamed(fields[0]);
    const std::optional<FileStamp> sourceStamp = stampFrom(fields, 3);
    const std::optional<FileStamp> outputStamp = stampFrom(fields, 8);
    if (!kind || !sourceStamp || !outputStamp)
        return std::nullopt;
    ExportRecord record{*kind,        decodeField(fields[1]), decodeField(fields[2]),
                        *sourceStamp, decodeField(fields[6]), decodeField(fields[7]),
                        *outputStamp};
    const bool hasOutput = record.kind != RecordKind::DisplaySize;
    if (hasOutput ? !isSafeOutput(record.output) : !record.output.isEmpty())
        return std::nullopt;
    return record;
}

}  // namespace

bool isSafeOutput(const QString& output) {
    return !output.isEmpty() && !QDir::isAbsolutePath(output) &&
           QDir::cleanPath(output) == output && output != QLatin1String("..") &&
           !output.startsWith(QLatin1String("../")) && !output.startsWith(QLatin1Char('\\'));
}

QByteArray serializeManifest(const ExportManifest& manifest) {
    QByteArray text = kMagic;
    text += QByteArray(kFingerprint) + '\t' + encodeField(manifest.fingerprint) + '\n';
    for (const ExportRecord& record : manifest.records)
        text += recordLine(record);
    return text + kEnd + checksum(text) + '\n';
}

std::optional<ExportManifest> parseManifest(const QByteArray& text) {
    if (!text.startsWith(kMagic) || !text.endsWith('\n'))
        return std::nullopt;
    const qsizetype endLine = text.lastIndexOf(QByteArray("\n") + kEnd);
    if (endLine < 0)
        return std::nullopt;
    const QByteArray body = text.left(endLine + 1);
    const QByteArray stated = text.mid(endLine + 1 + qsizetype(sizeof kEnd) - 1).chopped(1);
    if (stated != checksum(body))
        return std::nullopt;

    QList<QByteArray> lines = body.split('\n');
    lines.removeLast();  // after the final line break
    if (lines.size() < 2 || !lines[1].startsWith(QByteArray(kFingerprint) + '\t'))
        return std::nullopt;
    ExportManifest manifest;
    manifest.fingerprint = decodeField(lines[1].mid(qsizetype(sizeof kFingerprint)));
    for (qsizetype i = 2; i < lines.size(); ++i) {
        std::optional<ExportRecord> record = parseRecord(lines[i]);
        if (!record)
            return std::nullopt;
        manifest.records.push_back(std::move(*record));
    }
    return manifest;
}

}  // namespace pictavo
