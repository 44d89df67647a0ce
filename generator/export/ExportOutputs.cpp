#include "generator/export/ExportOutputs.h"

#include "core/PathUtil.h"
#include "generator/export/PageEncoding.h"
#include "generator/export/SiteFileWriter.h"

namespace pictavo {

namespace {

bool displayLimitOff(const SiteOutputSettings& settings) {
    return settings.displayBox.width() == 0 || settings.displayBox.height() == 0;
}

}  // namespace

QString PlanningOutput::publishLinkedFile(const QString& sourcePath) {
    const PublishedFile file =
        planPublishedFile(sourcePath, settings_.outputFolder, settings_.switches);
    plan_.addFile(file);
    return file.url;
}

QString PlanningOutput::makeThumbnail(const QString& sourcePath) {
    plan_.addThumbnail(path::toNative(sourcePath));
    return planPublishedFile(sourcePath, settings_.outputFolder, settings_.switches).url;
}

QSize PlanningOutput::displaySize(const QString& sourcePath) {
    if (!displayLimitOff(settings_))
        plan_.addDisplaySize(path::toNative(sourcePath));
    return {0, 0};
}

void PlanningOutput::writePage(const QString&, const QString&) {
    ++pages_;
}

QString WritingOutput::publishLinkedFile(const QString& sourcePath) {
    return planPublishedFile(sourcePath, settings_.outputFolder, settings_.switches).url;
}

QString WritingOutput::makeThumbnail(const QString& sourcePath) {
    const std::size_t number = thumbnailNumber_++;
    if (number < results_.thumbnailUrls.size() && !results_.thumbnailUrls[number].isEmpty())
        return results_.thumbnailUrls[number];
    // No thumbnail: the page shows the image itself, at its published URL.
    return publishLinkedFile(sourcePath);
}

QSize WritingOutput::displaySize(const QString& sourcePath) {
    if (displayLimitOff(settings_))
        return {0, 0};
    return results_.displaySizes.value(path::toNative(sourcePath), QSize(0, 0));
}

void WritingOutput::writePage(const QString& fileName, const QString& html) {
    if (report_.stopped())
        return;
    const QString target = path::join(settings_.outputFolder, fileName.toLower());
    const Status status = replaceSiteFileIfChanged(target, pageFileBytes(html, settings_.charset));
    if (status)
        pages_.push_back(target);
    else
        report_.add(target, status.error());
}

}  // namespace pictavo
