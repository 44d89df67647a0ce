#include "properties/PropertyField.h"

#include <limits>

namespace pictavo {

int parseDecimal(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace()) ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    constexpr long long kLimit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) break;
        value = std::min(kLimit, value * 10 + (c.unicode() - '0'));
    }
    if (negative) return static_cast<int>(-value);
    return static_cast<int>(std::min<long long>(value, std::numeric_limits<int>::max()));
}

bool setFieldByKey(const FieldTable& fields, const QString& key, const QString& value) {
    for (const PropertyField& field : fields) {
        if (field.key != key) continue;
        if (field.kind == FieldKind::Text)
            field.text->set(value);
        else
            *field.number = parseDecimal(value);
        return true;
    }
    return false;
}

}  // namespace pictavo
