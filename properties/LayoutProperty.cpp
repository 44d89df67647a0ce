#include "properties/LayoutProperty.h"

namespace pictavo {

void FontProperty::Reset() { *this = FontProperty(); }

void AreaProperty::Reset() {
    align = QString();
    bgimg = QString();
    bgclr = kNoColour;
    font.Reset();
}

FieldTable AreaProperty::fields(const QString& prefix) {
    auto key = [&prefix](const char* suffix) { return prefix + QLatin1String(suffix); };
    return {
        {key("align"), FieldKind::Text, nullptr, &align},
        {key("bgimg"), FieldKind::Text, nullptr, &bgimg},
        {key("bgclr"), FieldKind::Colour, &bgclr},
        {key("font.size"), FieldKind::Int, &font.size},
        {key("font.b"), FieldKind::Int, &font.b},
        {key("font.i"), FieldKind::Int, &font.i},
        {key("font.u"), FieldKind::Int, &font.u},
        {key("font.s"), FieldKind::Int, &font.s},
        {key("font.clr"), FieldKind::Colour, &font.clr},
        {key("font.name"), FieldKind::Text, nullptr, &font.name},
    };
}

void TableProperty::Reset() {
    borderclr = kNoColour;
    lineclr = kNoColour;
    borderwidth = 0;
}

void MainAreaProperty::Reset() {
    AreaProperty::Reset();
    cols = 3;
    rows = 3;
    mainAlign = QStringLiteral("center");
}

LayoutProperty::LayoutProperty() { Reset(); }

void LayoutProperty::Reset(bool resetCellSpacing) {
    layouttype = 0;
    for (AreaProperty* area : {&head, &top, &history, &next, &idx, &footer, &img, &imgnavi})
        area->Reset();
    top.align = QStringLiteral("Center");
    idx.align = QStringLiteral("Right");
    img.align = QStringLiteral("Center");
    imgnavi.align = QStringLiteral("Center");
    table.Reset();
    if (resetCellSpacing) {
        table.cellpadding = 0;
        table.cellspacing = 0;
    }
    main.Reset();
}

FieldTable LayoutProperty::fields() {
    FieldTable table_{
        {QStringLiteral("layouttype"), FieldKind::Int, &layouttype},
        {QStringLiteral("table.borderclr"), FieldKind::Colour, &table.borderclr},
        {QStringLiteral("table.lineclr"), FieldKind::Colour, &table.lineclr},
        {QStringLiteral("table.borderwidth"), FieldKind::Int, &table.borderwidth},
        {QStringLiteral("table.cellpadding"), FieldKind::Int, &table.cellpadding},
        {QStringLiteral("table.cellspacing"), FieldKind::Int, &table.cellspacing},
        {QStringLiteral("main.cols"), FieldKind::Int, &main.cols},
        {QStringLiteral("main.rows"), FieldKind::Int, &main.rows},
        {QStringLiteral("main.align"), FieldKind::Text, nullptr, &main.mainAlign},
        {QStringLiteral("main.bgimg"), FieldKind::Text, nullptr, &main.bgimg},
        {QStringLiteral("main.bgclr"), FieldKind::Colour, &main.bgclr},
        {QStringLiteral("main.font.size"), FieldKind::Int, &main.font.size},
        {QStringLiteral("main.font.b"), FieldKind::Int, &main.font.b},
        {QStringLiteral("main.font.i"), FieldKind::Int, &main.font.i},
        {QStringLiteral("main.font.u"), FieldKind::Int, &main.font.u},
        {QStringLiteral("main.font.s"), FieldKind::Int, &main.font.s},
        {QStringLiteral("main.font.clr"), FieldKind::Colour, &main.font.clr},
        {QStringLiteral("main.font.name"), FieldKind::Text, nullptr, &main.font.name},
    };
    const std::pair<const char*, AreaProperty*> areas[] = {
        {"head.", &head}, {"top.", &top},       {"history.", &history}, {"next.", &next},
        {"idx.", &idx},   {"footer.", &footer}, {"img.", &img},         {"imgnavi.", &imgnavi},
    };
    for (const auto& [prefix, area] : areas) {
        FieldTable areaFields = area->fields(QString::fromLatin1(prefix));
        table_.insert(table_.end(), areaFields.begin(), areaFields.end());
    }
    return table_;
}

}  // namespace pictavo
