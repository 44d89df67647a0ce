#include "generator/export/IncrementalExport.h"

#include "core/PathUtil.h"
#include "generator/export/ManifestFile.h"
#include "generator/export/WorkRecords.h"

#include <QFile>
#include <QSet>

namespace pictavo {

namespace {

ExportRecord writtenOnly(const ExportRecord& record) {
    return {RecordKind::Written, record.output, {}, {}, {}, {}, record.outputStamp};
}

// What a run's records claim: output paths, thumbnail numbers, and the
// sources of display sizes.
struct Claims {
    QSet<QString> outputs;
    QSet<int> thumbnails;
    QSet<QString> sizes;

    Claims() = default;
    explicit Claims(const std::vector<ExportRecord>& records) {
        for (const ExportRecord& record : records) {
            if (record.kind == RecordKind::DisplaySize)
                sizes.insert(record.source);
            else
                outputs.insert(record.output);
            if (record.kind == RecordKind::Thumbnail)
                thumbnails.insert(record.result.toInt());
        }
    }
};

// The outputs the jobs left to do will write (thumbnails by number, their
// file name depending on the outcome).
Claims rewrittenBy(const std::vector<SourceJob>& jobs, const QString& outputFolder) {
    Claims claims;
    for (const SourceJob& job : jobs) {
        for (const QString& destination : job.conversions)
            claims.outputs.insert(relativeOutput(outputFolder, destination));
        for (const QString& destination : job.copies)
            claims.outputs.insert(relativeOutput(outputFolder, destination));
        for (const int number : job.thumbnails)
            claims.thumbnails.insert(number);
    }
    return claims;
}

bool claimsOutput(const Claims& claims, const ExportRecord& record) {
    return claims.outputs.contains(record.output) ||
           (record.kind == RecordKind::Thumbnail &&
            claims.thumbnails.contains(record.result.toInt()));
}

}  // namespace

IncrementalExport::IncrementalExport(QString outputFolder, bool reuse)
    : outputFolder_(std::move(outputFolder)), last_(readManifest(outputFolder_)) {
    if (!last_)
        return;
    // Records of another program version only say what was written.
    if (last_->fingerprint != programFingerprint()) {
        for (ExportRecord& record : last_->records)
            record = writtenOnly(record);
        std::erase_if(last_->records, [](const ExportRecord& r) { return r.output.isEmpty(); });
    }
    if (reuse)
        index_ = ReuseIndex(last_->records);
}

std::vector<SourceJob> IncrementalExport::takeOver(const std::vector<SourceJob>& jobs,
                                                   const ImageJobSettings& settings,
                                                   RunReport& report) {
    allJobs_ = jobs;
    takenOver_ = takeOverFinishedWork(jobs, index_, settings, outputFolder_);
    records_ = takenOver_.records;
    if (last_ && !takenOver_.remaining.empty()) {
        const Claims rewritten = rewrittenBy(takenOver_.remaining, outputFolder_);
        std::vector<ExportRecord> untouched;
        for (const ExportRecord& record : last_->records)
            if (!claimsOutput(rewritten, record))
                untouched.push_back(record);
        write(untouched, report);
    }
    return takenOver_.remaining;
}

void IncrementalExport::completeWork(ImageWorkResults& results, const ImageJobSettings& settings) {
    for (const auto& [number, url] : takenOver_.thumbnails)
        if (std::size_t(number) < results.thumbnailUrls.size())
            results.thumbnailUrls[std::size_t(number)] = url;
    for (auto it = takenOver_.displaySizes.cbegin(); it != takenOver_.displaySizes.cend(); ++it)
        results.displaySizes.insert(it.key(), it.value());
    const std::vector<ExportRecord> done =
        recordsOfWork(takenOver_.remaining, results.jobs, settings, outputFolder_);
    records_.insert(records_.end(), done.begin(), done.end());
}

void IncrementalExport::recordPages(const std::vector<QString>& pages) {
    for (const QString& page : pages) {
        const QString output = relativeOutput(outputFolder_, page);
        if (!output.isEmpty())
            records_.push_back({RecordKind::Written, output, {}, {}, {}, {}, stampOf(page)});
    }
}

void IncrementalExport::removeStaleOutputs(RunReport& report) {
    if (!last_)
        return;
    const Claims produced(records_);
    QSet<QString> sources;
    for (const SourceJob& job : allJobs_)
        sources.insert(relativeOutput(outputFolder_, job.source));
    for (const ExportRecord& record : last_->records) {
        if (record.output.isEmpty() || produced.outputs.contains(record.output) ||
            sources.contains(record.output))
            continue;
        const QString file = path::join(outputFolder_, record.output);
        if (stampOf(file).exists() && !QFile::remove(file))
            report.add(file, QStringLiteral("cannot remove an output of the last export"));
    }
}

void IncrementalExport::finish(bool wholeAlbum, RunReport& report) {
    std::vector<ExportRecord> records = records_;
    if (!wholeAlbum && last_) {
        // The rest of the site stays as the last export left it.
        const Claims claims(records_);
        for (const ExportRecord& record : last_->records) {
            if (record.kind == RecordKind::DisplaySize) {
                if (!claims.sizes.contains(record.source))
                    records.push_back(record);
            } else if (!claims.outputs.contains(record.output)) {
                records.push_back(claimsOutput(claims, record) ? writtenOnly(record) : record);
            }
        }
    }
    write(records, report);
}

void IncrementalExport::write(const std::vector<ExportRecord>& records, RunReport& report) {
    const Status status = writeManifest(outputFolder_, {programFingerprint(), records});
    if (!status)
        report.add(path::join(outputFolder_, manifestFileName()), status.error());
}

}  // namespace pictavo
