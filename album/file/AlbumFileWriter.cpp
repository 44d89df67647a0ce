// Writes an album as a version-3 text file: key=value lines ending in CRLF,
// UTF-8. A text value that the plain form carries intact is written as it
// stands, exactly as older versions wrote it; any other text value is
// written in the extended form "key*=percent-encoded value", which older
// readers skip as an unknown key.

#include "album/file/AlbumFile.h"
#include "album/file/AlbumFileFormat.h"

namespace pictavo {

namespace {

using namespace albumfile;

class LineWriter {
public:
    void line(const QString& key, const QByteArray& value) {
        out_.append(key.toUtf8());
        out_.append('=');
        out_.append(value);
        out_.append("\r\n");
    }
    void object(const QString& type) { line(kObjectKey, type.toUtf8()); }
    void number(const QString& key, int value) { line(key, QByteArray::number(value)); }
    void text(const QString& key, const QString& value) {
        if (fitsPlainForm(value))
            line(key, value.toUtf8());
        else
            line(key + kExtendedMarker, encodeExtendedValue(value));
    }
    void fields(const FieldTable& table) {
        for (const PropertyField& field : table) {
            if (field.kind == FieldKind::Text)
                text(field.key, field.text->get());
            else
                number(field.key, *field.number);
        }
    }
    QByteArray take() { return std::move(out_); }

private:
    QByteArray out_;
};

void writeFolder(LineWriter& out, const CSiteFolder& folder) {
    out.object(kFolderRecord);
    out.number(QStringLiteral("id"), folder.id);
    out.number(QStringLiteral("col"), folder.col);
    out.number(QStringLiteral("pagecount"), folder.pagecount);
    out.text(QStringLiteral("caption"), folder.caption);
    out.text(QStringLiteral("desc"), folder.desc);
    out.text(QStringLiteral("url"), folder.url);
    out.number(QStringLiteral("rows"), folder.rows);
    out.number(QStringLiteral("cols"), folder.cols);
    out.text(QStringLiteral("lnkimg"), folder.lnkimg);
    out.number(QStringLiteral("posstyle"), folder.posstyle);
    out.number(QStringLiteral("lnkstyle"), folder.lnkstyle);
}

void writePage(LineWriter& out, const CSitePage& page) {
    out.object(kPageRecord);
    out.number(QStringLiteral("id"), page.id);
    out.text(QStringLiteral("caption"), page.caption);
    out.text(QStringLiteral("desc"), page.desc);
    out.text(QStringLiteral("url"), page.url);
    out.text(QStringLiteral("lnkimg"), page.lnkimg);
    out.number(QStringLiteral("posstyle"), page.posstyle);
    out.number(QStringLiteral("lnkstyle"), page.lnkstyle);
}

}  // namespace

QByteArray serializeAlbum(Album& album) {
    LineWriter out;
    out.number(QStringLiteral("version"), kTextVersion);
    out.object(kWebsiteRecord);
    out.fields(album.website.fields());
    for (MetaVariable& meta : album.website.metas) {
        out.object(kMetaRecord);
        out.fields(meta.fields());
    }
    out.object(kLayoutRecord);
    out.fields(album.layout.fields());
    album.tree.walk([&out](CSiteFolder* folder, int depth) {
        folder->col = depth;
        writeFolder(out, *folder);
        for (const auto& page : folder->pages())
            writePage(out, *page);
    });
    return out.take();
}

}  // namespace pictavo
