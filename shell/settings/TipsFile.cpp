#include "shell/settings/TipsFile.h"

#include <QFile>

namespace pictavo {

namespace {

constexpr qint64 kLineBuffer = 512;

// One line as a 512-byte buffer reads it: at most 511 bytes, the line feed
// (and a carriage return before it) removed.
QString readLinePiece(QFile& file) {
    QByteArray piece = file.readLine(kLineBuffer);
    if (piece.endsWith('\n'))
        piece.chop(1);
    if (piece.endsWith('\r'))
        piece.chop(1);
    return QString::fromUtf8(piece);
}

// The count line read as C's atoi does, limited to 0..kMaxTips.
int tipCount(const QString& line) {
    QString text = line;
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text = text.trimmed();
    qsizetype digitsEnd = (text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+')));
    while (digitsEnd < text.size() && text.at(digitsEnd).isDigit() && digitsEnd < 12)
        ++digitsEnd;
    bool ok = false;
    const qint64 n = text.left(digitsEnd).toLongLong(&ok);
    if (!ok || n < 0 || n > TipsFile::kMaxTips)
        return 0;
    return static_cast<int>(n);
}

}  // namespace

TipsFile TipsFile::read(const QString& path) {
    TipsFile tips;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return tips;
    tips.count_ = tipCount(readLinePiece(file));
    while (tips.lines_.size() < tips.count_ && !file.atEnd())
        tips.lines_ << readLinePiece(file);
    return tips;
}

QString TipsFile::tip(int k) const {
    if (k < 1 || k > lines_.size())
        return {};
    return lines_.at(k - 1);
}

int TipsFile::nextIndex(int k) const {
    if (count_ == 0)
        return 0;
    return k >= count_ ? 1 : k + 1;
}

int TipsFile::firstIndex(quint32 random) const {
    if (count_ == 0)
        return 0;
    return static_cast<int>(random % static_cast<quint32>(count_)) + 1;
}

}  // namespace pictavo
