#include "album/AlbumPaths.h"

#include "core/PathUtil.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace pictavo {

namespace {

// Relative in the album's eyes: not rooted ("/x", "\x", "C:\x"), and not
// a link target ("http://x", "mailto:x").
bool isRelativeFilePath(const QString& path) {
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    return !path.isEmpty() && !path.startsWith(QLatin1Char('/')) &&
           !path.startsWith(QLatin1Char('\\')) && !scheme.match(path).hasMatch();
}

class Rebaser {
public:
    explicit Rebaser(const QString& baseFolder) : base_(QFileInfo(baseFolder).absoluteFilePath()) {}

    // The absolute form of path, or path itself when it is not a relative
    // path of an existing file under the base folder.
    QString rebased(const QString& path) {
        if (!isRelativeFilePath(path))
            return path;
        const QFileInfo file(QDir(base_).filePath(path::toNative(path)));
        if (!file.exists())
            return path;
        ++changed_;
        return QDir::cleanPath(file.absoluteFilePath());
    }

    void rebase(QString& path) { path = rebased(path); }

    void rebase(const FieldTable& fields, const QStringList& keySuffixes) {
        for (const PropertyField& field : fields) {
            if (field.kind != FieldKind::Text)
                continue;
            for (const QString& suffix : keySuffixes) {
                if (field.key.endsWith(suffix))
                    field.text->set(rebased(field.text->get()));
            }
        }
    }

    int changed() const { return changed_; }

private:
    QString base_;
    int changed_ = 0;
};

}  // namespace

int makePathsAbsolute(Album& album, const QString& baseFolder) {
    Rebaser rebaser(baseFolder);
    rebaser.rebase(album.website.fields(),
                   {QStringLiteral("bgimgpath"), QStringLiteral("bgsndpath")});
    rebaser.rebase(album.layout.fields(), {QStringLiteral(".bgimg")});
    album.tree.walk([&](CSiteFolder* folder, int) {
        album.tree.editFolder(folder, [&](CSiteFolder& f) { rebaser.rebase(f.lnkimg); });
        for (int i = 0; i < folder->pageListSize(); ++i) {
            album.tree.editPage(folder, i, [&](CSitePage& page) {
                rebaser.rebase(page.url);
                rebaser.rebase(page.lnkimg);
            });
        }
    });
    return rebaser.changed();
}

}  // namespace pictavo
