#pragma once
// ThumbnailLoader: makes thumbnail tiles on a thread pool of its own and
// hands them back to the GUI thread.
//
// A request carries a generation, the counter a list bumps whenever it
// shows another folder; the finished signal carries it back so that the
// list drops what belongs to a folder it no longer shows, and
// cancelBefore() skips queued work of older generations. Newer generations
// run first.
//
// Tiles are cached by path, size and modification time, failures too, so a
// folder shown again answers at once without reading a file, and a file
// changed on disk is read again. Files that cannot have a thumbnail (folders,
// missing files, names that are no picture, 5 MiB or more) are answered at
// once without any work.
//
// Ownership: owns its pool; the destructor stops the workers (queued work
// is dropped, a running decode is asked to stop) and waits for them.
// Threading: every member is called on the GUI thread; only the tile maker
// runs on the workers.

#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <functional>

namespace pictavo {

class ThumbnailLoader : public QObject {
    Q_OBJECT
public:
    // Runs on a worker: the tile of path, or a null image for none. The
    // default is makeThumbnailTile (ThumbnailMaker.h).
    using TileMaker = std::function<QImage(const QString& path, const std::atomic<bool>* stop)>;

    explicit ThumbnailLoader(QObject* parent = nullptr);
    // threads 0: one less than the cores, at least one.
    ThumbnailLoader(TileMaker maker, int threads, QObject* parent = nullptr);
    ~ThumbnailLoader() override;

    enum class State { Ready, NoThumbnail, Pending };
    struct Answer {
        State state = State::Pending;
        QImage tile;  // for Ready
    };

    // Ready or NoThumbnail when the answer is known now; Pending when work
    // was queued (or already is) and thumbnailFinished will follow.
    Answer request(const QString& path, int generation);

    // Queued requests of generations below generation are skipped.
    void cancelBefore(int generation);

    // Blocks until every queued request has run or been skipped; results
    // are still delivered through the event loop afterwards.
    void waitForDone() { pool_.waitForDone(); }

signals:
    // A tile was made (null tile: the file has none). Emitted for every
    // queued request that ran, whatever its generation.
    void thumbnailFinished(const QString& path, int generation, const QImage& tile);

private:
    struct CachedTile {
        QImage tile;
    };
    void finish(const QString& path, const QString& key, int generation, const QImage& tile);

    TileMaker maker_;
    QThreadPool pool_;
    std::atomic<int> oldestWanted_{0};
    std::atomic<bool> stopping_{false};
    QCache<QString, CachedTile> cache_;  // cost in KiB
    QHash<QString, int> pending_;        // path -> generation of the queued work
};

}  // namespace pictavo
