#pragma once
// The title card of a CD album folder: a black picture with the folder's
// caption in the upper band and its description below, saved as JPEG.
// Needs a QGuiApplication (fonts); GUI thread or any thread with one.

#include "core/Result.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace pictavo {

// Size and vertical dots per inch the cards are drawn for.
struct TitleCardCanvas {
    QSize size;
    int dpi = 96;
};

// The card size: the export limit (EnvironmentSettings::exportLimit()) when
// one is in force, else the primary screen's size in pixels (1024 x 768
// without a screen); the dpi of the primary screen (96 without one).
TitleCardCanvas titleCardCanvas(QSize exportLimit);

// Pixel height of a font of the given point size at dpi: rounded, at least 1.
int fontPixelHeight(int pointSize, int dpi);

QImage drawTitleCard(const QString& caption, const QString& description,
                     const TitleCardCanvas& canvas);

// Draws the card and writes it as JPEG at path.
Status MakeTitleCard(const QString& caption, const QString& description, const QString& path,
                     const TitleCardCanvas& canvas);

}  // namespace pictavo
