#include "imaging/picture/EmfRenderer.h"

#include "imaging/picture/DibImage.h"
#include "imaging/picture/GdiCanvas.h"
#include "imaging/picture/GdiRecords.h"
#include "imaging/picture/PictureLimits.h"

#include <bit>
#include <cmath>

namespace pictavo {

namespace {

// EMR_HEADER; offsets from the start of the file.
constexpr std::size_t kHeaderMinimumSize = 88;
constexpr std::size_t kHeaderBounds = 8;        // RECTL
constexpr std::size_t kHeaderFrame = 24;        // RECTL, 0.01 mm
constexpr std::size_t kHeaderSignature = 40;    // " EMF"
constexpr std::size_t kHeaderHandles = 56;      // u16
constexpr std::size_t kHeaderDevice = 72;       // SIZEL, pixels
constexpr std::size_t kHeaderMillimeters = 80;  // SIZEL
constexpr std::uint32_t kSignature = 0x464D4520;
constexpr std::size_t kRecordHeaderSize = 8;  // u32 type, u32 size in bytes

constexpr double kPixelsPer100thMm = 96.0 / 2540.0;
constexpr std::uint32_t kStockObject = 0x80000000;

enum Record : std::uint32_t {
    kHeader = 1,
    kPolyBezier = 2,
    kPolygon = 3,
    kPolyline = 4,
    kPolyBezierTo = 5,
    kPolylineTo = 6,
    kPolyPolyline = 7,
    kPolyPolygon = 8,
    kSetWindowExtEx = 9,
    kSetWindowOrgEx = 10,
    kSetViewportExtEx = 11,
    kSetViewportOrgEx = 12,
    kEof = 14,
    kSetMapMode = 17,
    kSetBkMode = 18,
    kSetPolyFillMode = 19,
    kSetRop2 = 20,
    kSetTextAlign = 22,
    kSetTextColor = 24,
    kSetBkColor = 25,
    kMoveToEx = 27,
    kExcludeClipRect = 29,
    kIntersectClipRect = 30,
    kScaleViewportExtEx = 31,
    kScaleWindowExtEx = 32,
    kSaveDc = 33,
    kRestoreDc = 34,
    kSetWorldTransform = 35,
    kModifyWorldTransform = 36,
    kSelectObject = 37,
    kCreatePen = 38,
    kCreateBrushIndirect = 39,
    kDeleteObject = 40,
    kEllipse = 42,
    kRectangle = 43,
    kRoundRect = 44,
    kArc = 45,
    kChord = 46,
    kPie = 47,
    kCreatePalette = 49,
    kLineTo = 54,
    kBeginPath = 59,
    kEndPath = 60,
    kCloseFigure = 61,
    kFillPath = 62,
    kStrokeAndFillPath = 63,
    kStrokePath = 64,
    kSelectClipPath = 67,
    kAbortPath = 68,
    kExtSelectClipRgn = 75,
    kBitBlt = 76,
    kStretchBlt = 77,
    kSetDiBitsToDevice = 80,
    kStretchDiBits = 81,
    kExtCreateFontIndirectW = 82,
    kExtTextOutA = 83,
    kExtTextOutW = 84,
    kPolyBezier16 = 85,
    kPolygon16 = 86,
    kPolyline16 = 87,
    kPolyBezierTo16 = 88,
    kPolylineTo16 = 89,
    kPolyPolyline16 = 90,
    kPolyPolygon16 = 91,
    kCreateMonoBrush = 93,
    kCreateDibPatternBrushPt = 94,
    kExtCreatePen = 95,
};

// Record numbers in the order of GdiSetting, GdiPointRecord and GdiArcKind.
constexpr GdiRecordIds<std::uint32_t, 7> kSettingRecords{
    kSetBkMode, kSetMapMode, kSetPolyFillMode, kSetTextAlign, kSetBkColor, kSetTextColor, kSetRop2};
constexpr GdiRecordIds<std::uint32_t, 6> kPointRecords{
    kSetWindowOrgEx, kSetWindowExtEx, kSetViewportOrgEx, kSetViewportExtEx, kMoveToEx, kLineTo};
constexpr GdiRecordIds<std::uint32_t, 3> kArcRecords{kArc, kPie, kChord};

constexpr std::uint32_t kTextOpaque = 0x0002;
constexpr std::uint32_t kTextClipped = 0x0004;
constexpr std::uint32_t kTextGlyphIndex = 0x0010;
constexpr std::uint32_t kTextPdy = 0x2000;

QRect readRectl(ByteReader& reader) {
    const int left = reader.sle32();
    const int top = reader.sle32();
    const int right = reader.sle32();
    const int bottom = reader.sle32();
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QRectF readBox(ByteReader& reader) {
    const double left = reader.sle32();
    const double top = reader.sle32();
    const double right = reader.sle32();
    const double bottom = reader.sle32();
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QPointF readPointl(ByteReader& reader) {
    const double x = reader.sle32();
    const double y = reader.sle32();
    return {x, y};
}

float readFloat(ByteReader& reader) {
    return std::bit_cast<float>(reader.le32());
}

QTransform readXform(ByteReader& reader) {
    const double m11 = readFloat(reader);
    const double m12 = readFloat(reader);
    const double m21 = readFloat(reader);
    const double m22 = readFloat(reader);
    const double dx = readFloat(reader);
    const double dy = readFloat(reader);
    return QTransform(m11, m12, m21, m22, dx, dy);
}

// Reads count points, 32-bit (POINTL) or 16-bit (POINTS).
QPolygonF readPoints(ByteReader& reader, std::uint64_t count, bool small) {
    QPolygonF points;
    const std::uint64_t pointSize = small ? 4 : 8;
    if (count > reader.remaining() / pointSize)
        return points;
    points.reserve(qsizetype(count));
    for (std::uint64_t i = 0; i < count; ++i) {
        const double x = small ? reader.sle16() : reader.sle32();
        const double y = small ? reader.sle16() : reader.sle32();
        points.append(QPointF(x, y));
    }
    return points;
}

// The bytes [offset, offset + size) of record, or empty when out of bounds.
ByteView recordSlice(ByteView record, std::uint32_t offset, std::uint32_t size) {
    if (offset > record.size() || size > record.size() - offset)
        return {};
    return record.subspan(offset, size);
}

GdiObject stockObject(std::uint32_t index) {
    switch (index) {
        case 0:
            return GdiBrush{GdiBrush::Solid, Qt::white, 0, {}};
        case 1:
            return GdiBrush{GdiBrush::Solid, QColor(0xC0, 0xC0, 0xC0), 0, {}};
        case 2:
            return GdiBrush{GdiBrush::Solid, QColor(0x80, 0x80, 0x80), 0, {}};
        case 3:
            return GdiBrush{GdiBrush::Solid, QColor(0x40, 0x40, 0x40), 0, {}};
        case 4:
            return GdiBrush{GdiBrush::Solid, Qt::black, 0, {}};
        case 5:
            return GdiBrush{GdiBrush::Null, Qt::white, 0, {}};
        case 6:
            return GdiPen{GdiPen::Solid, 0, 0, Qt::white};
        case 7:
            return GdiPen{GdiPen::Solid, 0, 0, Qt::black};
        case 8:
            return GdiPen{GdiPen::Null, 0, 0, Qt::black};
        case 18:
            return GdiBrush{};
        case 19:
            return GdiPen{};
        default:
            return index >= 10 && index <= 17 ? GdiObject(GdiFont{}) : GdiObject{};
    }
}

class EmfPlayer {
public:
    EmfPlayer(const EmfHeader& header, QPainter& painter, const QRectF& target,
              DibDecoder decodeDib)
        : decodeDib_(decodeDib),
          canvas_(painter, deviceToTarget(header, target), GdiDcState{}),
          objects_(std::size_t(header.handleCount)) {}

    void play(std::uint32_t type, ByteView record);

private:
    static QTransform deviceToTarget(const EmfHeader& header, const QRectF& target) {
        const QRectF frame = header.deviceFrame;
        return QTransform::fromTranslate(-frame.left(), -frame.top()) *
               QTransform::fromScale(target.width() / frame.width(),
                                     target.height() / frame.height()) *
               QTransform::fromTranslate(target.left(), target.top());
    }

    void store(ByteReader& reader, GdiObject object) {
        const std::uint32_t index = reader.le32();
        if (index != 0 && !reader.failed())
            objects_.setAt(index, std::move(object));
    }
    void selectObject(std::uint32_t index);
    void createPen(ByteReader& reader);
    void createExtPen(ByteReader& reader);
    void createBrush(ByteReader& reader);
    void createPatternBrush(ByteReader& reader, ByteView record);
    void createFont(ByteReader& reader);
    void scaleExtent(ByteReader& reader, bool window);
    void modifyWorldTransform(ByteReader& reader);
    void poly(std::uint32_t type, ByteReader& reader);
    void polyPoly(std::uint32_t type, ByteReader& reader);
    void arc(GdiArcKind kind, ByteReader& reader);
    void text(ByteReader& reader, ByteView record, bool wide);
    void bitBlt(ByteReader& reader, ByteView record, bool stretch);
    void selectClipRegion(ByteReader& reader);
    void selectClipPath(std::uint32_t mode);
    void stretchDiBits(ByteReader& reader, ByteView record, bool stretch);

    DibDecoder decodeDib_;
    GdiCanvas canvas_;
    GdiObjectTable objects_;
};

void EmfPlayer::play(std::uint32_t type, ByteView record) {
    ByteReader reader(record);
    reader.seek(kRecordHeaderSize);
    if (const auto setting = findRecord<GdiSetting>(kSettingRecords, type)) {
        canvas_.apply(*setting, reader.le32());
        return;
    }
    if (const auto point = findRecord<GdiPointRecord>(kPointRecords, type)) {
        canvas_.apply(*point, readPointl(reader));
        return;
    }
    if (const auto kind = findRecord<GdiArcKind>(kArcRecords, type)) {
        arc(*kind, reader);
        return;
    }
    switch (type) {
        case kScaleViewportExtEx:
        case kScaleWindowExtEx:
            scaleExtent(reader, type == kScaleWindowExtEx);
            break;
        case kSaveDc:
            canvas_.saveState();
            break;
        case kRestoreDc:
            canvas_.restoreState(reader.sle32());
            break;
        case kSetWorldTransform:
            canvas_.setWorldTransform(readXform(reader));
            break;
        case kModifyWorldTransform:
            modifyWorldTransform(reader);
            break;
        case kSelectObject:
            selectObject(reader.le32());
            break;
        case kDeleteObject:
            objects_.remove(reader.le32());
            break;
        case kCreatePen:
            createPen(reader);
            break;
        case kExtCreatePen:
            createExtPen(reader);
            break;
        case kCreateBrushIndirect:
            createBrush(reader);
            break;
        case kCreateMonoBrush:
        case kCreateDibPatternBrushPt:
            createPatternBrush(reader, record);
            break;
        case kCreatePalette:
            store(reader, GdiPlaceholder{});
            break;
        case kExtCreateFontIndirectW:
            createFont(reader);
            break;
        case kRectangle:
            canvas_.rectangle(readBox(reader));
            break;
        case kIntersectClipRect:
            canvas_.intersectClip(readBox(reader));
            break;
        case kExcludeClipRect:
            canvas_.excludeClip(readBox(reader));
            break;
        case kExtSelectClipRgn:
            selectClipRegion(reader);
            break;
        case kEllipse:
            canvas_.ellipse(readBox(reader));
            break;
        case kRoundRect: {
            const QRectF box = readBox(reader);
            const QPointF corner = readPointl(reader);
            canvas_.roundRect(box, {corner.x(), corner.y()});
            break;
        }
        case kPolyBezier:
        case kPolygon:
        case kPolyline:
        case kPolyBezierTo:
        case kPolylineTo:
        case kPolyBezier16:
        case kPolygon16:
        case kPolyline16:
        case kPolyBezierTo16:
        case kPolylineTo16:
            poly(type, reader);
            break;
        case kPolyPolyline:
        case kPolyPolygon:
        case kPolyPolyline16:
        case kPolyPolygon16:
            polyPoly(type, reader);
            break;
        case kBeginPath:
            canvas_.beginPath();
            break;
        case kEndPath:
            canvas_.endPath();
            break;
        case kCloseFigure:
            canvas_.closeFigure();
            break;
        case kAbortPath:
            canvas_.abortPath();
            break;
        case kSelectClipPath:
            selectClipPath(reader.le32());
            break;
        case kFillPath:
            canvas_.drawPath(true, false);
            break;
        case kStrokeAndFillPath:
            canvas_.drawPath(true, true);
            break;
        case kStrokePath:
            canvas_.drawPath(false, true);
            break;
        case kExtTextOutA:
            text(reader, record, false);
            break;
        case kExtTextOutW:
            text(reader, record, true);
            break;
        case kBitBlt:
            bitBlt(reader, record, false);
            break;
        case kStretchBlt:
            bitBlt(reader, record, true);
            break;
        case kSetDiBitsToDevice:
            stretchDiBits(reader, record, false);
            break;
        case kStretchDiBits:
            stretchDiBits(reader, record, true);
            break;
        default:
            break;
    }
}

void EmfPlayer::selectObject(std::uint32_t index) {
    const GdiObject stock = stockObject(index & ~kStockObject);
    const GdiObject* object = (index & kStockObject) ? &stock : objects_.at(index);
    if (object)
        canvas_.select(*object);
}

void EmfPlayer::createPen(ByteReader& reader) {
    const std::size_t indexAt = reader.position();
    reader.skip(4);
    GdiPen pen;
    const std::uint32_t style = reader.le32();
    pen.style = int(style & 0x0F);
    pen.endCapJoin = int(style & 0xFF00);
    pen.width = std::abs(double(reader.sle32()));
    reader.skip(4);
    pen.color = colorFromColorRef(reader.le32());
    reader.seek(indexAt);
    store(reader, pen);
}

void EmfPlayer::createExtPen(ByteReader& reader) {
    const std::size_t indexAt = reader.position();
    reader.skip(4 + 16);  // index, DIB offsets and sizes
    GdiPen pen;
    const std::uint32_t style = reader.le32();
    const bool geometric = (style & 0x000F0000) != 0;
    pen.style = int(style & 0x0F);
    pen.endCapJoin = int(style & 0xFF00);
    pen.width = geometric ? double(reader.le32()) : (reader.skip(4), 0.0);
    if (reader.le32() == 1)
        pen.style = GdiPen::Null;  // hollow brush
    pen.color = colorFromColorRef(reader.le32());
    reader.seek(indexAt);
    store(reader, pen);
}

void EmfPlayer::createBrush(ByteReader& reader) {
    const std::size_t indexAt = reader.position();
    reader.skip(4);
    GdiBrush brush;
    const std::uint32_t style = reader.le32();
    brush.color = colorFromColorRef(reader.le32());
    brush.hatch = int(reader.le32());
    brush.style = GdiBrush::styleFromRecord(style);
    reader.seek(indexAt);
    store(reader, brush);
}

void EmfPlayer::createPatternBrush(ByteReader& reader, ByteView record) {
    const std::size_t indexAt = reader.position();
    reader.skip(8);  // index, colour usage
    const std::uint32_t infoOffset = reader.le32();
    const std::uint32_t infoSize = reader.le32();
    const std::uint32_t bitsOffset = reader.le32();
    const std::uint32_t bitsSize = reader.le32();
    GdiBrush brush;
    brush.style = GdiBrush::Pattern;
    const ByteView info = recordSlice(record, infoOffset, infoSize);
    const ByteView bits = recordSlice(record, bitsOffset, bitsSize);
    if (!info.empty() && !bits.empty())
        brush.pattern = decodeSplitDib(info, bits, decodeDib_).image;
    reader.seek(indexAt);
    store(reader, brush);
}

void EmfPlayer::createFont(ByteReader& reader) {
    const std::size_t indexAt = reader.position();
    reader.skip(4);
    GdiFont font;
    font.height = reader.sle32();
    font.width = reader.sle32();
    font.escapement = reader.sle32();
    reader.skip(4);  // orientation
    font.weight = reader.sle32();
    font.italic = reader.u8() != 0;
    font.underline = reader.u8() != 0;
    font.strikeOut = reader.u8() != 0;
    reader.skip(5);
    QString face;
    for (int i = 0; i < 32 && reader.remaining() >= 2; ++i) {
        const char16_t unit = reader.le16();
        if (unit == 0)
            break;
        face.append(QChar(unit));
    }
    font.faceName = face;
    if (reader.failed())
        return;
    reader.seek(indexAt);
    store(reader, font);
}

void EmfPlayer::scaleExtent(ByteReader& reader, bool window) {
    const double xNumerator = reader.sle32();
    const double xDenominator = reader.sle32();
    const double yNumerator = reader.sle32();
    const double yDenominator = reader.sle32();
    if (!reader.failed())
        canvas_.scaleExtent(window, xNumerator, xDenominator, yNumerator, yDenominator);
}

void EmfPlayer::modifyWorldTransform(ByteReader& reader) {
    const QTransform transform = readXform(reader);
    const std::uint32_t mode = reader.le32();
    if (reader.failed())
        return;
    const QTransform current = canvas_.state().world;
    switch (mode) {
        case 1:
            canvas_.setWorldTransform(QTransform());
            break;
        case 2:
            canvas_.setWorldTransform(transform * current);
            break;
        case 3:
            canvas_.setWorldTransform(current * transform);
            break;
        case 4:
            canvas_.setWorldTransform(transform);
            break;
        default:
            break;
    }
}

void EmfPlayer::poly(std::uint32_t type, ByteReader& reader) {
    const bool small = type >= kPolyBezier16;
    const std::uint32_t kind = small ? type - (kPolyBezier16 - kPolyBezier) : type;
    reader.skip(16);  // bounds
    const QPolygonF points = readPoints(reader, reader.le32(), small);
    switch (kind) {
        case kPolyBezier:
            canvas_.polyBezier(points, false);
            break;
        case kPolygon:
            canvas_.polygon(points);
            break;
        case kPolyline:
            canvas_.polyline(points);
            break;
        case kPolyBezierTo:
            canvas_.polyBezier(points, true);
            break;
        default:
            canvas_.polylineTo(points);
            break;
    }
}

void EmfPlayer::polyPoly(std::uint32_t type, ByteReader& reader) {
    const bool small = type >= kPolyPolyline16;
    reader.skip(16);  // bounds
    const std::uint64_t polygonCount = reader.le32();
    const std::uint64_t pointCount = reader.le32();
    if (polygonCount > reader.remaining() / 4)
        return;
    std::vector<std::uint64_t> counts;
    std::uint64_t total = 0;
    for (std::uint64_t i = 0; i < polygonCount; ++i) {
        counts.push_back(reader.le32());
        total += counts.back();
    }
    if (total != pointCount || total > reader.remaining() / (small ? 4 : 8))
        return;
    std::vector<QPolygonF> polygons;
    for (std::uint64_t count : counts)
        polygons.push_back(readPoints(reader, count, small));
    if (type == kPolyPolygon || type == kPolyPolygon16) {
        canvas_.polyPolygon(polygons);
    } else {
        canvas_.polyPolyline(polygons);
    }
}

void EmfPlayer::arc(GdiArcKind kind, ByteReader& reader) {
    const QRectF box = readBox(reader);
    const QPointF start = readPointl(reader);
    const QPointF end = readPointl(reader);
    if (!reader.failed())
        canvas_.arc(kind, box, start, end);
}

void EmfPlayer::text(ByteReader& reader, ByteView record, bool wide) {
    reader.skip(16 + 12);  // bounds, graphics mode, scales
    GdiTextRun run;
    run.reference = readPointl(reader);
    const std::uint32_t length = reader.le32();
    const std::uint32_t stringOffset = reader.le32();
    const std::uint32_t options = reader.le32();
    run.rect = readBox(reader);
    const std::uint32_t advancesOffset = reader.le32();
    if (reader.failed() || (options & kTextGlyphIndex))
        return;
    run.opaqueRect = (options & kTextOpaque) != 0;
    run.clipToRect = (options & kTextClipped) != 0;

    const std::uint64_t unit = wide ? 2 : 1;
    if (std::uint64_t(length) * unit > 0xFFFFFFFFu)
        return;
    const ByteView string = recordSlice(record, stringOffset, length * std::uint32_t(unit));
    if (string.size() != length * unit)
        return;
    if (wide) {
        ByteReader units(string);
        for (std::uint32_t i = 0; i < length; ++i)
            run.text.append(QChar(char16_t(units.le16())));
    } else {
        run.text = QString::fromLatin1(reinterpret_cast<const char*>(string.data()), length);
    }
    const std::uint64_t stride = (options & kTextPdy) ? 8 : 4;
    if (advancesOffset != 0 && std::uint64_t(length) * stride <= 0xFFFFFFFFu) {
        const ByteView advances =
            recordSlice(record, advancesOffset, length * std::uint32_t(stride));
        ByteReader values(advances);
        while (values.remaining() >= stride) {
            run.advances.push_back(values.sle32());
            values.skip(stride - 4);
        }
    }
    canvas_.text(run);
}

// EMR_BITBLT / EMR_STRETCHBLT: a blit from a memory DC holding the DIB,
// or a pattern blit when the record carries no bitmap.
void EmfPlayer::bitBlt(ByteReader& reader, ByteView record, bool stretch) {
    reader.skip(16);  // bounds
    const QPointF dest = readPointl(reader);
    const QPointF destSize = readPointl(reader);
    const std::uint32_t rasterOp = reader.le32();
    const QPointF source = readPointl(reader);
    reader.skip(24 + 4 + 4);  // source transform, background colour, usage
    const std::uint32_t infoOffset = reader.le32();
    const std::uint32_t infoSize = reader.le32();
    const std::uint32_t bitsOffset = reader.le32();
    const std::uint32_t bitsSize = reader.le32();
    QPointF sourceSize = destSize;
    if (stretch)
        sourceSize = readPointl(reader);
    if (reader.failed())
        return;
    const QRectF destRect(dest, QSizeF(destSize.x(), destSize.y()));
    if (infoSize == 0) {
        canvas_.patternBlit(destRect, rasterOp);
        return;
    }
    const DibImage dib = decodeSplitDib(recordSlice(record, infoOffset, infoSize),
                                        recordSlice(record, bitsOffset, bitsSize), decodeDib_);
    const QRectF sourceRect(source, QSizeF(std::abs(sourceSize.x()), std::abs(sourceSize.y())));
    canvas_.image(destRect, dib.image, sourceRect, rasterOp);
}

// EMR_EXTSELECTCLIPRGN: the region's size and mode, then a RGNDATA header
// (32 bytes: size, type, rectangle count, data size, bounds) and its
// rectangles in device coordinates.
void EmfPlayer::selectClipRegion(ByteReader& reader) {
    constexpr std::size_t kRegionHeaderSize = 32;
    constexpr std::size_t kRegionCount = 8;
    const std::uint32_t dataSize = reader.le32();
    const std::uint32_t mode = reader.le32();
    if (reader.failed() || mode < 1 || mode > 5 || dataSize > reader.remaining())
        return;
    std::vector<QRectF> rects;
    if (dataSize >= kRegionHeaderSize) {
        const std::size_t start = reader.position();
        reader.seek(start + kRegionCount);
        const std::uint64_t count = reader.le32();
        if (count > (dataSize - kRegionHeaderSize) / 16)
            return;
        reader.seek(start + kRegionHeaderSize);
        for (std::uint64_t i = 0; i < count; ++i)
            rects.push_back(readBox(reader));
    }
    canvas_.selectClipRegion(rects, GdiRegionMode(mode));
}

void EmfPlayer::selectClipPath(std::uint32_t mode) {
    if (mode >= 1 && mode <= 5)
        canvas_.selectClipPath(GdiRegionMode(mode));
}

// EMR_STRETCHDIBITS / EMR_SETDIBITSTODEVICE: the source is measured from
// the bottom row of a bottom-up DIB.
void EmfPlayer::stretchDiBits(ByteReader& reader, ByteView record, bool stretch) {
    reader.skip(16);  // bounds
    const QPointF dest = readPointl(reader);
    const QPointF source = readPointl(reader);
    const QPointF sourceSize = readPointl(reader);
    const std::uint32_t infoOffset = reader.le32();
    const std::uint32_t infoSize = reader.le32();
    const std::uint32_t bitsOffset = reader.le32();
    const std::uint32_t bitsSize = reader.le32();
    reader.skip(4);  // usage
    std::uint32_t rasterOp = 0x00CC0020;
    QPointF destSize = sourceSize;
    if (stretch) {
        rasterOp = reader.le32();
        destSize = readPointl(reader);
    }
    if (reader.failed())
        return;
    const DibImage dib = decodeSplitDib(recordSlice(record, infoOffset, infoSize),
                                        recordSlice(record, bitsOffset, bitsSize), decodeDib_);
    if (dib.image.isNull())
        return;
    const double height = std::abs(sourceSize.y());
    const double top = dib.bottomUp ? dib.image.height() - source.y() - height : source.y();
    const QRectF sourceRect(source.x(), top, std::abs(sourceSize.x()), height);
    canvas_.image(QRectF(dest, QSizeF(destSize.x(), destSize.y())), dib.image, sourceRect,
                  rasterOp);
}

// Calls visit(type, record) for every record in bounds after the header
// until EMR_EOF or a malformed size.
template <typename Visitor>
void forEachRecord(ByteView data, Visitor&& visit) {
    std::size_t offset = 0;
    while (offset + kRecordHeaderSize <= data.size()) {
        ByteReader reader(data.subspan(offset));
        const std::uint32_t type = reader.le32();
        const std::uint32_t size = reader.le32();
        if (size < kRecordHeaderSize || size > data.size() - offset || type == kEof)
            return;
        if (offset > 0)
            visit(type, data.subspan(offset, size));
        offset += size;
    }
}

}  // namespace

bool looksLikeEmf(ByteView data) {
    if (data.size() < kHeaderMinimumSize)
        return false;
    ByteReader reader(data);
    const std::uint32_t type = reader.le32();
    const std::uint32_t size = reader.le32();
    reader.seek(kHeaderSignature);
    return type == kHeader && size >= kHeaderMinimumSize && size <= data.size() &&
           reader.le32() == kSignature;
}

Result<EmfHeader> readEmfHeader(ByteView data) {
    if (!looksLikeEmf(data))
        return Error(QStringLiteral("EMF: not an enhanced metafile"));
    ByteReader reader(data);
    EmfHeader header;
    reader.seek(kHeaderBounds);
    header.bounds = readRectl(reader);
    reader.seek(kHeaderFrame);
    header.frame = readRectl(reader);
    reader.seek(kHeaderHandles);
    header.handleCount = reader.le16();
    reader.seek(kHeaderDevice);
    const double devicePixelsX = reader.sle32();
    const double devicePixelsY = reader.sle32();
    reader.seek(kHeaderMillimeters);
    const double millimetersX = reader.sle32();
    const double millimetersY = reader.sle32();
    QSizeF devicePerMm100(kPixelsPer100thMm, kPixelsPer100thMm);
    if (devicePixelsX > 0 && devicePixelsY > 0 && millimetersX > 0 && millimetersY > 0) {
        devicePerMm100 =
            QSizeF(devicePixelsX / (millimetersX * 100), devicePixelsY / (millimetersY * 100));
    }

    const double frameLeft = header.frame.left();
    const double frameTop = header.frame.top();
    const double frameWidth = double(header.frame.right()) - frameLeft;
    const double frameHeight = double(header.frame.bottom()) - frameTop;
    if (frameWidth > 0 && frameHeight > 0) {
        header.naturalSize = QSize(int(std::lround(frameWidth * kPixelsPer100thMm)),
                                   int(std::lround(frameHeight * kPixelsPer100thMm)));
        header.deviceFrame =
            QRectF(frameLeft * devicePerMm100.width(), frameTop * devicePerMm100.height(),
                   frameWidth * devicePerMm100.width(), frameHeight * devicePerMm100.height());
    } else {
        // No usable frame: the bounds in device pixels stand in for it.
        const double left = header.bounds.left();
        const double top = header.bounds.top();
        const double width = double(header.bounds.right()) - left + 1;
        const double height = double(header.bounds.bottom()) - top + 1;
        if (width <= 0 || height <= 0 || width > kMaxImageSide || height > kMaxImageSide)
            return Error(QStringLiteral("EMF: picture size out of range"));
        header.naturalSize = QSize(int(width), int(height));
        header.deviceFrame = QRectF(left, top, width, height);
    }
    if (!metafileSizeAllowed(header.naturalSize) || header.deviceFrame.isEmpty())
        return Error(QStringLiteral("EMF: picture size out of range"));
    return header;
}

void playEmf(ByteView data, const EmfHeader& header, QPainter& painter, const QRectF& target,
             DibDecoder decodeDib) {
    if (!metafileSizeAllowed(header.naturalSize) || header.deviceFrame.isEmpty() ||
        target.isEmpty()) {
        return;
    }
    painter.save();
    EmfPlayer player(header, painter, target, decodeDib);
    forEachRecord(data, [&](std::uint32_t type, ByteView record) { player.play(type, record); });
    painter.restore();
}

}  // namespace pictavo
