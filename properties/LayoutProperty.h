#pragma once
// The layout properties of an album: the outer layout table, the main canvas
// with its thumbnail grid and the eight page areas. One record per open
// album, owned by the Album; same threading rule as WebsiteProperty.

#include "core/TextField.h"
#include "properties/PropertyField.h"
#include "properties/WebsiteProperty.h"

namespace pictavo {

class FontProperty {
public:
    virtual ~FontProperty() = default;
    virtual void Reset();

    TextField name{256, QStringLiteral("Arial")};  // font.name
    int size = 20;         // font.size, tenths of a point
    int b = 0;             // font.b
    int i = 0;             // font.i
    int u = 0;             // font.u
    int s = 0;             // font.s
    int clr = kNoColour;   // font.clr
};

class AreaProperty {
public:
    virtual ~AreaProperty() = default;
    virtual void Reset();  // empty align; the record's Reset sets the defaults

    TextField align{10};   // align: "", "Left", "Center" or "Right"
    TextField bgimg{258};  // bgimg
    int bgclr = kNoColour;  // bgclr
    FontProperty font;

    // The ten fields of the area with the given key prefix ("head."), in
    // album-file order.
    FieldTable fields(const QString& prefix);
};

class TableProperty {
public:
    virtual ~TableProperty() = default;
    // Resets the colours and the border width; cell padding and spacing keep
    // their values (see LayoutProperty::Reset).
    virtual void Reset();

    int borderclr = kNoColour;  // table.borderclr
    int borderwidth = 0;        // table.borderwidth
    int lineclr = kNoColour;    // table.lineclr
    int cellpadding = 0;        // table.cellpadding
    int cellspacing = 0;        // table.cellspacing
};

class MainAreaProperty : public AreaProperty {
public:
    void Reset() override;

    int cols = 3;                                    // main.cols, 1..100
    int rows = 3;                                    // main.rows, 1..100
    TextField mainAlign{12, QStringLiteral("center")};  // main.align
};

class LayoutProperty {
public:
    LayoutProperty();

    // Restores every default. A new album also returns the table's cell
    // padding and spacing to 0 (resetCellSpacing); before a file is read they
    // are left alone since every album file holds both keys.
    void Reset(bool resetCellSpacing = true);

    int layouttype = 0;  // layouttype, stored and read back unchanged
    AreaProperty head;
    AreaProperty top;
    AreaProperty history;
    AreaProperty next;
    AreaProperty idx;
    AreaProperty footer;
    TableProperty table;
    MainAreaProperty main;
    AreaProperty img;
    AreaProperty imgnavi;

    // Fields of the layoutproperty record in album-file order.
    FieldTable fields();
};

}  // namespace pictavo
