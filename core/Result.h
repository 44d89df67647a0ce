#pragma once
// Result<T>: a value or a readable error message. Used by the core instead of
// exceptions so that the GUI and the command-line tool decide how to report.

#include <QString>

#include <optional>
#include <utility>

namespace pictavo {

// An error message; context is prepended on the way up
// ("cannot read album a.www: " + inner).
class Error {
public:
    Error() = default;
    explicit Error(QString message) : message_(std::move(message)) {}
    const QString& message() const { return message_; }
    Error withContext(const QString& context) const {
        Error wider(context + ": " + message_);
        wider.everyFile_ = everyFile_;
        return wider;
    }

    // A write failure that every further file in the same place will meet
    // too (disk full, read-only file system, output folder not writable):
    // a long run stops at the first one instead of failing file by file.
    bool affectsEveryFile() const { return everyFile_; }
    Error affectingEveryFile() const {
        Error marked = *this;
        marked.everyFile_ = true;
        return marked;
    }

private:
    QString message_;
    bool everyFile_ = false;
};

template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}      // NOLINT: implicit by design
    Result(Error error) : error_(std::move(error)) {}  // NOLINT: implicit by design

    bool ok() const { return value_.has_value(); }
    explicit operator bool() const { return ok(); }
    T& value() & { return *value_; }
    const T& value() const& { return *value_; }
    T&& value() && { return std::move(*value_); }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }
    const Error& error() const { return error_; }

private:
    std::optional<T> value_;
    Error error_;
};

// Result of an operation that yields nothing but success or an error.
class [[nodiscard]] Status {
public:
    Status() = default;                                               // success
    Status(Error error) : failed_(true), error_(std::move(error)) {}  // NOLINT
    static Status success() { return Status(); }

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const Error& error() const { return error_; }

private:
    bool failed_ = false;
    Error error_;
};

}  // namespace pictavo
