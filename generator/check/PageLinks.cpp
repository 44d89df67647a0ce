#include "generator/check/PageLinks.h"

#include <algorithm>
#include <array>
#include <optional>

namespace pictavo {

namespace {

bool isSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

bool isLinkAttribute(QStringView name) {
    static constexpr std::array<QStringView, 3> kNames = {u"href", u"src", u"background"};
    return std::any_of(kNames.begin(), kNames.end(), [&](QStringView link) {
        return name.compare(link, Qt::CaseInsensitive) == 0;
    });
}

// Elements whose contents are text, not markup.
bool isRawTextElement(QStringView name) {
    return name.compare(u"script", Qt::CaseInsensitive) == 0 ||
           name.compare(u"style", Qt::CaseInsensitive) == 0;
}

// Walks the page once, keeping the line number of the current position.
class PageScanner {
public:
    explicit PageScanner(QStringView html) : html_(html) {}

    std::vector<PageLink> run() {
        while (skipTo(u"<")) {
            const QStringView rest = html_.mid(pos_);
            if (rest.startsWith(u"<!--")) {
                skipPast(u"-->", 4);
            } else if (rest.size() > 1 && rest[1].isLetter()) {
                readTag();
            } else {
                ++pos_;
            }
        }
        return std::move(links_);
    }

private:
    bool atEnd() const { return pos_ >= html_.size(); }
    QChar current() const { return html_[pos_]; }

    void advanceTo(qsizetype target) {
        target = std::min(target, html_.size());
        line_ += int(html_.mid(pos_, target - pos_).count(u'\n'));
        pos_ = target;
    }

    // Moves to the next occurrence of text; false at the end of the page.
    bool skipTo(QStringView text, Qt::CaseSensitivity cs = Qt::CaseSensitive) {
        const qsizetype found = html_.indexOf(text, pos_, cs);
        advanceTo(found < 0 ? html_.size() : found);
        return found >= 0;
    }

    // Moves past the next occurrence of text, searching from offset on.
    void skipPast(QStringView text, qsizetype offset) {
        advanceTo(pos_ + offset);
        if (skipTo(text))
            advanceTo(pos_ + text.size());
    }

    void skipSpaces() {
        while (!atEnd() && isSpace(current()))
            advanceTo(pos_ + 1);
    }

    QStringView readWhile(bool (*accept)(QChar)) {
        const qsizetype start = pos_;
        while (!atEnd() && accept(current()))
            advanceTo(pos_ + 1);
        return html_.mid(start, pos_ - start);
    }

    void readTag() {
        advanceTo(pos_ + 1);
        const QStringView name =
            readWhile([](QChar c) { return !isSpace(c) && c != u'>' && c != u'/'; });
        while (!atEnd() && current() != u'>') {
            skipSpaces();
            if (atEnd() || current() == u'>')
                break;
            if (current() == u'/') {
                advanceTo(pos_ + 1);
                continue;
            }
            readAttribute();
        }
        advanceTo(pos_ + 1);
        if (isRawTextElement(name))
            skipRawText(name);
    }

    void readAttribute() {
        const QStringView name =
            readWhile([](QChar c) { return !isSpace(c) && c != u'>' && c != u'/' && c != u'='; });
        if (name.isEmpty()) {
            advanceTo(pos_ + 1);  // a stray "=": skipped as browsers do
            return;
        }
        skipSpaces();
        if (atEnd() || current() != u'=')
            return;
        advanceTo(pos_ + 1);
        skipSpaces();
        const int valueLine = line_;
        const QStringView value = readValue();
        if (isLinkAttribute(name))
            links_.push_back({decodeCharacterReferences(value), valueLine});
    }

    QStringView readValue() {
        if (atEnd())
            return {};
        const QChar quote = current();
        if (quote != u'"' && quote != u'\'')
            return readWhile([](QChar c) { return !isSpace(c) && c != u'>'; });
        advanceTo(pos_ + 1);
        const qsizetype start = pos_;
        skipTo(QStringView(&quote, 1));
        const QStringView value = html_.mid(start, pos_ - start);
        advanceTo(pos_ + 1);
        return value;
    }

    void skipRawText(QStringView element) {
        const QString end = QStringLiteral("</") + element.toString();
        if (skipTo(end, Qt::CaseInsensitive))
            advanceTo(pos_ + end.size());
    }

    QStringView html_;
    qsizetype pos_ = 0;
    int line_ = 1;
    std::vector<PageLink> links_;
};

struct NamedReference {
    QStringView name;
    char16_t character;
};

constexpr NamedReference kNamedReferences[] = {
    {u"amp", u'&'},  {u"lt", u'<'},    {u"gt", u'>'},
    {u"quot", u'"'}, {u"apos", u'\''}, {u"nbsp", u'\u00A0'},
};

// The character a reference body ("amp", "#38", "#x26") stands for, or
// nothing when browsers would leave it as written.
std::optional<char32_t> referencedCharacter(QStringView body) {
    if (body.startsWith(u'#')) {
        const bool hex = body.size() > 1 && (body[1] == u'x' || body[1] == u'X');
        bool ok = false;
        const uint code = body.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        return char32_t(code);
    }
    for (const NamedReference& named : kNamedReferences) {
        if (body == named.name)
            return named.character;
    }
    return std::nullopt;
}

}  // namespace

std::vector<PageLink> findPageLinks(QStringView html) {
    return PageScanner(html).run();
}

QString decodeCharacterReferences(QStringView text) {
    if (!text.contains(u'&'))
        return text.toString();
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype semicolon = text[i] == u'&' ? text.indexOf(u';', i + 1) : -1;
        if (semicolon > i + 1) {
            const QStringView body = text.mid(i + 1, semicolon - i - 1);
            if (const std::optional<char32_t> c = referencedCharacter(body)) {
                out += QString::fromUcs4(&*c, 1);
                i = semicolon + 1;
                continue;
            }
        }
        out += text[i++];
    }
    return out;
}

}  // namespace pictavo
