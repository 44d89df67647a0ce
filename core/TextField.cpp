#include "core/TextField.h"

namespace pictavo {

namespace {

int utf8Length(char32_t codePoint) {
    if (codePoint < 0x80) return 1;
    if (codePoint < 0x800) return 2;
    if (codePoint < 0x10000) return 3;
    return 4;
}

}  // namespace

QString truncateUtf8(const QString& text, int maxBytes) {
    int bytes = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        char32_t cp = text.at(i).unicode();
        qsizetype units = 1;
        if (QChar::isHighSurrogate(cp) && i + 1 < text.size() &&
            text.at(i + 1).isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            units = 2;
        }
        const int len = utf8Length(cp);
        if (bytes + len > maxBytes) return text.left(i);
        bytes += len;
        i += units;
    }
    return text;
}

TextField::TextField(int capacity, QString value) : capacity_(capacity) { set(value); }

void TextField::set(const QString& value) {
    value_ = capacity_ > 0 ? truncateUtf8(value, capacity_ - 1) : value;
}

}  // namespace pictavo
