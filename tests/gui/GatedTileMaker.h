#pragma once
// A tile maker for the thumbnail tests: it records the files it is asked
// for, holds every worker inside it while closed, and marks each tile with
// the number of the call that made it.

#include "shell/gui/ThumbnailLoader.h"
#include "shell/gui/ThumbnailMaker.h"

#include <QFileInfo>
#include <QStringList>

#include <condition_variable>
#include <mutex>

namespace pictavo::test {

class GatedTileMaker {
public:
    ThumbnailLoader::TileMaker maker() {
        return [this](const QString& path, const std::atomic<bool>* stop) {
            int call = 0;
            {
                std::unique_lock lock(mutex_);
                made_ << QFileInfo(path).fileName();
                call = int(made_.size());
                opened_.wait(lock, [this] { return open_; });
            }
            QImage tile = makeThumbnailTile(path, stop);
            tile.setText(QStringLiteral("call"), QString::number(call));
            return tile;
        };
    }
    void close() {
        std::lock_guard lock(mutex_);
        open_ = false;
    }
    void open() {
        {
            std::lock_guard lock(mutex_);
            open_ = true;
        }
        opened_.notify_all();
    }
    QStringList made() {
        std::lock_guard lock(mutex_);
        return made_;
    }

private:
    std::mutex mutex_;
    std::condition_variable opened_;
    bool open_ = true;
    QStringList made_;
};

}  // namespace pictavo::test
