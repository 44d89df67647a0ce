#include "generator/check/LinkTarget.h"

#include <QRegularExpression>
#include <QUrl>

namespace pictavo {

namespace {

// A scheme has two characters at least: "C:/photos" is a drive letter.
QString schemeOf(const QString& reference) {
    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]+):"));
    const QRegularExpressionMatch match = scheme.match(reference);
    return match.hasMatch() ? match.captured(1).toLower() : QString();
}

// "file:///a/b" and "file://host/a/b" name "/a/b"; "file:a" names "a".
QString withoutFileScheme(const QString& reference) {
    QString rest = reference.mid(QLatin1String("file:").size());
    if (rest.startsWith(QLatin1String("//"))) {
        const qsizetype slash = rest.indexOf(QLatin1Char('/'), 2);
        rest = slash < 0 ? QStringLiteral("/") : rest.mid(slash);
    }
    return rest;
}

// Browsers drop blanks around a URL and tabs and line breaks inside it.
QString cleanedReference(const QString& reference) {
    QString cleaned = reference.trimmed();
    cleaned.remove(QLatin1Char('\t'));
    cleaned.remove(QLatin1Char('\n'));
    cleaned.remove(QLatin1Char('\r'));
    return cleaned;
}

// Drops text from the first mark on.
void cutAt(QString& text, QChar mark) {
    const qsizetype at = text.indexOf(mark);
    if (at >= 0)
        text.truncate(at);
}

}  // namespace

LinkTarget resolveLinkTarget(const QString& reference) {
    QString path = cleanedReference(reference);
    const QString scheme = schemeOf(path);
    if (!scheme.isEmpty() && scheme != QLatin1String("file"))
        return {LinkKind::Web, {}};
    if (!scheme.isEmpty())
        path = withoutFileScheme(path);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    cutAt(path, QLatin1Char('#'));
    cutAt(path, QLatin1Char('?'));
    if (path.isEmpty())
        return {LinkKind::SamePage, {}};
    return {LinkKind::File, QUrl::fromPercentEncoding(path.toUtf8())};
}

}  // namespace pictavo
