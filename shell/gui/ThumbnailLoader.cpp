#include "shell/gui/ThumbnailLoader.h"

#include "shell/gui/ThumbnailGeometry.h"
#include "shell/gui/ThumbnailMaker.h"

#include <QDateTime>
#include <QFileInfo>
#include <QThread>

#include <algorithm>

namespace pictavo {

namespace {

constexpr int kCacheKiB = 48 * 1024;

QString cacheKey(const QFileInfo& info) {
    return QStringLiteral("%1\n%2\n%3")
        .arg(info.absoluteFilePath())
        .arg(info.size())
        .arg(info.lastModified().toMSecsSinceEpoch());
}

int costOf(const QImage& tile) {
    return std::max(1, int(tile.sizeInBytes() / 1024));
}

}  // namespace

ThumbnailLoader::ThumbnailLoader(QObject* parent)
    : ThumbnailLoader([](const QString& path,
                         const std::atomic<bool>* stop) { return makeThumbnailTile(path, stop); },
                      0, parent) {}

ThumbnailLoader::ThumbnailLoader(TileMaker maker, int threads, QObject* parent)
    : QObject(parent), maker_(std::move(maker)), cache_(kCacheKiB) {
    pool_.setMaxThreadCount(threads > 0 ? threads : std::max(1, QThread::idealThreadCount() - 1));
}

ThumbnailLoader::~ThumbnailLoader() {
    stopping_ = true;
    pool_.clear();
    pool_.waitForDone();
}

ThumbnailLoader::Answer ThumbnailLoader::request(const QString& path, int generation) {
    if (path.isEmpty() || !mayHaveThumbnail(path))
        return {State::NoThumbnail, {}};
    const QFileInfo info(path);
    if (!info.isFile() || !fileSizeAllowsThumbnail(info.size()))
        return {State::NoThumbnail, {}};

    const QString key = cacheKey(info);
    if (const CachedTile* cached = cache_.object(key))
        return {cached->tile.isNull() ? State::NoThumbnail : State::Ready, cached->tile};

    const auto queued = pending_.constFind(key);
    if (queued != pending_.constEnd() && queued.value() >= generation)
        return {State::Pending, {}};
    pending_.insert(key, generation);

    pool_.start(
        [this, path, key, generation] {
            if (stopping_ || generation < oldestWanted_)
                return;
            const QImage tile = maker_(path, &stopping_);
            if (stopping_)
                return;
            QMetaObject::invokeMethod(
                this, [this, path, key, generation, tile] { finish(path, key, generation, tile); },
                Qt::QueuedConnection);
        },
        generation);
    return {State::Pending, {}};
}

void ThumbnailLoader::cancelBefore(int generation) {
    oldestWanted_ = std::max(oldestWanted_.load(), generation);
    // Work already running still reports; the skipped work never will.
    for (auto it = pending_.begin(); it != pending_.end();) {
        if (it.value() < generation)
            it = pending_.erase(it);
        else
            ++it;
    }
}

void ThumbnailLoader::finish(const QString& path, const QString& key, int generation,
                             const QImage& tile) {
    const auto queued = pending_.constFind(key);
    if (queued != pending_.constEnd() && queued.value() == generation)
        pending_.erase(queued);
    cache_.insert(key, new CachedTile{tile}, costOf(tile));
    emit thumbnailFinished(path, generation, tile);
}

}  // namespace pictavo
