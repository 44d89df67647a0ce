#pragma once
// The two SiteOutputs of an export run.
//
// PlanningOutput records, in call order, every file to publish, every
// thumbnail and every display size into an ImageWorkPlan, and answers with
// names that do not depend on the work (pages built against it are thrown
// away). WritingOutput answers the same calls from the finished work and
// writes the pages, encoded in the album's charset, each under a temporary
// name renamed into place; a page file that already holds the same bytes is
// left untouched.
//
// Both used by the generation thread only.

#include "generator/SiteOutput.h"
#include "generator/export/ImageWork.h"
#include "generator/export/ImageWorkPlan.h"
#include "generator/export/PublishedNames.h"
#include "generator/export/RunReport.h"

#include <QSize>
#include <QString>

namespace pictavo {

struct SiteOutputSettings {
    QString outputFolder;  // absolute, no trailing separator
    PublishSwitches switches;
    QSize displayBox;  // (0, 0) when the export maximum is off
    QString charset;   // lan.save
};

class PlanningOutput : public SiteOutput {
public:
    PlanningOutput(SiteOutputSettings settings, ImageWorkPlan& plan)
        : settings_(std::move(settings)), plan_(plan) {}

    QString publishLinkedFile(const QString& sourcePath) override;
    QString makeThumbnail(const QString& sourcePath) override;
    QSize displaySize(const QString& sourcePath) override;
    void writePage(const QString& fileName, const QString& html) override;

    int pageCount() const { return pages_; }

private:
    SiteOutputSettings settings_;
    ImageWorkPlan& plan_;
    int pages_ = 0;
};

class WritingOutput : public SiteOutput {
public:
    WritingOutput(SiteOutputSettings settings, const ImageWorkResults& results, RunReport& report)
        : settings_(std::move(settings)), results_(results), report_(report) {}

    QString publishLinkedFile(const QString& sourcePath) override;
    QString makeThumbnail(const QString& sourcePath) override;
    QSize displaySize(const QString& sourcePath) override;
    void writePage(const QString& fileName, const QString& html) override;

    // The page files now on disk as built (written, or already so).
    const std::vector<QString>& pages() const { return pages_; }

private:
    SiteOutputSettings settings_;
    const ImageWorkResults& results_;
    RunReport& report_;
    std::size_t thumbnailNumber_ = 0;
    std::vector<QString> pages_;
};

}  // namespace pictavo
