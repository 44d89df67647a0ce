#include "AlbumFileTestSupport.h"

#include <QFile>
#include <QStringList>
#include <QtEndian>

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace pictavo::test {

QByteArray textAlbum(std::initializer_list<const char*> lines) {
    QByteArray out("version=3\r\n");
    for (const char* line : lines)
        out.append(line).append("\r\n");
    return out;
}

QByteArray fixture(const char* name) {
    QFile file(QStringLiteral(PICTAVO_TEST_DATA "/album_file/") + QLatin1String(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

QString treeText(const AlbumTree& tree) {
    QStringList parts;
    tree.walk([&parts](CSiteFolder* folder, int depth) {
        parts << QStringLiteral("%1:%2:%3").arg(folder->caption).arg(depth).arg(folder->id);
    });
    return parts.join(QLatin1Char(' '));
}

namespace {

void expectSameFields(const FieldTable& a, const FieldTable& b) {
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) {
        SCOPED_TRACE(a[i].key.toStdString());
        if (a[i].kind == FieldKind::Text)
            EXPECT_EQ(a[i].text->get(), b[i].text->get());
        else
            EXPECT_EQ(*a[i].number, *b[i].number);
    }
}

void expectSameFolder(const CSiteFolder& a, const CSiteFolder& b) {
    SCOPED_TRACE(a.caption.toStdString());
    const auto fields = [](const CSiteFolder& f) {
        return std::tuple(f.id, f.caption, f.desc, f.url, f.rows, f.cols, f.lnkimg, f.posstyle,
                          f.lnkstyle, f.pagecount);
    };
    EXPECT_EQ(fields(a), fields(b));
    ASSERT_EQ(a.pageListSize(), b.pageListSize());
    for (int i = 0; i < a.pageListSize(); ++i)
        EXPECT_EQ(*a.page(i), *b.page(i));
}

std::vector<std::pair<CSiteFolder*, int>> foldersOf(const AlbumTree& tree) {
    std::vector<std::pair<CSiteFolder*, int>> folders;
    tree.walk([&](CSiteFolder* f, int depth) { folders.emplace_back(f, depth); });
    return folders;
}

}  // namespace

void expectSameAlbum(Album& a, Album& b) {
    expectSameFields(a.website.fields(), b.website.fields());
    ASSERT_EQ(a.website.metas.size(), b.website.metas.size());
    for (size_t i = 0; i < a.website.metas.size(); ++i)
        expectSameFields(a.website.metas[i].fields(), b.website.metas[i].fields());
    expectSameFields(a.layout.fields(), b.layout.fields());
    const auto foldersA = foldersOf(a.tree), foldersB = foldersOf(b.tree);
    ASSERT_EQ(foldersA.size(), foldersB.size());
    for (size_t i = 0; i < foldersA.size(); ++i) {
        EXPECT_EQ(foldersA[i].second, foldersB[i].second);
        expectSameFolder(*foldersA[i].first, *foldersB[i].first);
    }
}

namespace legacy {

namespace {

// Little-endian words one after the other from offset on.
void putInts(QByteArray& block, qsizetype offset, std::initializer_list<qint32> values) {
    for (qint32 value : values)
        qToLittleEndian(value, block.data() + std::exchange(offset, offset + 4));
}

void putText(QByteArray& block, qsizetype offset, const QByteArray& text) {
    block.replace(offset, text.size(), text);
}

QByteArray area(const QByteArray& align, const QByteArray& bgimg, qint32 bgclr,
                const QByteArray& font, qint32 size, qint32 clr) {
    QByteArray block(560, '\0');
    putText(block, 4, align);
    putText(block, 14, bgimg);
    putInts(block, 272, {bgclr});
    putText(block, 280, font);
    putInts(block, 536, {size, 1, 0, 1, 0, clr});  // bold and underline
    return block;
}

}  // namespace

QByteArray int32(qint32 value) {
    QByteArray out(4, '\0');
    putInts(out, 0, {value});
    return out;
}

QByteArray text(const QByteArray& bytes) {
    return int32(static_cast<qint32>(bytes.size())) + bytes;
}

QByteArray settingsHead(qint32 version, const QByteArray& lanSave) {
    QByteArray background(296, '\0');
    putInts(background, 0, {77, 1, 1, 0});  // 77: not carried
    putText(background, 16, "C:\\bg\\paper.gif");
    putInts(background, 272, {0, 0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF});
    QByteArray general(780, '\0');
    putText(general, 4, "C:\\export");
    putText(general, 259, "Old album");
    putText(general, 514, "C:\\music\\song.mid");
    putText(general, 769, "xyz");  // not carried
    putInts(general, 772, {3, 0});
    QByteArray language(510, '\0');
    putText(language, 0, "ignored");
    putText(language, 255, lanSave);
    QByteArray margin(20, '\0');
    putInts(margin, 4, {1, 0, 12, 34});
    return int32(version) + background + general + language + margin;
}

QByteArray meta(const QByteArray& name, const QByteArray& val, qint32 ifsys) {
    QByteArray record(772, '\0');
    putText(record, 0, name);
    putText(record, 255, val);
    putInts(record, 768, {ifsys});
    return record;
}

QByteArray layoutBlock() {
    QByteArray block(3988, '\0');
    putInts(block, 4, {7});
    const char* aligns[] = {"Left", "Center", "Right", "", "Right", "Center"};
    for (int i = 0; i < 6; ++i) {
        putText(block, 8 + 560 * i,
                area(aligns[i], "bg" + QByteArray::number(i) + ".gif", 100 + i,
                     "Font" + QByteArray::number(i), 80 + i, 200 + i));
    }
    QByteArray table(40, '\0');
    putInts(table, 4, {0x010203, 2, 0x040506, 0, 5, 6});
    putText(block, 3368, table);
    QByteArray mainAlign(12, '\0');
    putText(mainAlign, 0, "left");
    putText(block, 3408,
            area("unused", "main.gif", 300, "Verdana", 120, 301) + int32(4) + int32(5) + mainAlign);
    return block;
}

QByteArray folder(qint32 col, qint32 pageCount, const QByteArray& caption, const QByteArray& desc) {
    return int32(col) + int32(pageCount) + text(caption) + text(desc);
}

QByteArray page(qint32 id, const QByteArray& caption, const QByteArray& desc,
                const QByteArray& path) {
    return int32(id) + text(caption) + text(desc) + text(path);
}

QByteArray sampleFile(qint32 version) {
    return settingsHead(version) + text("<b>Hi</b>") + text("bye") + int32(2) +
           meta("keywords", "travel, sea", 0) + meta("Content-Language", "en", 1) + layoutBlock() +
           folder(0, 0, "Root", "top") + folder(1, 2, "Child", "") +
           page(0, "Beach", "sand", "file://C:\\photos\\beach.jpg") +
           page(1, "Link", "", "http://example.org/") + folder(1, 0, "Second", "d");
}

qsizetype sampleSettingsSize() {
    return settingsHead(1).size() + text("<b>Hi</b>").size() + text("bye").size() + 4 + 2 * 772 +
           3988;
}

}  // namespace legacy

}  // namespace pictavo::test
