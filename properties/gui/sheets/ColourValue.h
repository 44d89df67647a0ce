#pragma once
// The property records hold colours as 0x00BBGGRR (red in the low byte),
// with -1 for "no colour" (shown as "Transparent"); the widgets use QColor.
// An invalid QColor stands for "no colour".

#include <QColor>

namespace pictavo {

QColor colourFromValue(int value);
// An invalid colour gives -1; the alpha channel is dropped.
int valueFromColour(const QColor& colour);

}  // namespace pictavo
