#include "imaging/picture/WmfRenderer.h"

#include "imaging/picture/DibImage.h"
#include "imaging/picture/GdiCanvas.h"
#include "imaging/picture/GdiRecords.h"
#include "imaging/picture/PictureLimits.h"

#include <cmath>
#include <optional>

namespace pictavo {

namespace {

// Placeable header (22 bytes); offsets from the start of the file.
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr std::size_t kPlaceableSize = 22;
constexpr std::size_t kPlaceableBounds = 6;  // four s16: left, top, right, bottom
constexpr std::size_t kPlaceableInch = 14;   // u16

// Standard header (18 bytes).
constexpr std::size_t kStandardSize = 18;
constexpr std::size_t kStandardHeaderWords = 2;  // u16, always 9
constexpr std::size_t kStandardVersion = 4;      // u16, 0x0100 or 0x0300
constexpr std::size_t kStandardObjects = 10;     // u16

constexpr std::size_t kRecordHeaderSize = 6;  // u32 size in words, u16 function
constexpr double kPixelsPerInch = 96;

enum Function : std::uint16_t {
    kEof = 0x0000,
    kSaveDc = 0x001E,
    kCreatePalette = 0x00F7,
    kSetBkMode = 0x0102,
    kSetRop2 = 0x0104,
    kSetMapMode = 0x0103,
    kSetPolyFillMode = 0x0106,
    kRestoreDc = 0x0127,
    kInvertRegion = 0x012A,
    kPaintRegion = 0x012B,
    kSelectClipRegion = 0x012C,
    kSelectObject = 0x012D,
    kSetTextAlign = 0x012E,
    kDibCreatePatternBrush = 0x0142,
    kDeleteObject = 0x01F0,
    kCreatePatternBrush = 0x01F9,
    kSetBkColor = 0x0201,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kSetViewportOrg = 0x020D,
    kSetViewportExt = 0x020E,
    kOffsetWindowOrg = 0x020F,
    kOffsetViewportOrg = 0x0211,
    kLineTo = 0x0213,
    kMoveTo = 0x0214,
    kCreatePenIndirect = 0x02FA,
    kFillRegion = 0x0228,
    kCreateFontIndirect = 0x02FB,
    kCreateBrushIndirect = 0x02FC,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kScaleWindowExt = 0x0410,
    kScaleViewportExt = 0x0412,
    kExcludeClipRect = 0x0415,
    kIntersectClipRect = 0x0416,
    kEllipse = 0x0418,
    kRectangle = 0x041B,
    kTextOut = 0x0521,
    kPolyPolygon = 0x0538,
    kRoundRect = 0x061C,
    kCreateRegion = 0x06FF,
    kArc = 0x0817,
    kPie = 0x081A,
    kChord = 0x0830,
    kDibBitBlt = 0x0940,
    kExtTextOut = 0x0A32,
    kDibStretchBlt = 0x0B41,
    kSetDibToDev = 0x0D33,
    kStretchDib = 0x0F43,
};

// Record numbers in the order of GdiSetting, GdiPointRecord and GdiArcKind.
constexpr GdiRecordIds<std::uint16_t, 7> kSettingRecords{
    kSetBkMode, kSetMapMode, kSetPolyFillMode, kSetTextAlign, kSetBkColor, kSetTextColor, kSetRop2};
constexpr GdiRecordIds<std::uint16_t, 8> kPointRecords{
    kSetWindowOrg, kSetWindowExt, kSetViewportOrg,  kSetViewportExt,
    kMoveTo,       kLineTo,       kOffsetWindowOrg, kOffsetViewportOrg};
constexpr GdiRecordIds<std::uint16_t, 3> kArcRecords{kArc, kPie, kChord};

constexpr std::size_t kMaxRegionRects = 1024;
constexpr std::uint16_t kExtTextOpaque = 0x0002;
constexpr std::uint16_t kExtTextClipped = 0x0004;

bool validStandardHeader(ByteView data, std::size_t offset) {
    if (data.size() < offset + kStandardSize)
        return false;
    ByteReader reader(data);
    reader.seek(offset);
    const std::uint16_t type = reader.le16();
    reader.seek(offset + kStandardHeaderWords);
    const std::uint16_t headerWords = reader.le16();
    reader.seek(offset + kStandardVersion);
    const std::uint16_t version = reader.le16();
    return (type == 1 || type == 2) && headerWords == 9 && (version == 0x0100 || version == 0x0300);
}

bool isPlaceable(ByteView data) {
    ByteReader reader(data);
    return reader.le32() == kPlaceableKey && !reader.failed();
}

// Calls visit(function, parameters) for every record in bounds until the
// end record, a malformed size or a false return.
template <typename Visitor>
void forEachRecord(ByteView data, std::size_t offset, Visitor&& visit) {
    while (offset + kRecordHeaderSize <= data.size()) {
        ByteReader reader(data.subspan(offset));
        const std::uint64_t bytes = std::uint64_t(reader.le32()) * 2;
        const std::uint16_t function = reader.le16();
        if (bytes < kRecordHeaderSize || bytes > data.size() - offset || function == kEof)
            return;
        if (!visit(function, data.subspan(offset + kRecordHeaderSize, bytes - kRecordHeaderSize)))
            return;
        offset += bytes;
    }
}

// The window origin and extent set by the records, for a standard file.
std::optional<QRect> windowFromRecords(ByteView data, std::size_t offset) {
    std::optional<QPoint> origin;
    std::optional<QSize> extent;
    forEachRecord(data, offset, [&](std::uint16_t function, ByteView params) {
        ByteReader reader(params);
        const int y = reader.sle16();
        const int x = reader.sle16();
        if (reader.failed())
            return true;
        if (function == kSetWindowOrg && !origin)
            origin = QPoint(x, y);
        if (function == kSetWindowExt && !extent)
            extent = QSize(x, y);
        return !(origin && extent);
    });
    if (!extent)
        return std::nullopt;
    return QRect(origin.value_or(QPoint()), *extent);
}

class WmfPlayer {
public:
    WmfPlayer(const WmfHeader& header, QPainter& painter, const QRectF& target,
              DibDecoder decodeDib)
        : decodeDib_(decodeDib),
          canvas_(painter, deviceToTarget(header, target), initialState(header)),
          objects_(std::size_t(header.objectCount)) {}

    bool play(std::uint16_t function, ByteView params);

private:
    static QTransform deviceToTarget(const WmfHeader& header, const QRectF& target) {
        const QSize natural = header.naturalSize;
        return QTransform::fromScale(target.width() / natural.width(),
                                     target.height() / natural.height()) *
               QTransform::fromTranslate(target.left(), target.top());
    }
    static GdiDcState initialState(const WmfHeader& header) {
        GdiDcState state;
        state.mapMode = kMapAnisotropic;
        state.windowOrigin = header.bounds.topLeft();
        state.windowExtent = header.bounds.size();
        state.viewportExtent = header.naturalSize;
        return state;
    }

    static QPointF readPointYX(ByteReader& reader) {
        const double y = reader.sle16();
        const double x = reader.sle16();
        return {x, y};
    }
    // A GDI rectangle stored bottom, right, top, left.
    static QRectF readRect(ByteReader& reader) {
        const double bottom = reader.sle16();
        const double right = reader.sle16();
        const double top = reader.sle16();
        const double left = reader.sle16();
        return QRectF(QPointF(left, top), QPointF(right, bottom));
    }
    static QPolygonF readPoints(ByteReader& reader, std::size_t count) {
        QPolygonF points;
        if (count * 4 > reader.remaining())
            return points;
        points.reserve(qsizetype(count));
        for (std::size_t i = 0; i < count; ++i) {
            const double x = reader.sle16();
            const double y = reader.sle16();
            points.append(QPointF(x, y));
        }
        return points;
    }

    // A region object: a header of eleven words (the scan count the sixth),
    // then per scan its value count n, top, bottom, n / 2 left-right pairs
    // and n again. A malformed scan ends the region, and so does the
    // kMaxRegionRects-th rectangle (real regions have a handful; combining
    // a path of many thousands would hold up the player).
    static GdiRegion readRegion(ByteReader& reader) {
        GdiRegion region;
        reader.skip(10);
        const int scans = reader.le16();
        reader.skip(10);
        for (int scan = 0; scan < scans && !reader.failed(); ++scan) {
            const std::size_t values = reader.le16();
            const double top = reader.sle16();
            const double bottom = reader.sle16();
            if (values % 2 != 0 || values * 2 + 2 > reader.remaining())
                break;
            if (region.rects.size() + values / 2 > kMaxRegionRects)
                break;
            for (std::size_t pair = 0; pair < values / 2; ++pair) {
                const double left = reader.sle16();
                const double right = reader.sle16();
                region.rects.emplace_back(QPointF(left, top), QPointF(right, bottom));
            }
            if (reader.le16() != values)
                break;
        }
        return region;
    }
    const GdiRegion* regionAt(std::uint16_t index) const {
        const GdiObject* object = objects_.at(index);
        return object ? std::get_if<GdiRegion>(object) : nullptr;
    }
    void fillRegion(ByteReader& reader);

    void createObject(GdiObject object) { objects_.addToFreeSlot(std::move(object)); }
    void createPen(ByteReader& reader);
    void createBrush(ByteReader& reader);
    void createFont(ByteReader& reader);
    void createPatternBrush(ByteReader& reader);
    void scaleExtent(ByteReader& reader, bool window);
    void arc(GdiArcKind kind, ByteReader& reader);
    void polyPolygon(ByteReader& reader);
    void textOut(ByteReader& reader);
    void extTextOut(ByteReader& reader);
    void dibBlit(std::uint16_t function, ByteReader& reader, std::size_t recordWords);

    DibDecoder decodeDib_;
    GdiCanvas canvas_;
    GdiObjectTable objects_;
};

bool WmfPlayer::play(std::uint16_t function, ByteView params) {
    ByteReader reader(params);
    if (const auto setting = findRecord<GdiSetting>(kSettingRecords, function)) {
        const bool colour =
            setting == GdiSetting::BackgroundColor || setting == GdiSetting::TextColor;
        canvas_.apply(*setting, colour ? reader.le32() : reader.le16());
        return true;
    }
    if (const auto point = findRecord<GdiPointRecord>(kPointRecords, function)) {
        canvas_.apply(*point, readPointYX(reader));
        return true;
    }
    if (const auto kind = findRecord<GdiArcKind>(kArcRecords, function)) {
        arc(*kind, reader);
        return true;
    }
    switch (function) {
        case kSaveDc:
            canvas_.saveState();
            break;
        case kRestoreDc:
            canvas_.restoreState(reader.sle16());
            break;
        case kScaleWindowExt:
        case kScaleViewportExt:
            scaleExtent(reader, function == kScaleWindowExt);
            break;
        case kRectangle:
            canvas_.rectangle(readRect(reader));
            break;
        case kIntersectClipRect:
            canvas_.intersectClip(readRect(reader));
            break;
        case kExcludeClipRect:
            canvas_.excludeClip(readRect(reader));
            break;
        case kEllipse:
            canvas_.ellipse(readRect(reader));
            break;
        case kRoundRect: {
            const QPointF corner = readPointYX(reader);
            canvas_.roundRect(readRect(reader), {corner.x(), corner.y()});
            break;
        }
        case kPolygon:
            canvas_.polygon(readPoints(reader, reader.le16()));
            break;
        case kPolyline:
            canvas_.polyline(readPoints(reader, reader.le16()));
            break;
        case kPolyPolygon:
            polyPolygon(reader);
            break;
        case kTextOut:
            textOut(reader);
            break;
        case kExtTextOut:
            extTextOut(reader);
            break;
        case kSelectObject:
            if (const GdiObject* object = objects_.at(reader.le16()))
                canvas_.select(*object);
            break;
        case kDeleteObject:
            objects_.remove(reader.le16());
            break;
        case kCreatePenIndirect:
            createPen(reader);
            break;
        case kCreateBrushIndirect:
            createBrush(reader);
            break;
        case kCreateFontIndirect:
            createFont(reader);
            break;
        case kDibCreatePatternBrush:
            createPatternBrush(reader);
            break;
        case kCreateRegion:
            createObject(readRegion(reader));
            break;
        case kSelectClipRegion:
            if (const GdiRegion* region = regionAt(reader.le16()))
                canvas_.selectClipRegion(region->rects, GdiRegionMode::Copy);
            break;
        case kPaintRegion:
            if (const GdiRegion* region = regionAt(reader.le16()))
                canvas_.fillRegion(*region, canvas_.state().brush);
            break;
        case kInvertRegion:
            if (const GdiRegion* region = regionAt(reader.le16()))
                canvas_.invertRegion(*region);
            break;
        case kFillRegion:
            fillRegion(reader);
            break;
        case kCreatePalette:
        case kCreatePatternBrush:
            createObject(GdiPlaceholder{});
            break;
        case kDibBitBlt:
        case kDibStretchBlt:
        case kStretchDib:
        case kSetDibToDev:
            dibBlit(function, reader, (params.size() + kRecordHeaderSize) / 2);
            break;
        default:
            break;
    }
    return true;
}

// The record names a region and a brush; writers differ in their order,
// so each index is taken for what its object is.
void WmfPlayer::fillRegion(ByteReader& reader) {
    const std::uint16_t first = reader.le16();
    const std::uint16_t second = reader.le16();
    if (reader.failed())
        return;
    const auto brushAt = [&](std::uint16_t index) -> const GdiBrush* {
        const GdiObject* object = objects_.at(index);
        return object ? std::get_if<GdiBrush>(object) : nullptr;
    };
    const GdiRegion* region = regionAt(first) ? regionAt(first) : regionAt(second);
    const GdiBrush* brush = brushAt(first) ? brushAt(first) : brushAt(second);
    if (region && brush)
        canvas_.fillRegion(*region, *brush);
}

void WmfPlayer::createPen(ByteReader& reader) {
    GdiPen pen;
    const std::uint16_t style = reader.le16();
    pen.style = style & 0x0F;
    pen.endCapJoin = style & 0xFF00;
    pen.width = std::abs(reader.sle16());
    reader.skip(2);  // the unused y of the width
    pen.color = colorFromColorRef(reader.le32());
    createObject(pen);
}

void WmfPlayer::createBrush(ByteReader& reader) {
    GdiBrush brush;
    const std::uint16_t style = reader.le16();
    brush.color = colorFromColorRef(reader.le32());
    brush.hatch = reader.le16();
    brush.style = GdiBrush::styleFromRecord(style);
    createObject(brush);
}

void WmfPlayer::createFont(ByteReader& reader) {
    GdiFont font;
    font.height = reader.sle16();
    font.width = reader.sle16();
    font.escapement = reader.sle16();
    reader.skip(2);  // orientation
    font.weight = reader.sle16();
    font.italic = reader.u8() != 0;
    font.underline = reader.u8() != 0;
    font.strikeOut = reader.u8() != 0;
    reader.skip(5);  // charset, precisions, quality, pitch and family
    const std::size_t faceBytes = std::min<std::size_t>(reader.remaining(), 32);
    const ByteView face = reader.bytes(faceBytes);
    std::size_t length = 0;
    while (length < face.size() && face[length] != 0)
        ++length;
    font.faceName =
        QString::fromLatin1(reinterpret_cast<const char*>(face.data()), qsizetype(length));
    createObject(font);
}

void WmfPlayer::createPatternBrush(ByteReader& reader) {
    reader.skip(4);  // style, colour usage
    GdiBrush brush;
    brush.style = GdiBrush::Pattern;
    brush.pattern = decodePackedDib(reader.bytes(reader.remaining()), decodeDib_).image;
    createObject(brush);
}

void WmfPlayer::scaleExtent(ByteReader& reader, bool window) {
    const int yDenominator = reader.sle16();
    const int yNumerator = reader.sle16();
    const int xDenominator = reader.sle16();
    const int xNumerator = reader.sle16();
    if (!reader.failed())
        canvas_.scaleExtent(window, xNumerator, xDenominator, yNumerator, yDenominator);
}

void WmfPlayer::arc(GdiArcKind kind, ByteReader& reader) {
    const QPointF end = readPointYX(reader);
    const QPointF start = readPointYX(reader);
    const QRectF box = readRect(reader);
    if (!reader.failed())
        canvas_.arc(kind, box, start, end);
}

void WmfPlayer::polyPolygon(ByteReader& reader) {
    const std::size_t polygonCount = reader.le16();
    if (polygonCount * 2 > reader.remaining())
        return;
    std::vector<std::size_t> counts;
    std::size_t total = 0;
    for (std::size_t i = 0; i < polygonCount; ++i) {
        counts.push_back(reader.le16());
        total += counts.back();
    }
    if (total * 4 > reader.remaining())
        return;
    std::vector<QPolygonF> polygons;
    for (std::size_t count : counts)
        polygons.push_back(readPoints(reader, count));
    canvas_.polyPolygon(polygons);
}

void WmfPlayer::textOut(ByteReader& reader) {
    const std::size_t length = reader.le16();
    const std::size_t padded = length + (length & 1);
    if (padded > reader.remaining())
        return;
    const ByteView bytes = reader.bytes(padded);
    GdiTextRun run;
    run.text = QString::fromLatin1(reinterpret_cast<const char*>(bytes.data()), qsizetype(length));
    run.reference = readPointYX(reader);
    if (!reader.failed())
        canvas_.text(run);
}

void WmfPlayer::extTextOut(ByteReader& reader) {
    GdiTextRun run;
    run.reference = readPointYX(reader);
    const std::size_t length = reader.le16();
    const std::uint16_t options = reader.le16();
    if (options & (kExtTextOpaque | kExtTextClipped)) {
        const double left = reader.sle16();
        const double top = reader.sle16();
        const double right = reader.sle16();
        const double bottom = reader.sle16();
        run.rect = QRectF(QPointF(left, top), QPointF(right, bottom));
        run.opaqueRect = (options & kExtTextOpaque) != 0;
        run.clipToRect = (options & kExtTextClipped) != 0;
    }
    if (reader.failed() || length > reader.remaining())
        return;
    const ByteView bytes = reader.bytes(length);
    run.text = QString::fromLatin1(reinterpret_cast<const char*>(bytes.data()), qsizetype(length));
    reader.skip(length & 1);
    if (reader.remaining() >= length * 2) {
        for (std::size_t i = 0; i < length; ++i)
            run.advances.push_back(reader.sle16());
    }
    canvas_.text(run);
}

// The four DIB blits share one layout idea: a raster operation, source and
// destination rectangles, then the packed DIB. The BitBlt forms without a
// DIB (record size = function high byte + 3 words) are pattern blits.
void WmfPlayer::dibBlit(std::uint16_t function, ByteReader& reader, std::size_t recordWords) {
    const bool withoutBitmap = (function == kDibBitBlt || function == kDibStretchBlt) &&
                               recordWords == std::size_t(function >> 8) + 3;
    std::uint32_t rasterOp = 0x00CC0020;
    if (function != kSetDibToDev)
        rasterOp = reader.le32();
    if (function == kStretchDib || function == kSetDibToDev)
        reader.skip(2);  // colour usage
    double sourceWidth = 0;
    double sourceHeight = 0;
    if (function == kDibStretchBlt || function == kStretchDib) {
        sourceHeight = reader.sle16();
        sourceWidth = reader.sle16();
    }
    if (function == kSetDibToDev)
        reader.skip(4);  // scan count, start scan
    const QPointF source = readPointYX(reader);
    if (withoutBitmap)
        reader.skip(2);
    const double destHeight = reader.sle16();
    const double destWidth = reader.sle16();
    const QPointF dest = readPointYX(reader);
    if (reader.failed())
        return;
    const QRectF destRect(dest, QSizeF(destWidth, destHeight));
    if (withoutBitmap) {
        canvas_.patternBlit(destRect, rasterOp);
        return;
    }
    const DibImage dib = decodePackedDib(reader.bytes(reader.remaining()), decodeDib_);
    if (dib.image.isNull())
        return;
    if (function == kDibBitBlt || function == kSetDibToDev) {
        sourceWidth = destWidth;
        sourceHeight = destHeight;
    }
    // StretchDIBits and SetDIBitsToDevice measure the source from the
    // bottom row of a bottom-up DIB; the blits from a memory DC from the top.
    double sourceTop = source.y();
    if ((function == kStretchDib || function == kSetDibToDev) && dib.bottomUp) {
        sourceTop = dib.image.height() - source.y() - std::abs(sourceHeight);
    }
    const QRectF sourceRect(source.x(), sourceTop, std::abs(sourceWidth), std::abs(sourceHeight));
    canvas_.image(destRect, dib.image, sourceRect, rasterOp);
}

}  // namespace

bool looksLikeWmf(ByteView data) {
    return isPlaceable(data) ? validStandardHeader(data, kPlaceableSize)
                             : validStandardHeader(data, 0);
}

Result<WmfHeader> readWmfHeader(ByteView data) {
    if (!looksLikeWmf(data))
        return Error(QStringLiteral("WMF: not a metafile"));
    WmfHeader header;
    header.placeable = isPlaceable(data);
    header.recordsOffset = header.placeable ? kPlaceableSize + kStandardSize : kStandardSize;
    ByteReader reader(data);
    reader.seek(header.recordsOffset - kStandardSize + kStandardObjects);
    header.objectCount = reader.le16();

    if (header.placeable) {
        reader.seek(kPlaceableBounds);
        const int left = reader.sle16();
        const int top = reader.sle16();
        const int right = reader.sle16();
        const int bottom = reader.sle16();
        reader.seek(kPlaceableInch);
        header.unitsPerInch = reader.le16();
        if (header.unitsPerInch == 0)
            return Error(QStringLiteral("WMF: zero units per inch"));
        header.bounds = QRect(QPoint(left, top), QSize(right - left, bottom - top));
        const double scale = kPixelsPerInch / header.unitsPerInch;
        header.naturalSize = QSize(int(std::lround(std::abs(right - left) * scale)),
                                   int(std::lround(std::abs(bottom - top) * scale)));
    } else {
        const std::optional<QRect> window = windowFromRecords(data, header.recordsOffset);
        if (!window)
            return Error(QStringLiteral("WMF: no window extent"));
        header.bounds = *window;
        header.naturalSize = QSize(std::abs(window->width()), std::abs(window->height()));
    }
    if (header.bounds.width() == 0 || header.bounds.height() == 0 ||
        !metafileSizeAllowed(header.naturalSize)) {
        return Error(QStringLiteral("WMF: picture size out of range"));
    }
    return header;
}

void playWmf(ByteView data, const WmfHeader& header, QPainter& painter, const QRectF& target,
             DibDecoder decodeDib) {
    if (!metafileSizeAllowed(header.naturalSize) || target.isEmpty())
        return;
    painter.save();
    WmfPlayer player(header, painter, target, decodeDib);
    forEachRecord(data, header.recordsOffset, [&](std::uint16_t function, ByteView params) {
        return player.play(function, params);
    });
    painter.restore();
}

}  // namespace pictavo
