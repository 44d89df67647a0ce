#pragma once
// CopyCdImage: puts one album image into a CD album, copied unchanged when
// it fits the export box (limits inclusive) and otherwise shrunk to fit in
// its own format. Images are judged by their upright size (EXIF
// orientation) and a shrunk copy is drawn upright.
//
// Thread-safe: each call works on its own files.

#include "core/Result.h"

#include <QSize>
#include <QString>

#include <atomic>

namespace pictavo {

// The size a copy is shrunk to, or an empty size when the image fits the
// box (or the box is off: a side of 0 or less). Inclusive limits: an image exactly
// the box's size fits.
QSize cdImageSize(QSize image, QSize box);

// Copies source to destinationBase + its extension (text after its last
// "."). Returns the path written, or an error.
Result<QString> CopyCdImage(const QString& source, const QString& destinationBase, QSize box,
                            const std::atomic<bool>* cancel = nullptr);

// prefix + number in decimal, left-padded with "0" to width digits.
QString ZeroPaddedNumber(int number, int width, const QString& prefix = {});

}  // namespace pictavo
