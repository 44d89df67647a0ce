// The version-3 text reader: key=value lines grouped into records by
// "object" lines. Keys are matched after lower-casing and stripping; values
// are stripped of white space at both ends. A key ending in '*' carries a
// percent-encoded value (see AlbumFileFormat.h). A physical line without
// '=' continues the line before it: it is joined with a line feed, which
// gives back the line breaks of multi-line texts written by older versions.

#include "album/SiteNodeFields.h"
#include "album/file/AlbumFileFormat.h"
#include "album/file/AlbumReaders.h"
#include "album/file/FolderTreeBuilder.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace pictavo {

namespace {

using namespace albumfile;

// Sets the field of node named key; false when node has no such field.
template <typename Node, std::size_t N>
bool setNodeField(Node& node, const std::array<SiteNodeField<Node>, N>& fields, const QString& key,
                  const QString& value) {
    for (const SiteNodeField<Node>& field : fields) {
        if (key != QLatin1String(field.key))
            continue;
        if (field.number)
            node.*field.number = parseDecimal(value);
        else
            node.*field.text = value;
        return true;
    }
    return false;
}

class TextAlbumReader {
public:
    explicit TextAlbumReader(Album& album)
        : album_(album),
          websiteFields_(album.website.fields()),
          layoutFields_(album.layout.fields()) {}

    // Takes one logical line (continuations already joined).
    void processLine(QStringView line) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            return;
        QString key = trimBlanks(line.first(equals)).toString().toLower();
        const QStringView rawValue = trimBlanks(line.sliced(equals + 1));
        QString value;
        if (key.endsWith(kExtendedMarker)) {
            key = trimBlanks(QStringView(key).chopped(1)).toString();
            value = decodeExtendedValue(rawValue);
        } else {
            value = rawValue.toString();
        }
        if (key == kObjectKey)
            openRecord(value.toLower());
        else
            setField(key, value);
    }

    // Hands the folders read to the album as its tree.
    void finish() {
        FolderTreeBuilder builder;
        for (auto& folder : folders_)
            builder.add(std::move(folder));
        album_.tree.replaceRoot(builder.takeRoot(), static_cast<int>(nextFolderId_));
    }

private:
    enum class Record { None, Website, Meta, Layout, Folder, Page, Unknown };

    void openRecord(const QString& type) {
        if (type == kWebsiteRecord) {
            record_ = Record::Website;
        } else if (type == kLayoutRecord) {
            record_ = Record::Layout;
        } else if (type == kMetaRecord) {
            record_ = Record::Meta;
            album_.website.metas.emplace_back();
        } else if (type == kFolderRecord) {
            record_ = Record::Folder;
            folders_.push_back(std::make_unique<CSiteFolder>());
        } else if (type == kPageRecord) {
            // A page before any folder has nothing to join and is dropped.
            record_ = Record::Page;
            page_ = folders_.empty()
                        ? nullptr
                        : folders_.back()->appendDetachedPage(std::make_unique<CSitePage>());
        } else {
            record_ = Record::Unknown;
        }
    }

    void setField(const QString& key, const QString& value) {
        switch (record_) {
            case Record::Website:
                setFieldByKey(websiteFields_, key, value);
                break;
            case Record::Layout:
                setFieldByKey(layoutFields_, key, value);
                break;
            case Record::Meta:
                setFieldByKey(album_.website.metas.back().fields(), key, value);
                break;
            case Record::Folder:
                setFolderField(*folders_.back(), key, value);
                break;
            case Record::Page:
                if (page_)
                    setNodeField(*page_, kPageFields, key, value);
                break;
            case Record::None:
            case Record::Unknown:
                break;
        }
    }

    void setFolderField(CSiteFolder& folder, const QString& key, const QString& value) {
        if (!setNodeField(folder, kFolderFields, key, value) || key != QLatin1String("id"))
            return;
        // Ids of folders added later must stay unique.
        nextFolderId_ = std::max(nextFolderId_, std::min<qint64>(static_cast<qint64>(folder.id) + 1,
                                                                 std::numeric_limits<int>::max()));
    }

    Album& album_;
    const FieldTable websiteFields_;
    const FieldTable layoutFields_;
    Record record_ = Record::None;
    CSitePage* page_ = nullptr;
    std::vector<std::unique_ptr<CSiteFolder>> folders_;
    qint64 nextFolderId_ = 0;
};

// Calls visit for each physical line of text without its line break (LF or
// CRLF); text after the last line break is a line too when not empty.
template <typename Visit>
void forEachPhysicalLine(QStringView text, Visit&& visit) {
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        const bool hasBreak = end >= 0;
        if (!hasBreak)
            end = text.size();
        qsizetype lineEnd = end;
        if (hasBreak && lineEnd > start && text.at(lineEnd - 1) == QLatin1Char('\r'))
            --lineEnd;
        visit(text.sliced(start, lineEnd - start));
        start = end + 1;
    }
}

}  // namespace

void readTextAlbum(Album& album, const QString& text) {
    TextAlbumReader reader(album);
    QString pending;
    bool hasPending = false;
    bool versionLine = true;  // the caller has read it already
    QStringView body(text);
    if (body.startsWith(QChar(0xFEFF)))
        body = body.sliced(1);
    forEachPhysicalLine(body, [&](QStringView line) {
        if (versionLine) {
            versionLine = false;
            return;
        }
        if (line.contains(QLatin1Char('='))) {
            if (hasPending)
                reader.processLine(pending);
            pending = line.toString();
            hasPending = true;
        } else if (hasPending) {
            pending.append(QLatin1Char('\n'));
            pending.append(line);
        }
    });
    if (hasPending)
        reader.processLine(pending);
    reader.finish();
}

}  // namespace pictavo
