#pragma once
// Helpers shared by the image-layer tests: fixture access and small images
// of known content.

#include "imaging/RasterImage.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace pictavo::test {

// Path of a fixture in tests/data/imaging/core.
QString fixturePath(const char* name);
std::vector<std::uint8_t> fixtureBytes(const char* name);

// The 16 x 12 "quadrants" picture of the fixtures: red top-left, lime
// top-right, blue bottom-left, white bottom-right.
RasterImage quadrants24();
// Colours of the four quadrants, sampled at their centres.
struct QuadrantColours {
    Rgb topLeft, topRight, bottomLeft, bottomRight;
};
QuadrantColours quadrantColours(const RasterImage& image);
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kLime{0, 255, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kWhite{255, 255, 255};

// True when every channel differs by at most tolerance.
bool near(Rgb a, Rgb b, int tolerance);

// A width x height image of the given depth whose pixels all differ as far
// as the depth allows (palette images cycle through their palette, which is
// set to distinct colours).
RasterImage patterned(int width, int height, int bitsPerPixel);
bool samePixels(const RasterImage& a, const RasterImage& b);

}  // namespace pictavo::test

// Prints Rgb values in assertion messages.
namespace pictavo {
void PrintTo(const Rgb& colour, std::ostream* out);
}
