#include "generator/export/WorkRecords.h"

#include "core/PathUtil.h"

#include <QDir>

namespace pictavo {

namespace {

QString sizeText(QSize size) {
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

class JobRecorder {
public:
    JobRecorder(const SourceJob& job, const ImageJobSettings& settings, const QString& outputFolder,
                std::vector<ExportRecord>& out)
        : job_(job), settings_(settings), outputFolder_(outputFolder), out_(out) {}

    void record(const ImageJobResult& result) {
        const bool reusable = !result.failed;
        for (const auto& [number, url] : result.thumbnails)
            add(RecordKind::Thumbnail, url.mid(2),  // "./files/thumbnail/..."
                thumbnailShape(settings_.thumbnailBox, job_.thumbnailsFromFullDecode),
                QString::number(number), reusable);
        for (const QString& destination : job_.conversions)
            add(RecordKind::Convert, relativeOutput(outputFolder_, destination), {}, {}, reusable);
        for (const QString& destination : job_.copies)
            add(RecordKind::Copy, relativeOutput(outputFolder_, destination), {}, {}, reusable);
        if (result.displaySize && reusable)
            out_.push_back({RecordKind::DisplaySize,
                            {},
                            job_.source,
                            job_.sourceStamp,
                            displaySizeShape(settings_.displayBox),
                            sizeText(*result.displaySize),
                            {}});
    }

private:
    void add(RecordKind kind, const QString& output, const QString& shape, const QString& result,
             bool reusable) {
        const FileStamp stamp = stampOf(path::join(outputFolder_, output));
        if (output.isEmpty() || !stamp.exists())
            return;
        if (reusable)
            out_.push_back({kind, output, job_.source, job_.sourceStamp, shape, result, stamp});
        else
            out_.push_back({RecordKind::Written, output, {}, {}, {}, {}, stamp});
    }

    const SourceJob& job_;
    const ImageJobSettings& settings_;
    const QString& outputFolder_;
    std::vector<ExportRecord>& out_;
};

}  // namespace

QString thumbnailShape(QSize box, bool fromFullDecode) {
    return sizeText(box) + (fromFullDecode ? QStringLiteral(" full") : QStringLiteral(" reduced"));
}

QString displaySizeShape(QSize box) {
    return sizeText(box);
}

QString relativeOutput(const QString& outputFolder, const QString& path) {
    const QString relative = QDir(outputFolder).relativeFilePath(path);
    return isSafeOutput(relative) ? relative : QString();
}

std::vector<ExportRecord> recordsOfWork(const std::vector<SourceJob>& jobs,
                                        const std::vector<ImageJobResult>& results,
                                        const ImageJobSettings& settings,
                                        const QString& outputFolder) {
    std::vector<ExportRecord> records;
    for (std::size_t i = 0; i < jobs.size() && i < results.size(); ++i)
        JobRecorder(jobs[i], settings, outputFolder, records).record(results[i]);
    return records;
}

}  // namespace pictavo
