#include "shell/settings/IniDocument.h"

#include <QStringList>

#include <algorithm>

namespace pictavo {

namespace {

// The line without blanks at either end and without byte-order marks at its
// start (an editor may leave one at the start of the file, and a file that
// begins with a line that started with one must read the same).
QString cleanLine(const QString& line) {
    QString result = line.trimmed();
    while (result.startsWith(QChar(0xFEFF)))
        result = result.mid(1).trimmed();
    return result;
}

bool isGroupHeader(const QString& line) {
    return line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'));
}

bool isComment(const QString& line) {
    return line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'));
}

// Values with blanks at either end, or that start with a double quote, are
// written in double quotes so that they read back exactly; reading removes
// one pair of enclosing quotes.
bool needsQuotes(const QString& value) {
    return !value.isEmpty() &&
           (value.front().isSpace() || value.back().isSpace() || value.front() == QLatin1Char('"'));
}

QString encodeValue(const QString& value) {
    return needsQuotes(value) ? QLatin1Char('"') + value + QLatin1Char('"') : value;
}

QString decodeValue(const QString& text) {
    const bool quoted =
        text.size() >= 2 && text.front() == QLatin1Char('"') && text.back() == QLatin1Char('"');
    return quoted ? text.mid(1, text.size() - 2) : text;
}

bool holdsLineBreak(const QString& text) {
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

}  // namespace

IniDocument IniDocument::parse(const QByteArray& bytes) {
    IniDocument doc;
    Group* current = &doc.groups_.front();
    for (const QString& rawLine : QString::fromUtf8(bytes).split(QLatin1Char('\n'))) {
        const QString line = cleanLine(rawLine);
        if (line.isEmpty() || isComment(line))
            continue;
        if (isGroupHeader(line)) {
            current = &doc.groupFor(line.mid(1, line.size() - 2).trimmed());
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        const QString value = decodeValue(line.mid(eq + 1).trimmed());
        auto& entries = current->entries;
        auto it = std::find_if(entries.begin(), entries.end(),
                               [&](const auto& entry) { return entry.first == key; });
        if (it == entries.end()) {
            entries.emplace_back(key, value);
        } else {
            it->second = value;  // a repeated key: the last one wins
        }
    }
    return doc;
}

QByteArray IniDocument::serialize() const {
    QString out;
    for (const Group& group : groups_) {
        if (!group.name.isEmpty()) {
            if (!out.isEmpty())
                out += QLatin1Char('\n');
            out += QLatin1Char('[') + group.name + QLatin1String("]\n");
        }
        for (const auto& [key, value] : group.entries)
            out += key + QLatin1Char('=') + encodeValue(value) + '\n';
    }
    return out.toUtf8();
}

bool IniDocument::hasGroup(const QString& group) const {
    return findGroup(group) != nullptr;
}

std::optional<QString> IniDocument::value(const QString& group, const QString& key) const {
    const Group* g = findGroup(group);
    if (!g)
        return std::nullopt;
    for (const auto& [k, v] : g->entries) {
        if (k == key)
            return v;
    }
    return std::nullopt;
}

bool IniDocument::setValue(const QString& group, const QString& key, const QString& value) {
    if (holdsLineBreak(value) || holdsLineBreak(key))
        return false;
    auto& entries = groupFor(group).entries;
    for (auto& [k, v] : entries) {
        if (k == key) {
            v = value;
            return true;
        }
    }
    entries.emplace_back(key, value);
    return true;
}

const IniDocument::Group* IniDocument::findGroup(const QString& name) const {
    for (const Group& g : groups_) {
        if (g.name == name)
            return &g;
    }
    return nullptr;
}

IniDocument::Group& IniDocument::groupFor(const QString& name) {
    for (Group& g : groups_) {
        if (g.name == name)
            return g;
    }
    groups_.push_back(Group{name, {}});
    return groups_.back();
}

}  // namespace pictavo
