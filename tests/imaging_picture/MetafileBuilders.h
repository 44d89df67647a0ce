#pragma once
// Byte-level builders of small Windows and enhanced metafiles for the tests.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace pictavo::testing {

inline void putLe16(std::vector<std::uint8_t>& out, int value) {
    out.push_back(std::uint8_t(value & 0xFF));
    out.push_back(std::uint8_t((value >> 8) & 0xFF));
}

inline void putLe32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t(value >> (8 * i)));
}

inline void setLe32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out[at + std::size_t(i)] = std::uint8_t(value >> (8 * i));
}

// A packed DIB: 24-bit, bottom-up; pixels given top row first as 0xRRGGBB.
inline std::vector<std::uint8_t> packedDib24(int width, int height,
                                             const std::vector<std::uint32_t>& topDown) {
    std::vector<std::uint8_t> out;
    putLe32(out, 40);
    putLe32(out, std::uint32_t(width));
    putLe32(out, std::uint32_t(height));
    putLe16(out, 1);
    putLe16(out, 24);
    for (int i = 0; i < 6; ++i)
        putLe32(out, 0);
    const int stride = (width * 3 + 3) & ~3;
    for (int row = height - 1; row >= 0; --row) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t rgb = topDown[std::size_t(row * width + x)];
            out.push_back(std::uint8_t(rgb));
            out.push_back(std::uint8_t(rgb >> 8));
            out.push_back(std::uint8_t(rgb >> 16));
        }
        for (int pad = width * 3; pad < stride; ++pad)
            out.push_back(0);
    }
    return out;
}

// WMF: optional placeable header, standard header, records, end record.
class WmfBuilder {
public:
    WmfBuilder& placeable(int left, int top, int right, int bottom, int unitsPerInch) {
        putLe32(bytes_, 0x9AC6CDD7);
        putLe16(bytes_, 0);
        for (int v : {left, top, right, bottom})
            putLe16(bytes_, v);
        putLe16(bytes_, unitsPerInch);
        putLe32(bytes_, 0);
        putLe16(bytes_, 0);
        return *this;
    }
    WmfBuilder& header(int objects = 8) {
        headerAt_ = bytes_.size();
        putLe16(bytes_, 1);
        putLe16(bytes_, 9);
        putLe16(bytes_, 0x0300);
        putLe32(bytes_, 0);  // size, fixed by build()
        putLe16(bytes_, objects);
        putLe32(bytes_, 0);
        putLe16(bytes_, 0);
        return *this;
    }
    // A record whose parameters are 16-bit words, in file order.
    WmfBuilder& record(int function, std::initializer_list<int> words) {
        std::vector<std::uint8_t> params;
        for (int w : words)
            putLe16(params, w);
        return raw(function, params);
    }
    WmfBuilder& raw(int function, const std::vector<std::uint8_t>& params) {
        putLe32(bytes_, std::uint32_t(3 + (params.size() + 1) / 2));
        putLe16(bytes_, function);
        bytes_.insert(bytes_.end(), params.begin(), params.end());
        if (params.size() % 2)
            bytes_.push_back(0);
        return *this;
    }
    WmfBuilder& solidBrush(std::uint32_t colorRef) { return brush(0, colorRef, 0); }
    WmfBuilder& hatchBrush(std::uint32_t colorRef, int hatch) { return brush(2, colorRef, hatch); }
    WmfBuilder& brush(int style, std::uint32_t colorRef, int hatch) {
        std::vector<std::uint8_t> params;
        putLe16(params, style);
        putLe32(params, colorRef);
        putLe16(params, hatch);
        return raw(0x02FC, params);
    }
    WmfBuilder& pen(int style, int width, std::uint32_t colorRef) {
        std::vector<std::uint8_t> params;
        putLe16(params, style);
        putLe16(params, width);
        putLe16(params, 0);
        putLe32(params, colorRef);
        return raw(0x02FA, params);
    }
    WmfBuilder& font(int height, const std::string& face) {
        std::vector<std::uint8_t> params;
        for (int v : {height, 0, 0, 0, 700})
            putLe16(params, v);
        for (int i = 0; i < 8; ++i)
            params.push_back(0);
        params.insert(params.end(), face.begin(), face.end());
        params.push_back(0);
        return raw(0x02FB, params);
    }
    WmfBuilder& textOut(int x, int y, const std::string& text) {
        std::vector<std::uint8_t> params;
        putLe16(params, int(text.size()));
        params.insert(params.end(), text.begin(), text.end());
        if (text.size() % 2)
            params.push_back(0);
        putLe16(params, y);
        putLe16(params, x);
        return raw(0x0521, params);
    }
    WmfBuilder& select(int index) { return record(0x012D, {index}); }
    WmfBuilder& rectangle(int left, int top, int right, int bottom) {
        return record(0x041B, {bottom, right, top, left});
    }
    WmfBuilder& windowOrg(int x, int y) { return record(0x020B, {y, x}); }
    WmfBuilder& windowExt(int x, int y) { return record(0x020C, {y, x}); }

    std::vector<std::uint8_t> build(bool withEnd = true) {
        std::vector<std::uint8_t> out = bytes_;
        if (withEnd) {
            putLe32(out, 3);
            putLe16(out, 0);
        }
        setLe32(out, headerAt_ + 6, std::uint32_t((out.size() - headerAt_) / 2));
        return out;
    }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t headerAt_ = 0;
};

// EMF: header record, records of 32-bit values, end record.
class EmfBuilder {
public:
    // bounds in device pixels, frame in 0.01 mm; a 96 dpi reference device.
    EmfBuilder(std::initializer_list<int> bounds, std::initializer_list<int> frame,
               int handles = 8) {
        putLe32(bytes_, 1);
        putLe32(bytes_, 88);
        for (int v : bounds)
            putLe32(bytes_, std::uint32_t(v));
        for (int v : frame)
            putLe32(bytes_, std::uint32_t(v));
        putLe32(bytes_, 0x464D4520);
        putLe32(bytes_, 0x10000);
        putLe32(bytes_, 0);  // total bytes, fixed by build()
        putLe32(bytes_, 0);  // record count
        putLe16(bytes_, handles);
        putLe16(bytes_, 0);
        for (int i = 0; i < 3; ++i)
            putLe32(bytes_, 0);  // description, palette
        putLe32(bytes_, 960);    // reference device: 960 x 960 pixels ...
        putLe32(bytes_, 960);
        putLe32(bytes_, 254);  // ... on 254 x 254 mm
        putLe32(bytes_, 254);
    }
    EmfBuilder& record(std::uint32_t type, std::initializer_list<std::int64_t> values) {
        std::vector<std::uint8_t> params;
        for (std::int64_t v : values)
            putLe32(params, std::uint32_t(v));
        return raw(type, params);
    }
    EmfBuilder& raw(std::uint32_t type, std::vector<std::uint8_t> params) {
        while (params.size() % 4)
            params.push_back(0);
        putLe32(bytes_, type);
        putLe32(bytes_, std::uint32_t(8 + params.size()));
        bytes_.insert(bytes_.end(), params.begin(), params.end());
        ++records_;
        return *this;
    }
    EmfBuilder& solidBrush(int index, std::uint32_t colorRef) {
        return record(39, {index, 0, colorRef, 0});
    }
    EmfBuilder& select(std::uint32_t index) { return record(37, {index}); }
    EmfBuilder& nullPen() { return select(0x80000008); }
    EmfBuilder& rectangle(int left, int top, int right, int bottom) {
        return record(43, {left, top, right, bottom});
    }
    std::vector<std::uint8_t> build() {
        std::vector<std::uint8_t> out = bytes_;
        putLe32(out, 14);
        putLe32(out, 20);
        for (int i = 0; i < 3; ++i)
            putLe32(out, i == 2 ? 20 : 0);
        setLe32(out, 48, std::uint32_t(out.size()));
        setLe32(out, 52, std::uint32_t(records_ + 2));
        return out;
    }

private:
    std::vector<std::uint8_t> bytes_;
    int records_ = 0;
};

}  // namespace pictavo::testing
