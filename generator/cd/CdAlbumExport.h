#pragma once
// The CD photo album: the slide-show viewer with its language files, every
// album image under a sequential 8-digit number in album order, a title card
// per folder before its images, and an autorun file. No HTML is written.
//
// The caller prepares the output folder (the same checks as a site export).
// Image copies and title cards run on all cores (the cards need a
// QGuiApplication for their fonts); progress is reported on the calling
// thread. Numbering is that of a one-thread run.

#include "album/Album.h"
#include "core/Result.h"
#include "generator/cd/TitleCard.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

namespace pictavo {

struct CdExportOptions {
    QString outputFolder;
    QSize exportMax{0, 0};   // EnvironmentSettings::exportLimit(); (0, 0) copies images unchanged
    TitleCardCanvas canvas;  // see titleCardCanvas()
    std::function<void(int done, int total)> progress;
    // Work on one entry starts (its source, or the card's path); called
    // from any thread.
    std::function<void(const QString& path)> fileStarted;
    const std::atomic<bool>* cancel = nullptr;
};

struct CdExportReport {
    int titleCards = 0;
    int images = 0;
    QStringList failures;  // one line per file that could not be written
    bool cancelled = false;
    bool stopped = false;  // ended at a write error every file would meet
};

// One numbered entry of a CD album, in walk order.
struct CdAlbumEntry {
    enum Kind { TitleCard, Image } kind;
    QString caption;      // title cards
    QString description;  // title cards
    QString source;       // images
    QString destination;  // full path for cards, path without extension for images
};

// The walk: every folder (also those with a url) depth-first from the
// root, its card first, then its image items, then its child folders.
std::vector<CdAlbumEntry> planCdAlbum(const Album& album, const QString& imageFolder);

// Writes the CD album; clears cdAlbumChanged unless cancelled. Fails when
// the album has no root.
Result<CdExportReport> ExportCdAlbum(Album& album, const CdExportOptions& options);

// The folder of numbered pictures inside a CD album.
QString cdAlbumImageFolder(const QString& outputFolder);

}  // namespace pictavo
