#pragma once
// JsonWriter: writes JSON text with keys in the order they are given (the
// album dump mirrors the album file's key order, which QJsonObject would
// sort away). Two-space indentation, UTF-8, strings escaped as JSON
// requires. The caller keeps begin/end calls balanced. Not thread-safe.
//
// The text goes to a sink in pieces of about 64 KiB as it is written, so a
// large album streams out without being held whole in memory.

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace pictavo {

class JsonWriter {
public:
    using Sink = std::function<void(const QByteArray& piece)>;

    explicit JsonWriter(Sink sink) : sink_(std::move(sink)) {}

    void beginObject();
    void endObject();
    void beginArray();
    void endArray();

    // The key of the next value inside an object.
    void key(const QString& name);
    void value(int number);
    void value(const QString& text);
    void null();

    // Ends the text with a line break and hands the rest to the sink.
    void finish();

private:
    void beforeValue();
    void open(char bracket);
    void close(char bracket);
    void newLine();
    void flushIfFull();

    Sink sink_;
    QByteArray out_;
    std::vector<bool> hasItems_;  // one entry per open object or array
    bool afterKey_ = false;
};

}  // namespace pictavo
