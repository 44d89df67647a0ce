// Exporting again into the folder of an earlier export: after each kind of
// change the folder holds exactly what an export into an empty folder would
// write, with only the work the change needs; a damaged or foreign record
// of the earlier export means a full export; the user's own files stay; a
// cancelled run writes no page and leaves a record the next run can trust.
#include "SiteExportFixture.h"
#include "generator/export/FileStamp.h"
#include "generator/export/ManifestFile.h"

#include <gtest/gtest.h>

#include <functional>

namespace pictavo {
namespace {

using namespace testing_support;

using Tree = std::map<QString, QByteArray>;

// "extra", "missing" or "differs" for each entry where have and want part.
QStringList treeDifferences(const Tree& have, const Tree& want) {
    QStringList out;
    for (const auto& [name, bytes] : have) {
        const auto it = want.find(name);
        if (it == want.end())
            out << QStringLiteral("extra ") + name;
        else if (it->second != bytes)
            out << QStringLiteral("differs ") + name;
    }
    for (const auto& [name, bytes] : want)
        if (have.find(name) == have.end())
            out << QStringLiteral("missing ") + name;
    return out;
}

QString manifestPath(const QString& site) {
    return QDir(site).filePath(manifestFileName());
}

class SiteReExportTest : public SiteExportTest {
protected:
    bool reExport(bool full = false) {
        answer_ = true;  // the folder is not empty
        const bool ok = exportWhole(site(), 0, full);
        started_.sort();
        return ok;
    }
    // How the output folder differs from an export of the album as it is now
    // into an empty folder.
    QStringList differencesFromAFreshExport() {
        const QString fresh = site(QStringLiteral("fresh%1").arg(++freshExports_));
        const QStringList started = started_;
        EXPECT_TRUE(exportWhole(fresh));
        started_ = started;
        return treeDifferences(treeContents(site()), treeContents(fresh));
    }

    // The thumbnail file the record names for source.
    QString thumbnailOf(const QString& source) const {
        const ExportManifest manifest = readManifest(site()).value();
        for (const ExportRecord& record : manifest.records)
            if (record.kind == RecordKind::Thumbnail && record.source == source)
                return QDir(site()).filePath(record.output);
        return {};
    }

    int freshExports_ = 0;
};

TEST_F(SiteReExportTest, AfterEachKindOfChangeTheFolderMatchesAFreshExport) {
    const QStringList onlyTheMissingOne{QStringLiteral("gone.jpg")};
    struct Change {
        const char* what;
        std::function<void()> apply;
        std::optional<QStringList> worked;  // the sources worked on, when fixed
    };
    const std::vector<Change> changes{
        {"nothing", [] {}, onlyTheMissingOne},
        {"caption edited",
         [&] {
             album_.tree.editPage(album_.tree.root(), 1,
                                  [](CSitePage& p) { p.caption = QStringLiteral("Home"); });
         },
         onlyTheMissingOne},
        {"photo replaced",
         [&] {
             writeImage(src(QStringLiteral("Photo.JPG")), {1600, 1200}, "JPEG", Qt::darkRed);
         },
         QStringList{QStringLiteral("Photo.JPG"), QStringLiteral("gone.jpg")}},
        {"charset changed", [&] { album_.website.language.save = QStringLiteral("iso-8859-1"); },
         onlyTheMissingOne},
        // Converted, and decoded at a reduced scale for a thumbnail of its
        // own: redone alone, the thumbnail must still come from the full decode.
        {"JPEG data under a PNG name added",
         [&] {
             addPage(album_.tree.root(), QStringLiteral("Camera"),
                     writeImage(src(QStringLiteral("Camera.png")), {1600, 1200}, "JPEG"));
         },
         std::nullopt},
        {"its thumbnail deleted",
         [&] { QFile::remove(thumbnailOf(src(QStringLiteral("Camera.png")))); },
         QStringList{QStringLiteral("Camera.png"), QStringLiteral("gone.jpg")}},
        {"photo removed", [&] { album_.tree.removePage(album_.tree.root(), 0); }, std::nullopt},
        {"folder moved", [&] { album_.tree.moveFolder(sub_, 1); }, std::nullopt},
        {"layout changed",
         [&] {
             album_.layout.main.cols = 2;
             album_.layout.main.rows = 1;
         },
         std::nullopt},
        {"thumbnail size changed", [&] { settings_.ThumbnailMaxSizeX = 60; }, std::nullopt},
        {"display limit changed", [&] { settings_.ExportImgMaxSizeX = 320; }, std::nullopt},
        {"conversion switched off", [&] { album_.website.general.cntimg = 0; }, std::nullopt},
        {"subfolder exported alone first",
         [&] {
             album_.tree.editPage(sub_, 0, [](CSitePage& p) { p.caption = QStringLiteral("Top"); });
             SiteExporter exporter(album_, settings_);
             EXPECT_TRUE(exporter.exportSite(sub_, false, callbacks(site())));
         },
         std::nullopt},
        {"layout changed back",
         [&] {
             album_.layout.main.cols = 3;
             album_.layout.main.rows = 3;
         },
         std::nullopt},
    };

    ASSERT_TRUE(exportWhole(site()));
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        change.apply();
        ASSERT_TRUE(reExport());
        if (change.worked) {
            EXPECT_EQ(started_, *change.worked);
        }
        EXPECT_EQ(differencesFromAFreshExport(), QStringList());
    }
}

TEST_F(SiteReExportTest, ADamagedOrForeignRecordMeansAFullExport) {
    using Damage = std::function<QByteArray(const QByteArray&)>;
    const std::vector<std::pair<const char*, Damage>> damages{
        {"cut short", [](const QByteArray& text) { return text.left(text.size() / 2); }},
        {"one byte changed",
         [](const QByteArray& text) {
             QByteArray damaged = text;
             damaged[damaged.size() / 2] = damaged[damaged.size() / 2] == '1' ? '2' : '1';
             return damaged;
         }},
        {"another program's file", [](const QByteArray&) { return QByteArray("[state]\n"); }},
        {"another version of the program",
         [](const QByteArray& text) {
             ExportManifest manifest = parseManifest(text).value();
             manifest.fingerprint = QStringLiteral("Pictavo 0.1, image work 0");
             return serializeManifest(manifest);
         }},
        {"an output outside the folder",
         [](const QByteArray& text) {
             ExportManifest manifest = parseManifest(text).value();
             manifest.records.push_back(
                 {RecordKind::Written, QStringLiteral("../victim"), {}, {}, {}, {}, {}});
             return serializeManifest(manifest);
         }},
    };
    QFile victim(dir_.filePath(QStringLiteral("victim")));
    ASSERT_TRUE(victim.open(QIODevice::WriteOnly));
    victim.close();

    ASSERT_TRUE(exportWhole(site()));
    const qsizetype sources = started_.size();
    for (const auto& [what, damage] : damages) {
        SCOPED_TRACE(what);
        const QByteArray text = fileBytes(manifestPath(site()));
        QFile file(manifestPath(site()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damage(text));
        file.close();
        ASSERT_TRUE(reExport());
        EXPECT_EQ(started_.size(), sources);
        EXPECT_EQ(differencesFromAFreshExport(), QStringList());
    }
    EXPECT_TRUE(victim.exists());

    SCOPED_TRACE("a full export asked for");
    ASSERT_TRUE(reExport(true));
    EXPECT_EQ(started_.size(), sources);
    EXPECT_EQ(differencesFromAFreshExport(), QStringList());
}

TEST_F(SiteReExportTest, OnlyOutputsOfTheEarlierExportAreRemoved) {
    ASSERT_TRUE(exportWhole(site()));
    const QDir out(site());
    const QStringList mine{QStringLiteral("about.htm"), QStringLiteral("files/image/mine.jpg"),
                           QStringLiteral("files/thumbnail/Thumbnail99.jpg")};
    for (const QString& name : mine)
        writeImage(out.filePath(name), {10, 10}, "JPEG");
    // A page now uses the earlier export's copy of a photo whose page goes.
    addPage(sub_, QStringLiteral("Copy"), out.filePath(QStringLiteral("files/image/photo.jpg")));
    album_.tree.removePage(album_.tree.root(), 1);
    album_.tree.removePage(album_.tree.root(), 3);  // Notes.TXT

    ASSERT_TRUE(reExport());
    for (const QString& name : mine)
        EXPECT_TRUE(out.exists(name)) << name.toStdString();
    EXPECT_TRUE(out.exists(QStringLiteral("files/image/photo.jpg")));
    EXPECT_FALSE(out.exists(QStringLiteral("files/doc/notes.txt")));
}

// Cancelled during the image work: no page is written, nothing is left
// under a temporary name, and the album is not marked as exported.
TEST_F(SiteReExportTest, ACancelledRunLeavesARecordTheNextRunCanTrust) {
    ASSERT_TRUE(exportWhole(site()));
    const QByteArray index = fileBytes(QDir(site()).filePath(QStringLiteral("index.htm")));
    album_.tree.editFolder(album_.tree.root(),
                           [](CSiteFolder& f) { f.caption = QStringLiteral("Travels"); });
    writeImage(src(QStringLiteral("Beach.PNG")), {400, 300}, "PNG", Qt::darkGreen);
    const QString photo = writeImage(src(QStringLiteral("Photo.JPG")), {800, 600}, "JPEG");

    std::atomic<bool> cancel{false};
    SiteExporter exporter(album_, settings_);
    ExportCallbacks cb = callbacks(site());
    answer_ = true;
    cb.cancel = &cancel;
    cb.threads = 1;
    cb.fileStarted = [&](const QString&) { cancel = true; };
    ASSERT_FALSE(exporter.exportSite(nullptr, true, cb));
    EXPECT_TRUE(exporter.lastRunCancelled());
    EXPECT_EQ(fileBytes(QDir(site()).filePath(QStringLiteral("index.htm"))), index);
    EXPECT_EQ(temporaryFilesBelow(site()), QStringList{manifestPath(site())});
    EXPECT_TRUE(album_.tree.albumChanged());

    // The record claims no output made from the photo as it was (a display
    // size read from it is no output: it is asked for again by its stamp).
    const std::optional<ExportManifest> manifest = readManifest(site());
    ASSERT_TRUE(manifest);
    for (const ExportRecord& record : manifest->records)
        if (record.source == photo && !record.output.isEmpty()) {
            EXPECT_EQ(record.sourceStamp, stampOf(photo)) << record.output.toStdString();
        }

    ASSERT_TRUE(reExport());
    EXPECT_EQ(differencesFromAFreshExport(), QStringList());
}

}  // namespace
}  // namespace pictavo
