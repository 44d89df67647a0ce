#pragma once
// TextField: a text value with the fixed byte capacity of the album records.
// The capacity counts the terminating NUL of the stored form, so a value keeps
// at most capacity - 1 bytes of UTF-8; longer text is cut at a character
// boundary. A capacity of 0 means "any length".

#include <QString>

namespace pictavo {

// Cuts text so that its UTF-8 form has at most maxBytes bytes, never splitting
// a character (a surrogate pair counts as one character).
QString truncateUtf8(const QString& text, int maxBytes);

class TextField {
public:
    explicit TextField(int capacity = 0, QString value = {});

    void set(const QString& value);
    const QString& get() const { return value_; }
    int capacity() const { return capacity_; }
    bool isEmpty() const { return value_.isEmpty(); }

    TextField& operator=(const QString& value) {
        set(value);
        return *this;
    }
    operator const QString&() const { return value_; }  // NOLINT: reads like a QString
    bool operator==(const TextField& other) const { return value_ == other.value_; }

private:
    int capacity_ = 0;
    QString value_;
};

}  // namespace pictavo
