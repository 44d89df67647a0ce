#pragma once
// Convert Images for a selection of files: the Convert dialog opens on the
// first image's folder (a selection without images opens nothing); images
// already of the chosen type are skipped; before anything is written the
// user is asked once about the destination files that exist already (Yes
// replaces them, No converts only the others, Cancel converts nothing).
// The conversion runs on a worker under a progress dialog with Cancel, and
// ends with one message listing the files that failed or were copied
// unchanged. folderContentsChanged then tells the file list that the
// destination folder changed.
//
// GUI thread only.

#include "imaging/convert/ImageConversion.h"

#include <QString>
#include <QStringList>

#include <vector>

class QWidget;

namespace pictavo {

class AppContext;

struct ConversionJob {
    QString source;
    QString destination;
};

struct ConversionPlan {
    std::vector<ConversionJob> jobs;  // in selection order
    QStringList existing;             // destinations that exist already
};

// The entries of paths that name images, in order.
QStringList imagePaths(const QStringList& paths);

// What converting images into folder with target writes; images of the
// target type are left out.
ConversionPlan planConversion(const QStringList& images, const QString& folder,
                              const ConversionTarget& target);

void convertImageFiles(AppContext& context, const QStringList& paths, QWidget* parent);

}  // namespace pictavo
