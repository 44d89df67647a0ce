#include "album/json/AlbumJson.h"

#include "album/json/JsonWriter.h"

#include "album/SiteNodeFields.h"

#include <vector>

namespace pictavo {

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

// The node's fields as members of the open object.
template <typename Node, std::size_t N>
void writeNodeFields(JsonWriter& json, const Node& node,
                     const std::array<SiteNodeField<Node>, N>& fields) {
    for (const SiteNodeField<Node>& field : fields) {
        json.key(QLatin1String(field.key));
        if (field.number)
            json.value(node.*field.number);
        else
            json.value(node.*field.text);
    }
}

void writePage(JsonWriter& json, const CSitePage& page) {
    json.beginObject();
    writeNodeFields(json, page, kPageFields);
    json.endObject();
}

// Everything of a folder up to the opening of its "children" array.
void beginFolder(JsonWriter& json, const CSiteFolder& folder) {
    json.beginObject();
    writeNodeFields(json, folder, kFolderFields);
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

void writeAlbumJson(Album& album, const JsonWriter::Sink& sink) {
    JsonWriter json(sink);
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
    json.finish();
}

}  // namespace pictavo
