// Reader of the older fixed-layout binary album format: a version word, the
// settings as fixed-size blocks, then folder records until the data ends.
// Integers are 32-bit little-endian; a "text" is a 32-bit length and that
// many bytes; a fixed text field is zero-terminated within its width.
//
// Every length and count is checked against the bytes that remain before
// anything is read or allocated. Texts are decoded once the whole file is
// known: UTF-8 when every text of the file is valid UTF-8, otherwise the
// charset named by lan.save, otherwise Windows-1252 (TextDecoding.h).

#include "album/file/AlbumReaders.h"
#include "album/file/FolderTreeBuilder.h"
#include "album/file/TextDecoding.h"

#include <QtEndian>

#include <functional>
#include <optional>

namespace pictavo {

namespace {

using Decode = std::function<QString(const QByteArray&)>;

// Block sizes and field offsets of the format, in bytes.
namespace layout {
constexpr qsizetype kBackgroundBlock = 296;
constexpr qsizetype kBgCustom = 4, kBgImg = 8, kBgWatermark = 12, kBgImgPath = 16,
                    kBgImgPathWidth = 256, kBgDefColor = 272, kBgColor = 276, kBgTxtColor = 280,
                    kBgHlnkColor = 284, kBgAlnkColor = 288, kBgVlnkColor = 292;

constexpr qsizetype kGeneralBlock = 780;
constexpr qsizetype kGenLocation = 4, kGenTitle = 259, kGenBgSndPath = 514, kGenTextWidth = 255,
                    kGenBgSndLoop = 772, kGenCpyFileAuto = 776;

constexpr qsizetype kLanguageBlock = 510;
constexpr qsizetype kLanSave = 255, kLanSaveWidth = 255;

constexpr qsizetype kMarginBlock = 20;
constexpr qsizetype kMarginUseTop = 4, kMarginUseLeft = 8, kMarginTop = 12, kMarginLeft = 16;

constexpr qsizetype kMetaRecord = 772;
constexpr qsizetype kMetaName = 0, kMetaNameWidth = 255, kMetaVal = 255, kMetaValWidth = 513,
                    kMetaIfSys = 768;

constexpr qsizetype kLayoutBlock = 3988;
constexpr qsizetype kLayoutType = 4, kFirstArea = 8, kAreaRecord = 560, kTable = 3368,
                    kMainArea = 3408;

// Inside an area record.
constexpr qsizetype kAreaAlign = 4, kAreaAlignWidth = 10, kAreaBgImg = 14, kAreaBgImgWidth = 258,
                    kAreaBgClr = 272, kAreaFontName = 280, kAreaFontNameWidth = 256,
                    kAreaFontSize = 536, kAreaFontB = 540, kAreaFontI = 544, kAreaFontU = 548,
                    kAreaFontS = 552, kAreaFontClr = 556;

// Inside the table record.
constexpr qsizetype kTableBorderClr = 4, kTableBorderWidth = 8, kTableLineClr = 12,
                    kTableCellPadding = 20, kTableCellSpacing = 24;

// Inside the main canvas record, after its area record.
constexpr qsizetype kMainCols = 560, kMainRows = 564, kMainAlign = 568, kMainAlignWidth = 12;

// Where lan.save lies in the file: version word, three blocks, then the
// field that the language block starts with.
constexpr qsizetype kLanSaveInFile = 4 + kBackgroundBlock + kGeneralBlock + kLanSave;
}  // namespace layout

// A fixed-size piece of the file with typed access at offsets that the
// block size guarantees.
class Block {
public:
    explicit Block(QByteArrayView bytes) : bytes_(bytes) {}
    int integer(qsizetype offset) const {
        return qFromLittleEndian<qint32>(bytes_.data() + offset);
    }
    // The bytes of a zero-terminated field up to its terminator or width.
    QByteArray fixedText(qsizetype offset, qsizetype width) const {
        const QByteArrayView field = bytes_.sliced(offset, width);
        const qsizetype nul = field.indexOf('\0');
        return (nul < 0 ? field : field.first(nul)).toByteArray();
    }
    Block sub(qsizetype offset, qsizetype size) const { return Block(bytes_.sliced(offset, size)); }

private:
    QByteArrayView bytes_;
};

// Sequential reads that fail instead of running past the end.
class Cursor {
public:
    explicit Cursor(const QByteArray& bytes) : bytes_(bytes) {}
    qsizetype remaining() const { return bytes_.size() - position_; }

    std::optional<Block> block(qsizetype size) {
        if (size > remaining())
            return std::nullopt;
        const Block result(QByteArrayView(bytes_).sliced(position_, size));
        position_ += size;
        return result;
    }
    std::optional<int> integer() {
        const std::optional<Block> word = block(4);
        if (!word)
            return std::nullopt;
        return word->integer(0);
    }
    // A length-prefixed text; a negative length or one beyond the end fails
    // before anything is allocated.
    std::optional<QByteArray> text() {
        const std::optional<int> length = integer();
        if (!length || *length < 0 || *length > remaining())
            return std::nullopt;
        QByteArray result = bytes_.sliced(position_, *length);
        position_ += *length;
        return result;
    }

private:
    const QByteArray& bytes_;
    qsizetype position_ = 0;
};

Error truncated() {
    return Error(QStringLiteral("the album file ends inside its settings"));
}

class LegacyParser {
public:
    LegacyParser(const QByteArray& bytes, Decode decode) : in_(bytes), decode_(std::move(decode)) {}

    Status read(Album& album) {
        const std::optional<int> version = in_.integer();
        if (!version)
            return truncated();
        if (*version != 1 && *version != 2)
            return Error(QStringLiteral("Unkown version!"));
        WebsiteProperty& web = album.website;
        if (!readBackground(web.background) || !readGeneral(web.general) ||
            !readLanguage(web.language) || !readMargin(web.margin) || !readHeaderFooter(web) ||
            !readMetas(web) || !readLayout(album.layout))
            return truncated();
        return readFolders(album.tree);
    }

private:
    void setText(TextField& field, const QByteArray& bytes) const { field = decode_(bytes); }

    bool readBackground(BackgroundProperty& bg) {
        using namespace layout;
        const std::optional<Block> b = in_.block(kBackgroundBlock);
        if (!b)
            return false;
        bg.custom = b->integer(kBgCustom);
        bg.bgimg = b->integer(kBgImg);
        bg.watermark = b->integer(kBgWatermark);
        setText(bg.bgimgpath, b->fixedText(kBgImgPath, kBgImgPathWidth));
        bg.defcolor = b->integer(kBgDefColor);
        bg.bgcolor = b->integer(kBgColor);
        bg.txtcolor = b->integer(kBgTxtColor);
        bg.hlnkcolor = b->integer(kBgHlnkColor);
        bg.alnkcolor = b->integer(kBgAlnkColor);
        bg.vlnkcolor = b->integer(kBgVlnkColor);
        return true;
    }

    // gen.cntimg is not in this block and keeps its value.
    bool readGeneral(GeneralProperty& gen) {
        using namespace layout;
        const std::optional<Block> b = in_.block(kGeneralBlock);
        if (!b)
            return false;
        setText(gen.location, b->fixedText(kGenLocation, kGenTextWidth));
        setText(gen.title, b->fixedText(kGenTitle, kGenTextWidth));
        setText(gen.bgsndpath, b->fixedText(kGenBgSndPath, kGenTextWidth));
        gen.bgsndloop = b->integer(kGenBgSndLoop);
        gen.cpyfileauto = b->integer(kGenCpyFileAuto);
        return true;
    }

    bool readLanguage(LanguageProperty& lan) {
        using namespace layout;
        const std::optional<Block> b = in_.block(kLanguageBlock);
        if (!b)
            return false;
        setText(lan.save, b->fixedText(kLanSave, kLanSaveWidth));
        return true;
    }

    bool readMargin(MarginProperty& margin) {
        using namespace layout;
        const std::optional<Block> b = in_.block(kMarginBlock);
        if (!b)
            return false;
        margin.usetopmargin = b->integer(kMarginUseTop);
        margin.useleftmargin = b->integer(kMarginUseLeft);
        margin.topmargin = b->integer(kMarginTop);
        margin.leftmargin = b->integer(kMarginLeft);
        return true;
    }

    bool readHeaderFooter(WebsiteProperty& web) {
        const std::optional<QByteArray> header = in_.text();
        const std::optional<QByteArray> footer = header ? in_.text() : std::nullopt;
        if (!footer)
            return false;
        setText(web.headerStr, *header);
        setText(web.footerStr, *footer);
        return true;
    }

    bool readMetas(WebsiteProperty& web) {
        using namespace layout;
        const std::optional<int> count = in_.integer();
        if (!count || *count < 0 || *count > in_.remaining() / kMetaRecord)
            return false;
        web.metas.reserve(static_cast<size_t>(*count));
        for (int i = 0; i < *count; ++i) {
            const Block b = *in_.block(kMetaRecord);  // the count check covers every record
            MetaVariable& meta = web.metas.emplace_back();
            setText(meta.name, b.fixedText(kMetaName, kMetaNameWidth));
            setText(meta.val, b.fixedText(kMetaVal, kMetaValWidth));
            meta.ifsys = b.integer(kMetaIfSys);
        }
        return true;
    }

    // The image and image navigator areas are not in the block and keep
    // their reset values.
    bool readLayout(LayoutProperty& lay) {
        using namespace layout;
        const std::optional<Block> b = in_.block(kLayoutBlock);
        if (!b)
            return false;
        lay.layouttype = b->integer(kLayoutType);
        AreaProperty* const areas[] = {&lay.head, &lay.top, &lay.history,
                                       &lay.next, &lay.idx, &lay.footer};
        qsizetype offset = kFirstArea;
        for (AreaProperty* area : areas) {
            readArea(b->sub(offset, kAreaRecord), *area, true);
            offset += kAreaRecord;
        }
        const Block table = b->sub(kTable, kMainArea - kTable);
        lay.table.borderclr = table.integer(kTableBorderClr);
        lay.table.borderwidth = table.integer(kTableBorderWidth);
        lay.table.lineclr = table.integer(kTableLineClr);
        lay.table.cellpadding = table.integer(kTableCellPadding);
        lay.table.cellspacing = table.integer(kTableCellSpacing);
        const Block main = b->sub(kMainArea, kLayoutBlock - kMainArea);
        readArea(main, lay.main, false);
        lay.main.cols = main.integer(kMainCols);
        lay.main.rows = main.integer(kMainRows);
        setText(lay.main.mainAlign, main.fixedText(kMainAlign, kMainAlignWidth));
        return true;
    }

    void readArea(const Block& b, AreaProperty& area, bool withAlign) const {
        using namespace layout;
        if (withAlign)
            setText(area.align, b.fixedText(kAreaAlign, kAreaAlignWidth));
        setText(area.bgimg, b.fixedText(kAreaBgImg, kAreaBgImgWidth));
        area.bgclr = b.integer(kAreaBgClr);
        setText(area.font.name, b.fixedText(kAreaFontName, kAreaFontNameWidth));
        area.font.size = b.integer(kAreaFontSize);
        area.font.b = b.integer(kAreaFontB);
        area.font.i = b.integer(kAreaFontI);
        area.font.u = b.integer(kAreaFontU);
        area.font.s = b.integer(kAreaFontS);
        area.font.clr = b.integer(kAreaFontClr);
    }

    // Folder records follow until one cannot be read whole; that one is
    // dropped with everything read of it.
    Status readFolders(AlbumTree& tree) {
        FolderTreeBuilder builder;
        int nextFolderId = 0;
        while (std::unique_ptr<CSiteFolder> folder = readFolder()) {
            folder->id = nextFolderId++;
            builder.add(std::move(folder));
        }
        if (builder.isEmpty())
            return Error(QStringLiteral("the album file holds no folder"));
        tree.replaceRoot(builder.takeRoot(), nextFolderId);
        return Status::success();
    }

    // A folder record, or null when it is cut short or its page count is
    // negative. The page count is kept as written.
    std::unique_ptr<CSiteFolder> readFolder() {
        const std::optional<int> col = in_.integer();
        const std::optional<int> pageCount = col ? in_.integer() : std::nullopt;
        const std::optional<QByteArray> caption = pageCount ? in_.text() : std::nullopt;
        const std::optional<QByteArray> desc = caption ? in_.text() : std::nullopt;
        if (!desc || *pageCount < 0)
            return nullptr;
        auto folder = std::make_unique<CSiteFolder>();
        folder->col = *col;
        folder->pagecount = *pageCount;
        folder->caption = decode_(*caption);
        folder->desc = decode_(*desc);
        // Every page record takes at least 16 bytes, so a huge count ends
        // at the end of the data.
        for (int i = 0; i < *pageCount; ++i) {
            std::unique_ptr<CSitePage> page = readPage();
            if (!page)
                return nullptr;
            folder->appendDetachedPage(std::move(page));
        }
        return folder;
    }

    std::unique_ptr<CSitePage> readPage() {
        const std::optional<int> id = in_.integer();
        const std::optional<QByteArray> caption = id ? in_.text() : std::nullopt;
        const std::optional<QByteArray> desc = caption ? in_.text() : std::nullopt;
        std::optional<QByteArray> path = desc ? in_.text() : std::nullopt;
        if (!path)
            return nullptr;
        if (path->first(std::min<qsizetype>(7, path->size())).toUpper() == "FILE://")
            path->remove(0, 7);
        auto page = std::make_unique<CSitePage>();
        page->id = *id;
        page->caption = decode_(*caption);
        page->desc = decode_(*desc);
        page->url = decode_(*path);
        return page;
    }

    Cursor in_;
    Decode decode_;
};

}  // namespace

Status readLegacyAlbum(Album& album, const QByteArray& bytes) {
    // First pass: only learn whether every text is valid UTF-8.
    bool allUtf8 = true;
    Album scratch;
    const Status scan = LegacyParser(bytes, [&allUtf8](const QByteArray& text) {
                            allUtf8 = allUtf8 && isValidUtf8(text);
                            return QString();
                        }).read(scratch);
    if (!scan)
        return scan;
    const QByteArray lanSave =
        Block(QByteArrayView(bytes).sliced(layout::kLanSaveInFile, layout::kLanSaveWidth))
            .fixedText(0, layout::kLanSaveWidth);
    const TextDecoder decoder = TextDecoder::choose(allUtf8, lanSave);
    return LegacyParser(bytes, [&decoder](const QByteArray& text) { return decoder.decode(text); })
        .read(album);
}

}  // namespace pictavo
