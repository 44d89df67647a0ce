#pragma once
// The records both metafile formats share once their operands are read.
// WMF and EMF number these records differently and store their operands in
// different widths, so each player maps its record numbers to these kinds
// with a small table, reads the operands its own way and lets GdiCanvas
// apply them.
//
// Plain values and constant tables; no state.

#include <array>
#include <cstdint>
#include <optional>

namespace pictavo {

// Records that set one value of the drawing state.
enum class GdiSetting : std::size_t {
    BackgroundMode,
    MapMode,
    PolyFillMode,
    TextAlign,
    BackgroundColor,
    TextColor,
    MixMode,  // SetROP2
};

// Records that take one point or extent; a format may lack the last ones.
enum class GdiPointRecord : std::size_t {
    WindowOrigin,
    WindowExtent,
    ViewportOrigin,
    ViewportExtent,
    MoveTo,
    LineTo,
    OffsetWindowOrigin,
    OffsetViewportOrigin,
};

// A player's record numbers for the kinds of one enum, in the enum's order.
template <typename Id, std::size_t N>
using GdiRecordIds = std::array<Id, N>;

// The kind whose record number is id, if any.
template <typename Kind, typename Id, std::size_t N>
constexpr std::optional<Kind> findRecord(const GdiRecordIds<Id, N>& ids, Id id) {
    for (std::size_t i = 0; i < N; ++i) {
        if (ids[i] == id)
            return Kind(i);
    }
    return std::nullopt;
}

}  // namespace pictavo
