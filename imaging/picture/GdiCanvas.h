#pragma once
// GdiCanvas: the device context a metafile plays into. It keeps the GDI
// drawing state (selected objects, colours, modes, the window/viewport
// mapping and the world transform, the saved-state stack) and draws the
// GDI primitives, given in logical coordinates, onto a QPainter.
//
// deviceToTarget maps the metafile's own device space onto the painter's
// target rectangle. Shapes whose device extent is absurd are skipped, so
// hostile coordinates cannot make the painter work without end.
//
// Owned by one renderer run; one thread.

#include "imaging/picture/GdiObjects.h"
#include "imaging/picture/GdiRecords.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>

#include <cstdint>
#include <optional>
#include <vector>

namespace pictavo {

enum GdiMapMode : int {
    kMapText = 1,
    kMapLoMetric = 2,
    kMapHiMetric = 3,
    kMapLoEnglish = 4,
    kMapHiEnglish = 5,
    kMapTwips = 6,
    kMapIsotropic = 7,
    kMapAnisotropic = 8,
};

// SetTextAlign flags.
enum GdiTextAlign : int {
    kAlignUpdateCp = 0x01,
    kAlignRight = 0x02,
    kAlignCenter = 0x06,
    kAlignHorizontalMask = 0x06,
    kAlignBottom = 0x08,
    kAlignBaseline = 0x18,
    kAlignVerticalMask = 0x18,
};

// SetROP2 modes: how pens and brushes mix with the page.
enum GdiMixMode : int {
    kMixBlack = 1,
    kMixNotCopyPen = 4,
    kMixNot = 6,
    kMixXorPen = 7,
    kMixMaskPen = 9,
    kMixNop = 11,
    kMixCopyPen = 13,
    kMixMergePen = 15,
    kMixWhite = 16,
};

// How a region record combines with the clip (RGN_AND ... RGN_COPY).
enum class GdiRegionMode { And = 1, Or = 2, Xor = 3, Diff = 4, Copy = 5 };

struct GdiDcState {
    GdiPen pen;
    GdiBrush brush;
    GdiFont font;
    QColor textColor = Qt::black;
    QColor backgroundColor = Qt::white;
    bool opaqueBackground = true;
    int textAlign = 0;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    QPointF position;  // logical current position
    int mapMode = kMapText;
    QPointF windowOrigin;
    QSizeF windowExtent{1, 1};
    QPointF viewportOrigin;
    QSizeF viewportExtent{1, 1};
    QTransform world;
    int mixMode = kMixCopyPen;
    // The clipping region in target coordinates; none: the whole target.
    std::optional<QPainterPath> clip;
};

// One text output: TextOut, ExtTextOut.
struct GdiTextRun {
    QPointF reference;  // logical; ignored when the alignment updates the current position
    QString text;
    std::vector<double> advances;  // logical per-character advances, or empty
    QRectF rect;                   // logical, used by the two flags below
    bool opaqueRect = false;
    bool clipToRect = false;
};

enum class GdiArcKind { Arc, Pie, Chord };

class GdiCanvas {
public:
    GdiCanvas(QPainter& painter, const QTransform& deviceToTarget, const GdiDcState& initial);

    GdiDcState& state() { return state_; }

    void saveState();
    // Negative: that many levels back; positive: the absolute level.
    void restoreState(int level);

    // Mapping records; zero extents are refused as GDI does.
    void setWindowExtent(QSizeF extent);
    void setViewportExtent(QSizeF extent);
    // Multiplies the window or viewport extent by the two ratios; a zero
    // denominator leaves it as it is.
    void scaleExtent(bool window, double xNumerator, double xDenominator, double yNumerator,
                     double yDenominator);
    // Sets the world transform when it is finite and sane.
    void setWorldTransform(const QTransform& transform);

    // The shared state and point records, operands already read.
    void apply(GdiSetting setting, std::uint32_t value);
    void apply(GdiPointRecord record, QPointF point);
    // IntersectClipRect and ExcludeClipRect, the rectangle logical.
    void intersectClip(const QRectF& rect);
    void excludeClip(const QRectF& rect);
    // A region given in the metafile's device coordinates; mode Copy with
    // no rectangles turns clipping off.
    void selectClipRegion(const std::vector<QRectF>& deviceRects, GdiRegionMode mode);
    // Combines the closed path bracket, in logical coordinates, with the
    // clip and empties the bracket.
    void selectClipPath(GdiRegionMode mode);
    // Fills a region given in logical coordinates with brush, or inverts
    // the colours under it.
    void fillRegion(const GdiRegion& region, const GdiBrush& brush);
    void invertRegion(const GdiRegion& region);

    // Makes the pen, brush or font the current one; other objects change nothing.
    void select(const GdiObject& object);

    void moveTo(QPointF point);
    void lineTo(QPointF point);
    void polylineTo(const QPolygonF& points);
    void polyline(const QPolygonF& points);
    void polygon(const QPolygonF& points);
    void polyPolygon(const std::vector<QPolygonF>& polygons);
    void polyPolyline(const std::vector<QPolygonF>& polylines);
    // Cubic Béziers; with fromCurrentPosition the first point is the current
    // position and points holds 3n control points, else 3n + 1.
    void polyBezier(const QPolygonF& points, bool fromCurrentPosition);
    void rectangle(const QRectF& box);
    void roundRect(const QRectF& box, QSizeF corner);
    void ellipse(const QRectF& box);
    void arc(GdiArcKind kind, const QRectF& box, QPointF start, QPointF end);
    void text(const GdiTextRun& run);
    // Draws source (a part of image) into the logical rectangle dest.
    void image(const QRectF& dest, const QImage& image, const QRectF& source,
               std::uint32_t rasterOp);
    // A blit without a source: PATCOPY, BLACKNESS, WHITENESS.
    void patternBlit(const QRectF& dest, std::uint32_t rasterOp);

    // Path brackets: between beginPath and endPath the drawing calls add
    // their outlines to the path instead of drawing; the path is then
    // filled and/or stroked once.
    void beginPath();
    void endPath() { pathOpen_ = false; }
    void abortPath();
    void closeFigure();
    void drawPath(bool fill, bool stroke);

private:
    class DrawScope;

    QTransform logicalToTarget() const;
    QPainterPath clipOrEverything() const;
    // Combines a region in target coordinates with the clip.
    void combineClip(const QPainterPath& region, GdiRegionMode mode);
    // A logical rectangle in target coordinates, unless the mapping is unusable.
    std::optional<QPainterPath> rectInTarget(const QRectF& logical) const;
    QTransform pageTransform() const;
    bool usable(const QTransform& transform, const QRectF& logicalBounds) const;
    QPen qtPen() const;
    void fillPath(const QPainterPath& path);
    void strokePath(const QPainterPath& path);
    void fillAndStroke(const QPainterPath& path);
    // Draws a closed shape, or adds it to an open path bracket.
    void shape(const QPainterPath& path, bool fill);
    QFont deviceFont(double deviceScale) const;

    QPainter& painter_;
    QTransform deviceToTarget_;
    GdiDcState state_;
    std::vector<GdiDcState> saved_;
    QPainterPath path_;
    bool pathOpen_ = false;
};

}  // namespace pictavo
