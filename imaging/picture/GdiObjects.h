#pragma once
// The drawing objects a metafile creates (pens, brushes, fonts) and the
// object table that holds them while the metafile plays. Both metafile
// formats share these; WMF fills the lowest free slot, EMF names the slot.
//
// Value types; a table belongs to one renderer run on one thread.

#include <QColor>
#include <QImage>
#include <QRectF>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <variant>
#include <vector>

namespace pictavo {

// A COLORREF (0x00BBGGRR; the high byte, a palette flag, is ignored).
inline QColor colorFromColorRef(std::uint32_t value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

struct GdiPen {
    enum Style : int { Solid = 0, Dash, Dot, DashDot, DashDotDot, Null, InsideFrame };
    int style = Solid;   // low four bits of the pen style
    int endCapJoin = 0;  // the PS_ENDCAP_* and PS_JOIN_* bits
    double width = 0;    // logical units; 0 is one device pixel
    QColor color = Qt::black;
};

struct GdiBrush {
    enum Style : int { Solid = 0, Null = 1, Hatched = 2, Pattern = 3 };
    // The style a brush record's style number gives: hollow, hatched, else solid.
    static int styleFromRecord(std::uint32_t style) {
        return style == 1 ? Null : style == 2 ? Hatched : Solid;
    }
    int style = Solid;
    QColor color = Qt::white;
    int hatch = 0;   // HS_HORIZONTAL .. HS_DIAGCROSS
    QImage pattern;  // Pattern brushes
};

struct GdiFont {
    int height = 0;  // logical units; negative: character height, positive: cell height
    int width = 0;
    int escapement = 0;  // tenths of a degree, counter-clockwise
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QString faceName;
};

// A slot may hold an object this player does not draw with (palettes,
// old-style pattern brushes); it still occupies its index.
struct GdiPlaceholder {};

// A region: the union of its rectangles.
struct GdiRegion {
    std::vector<QRectF> rects;
};

using GdiObject = std::variant<GdiPlaceholder, GdiPen, GdiBrush, GdiFont, GdiRegion>;

// Fixed-size table of created objects; every index is checked.
class GdiObjectTable {
public:
    explicit GdiObjectTable(std::size_t size) : slots_(size) {}

    // Stores object in the lowest free slot; false when the table is full.
    bool addToFreeSlot(GdiObject object) {
        while (firstFree_ < slots_.size() && slots_[firstFree_].used)
            ++firstFree_;
        if (firstFree_ >= slots_.size())
            return false;
        slots_[firstFree_] = {std::move(object), true};
        return true;
    }
    // Stores object at index (replacing what was there); false when out of range.
    bool setAt(std::uint32_t index, GdiObject object) {
        if (index >= slots_.size())
            return false;
        slots_[index] = {std::move(object), true};
        return true;
    }
    const GdiObject* at(std::uint32_t index) const {
        if (index >= slots_.size() || !slots_[index].used)
            return nullptr;
        return &slots_[index].object;
    }
    void remove(std::uint32_t index) {
        if (index >= slots_.size())
            return;
        slots_[index] = {};
        firstFree_ = std::min<std::size_t>(firstFree_, index);
    }

private:
    struct Slot {
        GdiObject object;
        bool used = false;
    };
    std::vector<Slot> slots_;
    std::size_t firstFree_ = 0;  // no free slot below this index
};

}  // namespace pictavo
