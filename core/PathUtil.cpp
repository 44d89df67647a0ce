#include "core/PathUtil.h"

#include <QDir>

namespace pictavo::path {

qsizetype lastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
}

QString fileName(const QString& path) { return path.mid(lastSeparator(path) + 1); }

QString folderWithSeparator(const QString& path) { return path.left(lastSeparator(path) + 1); }

QString extension(const QString& path) {
    const QString name = fileName(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1);
}

QString baseName(const QString& path) {
    const QString name = fileName(path);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? name : name.left(dot);
}

QString toNative(const QString& path) {
    QString result = path;
    result.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return result;
}

QString join(const QString& folder, const QString& name) {
    if (folder.isEmpty()) return name;
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

bool isInside(const QString& child, const QString& folder) {
    const QString c = QDir::cleanPath(toNative(child));
    QString f = QDir::cleanPath(toNative(folder));
    if (f.isEmpty()) return false;
    if (!f.endsWith(QLatin1Char('/'))) f += QLatin1Char('/');
    return c.size() > f.size() && c.startsWith(f);
}

}  // namespace pictavo::path
