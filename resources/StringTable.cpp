#include "resources/StringTable.h"

#include "resources/EnglishStrings.h"

#include <QRegularExpression>

#include <algorithm>

namespace pictavo {

namespace {

StringTable& currentTable() {
    static StringTable table = StringTable::builtIn();
    return table;
}

}  // namespace

const StringTable& StringTable::builtIn() {
    static const StringTable table = [] {
        StringTable t;
        for (const auto& [id, text] : englishStrings()) t.texts_.insert(id, QString::fromUtf8(text));
        return t;
    }();
    return table;
}

const StringTable& StringTable::current() { return currentTable(); }

void StringTable::setCurrent(StringTable table) { currentTable() = std::move(table); }

bool StringTable::setText(int id, const QString& text) {
    auto it = texts_.find(id);
    if (it == texts_.end()) return false;
    *it = text;
    return true;
}

QList<int> StringTable::ids() const {
    QList<int> ids = texts_.keys();
    std::sort(ids.begin(), ids.end());
    return ids;
}

QString uiText(int id) { return StringTable::current().text(id); }

QString plainMenuText(const QString& menuText) {
    QString text = menuText.section(QLatin1Char('\t'), 0, 0);
    // Languages without Latin letters add the accelerator as "(&N)" after
    // the text; it goes as a whole.
    static const QRegularExpression appendedAccelerator(QStringLiteral("\\s*\\(&[^&\\s]\\)"));
    text.remove(appendedAccelerator);
    QString plain;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        plain += text[i];
    }
    return plain.trimmed();
}

}  // namespace pictavo
