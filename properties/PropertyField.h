#pragma once
// A named field of a property record, as the album file and the dump see it:
// its file key, its value kind, and where the value lives. Records list their
// fields in the order the album file writes them, so the writer, the reader's
// setters and the JSON dump share one table.

#include "core/TextField.h"

#include <QString>

#include <vector>

namespace pictavo {

enum class FieldKind { Int, Colour, Text };

struct PropertyField {
    QString key;
    FieldKind kind;
    int* number = nullptr;     // Int and Colour fields
    TextField* text = nullptr;  // Text fields
};

using FieldTable = std::vector<PropertyField>;

// Plain decimal conversion of the album file: optional blanks, optional sign,
// digits up to the first non-digit; no digits gives 0. Values beyond the
// 32-bit range saturate.
int parseDecimal(const QString& text);

// Sets the field of the table whose key equals key exactly; returns false
// when no field has that key.
bool setFieldByKey(const FieldTable& fields, const QString& key, const QString& value);

}  // namespace pictavo
