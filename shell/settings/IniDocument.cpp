#include "shell/settings/IniDocument.h"

#include <QStringList>

#include <algorithm>

namespace pictavo {

namespace {

bool isGroupHeader(const QString& line) {
    return line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'));
}

bool isComment(const QString& line) {
    return line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'));
}

bool holdsLineBreak(const QString& text) {
    return text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
}

}  // namespace

IniDocument IniDocument::parse(const QByteArray& bytes) {
    IniDocument doc;
    QString text = QString::fromUtf8(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    Group* current = &doc.groups_.front();
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
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
        const QString value = line.mid(eq + 1).trimmed();
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
            out += key + QLatin1Char('=') + value + '\n';
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
