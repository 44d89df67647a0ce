// Writes an album as a version-3 text file: key=value lines ending in CRLF,
// UTF-8. A text value that the plain form carries intact is written as it
// stands, exactly as older versions wrote it; any other text value is
// written in the extended form "key*=percent-encoded value", which older
// readers skip as an unknown key.

#include "album/SiteNodeFields.h"
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

template <typename Node, std::size_t N>
void writeNode(LineWriter& out, const QString& record, const Node& node,
               const std::array<SiteNodeField<Node>, N>& fields) {
    out.object(record);
    for (const SiteNodeField<Node>& field : fields) {
        const QString key = QLatin1String(field.key);
        if (field.number)
            out.number(key, node.*field.number);
        else
            out.text(key, node.*field.text);
    }
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
        writeNode(out, kFolderRecord, *folder, kFolderFields);
        for (const auto& page : folder->pages())
            writeNode(out, kPageRecord, *page, kPageFields);
    });
    return out.take();
}

}  // namespace pictavo
