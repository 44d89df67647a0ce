#include "cli/AlbumJson.h"

#include "cli/JsonWriter.h"

#include <vector>

namespace pictavo::cli {

namespace {

void writeFields(JsonWriter& json, const FieldTable& fields) {
    json.beginObject();
    for (const PropertyField& field : fields) {
        json.key(field.key);
        if (field.kind == FieldKind::Text)
            json.value(field.text->get());
        else
            json.value(*field.number);
    }
    json.endObject();
}

void writeInt(JsonWriter& json, const char* key, int value) {
    json.key(QLatin1String(key));
    json.value(value);
}

void writeText(JsonWriter& json, const char* key, const QString& value) {
    json.key(QLatin1String(key));
    json.value(value);
}

void writePage(JsonWriter& json, const CSitePage& page) {
    json.beginObject();
    writeInt(json, "id", page.id);
    writeText(json, "caption", page.caption);
    writeText(json, "desc", page.desc);
    writeText(json, "url", page.url);
    writeText(json, "lnkimg", page.lnkimg);
    writeInt(json, "posstyle", page.posstyle);
    writeInt(json, "lnkstyle", page.lnkstyle);
    json.endObject();
}

// Everything of a folder up to the opening of its "children" array.
void beginFolder(JsonWriter& json, const CSiteFolder& folder) {
    json.beginObject();
    writeInt(json, "id", folder.id);
    writeInt(json, "col", folder.col);
    writeInt(json, "pagecount", folder.pagecount);
    writeText(json, "caption", folder.caption);
    writeText(json, "desc", folder.desc);
    writeText(json, "url", folder.url);
    writeInt(json, "rows", folder.rows);
    writeInt(json, "cols", folder.cols);
    writeText(json, "lnkimg", folder.lnkimg);
    writeInt(json, "posstyle", folder.posstyle);
    writeInt(json, "lnkstyle", folder.lnkstyle);
    json.key(QStringLiteral("pages"));
    json.beginArray();
    for (const auto& page : folder.pages())
        writePage(json, *page);
    json.endArray();
    json.key(QStringLiteral("children"));
    json.beginArray();
}

// The folder tree without recursion, so that a file nesting folders
// thousands of levels deep cannot exhaust the stack.
void writeTree(JsonWriter& json, const CSiteFolder& root) {
    struct Open {
        const CSiteFolder* folder;
        int nextChild;
    };
    std::vector<Open> open{{&root, 0}};
    beginFolder(json, root);
    while (!open.empty()) {
        Open& top = open.back();
        if (top.nextChild < top.folder->childCount()) {
            const CSiteFolder* child = top.folder->child(top.nextChild++);
            beginFolder(json, *child);
            open.push_back({child, 0});
        } else {
            json.endArray();
            json.endObject();
            open.pop_back();
        }
    }
}

}  // namespace

QByteArray albumToJson(Album& album) {
    JsonWriter json;
    json.beginObject();
    json.key(QStringLiteral("website"));
    writeFields(json, album.website.fields());
    json.key(QStringLiteral("meta"));
    json.beginArray();
    for (MetaVariable& meta : album.website.metas)
        writeFields(json, meta.fields());
    json.endArray();
    json.key(QStringLiteral("layout"));
    writeFields(json, album.layout.fields());
    json.key(QStringLiteral("root"));
    if (const CSiteFolder* root = album.tree.root())
        writeTree(json, *root);
    else
        json.null();
    json.endObject();
    return json.finish();
}

}  // namespace pictavo::cli
