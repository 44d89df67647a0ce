#include "album/json/JsonWriter.h"

namespace pictavo {

namespace {

constexpr qsizetype kPieceSize = 64 * 1024;

QByteArray quoted(const QString& text) {
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20)
                    out += QByteArray("\\u00") + QByteArray::number(c, 16).rightJustified(2, '0');
                else
                    out += c;
        }
    }
    return out + '"';
}

}  // namespace

void JsonWriter::beginObject() {
    open('{');
}
void JsonWriter::endObject() {
    close('}');
}
void JsonWriter::beginArray() {
    open('[');
}
void JsonWriter::endArray() {
    close(']');
}

void JsonWriter::key(const QString& name) {
    beforeValue();
    out_ += quoted(name) + ": ";
    afterKey_ = true;
}

void JsonWriter::value(int number) {
    beforeValue();
    out_ += QByteArray::number(number);
}

void JsonWriter::value(const QString& text) {
    beforeValue();
    out_ += quoted(text);
}

void JsonWriter::null() {
    beforeValue();
    out_ += "null";
}

// Places the separator and line break that come before an item, unless the
// item is the value that follows a key.
void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (hasItems_.empty())
        return;
    if (hasItems_.back())
        out_ += ',';
    hasItems_.back() = true;
    newLine();
}

void JsonWriter::open(char bracket) {
    beforeValue();
    out_ += bracket;
    hasItems_.push_back(false);
}

void JsonWriter::close(char bracket) {
    const bool hadItems = hasItems_.back();
    hasItems_.pop_back();
    if (hadItems)
        newLine();
    out_ += bracket;
}

void JsonWriter::finish() {
    out_ += '\n';
    sink_(out_);
    out_.clear();
}

void JsonWriter::flushIfFull() {
    if (out_.size() < kPieceSize)
        return;
    sink_(out_);
    out_.clear();
}

void JsonWriter::newLine() {
    flushIfFull();
    out_ += '\n';
    out_ += QByteArray(2 * static_cast<int>(hasItems_.size()), ' ');
}

}  // namespace pictavo
