#include "properties/WebsiteProperty.h"

namespace pictavo {

void GeneralProperty::Reset() { *this = GeneralProperty(); }
void BackgroundProperty::Reset() { *this = BackgroundProperty(); }
void MarginProperty::Reset() { *this = MarginProperty(); }
void LanguageProperty::Reset() { *this = LanguageProperty(); }

FieldTable MetaVariable::fields() {
    return {
        {QStringLiteral("meta.ifsys"), FieldKind::Int, &ifsys},
        {QStringLiteral("meta.name"), FieldKind::Text, nullptr, &name},
        {QStringLiteral("meta.val"), FieldKind::Text, nullptr, &val},
    };
}

void WebsiteProperty::Reset(bool addGenerator) {
    headerStr = QString();
    footerStr = QString();
    general.Reset();
    background.Reset();
    margin.Reset();
    language.Reset();
    metas.clear();
    if (addGenerator) {
        MetaVariable generator;
        generator.ifsys = 0;
        generator.name = QStringLiteral("GENERATOR");
        generator.val = QStringLiteral("!Pictavo");
        metas.push_back(generator);
    }
}

FieldTable WebsiteProperty::fields() {
    auto integer = [](const char* key, int* value) {
        return PropertyField{QString::fromLatin1(key), FieldKind::Int, value};
    };
    auto colour = [](const char* key, int* value) {
        return PropertyField{QString::fromLatin1(key), FieldKind::Colour, value};
    };
    auto text = [](const char* key, TextField* value) {
        return PropertyField{QString::fromLatin1(key), FieldKind::Text, nullptr, value};
    };
    BackgroundProperty& bg = background;
    return {
        integer("bggnd.custom", &bg.custom),
        integer("bggnd.bgimg", &bg.bgimg),
        integer("bggnd.watermark", &bg.watermark),
        integer("bggnd.defcolor", &bg.defcolor),
        text("bggnd.bgimgpath", &bg.bgimgpath),
        colour("bggnd.bgcolor", &bg.bgcolor),
        colour("bggnd.txtcolor", &bg.txtcolor),
        colour("bggnd.hlnkcolor", &bg.hlnkcolor),
        colour("bggnd.alnkcolor", &bg.alnkcolor),
        colour("bggnd.vlnkcolor", &bg.vlnkcolor),
        text("gen.location", &general.location),
        text("gen.title", &general.title),
        text("gen.bgsndpath", &general.bgsndpath),
        integer("gen.bgsndloop", &general.bgsndloop),
        integer("gen.cpyfileauto", &general.cpyfileauto),
        integer("gen.cntimg", &general.cntimg),
        text("lan.save", &language.save),
        integer("margin.usetopmargin", &margin.usetopmargin),
        integer("margin.useleftmargin", &margin.useleftmargin),
        integer("margin.topmargin", &margin.topmargin),
        integer("margin.leftmargin", &margin.leftmargin),
        text("header.str", &headerStr),
        text("footer.str", &footerStr),
    };
}

}  // namespace pictavo
