#pragma once
// The album the end-to-end export tests share: images of several formats
// (one converted, one turned by EXIF, one small enough to be its own
// thumbnail), a text document, a web link, a missing file, a subfolder of
// five images and a linked folder; and the export as a user runs it, with
// the folder questions answered and recorded.
#include "ExportTestSupport.h"
#include "core/PathUtil.h"
#include "generator/check/SiteCheck.h"
#include "generator/export/SiteExport.h"

#include <QDirIterator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <mutex>

namespace pictavo::testing_support {

inline const QString kZurich = QString::fromUtf8("Zürich");
inline const QString kHouse = QString::fromUtf8("Дом");
inline const QString kTokyo = QString::fromUtf8("東京");

// Every file and folder below folder, relative, with the bytes of the
// files; the export's own record of its work is left out.
inline std::map<QString, QByteArray> treeContents(const QString& folder) {
    std::map<QString, QByteArray> tree;
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        if (entry.fileName() != QLatin1String(".pictavo-export"))
            tree[QDir(folder).relativeFilePath(entry.filePath())] =
                entry.isDir() ? QByteArray("<folder>") : fileBytes(entry.filePath());
    }
    return tree;
}

// The references of the site's pages that name no existing file, as
// "page -> reference".
inline QStringList brokenLinks(const QString& site) {
    const Result<SiteCheckReport> report = checkSite(site);
    if (!report)
        return {report.error().message()};
    QStringList broken;
    for (const LinkFinding& link : report->broken)
        broken << link.page + QStringLiteral(" -> ") + link.reference;
    for (const UnreadablePage& page : report->unreadable)
        broken << page.page + QStringLiteral(": ") + page.reason;
    return broken;
}

// The one source of the fixture that does not exist leaves its published
// name dangling; every other link of an exported site resolves.
inline void expectOnlyTheMissingSourceDangles(const QString& site) {
    for (const QString& link : brokenLinks(site))
        EXPECT_TRUE(link.endsWith(QStringLiteral(" -> ./files/image/gone.jpg")))
            << link.toStdString();
}

class SiteExportTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        QDir().mkdir(src());
        buildAlbum();
        settings_.ThumbnailMaxSizeX = 100;
        settings_.ThumbnailMaxSizeY = 100;
        settings_.ExportImgMaxSizeX = 640;
        settings_.ExportImgMaxSizeY = 480;
    }

    QString src(const QString& name = {}) const {
        return dir_.filePath(QStringLiteral("src/") + name);
    }
    QString site(const QString& name = QStringLiteral("site")) const { return dir_.filePath(name); }

    void addPage(CSiteFolder* folder, const QString& caption, const QString& url) {
        auto page = std::make_unique<CSitePage>();
        page->caption = caption;
        page->url = url;
        album_.tree.appendPage(folder, std::move(page));
    }

    void buildAlbum() {
        CSiteFolder* root = album_.tree.root();
        album_.tree.editFolder(root, [&](CSiteFolder& f) { f.caption = QStringLiteral("Trips"); });
        addPage(root, kZurich, writeImage(src(QStringLiteral("Beach.PNG")), {400, 300}, "PNG"));
        addPage(root, kHouse, writeImage(src(QStringLiteral("Photo.JPG")), {1600, 1200}, "JPEG"));
        addPage(root, kTokyo, copyTestData(QStringLiteral("portrait-exif6.jpg"), src()));
        addPage(root, QStringLiteral("Night"),
                writeImage(src(QStringLiteral("Night #2.jpg")), {120, 80}, "JPEG"));
        {
            QFile notes(src(QStringLiteral("Notes.TXT")));
            notes.open(QIODevice::WriteOnly);
            notes.write("notes\n");
        }
        addPage(root, QStringLiteral("Notes"), src(QStringLiteral("Notes.TXT")));
        addPage(root, QStringLiteral("Web"), QStringLiteral("https://example.org/"));
        addPage(root, QStringLiteral("Gone"), src(QStringLiteral("gone.jpg")));

        sub_ = album_.tree.insertFolder(root, QStringLiteral("Mountains"));
        for (int i = 0; i < 5; ++i)
            addPage(sub_, QStringLiteral("Peak %1").arg(i),
                    writeImage(src(QStringLiteral("peak%1.png").arg(i)), {300 + i, 200}, "PNG"));
        CSiteFolder* linked = album_.tree.insertFolder(root, QStringLiteral("Elsewhere"));
        album_.tree.editFolder(
            linked, [](CSiteFolder& f) { f.url = QStringLiteral("http://example.org"); });
    }

    ExportCallbacks callbacks(const QString& folder) {
        ExportCallbacks cb;
        cb.chooseFolder = [this, folder](const QString& proposed) {
            proposals_ << proposed;
            return std::optional(folder);
        };
        cb.confirmOverwrite = [this](const QString& question) {
            questions_ << question;
            return answer_;
        };
        cb.showError = [this](const QString& message) { errors_ << message; };
        cb.fileStarted = [this](const QString& source) {
            const std::lock_guard lock(startedMutex_);
            started_ << path::fileName(source);
        };
        return cb;
    }

    bool exportWhole(const QString& folder, int threads = 0, bool full = false) {
        started_.clear();
        SiteExporter exporter(album_, settings_);
        exporter.setFullExport(full);
        ExportCallbacks cb = callbacks(folder);
        cb.threads = threads;
        const bool ok = exporter.exportSite(nullptr, true, cb);
        failures_ = exporter.lastFailures();
        if (ok)
            expectOnlyTheMissingSourceDangles(folder);
        return ok;
    }

    QTemporaryDir dir_;
    Album album_;
    EnvironmentSettings settings_;
    CSiteFolder* sub_ = nullptr;
    QStringList proposals_, questions_, errors_;
    bool answer_ = false;
    std::vector<RunFailure> failures_;
    std::mutex startedMutex_;
    QStringList started_;  // file names of the sources worked on
};

}  // namespace pictavo::testing_support
