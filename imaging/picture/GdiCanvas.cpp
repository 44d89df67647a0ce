#include "imaging/picture/GdiCanvas.h"

#include <QFontMetricsF>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace pictavo {

namespace {

// Device coordinates beyond this are treated as hostile; such shapes are skipped.
constexpr double kMaxDeviceCoordinate = double(1 << 24);
// Dash patterns along longer strokes fall back to a solid line.
constexpr double kMaxDashedExtent = 32768;
constexpr std::size_t kMaxSavedStates = 4096;
constexpr double kMaxFontPixels = 2048;
constexpr double kMaxTransformElement = 1e6;
constexpr double kMaxPenWidth = 32767;  // QPen refuses wider pens

// Raster operations of the blit records.
constexpr std::uint32_t kRopSrcPaint = 0x00EE0086;
constexpr std::uint32_t kRopSrcAnd = 0x008800C6;
constexpr std::uint32_t kRopSrcInvert = 0x00660046;
constexpr std::uint32_t kRopNotSrcCopy = 0x00330008;
constexpr std::uint32_t kRopBlackness = 0x00000042;
constexpr std::uint32_t kRopWhiteness = 0x00FF0062;
constexpr std::uint32_t kRopPatCopy = 0x00F00021;
constexpr std::uint32_t kRopDstInvert = 0x00550009;

bool finite(const QTransform& t) {
    const double values[] = {t.m11(), t.m12(), t.m13(), t.m21(), t.m22(),
                             t.m23(), t.m31(), t.m32(), t.m33()};
    return std::all_of(std::begin(values), std::end(values),
                       [](double v) { return std::isfinite(v); });
}

bool sane(const QTransform& t) {
    const double values[] = {t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy()};
    return finite(t) && std::all_of(std::begin(values), std::end(values),
                                    [](double v) { return std::abs(v) < kMaxTransformElement; });
}

QPainter::CompositionMode compositionFor(std::uint32_t rasterOp) {
    switch (rasterOp) {
        case kRopSrcPaint:
            return QPainter::RasterOp_SourceOrDestination;
        case kRopSrcAnd:
            return QPainter::RasterOp_SourceAndDestination;
        case kRopSrcInvert:
            return QPainter::RasterOp_SourceXorDestination;
        case kRopNotSrcCopy:
            return QPainter::RasterOp_NotSource;
        default:
            return QPainter::CompositionMode_SourceOver;
    }
}

Qt::BrushStyle hatchStyle(int hatch) {
    switch (hatch) {
        case 0:
            return Qt::HorPattern;
        case 1:
            return Qt::VerPattern;
        case 2:
            return Qt::FDiagPattern;
        case 3:
            return Qt::BDiagPattern;
        case 4:
            return Qt::CrossPattern;
        default:
            return Qt::DiagCrossPattern;
    }
}

// The parametric angle, in degrees, of the ray from the centre of box
// through point, as QPainterPath::arcTo measures it.
double ellipseAngle(const QRectF& box, QPointF point) {
    const QPointF centre = box.center();
    const double rx = box.width() / 2;
    const double ry = box.height() / 2;
    if (rx <= 0 || ry <= 0)
        return 0;
    const double radians =
        std::atan2(-(point.y() - centre.y()) / ry, (point.x() - centre.x()) / rx);
    return radians * 180 / std::numbers::pi;
}

}  // namespace

namespace {

QPainter::CompositionMode compositionForMix(int mixMode) {
    switch (mixMode) {
        case kMixBlack:
            return QPainter::RasterOp_ClearDestination;
        case kMixWhite:
            return QPainter::RasterOp_SetDestination;
        case kMixNot:
            return QPainter::RasterOp_NotDestination;
        case kMixNotCopyPen:
            return QPainter::RasterOp_NotSource;
        case kMixXorPen:
            return QPainter::RasterOp_SourceXorDestination;
        case kMixMaskPen:
            return QPainter::RasterOp_SourceAndDestination;
        case kMixMergePen:
            return QPainter::RasterOp_SourceOrDestination;
        default:
            return QPainter::CompositionMode_SourceOver;
    }
}

}  // namespace

// Applies the clip, and for pens and brushes the mix mode, to one drawing
// call and undoes both after it.
class GdiCanvas::DrawScope {
public:
    DrawScope(QPainter& painter, const GdiDcState& state, bool mixes) : painter_(painter) {
        painter_.save();
        if (state.clip) {
            painter_.resetTransform();
            painter_.setClipPath(*state.clip, Qt::IntersectClip);
        }
        if (mixes)
            painter_.setCompositionMode(compositionForMix(state.mixMode));
    }
    ~DrawScope() { painter_.restore(); }
    DrawScope(const DrawScope&) = delete;
    DrawScope& operator=(const DrawScope&) = delete;

private:
    QPainter& painter_;
};

GdiCanvas::GdiCanvas(QPainter& painter, const QTransform& deviceToTarget, const GdiDcState& initial)
    : painter_(painter), deviceToTarget_(deviceToTarget), state_(initial) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

void GdiCanvas::saveState() {
    if (saved_.size() < kMaxSavedStates)
        saved_.push_back(state_);
}

void GdiCanvas::restoreState(int level) {
    std::size_t keep = 0;
    if (level < 0) {
        const auto back = std::size_t(-std::int64_t(level));
        if (back > saved_.size())
            return;
        keep = saved_.size() - back;
    } else {
        if (level == 0 || std::size_t(level) > saved_.size())
            return;
        keep = std::size_t(level) - 1;
    }
    state_ = saved_[keep];
    saved_.resize(keep);
}

void GdiCanvas::setWindowExtent(QSizeF extent) {
    if (extent.width() != 0 && extent.height() != 0)
        state_.windowExtent = extent;
}

void GdiCanvas::setViewportExtent(QSizeF extent) {
    if (extent.width() != 0 && extent.height() != 0)
        state_.viewportExtent = extent;
}

void GdiCanvas::scaleExtent(bool window, double xNumerator, double xDenominator, double yNumerator,
                            double yDenominator) {
    if (xDenominator == 0 || yDenominator == 0)
        return;
    const QSizeF extent = window ? state_.windowExtent : state_.viewportExtent;
    const QSizeF scaled(extent.width() * xNumerator / xDenominator,
                        extent.height() * yNumerator / yDenominator);
    if (window) {
        setWindowExtent(scaled);
    } else {
        setViewportExtent(scaled);
    }
}

void GdiCanvas::apply(GdiSetting setting, std::uint32_t value) {
    switch (setting) {
        case GdiSetting::BackgroundMode:
            state_.opaqueBackground = value == 2;
            break;
        case GdiSetting::MapMode:
            state_.mapMode = int(value);
            break;
        case GdiSetting::PolyFillMode:
            state_.fillRule = value == 2 ? Qt::WindingFill : Qt::OddEvenFill;
            break;
        case GdiSetting::TextAlign:
            state_.textAlign = int(value & 0xFFFF);
            break;
        case GdiSetting::BackgroundColor:
            state_.backgroundColor = colorFromColorRef(value);
            break;
        case GdiSetting::TextColor:
            state_.textColor = colorFromColorRef(value);
            break;
        case GdiSetting::MixMode:
            state_.mixMode = int(value & 0xFF);
            break;
    }
}

void GdiCanvas::apply(GdiPointRecord record, QPointF point) {
    switch (record) {
        case GdiPointRecord::WindowOrigin:
            state_.windowOrigin = point;
            break;
        case GdiPointRecord::WindowExtent:
            setWindowExtent({point.x(), point.y()});
            break;
        case GdiPointRecord::ViewportOrigin:
            state_.viewportOrigin = point;
            break;
        case GdiPointRecord::ViewportExtent:
            setViewportExtent({point.x(), point.y()});
            break;
        case GdiPointRecord::OffsetWindowOrigin:
            state_.windowOrigin += point;
            break;
        case GdiPointRecord::OffsetViewportOrigin:
            state_.viewportOrigin += point;
            break;
        case GdiPointRecord::MoveTo:
            moveTo(point);
            break;
        case GdiPointRecord::LineTo:
            lineTo(point);
            break;
    }
}

void GdiCanvas::select(const GdiObject& object) {
    if (const auto* pen = std::get_if<GdiPen>(&object))
        state_.pen = *pen;
    if (const auto* brush = std::get_if<GdiBrush>(&object))
        state_.brush = *brush;
    if (const auto* font = std::get_if<GdiFont>(&object))
        state_.font = *font;
}

void GdiCanvas::setWorldTransform(const QTransform& transform) {
    if (sane(transform))
        state_.world = transform;
}

QPainterPath GdiCanvas::clipOrEverything() const {
    if (state_.clip)
        return *state_.clip;
    QPainterPath everything;
    everything.addRect(QRectF(-kMaxDeviceCoordinate, -kMaxDeviceCoordinate,
                              2 * kMaxDeviceCoordinate, 2 * kMaxDeviceCoordinate));
    return everything;
}

std::optional<QPainterPath> GdiCanvas::rectInTarget(const QRectF& logical) const {
    const QTransform transform = logicalToTarget();
    if (!usable(transform, logical))
        return std::nullopt;
    QPainterPath area;
    area.addRect(logical.normalized());
    return transform.map(area);
}

void GdiCanvas::intersectClip(const QRectF& rect) {
    if (const std::optional<QPainterPath> area = rectInTarget(rect))
        state_.clip = clipOrEverything().intersected(*area);
}

void GdiCanvas::excludeClip(const QRectF& rect) {
    if (const std::optional<QPainterPath> area = rectInTarget(rect))
        state_.clip = clipOrEverything().subtracted(*area);
}

void GdiCanvas::selectClipRegion(const std::vector<QRectF>& deviceRects, GdiRegionMode mode) {
    if (deviceRects.empty()) {
        if (mode == GdiRegionMode::Copy)
            state_.clip.reset();
        return;
    }
    QPainterPath region;
    for (const QRectF& rect : deviceRects) {
        if (!usable(deviceToTarget_, rect))
            return;
        region.addRect(rect.normalized());
    }
    combineClip(deviceToTarget_.map(region.simplified()), mode);
}

void GdiCanvas::selectClipPath(GdiRegionMode mode) {
    if (pathOpen_)
        return;
    path_.setFillRule(state_.fillRule);
    const QTransform transform = logicalToTarget();
    if (usable(transform, path_.boundingRect()))
        combineClip(transform.map(path_).simplified(), mode);
    path_ = QPainterPath();
}

namespace {

// Filled with the winding rule, overlapping rectangles cover their union.
QPainterPath unionOf(const GdiRegion& region) {
    QPainterPath area;
    area.setFillRule(Qt::WindingFill);
    for (const QRectF& rect : region.rects)
        area.addRect(rect.normalized());
    return area;
}

}  // namespace

void GdiCanvas::fillRegion(const GdiRegion& region, const GdiBrush& brush) {
    const GdiBrush current = std::exchange(state_.brush, brush);
    fillPath(unionOf(region));
    state_.brush = current;
}

void GdiCanvas::invertRegion(const GdiRegion& region) {
    const QPainterPath area = unionOf(region);
    const QTransform transform = logicalToTarget();
    if (!usable(transform, area.boundingRect()))
        return;
    const DrawScope scope(painter_, state_, false);
    painter_.setTransform(transform);
    painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter_.fillPath(area, Qt::black);
}

void GdiCanvas::combineClip(const QPainterPath& region, GdiRegionMode mode) {
    const QPainterPath current = clipOrEverything();
    switch (mode) {
        case GdiRegionMode::And:
            state_.clip = current.intersected(region);
            break;
        case GdiRegionMode::Or:
            state_.clip = current.united(region);
            break;
        case GdiRegionMode::Xor:
            state_.clip = current.subtracted(region).united(region.subtracted(current));
            break;
        case GdiRegionMode::Diff:
            state_.clip = current.subtracted(region);
            break;
        case GdiRegionMode::Copy:
            state_.clip = region;
            break;
    }
}

QTransform GdiCanvas::pageTransform() const {
    double sx = 1;
    double sy = 1;
    constexpr double kPixelsPerMm = 96.0 / 25.4;
    switch (state_.mapMode) {
        case kMapLoMetric:
            sx = kPixelsPerMm / 10;
            break;
        case kMapHiMetric:
            sx = kPixelsPerMm / 100;
            break;
        case kMapLoEnglish:
            sx = 96.0 / 100;
            break;
        case kMapHiEnglish:
            sx = 96.0 / 1000;
            break;
        case kMapTwips:
            sx = 96.0 / 1440;
            break;
        case kMapIsotropic:
        case kMapAnisotropic:
            sx = state_.viewportExtent.width() / state_.windowExtent.width();
            sy = state_.viewportExtent.height() / state_.windowExtent.height();
            break;
        default:
            break;
    }
    if (state_.mapMode >= kMapLoMetric && state_.mapMode <= kMapTwips)
        sy = -sx;
    if (state_.mapMode == kMapIsotropic) {
        const double scale = std::min(std::abs(sx), std::abs(sy));
        sx = std::copysign(scale, sx);
        sy = std::copysign(scale, sy);
    }
    return QTransform(sx, 0, 0, sy, state_.viewportOrigin.x() - state_.windowOrigin.x() * sx,
                      state_.viewportOrigin.y() - state_.windowOrigin.y() * sy);
}

QTransform GdiCanvas::logicalToTarget() const {
    return state_.world * pageTransform() * deviceToTarget_;
}

bool GdiCanvas::usable(const QTransform& transform, const QRectF& logicalBounds) const {
    if (!finite(transform))
        return false;
    const QRectF device = transform.mapRect(logicalBounds);
    const double edges[] = {device.left(), device.right(), device.top(), device.bottom()};
    return std::all_of(std::begin(edges), std::end(edges), [](double v) {
        return std::isfinite(v) && std::abs(v) <= kMaxDeviceCoordinate;
    });
}

QPen GdiCanvas::qtPen() const {
    const GdiPen& gdi = state_.pen;
    if (gdi.style == GdiPen::Null)
        return Qt::NoPen;
    QPen pen(gdi.color);
    pen.setWidthF(std::clamp(gdi.width, 0.0, kMaxPenWidth));
    switch (gdi.style) {
        case GdiPen::Dash:
            pen.setStyle(Qt::DashLine);
            break;
        case GdiPen::Dot:
            pen.setStyle(Qt::DotLine);
            break;
        case GdiPen::DashDot:
            pen.setStyle(Qt::DashDotLine);
            break;
        case GdiPen::DashDotDot:
            pen.setStyle(Qt::DashDotDotLine);
            break;
        default:
            pen.setStyle(Qt::SolidLine);
            break;
    }
    const int cap = gdi.endCapJoin & 0x0F00;
    pen.setCapStyle(cap == 0x0100 ? Qt::SquareCap : cap == 0x0200 ? Qt::FlatCap : Qt::RoundCap);
    const int join = gdi.endCapJoin & 0xF000;
    pen.setJoinStyle(join == 0x1000   ? Qt::BevelJoin
                     : join == 0x2000 ? Qt::MiterJoin
                                      : Qt::RoundJoin);
    return pen;
}

void GdiCanvas::fillPath(const QPainterPath& path) {
    const GdiBrush& brush = state_.brush;
    if (brush.style == GdiBrush::Null)
        return;
    const QTransform transform = logicalToTarget();
    if (state_.mixMode == kMixNop || !usable(transform, path.boundingRect()))
        return;
    const DrawScope scope(painter_, state_, true);
    painter_.setTransform(transform);
    switch (brush.style) {
        case GdiBrush::Hatched:
            if (state_.opaqueBackground)
                painter_.fillPath(path, state_.backgroundColor);
            painter_.fillPath(path, QBrush(brush.color, hatchStyle(brush.hatch)));
            break;
        case GdiBrush::Pattern:
            if (!brush.pattern.isNull())
                painter_.fillPath(path, QBrush(brush.pattern));
            break;
        default:
            painter_.fillPath(path, brush.color);
            break;
    }
}

void GdiCanvas::strokePath(const QPainterPath& path) {
    QPen pen = qtPen();
    if (pen.style() == Qt::NoPen || state_.mixMode == kMixNop)
        return;
    const QTransform transform = logicalToTarget();
    const QRectF bounds = path.boundingRect();
    if (!usable(transform, bounds))
        return;
    const QRectF device = transform.mapRect(bounds);
    if (pen.style() != Qt::SolidLine &&
        std::max(device.width(), device.height()) > kMaxDashedExtent) {
        pen.setStyle(Qt::SolidLine);
    }
    // A pen wider than the largest device extent draws nothing more.
    const double scale = std::sqrt(std::abs(transform.determinant()));
    if (scale > 0 && pen.widthF() * scale > kMaxDeviceCoordinate)
        pen.setWidthF(kMaxDeviceCoordinate / scale);
    const DrawScope scope(painter_, state_, true);
    painter_.setTransform(transform);
    painter_.strokePath(path, pen);
}

void GdiCanvas::fillAndStroke(const QPainterPath& path) {
    fillPath(path);
    strokePath(path);
}

void GdiCanvas::shape(const QPainterPath& path, bool fill) {
    if (pathOpen_) {
        path_.addPath(path);
    } else if (fill) {
        fillAndStroke(path);
    } else {
        strokePath(path);
    }
}

void GdiCanvas::moveTo(QPointF point) {
    state_.position = point;
    if (pathOpen_)
        path_.moveTo(point);
}

void GdiCanvas::lineTo(QPointF point) {
    polylineTo(QPolygonF{point});
}

void GdiCanvas::polylineTo(const QPolygonF& points) {
    if (points.isEmpty())
        return;
    if (pathOpen_) {
        if (path_.elementCount() == 0 || path_.currentPosition() != state_.position)
            path_.moveTo(state_.position);
        for (const QPointF& point : points)
            path_.lineTo(point);
    } else {
        QPainterPath path(state_.position);
        for (const QPointF& point : points)
            path.lineTo(point);
        strokePath(path);
    }
    state_.position = points.last();
}

void GdiCanvas::polyline(const QPolygonF& points) {
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(points);
    shape(path, false);
}

void GdiCanvas::polyPolyline(const std::vector<QPolygonF>& polylines) {
    QPainterPath path;
    for (const QPolygonF& line : polylines) {
        if (line.size() >= 2)
            path.addPolygon(line);
    }
    shape(path, false);
}

void GdiCanvas::polygon(const QPolygonF& points) {
    polyPolygon({points});
}

void GdiCanvas::polyPolygon(const std::vector<QPolygonF>& polygons) {
    QPainterPath path;
    path.setFillRule(state_.fillRule);
    for (const QPolygonF& polygon : polygons) {
        if (polygon.size() < 2)
            continue;
        path.addPolygon(polygon);
        path.closeSubpath();
    }
    shape(path, true);
}

void GdiCanvas::polyBezier(const QPolygonF& points, bool fromCurrentPosition) {
    qsizetype index = 0;
    QPainterPath path;
    if (fromCurrentPosition) {
        path.moveTo(state_.position);
    } else {
        if (points.isEmpty())
            return;
        path.moveTo(points[0]);
        index = 1;
    }
    for (; index + 2 < points.size(); index += 3) {
        path.cubicTo(points[index], points[index + 1], points[index + 2]);
    }
    if (pathOpen_ && fromCurrentPosition) {
        path_.connectPath(path);
    } else {
        shape(path, false);
    }
    if (fromCurrentPosition)
        state_.position = path.currentPosition();
}

void GdiCanvas::rectangle(const QRectF& box) {
    QPainterPath path;
    path.addRect(box.normalized());
    shape(path, true);
}

void GdiCanvas::roundRect(const QRectF& box, QSizeF corner) {
    QPainterPath path;
    path.addRoundedRect(box.normalized(), std::abs(corner.width()) / 2,
                        std::abs(corner.height()) / 2);
    shape(path, true);
}

void GdiCanvas::ellipse(const QRectF& box) {
    QPainterPath path;
    path.addEllipse(box.normalized());
    shape(path, true);
}

void GdiCanvas::arc(GdiArcKind kind, const QRectF& box, QPointF start, QPointF end) {
    const QRectF rect = box.normalized();
    const double startAngle = ellipseAngle(rect, start);
    double sweep = ellipseAngle(rect, end) - startAngle;
    if (sweep <= 0)
        sweep += 360;  // counter-clockwise; equal points give the whole ellipse
    QPainterPath path;
    if (kind == GdiArcKind::Pie) {
        path.moveTo(rect.center());
        path.arcTo(rect, startAngle, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(rect, startAngle);
        path.arcTo(rect, startAngle, sweep);
        if (kind == GdiArcKind::Chord)
            path.closeSubpath();
    }
    shape(path, kind != GdiArcKind::Arc);
}

void GdiCanvas::beginPath() {
    path_ = QPainterPath();
    pathOpen_ = true;
}

void GdiCanvas::abortPath() {
    path_ = QPainterPath();
    pathOpen_ = false;
}

void GdiCanvas::closeFigure() {
    if (pathOpen_)
        path_.closeSubpath();
}

void GdiCanvas::drawPath(bool fill, bool stroke) {
    if (pathOpen_)
        return;
    path_.setFillRule(state_.fillRule);
    if (fill)
        fillPath(path_);
    if (stroke)
        strokePath(path_);
    path_ = QPainterPath();
}

QFont GdiCanvas::deviceFont(double deviceScale) const {
    const GdiFont& gdi = state_.font;
    QFont font(gdi.faceName.isEmpty() ? QStringLiteral("Sans Serif") : gdi.faceName);
    const double requested = gdi.height == 0 ? 16 : std::abs(double(gdi.height));
    double pixels = std::clamp(requested * deviceScale, 1.0, kMaxFontPixels);
    font.setPixelSize(std::max(1, int(std::lround(pixels))));
    if (gdi.height > 0) {
        // A positive height is the cell height; the em is a little smaller.
        const double cell = QFontMetricsF(font).height();
        if (cell > 0)
            pixels = std::clamp(pixels * pixels / cell, 1.0, kMaxFontPixels);
        font.setPixelSize(std::max(1, int(std::lround(pixels))));
    }
    font.setWeight(QFont::Weight(std::clamp(gdi.weight == 0 ? 400 : gdi.weight, 100, 900)));
    font.setItalic(gdi.italic);
    font.setUnderline(gdi.underline);
    font.setStrikeOut(gdi.strikeOut);
    return font;
}

void GdiCanvas::text(const GdiTextRun& run) {
    if (qGuiApp == nullptr)
        return;  // fonts need the application object
    const QTransform transform = logicalToTarget();
    const bool updatesPosition = (state_.textAlign & kAlignUpdateCp) != 0;
    const QPointF reference = updatesPosition ? state_.position : run.reference;
    if (!usable(transform, QRectF(reference, QSizeF(1, 1))))
        return;
    if ((run.opaqueRect || run.clipToRect) && !usable(transform, run.rect))
        return;

    const double scaleX = std::hypot(transform.m11(), transform.m12());
    const double scaleY = std::hypot(transform.m21(), transform.m22());
    const QFont font = deviceFont(scaleY);
    const QFontMetricsF metrics(font);

    std::vector<double> advances;
    for (double advance : run.advances)
        advances.push_back(advance * scaleX);
    double width = 0;
    if (advances.empty()) {
        width = metrics.horizontalAdvance(run.text);
    } else {
        for (double advance : advances)
            width += advance;
    }
    if (!std::isfinite(width) || std::abs(width) > kMaxDeviceCoordinate)
        return;

    const DrawScope scope(painter_, state_, false);
    painter_.setTransform(transform);
    if (run.opaqueRect)
        painter_.fillRect(run.rect.normalized(), state_.backgroundColor);
    if (run.clipToRect)
        painter_.setClipRect(run.rect.normalized(), Qt::IntersectClip);

    double x = 0;
    const int horizontal = state_.textAlign & kAlignHorizontalMask;
    if (horizontal == kAlignCenter) {
        x = -width / 2;
    } else if (horizontal == kAlignRight) {
        x = -width;
    }
    double baseline = metrics.ascent();
    const int vertical = state_.textAlign & kAlignVerticalMask;
    if (vertical == kAlignBaseline) {
        baseline = 0;
    } else if (vertical == kAlignBottom) {
        baseline = -metrics.descent();
    }

    const bool flipped = transform.m22() < 0;
    const QPointF origin = transform.map(reference);
    painter_.setTransform(QTransform::fromTranslate(origin.x(), origin.y()));
    painter_.rotate((flipped ? 1.0 : -1.0) * state_.font.escapement / 10.0);
    if (state_.opaqueBackground) {
        painter_.fillRect(QRectF(x, baseline - metrics.ascent(), width, metrics.height()),
                          state_.backgroundColor);
    }
    painter_.setFont(font);
    painter_.setPen(state_.textColor);
    if (advances.empty()) {
        painter_.drawText(QPointF(x, baseline), run.text);
    } else {
        for (qsizetype i = 0; i < run.text.size(); ++i) {
            painter_.drawText(QPointF(x, baseline), QString(run.text[i]));
            if (std::size_t(i) < advances.size())
                x += advances[std::size_t(i)];
        }
    }
    if (updatesPosition && scaleX > 0)
        state_.position.rx() += width / scaleX;
}

void GdiCanvas::image(const QRectF& dest, const QImage& image, const QRectF& source,
                      std::uint32_t rasterOp) {
    const QTransform transform = logicalToTarget();
    if (image.isNull() || !usable(transform, dest))
        return;
    // Only the part of the source inside the bitmap is drawn, into the
    // matching part of the destination.
    const QRectF wanted = source.normalized();
    const QRectF inside = wanted & QRectF(image.rect());
    if (inside.isEmpty())
        return;
    const double scaleX = dest.width() / wanted.width();
    const double scaleY = dest.height() / wanted.height();
    const QRectF target(dest.x() + (inside.x() - wanted.x()) * scaleX,
                        dest.y() + (inside.y() - wanted.y()) * scaleY, inside.width() * scaleX,
                        inside.height() * scaleY);
    const DrawScope scope(painter_, state_, false);
    painter_.setTransform(transform);
    painter_.setCompositionMode(compositionFor(rasterOp));
    // Mirrored destinations (negative extents) are drawn mirrored.
    const QImage drawn =
        image.copy(inside.toAlignedRect()).mirrored(target.width() < 0, target.height() < 0);
    painter_.drawImage(target.normalized(), drawn);
}

void GdiCanvas::patternBlit(const QRectF& dest, std::uint32_t rasterOp) {
    const QRectF rect = dest.normalized();
    if (rasterOp == kRopPatCopy) {
        QPainterPath path;
        path.addRect(rect);
        fillPath(path);
        return;
    }
    const QTransform transform = logicalToTarget();
    if (!usable(transform, rect))
        return;
    const DrawScope scope(painter_, state_, false);
    painter_.setTransform(transform);
    switch (rasterOp) {
        case kRopBlackness:
            painter_.fillRect(rect, Qt::black);
            break;
        case kRopWhiteness:
            painter_.fillRect(rect, Qt::white);
            break;
        case kRopDstInvert:
            painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
            painter_.fillRect(rect, Qt::black);
            break;
        default:
            break;
    }
}

}  // namespace pictavo
