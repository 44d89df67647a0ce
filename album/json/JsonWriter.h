#pragma once
// JsonWriter: writes JSON text with keys in the order they are given (the
// album dump mirrors the album file's key order, which QJsonObject would
// sort away). Two-space indentation, UTF-8, strings escaped as JSON
// requires. The caller keeps begin/end calls balanced. Not thread-safe.

#include <QByteArray>
#include <QString>

#include <vector>

namespace pictavo {

class JsonWriter {
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();

    // The key of the next value inside an object.
    void key(const QString& name);
    void value(int number);
    void value(const QString& text);
    void null();

    // The text written so far, with a final line break.
    QByteArray finish() const { return out_ + '\n'; }

private:
    void beforeValue();
    void open(char bracket);
    void close(char bracket);
    void newLine();

    QByteArray out_;
    std::vector<bool> hasItems_;  // one entry per open object or array
    bool afterKey_ = false;
};

}  // namespace pictavo
