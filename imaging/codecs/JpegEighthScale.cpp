#include "imaging/codecs/JpegEighthScale.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace pictavo {

namespace {

constexpr int kLookBits = 10;
constexpr int kGroupBits = 12;
constexpr int kMaxScanComponents = 3;

// Zig-zag index to natural index, with libjpeg's 16 extra entries: a run
// that overshoots the block lands on the last coefficient.
constexpr std::array<std::uint8_t, 80> kNaturalOrder = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33,
    40, 48, 41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36,
    29, 22, 15, 23, 30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54,
    47, 55, 62, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63, 63};

// A Huffman code of the scan. Codes of up to kLookBits bits are found with
// one lookup on the next kLookBits bits; longer ones by length.
class HuffmanCode {
public:
    // False when the table is not a code libjpeg accepts.
    bool build(const JHUFF_TBL& table, bool dc) {
        int count = 0;
        for (int length = 1; length <= 16; ++length)
            count += table.bits[length];
        if (count > 256)
            return false;
        std::memcpy(symbols_.data(), table.huffval, std::size_t(count));
        int code = 0;
        int index = 0;
        for (int length = 1; length <= 16; ++length) {
            const int n = table.bits[length];
            valueOffset_[length] = index - code;
            maxCode_[length] = n > 0 ? code + n - 1 : -1;
            for (int i = 0; i < n; ++i, ++code, ++index) {
                if (code >= (1 << length))
                    return false;  // more codes than the length holds
                if (dc && symbols_[index] > 15)
                    return false;
                if (length <= kLookBits)
                    fillLookup(code, length, symbols_[index]);
            }
            if (code >= (1 << length))
                return false;  // codes overflow their length (or one is all ones)
            code <<= 1;
        }
        if (!dc)
            fillGroups();
        return true;
    }

    // For an AC code: as many whole symbols (each with its coefficient bits)
    // as the next kGroupBits bits hold, up to the end of the block. Gives
    // the bits they take, how far they move through the block and whether
    // the last one ends it; false when not even one symbol fits.
    bool group(std::uint64_t bits, int& totalBits, int& steps, bool& ends) const {
        const std::uint16_t entry = groups_[bits >> (64 - kGroupBits)];
        if (entry == 0)
            return false;
        totalBits = entry >> 9;
        steps = entry & 0xFF;
        ends = (entry & 0x100) != 0;
        return true;
    }

    // The symbol at the head of `bits` (left-aligned) and its code length;
    // nullopt for a bit pattern that is no code.
    std::optional<int> decode(std::uint64_t bits, int& length) const {
        const std::uint16_t entry = lookup_[bits >> (64 - kLookBits)];
        if (entry != 0) {
            length = entry >> 8;
            return entry & 0xFF;
        }
        return decodeLong(bits, length);
    }

    // For an AC code: the bits the symbol takes with its coefficient bits,
    // and how far it moves through the block (0 at the end of the block).
    void skip(std::uint64_t bits, int& totalBits, int& step, bool& ok) const {
        const std::uint16_t entry = skip_[bits >> (64 - kLookBits)];
        if (entry != 0) {
            totalBits = entry >> 8;
            step = entry & 0xFF;
            return;
        }
        int length = 0;
        const std::optional<int> symbol = decodeLong(bits, length);
        if (!symbol) {
            ok = false;
            return;
        }
        totalBits = length + (*symbol & 15);
        step = stepOf(*symbol);
    }

private:
    static int stepOf(int symbol) {
        const int run = symbol >> 4;
        if (symbol & 15)
            return run + 1;
        return run == 15 ? 16 : 0;
    }

    void fillGroups() {
        for (int window = 0; window < (1 << kGroupBits); ++window) {
            int used = 0;
            int steps = 0;
            bool ends = false;
            while (!ends) {
                const int rest = kGroupBits - used;
                const int head =
                    ((window << used) & ((1 << kGroupBits) - 1)) >> (kGroupBits - kLookBits);
                const std::uint16_t entry = skip_[std::size_t(head)];
                if (entry == 0 || (entry >> 8) > rest)
                    break;  // a long code, or one that runs past the window
                used += entry >> 8;
                const int step = entry & 0xFF;
                steps += step;
                ends = step == 0;
            }
            if (used > 0)
                groups_[std::size_t(window)] =
                    std::uint16_t(used << 9 | (ends ? 0x100 : 0) | steps);
        }
    }

    void fillLookup(int code, int length, int symbol) {
        const int first = code << (kLookBits - length);
        const int last = (code + 1) << (kLookBits - length);
        const auto entry = std::uint16_t((length << 8) | symbol);
        const auto skipEntry = std::uint16_t(((length + (symbol & 15)) << 8) | stepOf(symbol));
        for (int i = first; i < last; ++i) {
            lookup_[i] = entry;
            skip_[i] = skipEntry;
        }
    }

    std::optional<int> decodeLong(std::uint64_t bits, int& length) const {
        for (int n = kLookBits + 1; n <= 16; ++n) {
            const int code = int(bits >> (64 - n));
            if (code <= maxCode_[n]) {
                const int index = code + valueOffset_[n];
                if (index < 0 || index > 255)
                    return std::nullopt;
                length = n;
                return symbols_[index];
            }
        }
        return std::nullopt;
    }

    std::array<std::uint16_t, 1 << kLookBits> lookup_{};
    std::array<std::uint16_t, 1 << kLookBits> skip_{};
    std::array<std::uint16_t, 1 << kGroupBits> groups_{};
    std::array<int, 17> maxCode_{};
    std::array<int, 17> valueOffset_{};
    std::array<std::uint8_t, 256> symbols_{};
};

// The entropy-coded bits of the scan, without the stuffed zero bytes.
// Reading stops at a marker (or the end of the data); from there on zero
// bits are supplied and counted, so a decoder that used any of them knows
// the data was short.
class ScanBits {
public:
    ScanBits(const std::uint8_t* data, std::size_t size) : pos_(data), end_(data + size) {}

    // At least 32 bits in the buffer afterwards.
    void ensure() {
        if (count_ < 32)
            refill();
    }
    std::uint64_t peek() const { return buffer_; }
    void drop(int n) {
        buffer_ <<= n;
        count_ -= n;
    }
    // n in 1..16.
    int take(int n) {
        const int value = int(buffer_ >> (64 - n));
        drop(n);
        return value;
    }
    bool usedPadding() const { return count_ < padding_; }

    // Steps over a restart marker RSTn with n == number: only the padding
    // of the last byte may be left before it.
    bool restart(int number) {
        refill();
        if (!atMarker_ || count_ - padding_ >= 8)
            return false;
        while (pos_ < end_ && *pos_ == 0xFF)
            ++pos_;
        if (pos_ == end_ || *pos_ != 0xD0 + number)
            return false;
        ++pos_;
        buffer_ = 0;
        count_ = 0;
        padding_ = 0;
        atMarker_ = false;
        return true;
    }

private:
    void refill() {
        if (count_ > 56)
            return;
        if (!atMarker_ && end_ - pos_ >= 8 && refillWord())
            return;
        while (count_ <= 56) {
            std::uint64_t byte = 0;
            if (!atMarker_ && pos_ < end_ && *pos_ != 0xFF) {
                byte = *pos_++;
            } else if (!atMarker_ && end_ - pos_ >= 2 && pos_[1] == 0x00) {
                byte = 0xFF;
                pos_ += 2;
            } else {
                atMarker_ = true;  // a marker, or the end of the data
                padding_ += 8;
            }
            buffer_ |= byte << (56 - count_);
            count_ += 8;
        }
    }

    // The common case: the next eight bytes hold no 0xFF.
    bool refillWord() {
        std::uint64_t word = 0;
        std::memcpy(&word, pos_, sizeof word);
        if constexpr (std::endian::native == std::endian::little)
            word = __builtin_bswap64(word);
        const std::uint64_t inverted = ~word;
        if (((inverted - 0x0101010101010101ULL) & ~inverted & 0x8080808080808080ULL) != 0)
            return false;  // some byte is 0xFF
        const int bytes = (64 - count_) / 8;
        std::uint64_t add = word >> count_;
        add &= ~std::uint64_t(0) << (64 - count_ - 8 * bytes);
        buffer_ |= add;
        count_ += 8 * bytes;
        pos_ += bytes;
        return true;
    }

    const std::uint8_t* pos_;
    const std::uint8_t* end_;
    std::uint64_t buffer_ = 0;  // left-aligned
    int count_ = 0;
    int padding_ = 0;
    bool atMarker_ = false;
};

int extend(int value, int bits) {
    return value < (1 << (bits - 1)) ? value - (1 << bits) + 1 : value;
}

// libjpeg's range limit after an inverse DCT: the value is masked to ten
// bits first, so far outliers wrap as they do there.
std::uint8_t idctLimit(std::int64_t value) {
    const int v = int(value & 1023);
    if (v < 128)
        return std::uint8_t(v + 128);
    if (v < 512)
        return 255;
    if (v < 896)
        return 0;
    return std::uint8_t(v - 896);
}

std::int64_t descale(std::int64_t value, int shift) {
    return (value + (std::int64_t(1) << (shift - 1))) >> shift;
}

// libjpeg's 2 x 2 reduced inverse DCT (rows and columns 0, 1, 3, 5, 7).
void inverseDct2x2(const std::array<int, 64>& coefficients, const std::array<int, 64>& quant,
                   std::uint8_t* out, int stride) {
    constexpr int kConstBits = 13;
    constexpr int kPass1Bits = 2;
    constexpr std::int64_t kC7 = 5906;   // 0.720959822
    constexpr std::int64_t kC5 = 6967;   // 0.850430095
    constexpr std::int64_t kC3 = 10426;  // 1.272758580
    constexpr std::int64_t kC1 = 29692;  // 3.624509785
    const auto odd = [&](auto at) {
        return at(7) * -kC7 + at(5) * kC5 + at(3) * -kC3 + at(1) * kC1;
    };
    std::array<std::int64_t, 16> work{};
    for (const int column : {0, 1, 3, 5, 7}) {
        const auto at = [&](int row) {
            const int i = row * 8 + column;
            return std::int64_t(std::int16_t(coefficients[i])) * quant[i];
        };
        const std::int64_t even = at(0) << (kConstBits + 2);
        const std::int64_t sum = odd(at);
        // The work values are ints there.
        work[column] = std::int32_t(descale(even + sum, kConstBits - kPass1Bits + 2));
        work[8 + column] = std::int32_t(descale(even - sum, kConstBits - kPass1Bits + 2));
    }
    for (int row = 0; row < 2; ++row) {
        const auto at = [&](int column) { return work[row * 8 + column]; };
        const std::int64_t even = at(0) << (kConstBits + 2);
        const std::int64_t sum = odd(at);
        constexpr int kShift = kConstBits + kPass1Bits + 3 + 2;
        out[row * stride] = idctLimit(descale(even + sum, kShift));
        out[row * stride + 1] = idctLimit(descale(even - sum, kShift));
    }
}

// One component of the scan, decoded into a plane of samples at 1/8 (or,
// for scaled 2, 2/8) of its stored size.
struct Component {
    int index = 0;   // position in the frame: 0 Y, 1 Cb, 2 Cr
    int across = 1;  // blocks per MCU, across and down
    int down = 1;
    int scaled = 1;   // samples per block side
    int xExpand = 1;  // output pixels per sample, across and down
    int yExpand = 1;
    const HuffmanCode* dc = nullptr;
    const HuffmanCode* ac = nullptr;
    std::array<int, 64> quant{};
    int planeWidth = 0;
    std::vector<std::uint8_t> plane;
    int prediction = 0;
};

class EighthScaleDecoder {
public:
    explicit EighthScaleDecoder(const jpeg_decompress_struct& info)
        : info_(info), bits_(info.src->next_input_byte, info.src->bytes_in_buffer) {}

    bool run(RasterImage& image) {
        return acceptsFile() && setUpComponents() && decodeScan() && writeImage(image);
    }

private:
    bool acceptsFile() const {
        const jpeg_decompress_struct& info = info_;
        const bool grey = info.num_components == 1 && info.jpeg_color_space == JCS_GRAYSCALE &&
                          info.out_color_space == JCS_GRAYSCALE;
        const bool colour = info.num_components == 3 && info.jpeg_color_space == JCS_YCbCr &&
                            info.out_color_space == JCS_EXT_BGR;
        return (grey || colour) && !info.progressive_mode && !info.arith_code &&
               info.data_precision == 8 && info.comps_in_scan == info.num_components &&
               info.Ss == 0 && info.Se == 63 && info.Ah == 0 && info.Al == 0 &&
               info.scale_num == 1 && info.scale_denom == 8 && info.min_DCT_scaled_size == 1 &&
               !info.CCIR601_sampling && !info.quantize_colors && info.src != nullptr;
    }

    const HuffmanCode* code(int number, bool dc) {
        if (number < 0 || number >= NUM_HUFF_TBLS)
            return nullptr;
        const JHUFF_TBL* table =
            dc ? info_.dc_huff_tbl_ptrs[number] : info_.ac_huff_tbl_ptrs[number];
        std::unique_ptr<HuffmanCode>& slot = (dc ? dcCodes_ : acCodes_)[std::size_t(number)];
        if (!table)
            return nullptr;
        if (!slot) {
            slot = std::make_unique<HuffmanCode>();
            if (!slot->build(*table, dc)) {
                slot.reset();
                return nullptr;
            }
        }
        return slot.get();
    }

    bool setUpComponents() {
        const bool interleaved = info_.comps_in_scan > 1;
        const int maxH = info_.max_h_samp_factor;
        const int maxV = info_.max_v_samp_factor;
        if (interleaved) {
            mcusAcross_ = int((info_.image_width + 8 * maxH - 1) / (8 * maxH));
            mcusDown_ = int((info_.image_height + 8 * maxV - 1) / (8 * maxV));
        } else {
            const jpeg_component_info& only = *info_.cur_comp_info[0];
            mcusAcross_ = int(only.width_in_blocks);
            mcusDown_ = int(only.height_in_blocks);
        }
        componentCount_ = info_.comps_in_scan;
        int blocksInMcu = 0;
        for (int i = 0; i < componentCount_; ++i) {
            const jpeg_component_info& source = *info_.cur_comp_info[i];
            Component& c = components_[std::size_t(i)];
            c.index = source.component_index;
            c.across = interleaved ? source.h_samp_factor : 1;
            c.down = interleaved ? source.v_samp_factor : 1;
            c.scaled = source.DCT_scaled_size;
            blocksInMcu += c.across * c.down;
            if (c.scaled != 1 && c.scaled != 2)
                return false;
            const int h = source.h_samp_factor * c.scaled;
            const int v = source.v_samp_factor * c.scaled;
            if (maxH % h != 0 || maxV % v != 0)
                return false;
            c.xExpand = interleaved ? maxH / h : 1;
            c.yExpand = interleaved ? maxV / v : 1;
            c.dc = code(source.dc_tbl_no, true);
            c.ac = code(source.ac_tbl_no, false);
            const int q = source.quant_tbl_no;
            if (!c.dc || !c.ac || q < 0 || q >= NUM_QUANT_TBLS || !info_.quant_tbl_ptrs[q])
                return false;
            for (int k = 0; k < 64; ++k)
                c.quant[std::size_t(k)] = std::int16_t(info_.quant_tbl_ptrs[q]->quantval[k]);
            c.planeWidth = mcusAcross_ * c.across * c.scaled;
            const int planeHeight = mcusDown_ * c.down * c.scaled;
            if (std::int64_t(c.planeWidth) * c.xExpand < std::int64_t(info_.output_width) ||
                std::int64_t(planeHeight) * c.yExpand < std::int64_t(info_.output_height))
                return false;
            c.plane.assign(std::size_t(c.planeWidth) * std::size_t(planeHeight), 0);
        }
        return blocksInMcu <= D_MAX_BLOCKS_IN_MCU;  // libjpeg refuses larger MCUs
    }

    bool decodeScan() {
        const unsigned int interval = info_.restart_interval;
        unsigned int untilRestart = interval;
        int restartNumber = 0;
        for (int my = 0; my < mcusDown_; ++my) {
            for (int mx = 0; mx < mcusAcross_; ++mx) {
                if (interval != 0) {
                    if (untilRestart == 0) {
                        if (bits_.usedPadding() || !bits_.restart(restartNumber))
                            return false;
                        restartNumber = (restartNumber + 1) & 7;
                        for (int i = 0; i < componentCount_; ++i)
                            components_[std::size_t(i)].prediction = 0;
                        untilRestart = interval;
                    }
                    --untilRestart;
                }
                if (!decodeMcu(mx, my))
                    return false;
            }
            if (bits_.usedPadding())
                return false;
        }
        return true;
    }

    bool decodeMcu(int mx, int my) {
        for (int i = 0; i < componentCount_; ++i) {
            Component& c = components_[std::size_t(i)];
            for (int by = 0; by < c.down; ++by) {
                for (int bx = 0; bx < c.across; ++bx) {
                    const int x = (mx * c.across + bx) * c.scaled;
                    const int y = (my * c.down + by) * c.scaled;
                    std::uint8_t* out =
                        c.plane.data() + std::size_t(y) * std::size_t(c.planeWidth) + x;
                    if (!decodeBlock(c, out))
                        return false;
                }
            }
        }
        return true;
    }

    bool decodeDc(Component& c) {
        bits_.ensure();
        int length = 0;
        const std::optional<int> size = c.dc->decode(bits_.peek(), length);
        if (!size)
            return false;
        bits_.drop(length);
        if (*size != 0)
            c.prediction += extend(bits_.take(*size), *size);
        return c.prediction >= -32768 && c.prediction <= 32767;
    }

    bool decodeBlock(Component& c, std::uint8_t* out) {
        if (!decodeDc(c))
            return false;
        if (c.scaled == 1) {
            if (!skipAc(c))
                return false;
            *out = idctLimit(descale(std::int64_t(c.prediction) * c.quant[0], 3));
            return true;
        }
        std::array<int, 64> coefficients{};
        coefficients[0] = c.prediction;
        if (!decodeAc(c, coefficients))
            return false;
        inverseDct2x2(coefficients, c.quant, out, c.planeWidth);
        return true;
    }

    bool skipAc(const Component& c) {
        // A local copy of the bit reader, so that its state stays in registers.
        ScanBits bits = bits_;
        bool ok = true;
        for (int k = 1; k < 64;) {
            bits.ensure();
            int totalBits = 0;
            int step = 0;
            bool ends = false;
            // Several symbols at once, when they stay inside the block.
            if (c.ac->group(bits.peek(), totalBits, step, ends) && k + step + int(ends) <= 64) {
                bits.drop(totalBits);
                if (ends)
                    break;
                k += step;
                continue;
            }
            c.ac->skip(bits.peek(), totalBits, step, ok);
            if (!ok)
                return false;
            bits.drop(totalBits);
            if (step == 0)
                break;
            k += step;
        }
        bits_ = bits;
        return true;
    }

    bool decodeAc(const Component& c, std::array<int, 64>& coefficients) {
        for (int k = 1; k < 64; ++k) {
            bits_.ensure();
            int length = 0;
            const std::optional<int> symbol = c.ac->decode(bits_.peek(), length);
            if (!symbol)
                return false;
            bits_.drop(length);
            const int run = *symbol >> 4;
            const int size = *symbol & 15;
            if (size != 0) {
                k += run;
                coefficients[kNaturalOrder[std::size_t(k)]] = extend(bits_.take(size), size);
            } else if (run == 15) {
                k += 15;
            } else {
                break;
            }
        }
        return true;
    }

    bool writeImage(RasterImage& image) const {
        const int width = int(info_.output_width);
        const int height = int(info_.output_height);
        const bool grey = componentCount_ == 1;
        if (!image.create(width, height, grey ? 8 : 24))
            return false;
        if (grey) {
            const Component& y = components_[0];
            for (int row = 0; row < height; ++row)
                std::memcpy(image.rowFromTop(row),
                            y.plane.data() + std::size_t(row) * std::size_t(y.planeWidth),
                            std::size_t(width));
            return true;
        }
        const Component* byIndex[3] = {};
        for (int i = 0; i < componentCount_; ++i) {
            const Component& c = components_[std::size_t(i)];
            if (c.index < 0 || c.index > 2 || byIndex[c.index])
                return false;
            byIndex[c.index] = &c;
        }
        for (int row = 0; row < height; ++row)
            writeColourRow(*byIndex[0], *byIndex[1], *byIndex[2], row, width,
                           image.rowFromTop(row));
        return true;
    }

    static const std::uint8_t* sampleRow(const Component& c, int row) {
        return c.plane.data() + std::size_t(row / c.yExpand) * std::size_t(c.planeWidth);
    }

    static void writeColourRow(const Component& y, const Component& cb, const Component& cr,
                               int row, int width, std::uint8_t* out);

    const jpeg_decompress_struct& info_;
    ScanBits bits_;
    // On the heap: with their lookup tables they are too large for a stack.
    std::array<std::unique_ptr<HuffmanCode>, NUM_HUFF_TBLS> dcCodes_;
    std::array<std::unique_ptr<HuffmanCode>, NUM_HUFF_TBLS> acCodes_;
    std::array<Component, kMaxScanComponents> components_;
    int componentCount_ = 0;
    int mcusAcross_ = 0;
    int mcusDown_ = 0;
};

// libjpeg's YCbCr to RGB tables (16-bit fixed point, rounded).
struct ColourTables {
    std::array<int, 256> crToR{};
    std::array<int, 256> cbToB{};
    std::array<int, 256> crToG{};
    std::array<int, 256> cbToG{};

    ColourTables() {
        const auto fix = [](double x) { return int(x * 65536 + 0.5); };
        constexpr int kHalf = 1 << 15;
        for (int i = 0; i < 256; ++i) {
            const int x = i - 128;
            crToR[std::size_t(i)] = (fix(1.40200) * x + kHalf) >> 16;
            cbToB[std::size_t(i)] = (fix(1.77200) * x + kHalf) >> 16;
            crToG[std::size_t(i)] = -fix(0.71414) * x;
            cbToG[std::size_t(i)] = -fix(0.34414) * x + kHalf;
        }
    }
};

std::uint8_t clampSample(int value) {
    return std::uint8_t(value < 0 ? 0 : value > 255 ? 255 : value);
}

void EighthScaleDecoder::writeColourRow(const Component& y, const Component& cb,
                                        const Component& cr, int row, int width,
                                        std::uint8_t* out) {
    static const ColourTables tables;
    const std::uint8_t* yRow = sampleRow(y, row);
    const std::uint8_t* cbRow = sampleRow(cb, row);
    const std::uint8_t* crRow = sampleRow(cr, row);
    for (int x = 0; x < width; ++x, out += 3) {
        const int luma = yRow[x / y.xExpand];
        const std::size_t blue = cbRow[x / cb.xExpand];
        const std::size_t red = crRow[x / cr.xExpand];
        out[0] = clampSample(luma + tables.cbToB[blue]);
        out[1] = clampSample(luma + ((tables.cbToG[blue] + tables.crToG[red]) >> 16));
        out[2] = clampSample(luma + tables.crToR[red]);
    }
}

}  // namespace

bool decodeEighthScale(const jpeg_decompress_struct& info, RasterImage& image) {
    return EighthScaleDecoder(info).run(image);
}

}  // namespace pictavo
