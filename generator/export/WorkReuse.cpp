#include "generator/export/WorkReuse.h"

#include "core/PathUtil.h"
#include "generator/export/WorkRecords.h"

namespace pictavo {

namespace {

std::optional<QSize> parseSize(const QString& text) {
    const QStringList sides = text.split(QLatin1Char('x'));
    bool ok[2] = {false, false};
    if (sides.size() != 2)
        return std::nullopt;
    const QSize size(sides[0].toInt(&ok[0]), sides[1].toInt(&ok[1]));
    return ok[0] && ok[1] ? std::optional(size) : std::nullopt;
}

// Splits one job into what its records answer and what is left to do.
class JobTakeOver {
public:
    JobTakeOver(const SourceJob& job, const ReuseIndex& index, const ImageJobSettings& settings,
                const QString& outputFolder, TakenOverWork& out)
        : job_(job), index_(index), settings_(settings), outputFolder_(outputFolder), out_(out) {}

    void run() {
        SourceJob left = job_;
        left.sourceStamp = stampOf(job_.source);
        left.thumbnails.clear();
        left.conversions.clear();
        left.copies.clear();
        const QString shape = thumbnailShape(settings_.thumbnailBox, job_.thumbnailsFromFullDecode);
        for (const int number : job_.thumbnails) {
            if (const ExportRecord* record = usable(index_.thumbnail(number), left, shape))
                out_.thumbnails.emplace_back(number, QStringLiteral("./") + record->output);
            else
                left.thumbnails.push_back(number);
        }
        takeOverFiles(RecordKind::Convert, job_.conversions, left, left.conversions);
        takeOverFiles(RecordKind::Copy, job_.copies, left, left.copies);
        if (job_.displaySize && takeOverDisplaySize(left))
            left.displaySize = false;
        if (!left.thumbnails.empty() || !left.conversions.empty() || !left.copies.empty() ||
            left.displaySize)
            out_.remaining.push_back(std::move(left));
    }

private:
    // record, when it answers for the job's source as it is now with these
    // settings and its output is untouched; it is then kept.
    const ExportRecord* usable(const ExportRecord* record, const SourceJob& job,
                               const QString& shape) {
        if (!record || record->source != job.source || record->sourceStamp != job.sourceStamp ||
            record->shape != shape || !job.sourceStamp.exists())
            return nullptr;
        if (record->kind != RecordKind::DisplaySize &&
            stampOf(path::join(outputFolder_, record->output)) != record->outputStamp)
            return nullptr;
        out_.records.push_back(*record);
        return record;
    }

    void takeOverFiles(RecordKind kind, const std::vector<QString>& destinations,
                       const SourceJob& job, std::vector<QString>& left) {
        for (const QString& destination : destinations) {
            const ExportRecord* record = index_.file(relativeOutput(outputFolder_, destination));
            if (!record || record->kind != kind || !usable(record, job, QString()))
                left.push_back(destination);
        }
    }

    bool takeOverDisplaySize(const SourceJob& job) {
        const ExportRecord* record = index_.displaySize(job.source);
        const std::optional<QSize> size = record ? parseSize(record->result) : std::nullopt;
        if (!size || !usable(record, job, displaySizeShape(settings_.displayBox)))
            return false;
        out_.displaySizes.insert(job.source, *size);
        return true;
    }

    const SourceJob& job_;
    const ReuseIndex& index_;
    const ImageJobSettings& settings_;
    const QString& outputFolder_;
    TakenOverWork& out_;
};

}  // namespace

ReuseIndex::ReuseIndex(const std::vector<ExportRecord>& records) {
    for (const ExportRecord& record : records) {
        switch (record.kind) {
            case RecordKind::Copy:
            case RecordKind::Convert:
                files_.insert(record.output, &record);
                break;
            case RecordKind::Thumbnail:
                thumbnails_.insert(record.result.toInt(), &record);
                break;
            case RecordKind::DisplaySize:
                sizes_.insert(record.source, &record);
                break;
            case RecordKind::Written:
                break;
        }
    }
}

const ExportRecord* ReuseIndex::file(const QString& output) const {
    return files_.value(output, nullptr);
}

const ExportRecord* ReuseIndex::thumbnail(int number) const {
    return thumbnails_.value(number, nullptr);
}

const ExportRecord* ReuseIndex::displaySize(const QString& source) const {
    return sizes_.value(source, nullptr);
}

TakenOverWork takeOverFinishedWork(const std::vector<SourceJob>& jobs, const ReuseIndex& index,
                                   const ImageJobSettings& settings, const QString& outputFolder) {
    TakenOverWork out;
    for (const SourceJob& job : jobs)
        JobTakeOver(job, index, settings, outputFolder, out).run();
    return out;
}

}  // namespace pictavo
