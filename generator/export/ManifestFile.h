#pragma once
// The manifest file of an output folder (".pictavo-export": a dot-file, so
// it is never taken for a page) and the fingerprint of the program that
// writes it. Reading gives nothing for a missing, oversized, damaged or
// foreign file; writing is atomic, so a reader sees either the old manifest
// or the new one.

#include "core/Result.h"
#include "generator/export/ExportManifest.h"

#include <QString>

#include <optional>

namespace pictavo {

QString manifestFileName();

// The program version and the revision of the image work: a manifest with
// another fingerprint is kept for what it says was written, but nothing it
// records is reused.
QString programFingerprint();

std::optional<ExportManifest> readManifest(const QString& outputFolder);
Status writeManifest(const QString& outputFolder, const ExportManifest& manifest);

}  // namespace pictavo
