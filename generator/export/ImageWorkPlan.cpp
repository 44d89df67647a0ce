#include "generator/export/ImageWorkPlan.h"

#include <algorithm>

namespace pictavo {

void ImageWorkPlan::addFile(const PublishedFile& file) {
    if (file.action == PublishAction::None)
        return;
    files_.insert(file.destination, {file.action, file.source, requests_++});
}

int ImageWorkPlan::addThumbnail(const QString& source) {
    thumbnailSources_.push_back(source);
    ++requests_;
    return thumbnailCount() - 1;
}

void ImageWorkPlan::addDisplaySize(const QString& source) {
    displaySources_.push_back(source);
    ++requests_;
}

std::vector<SourceJob> ImageWorkPlan::jobs() const {
    std::vector<SourceJob> jobs;
    QHash<QString, std::size_t> index;
    auto jobFor = [&](const QString& source) -> SourceJob& {
        const auto it = index.constFind(source);
        if (it != index.constEnd())
            return jobs[*it];
        index.insert(source, jobs.size());
        jobs.push_back({source, {}, {}, {}, false, false, {}});
        return jobs.back();
    };

    for (int number = 0; number < thumbnailCount(); ++number)
        jobFor(thumbnailSources_[std::size_t(number)]).thumbnails.push_back(number);
    for (const QString& source : displaySources_)
        jobFor(source).displaySize = true;

    // Files in request order, so each job lists its destinations in the
    // order a one-thread run would have written them.
    std::vector<std::pair<QString, FileWork>> files(files_.keyValueBegin(), files_.keyValueEnd());
    std::sort(files.begin(), files.end(),
              [](const auto& a, const auto& b) { return a.second.order < b.second.order; });
    for (const auto& [destination, work] : files) {
        SourceJob& job = jobFor(work.source);
        (work.action == PublishAction::Convert ? job.conversions : job.copies)
            .push_back(destination);
    }
    for (SourceJob& job : jobs)
        job.thumbnailsFromFullDecode = !job.conversions.empty();
    return jobs;
}

}  // namespace pictavo
