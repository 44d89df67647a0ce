#pragma once
// The website properties of an album: settings that hold for every generated
// page. One record per open album, owned by the Album (album/Album.h); the
// album file fills it and the generator reads it. Not thread-safe: edit it on
// one thread and only read it while a generation runs.

#include "core/TextField.h"
#include "properties/PropertyField.h"

#include <QString>

#include <vector>

namespace pictavo {

// Colour values are 0x00BBGGRR (red in the low byte); -1 means "no colour".
constexpr int kNoColour = -1;

class GeneralProperty {
public:
    virtual ~GeneralProperty() = default;
    virtual void Reset();

    TextField location{255};   // gen.location
    TextField title{255};      // gen.title
    TextField bgsndpath{255};  // gen.bgsndpath
    int bgsndloop = -1;        // gen.bgsndloop: -1 forever, else 0..9999
    int cpyfileauto = 1;       // gen.cpyfileauto: copy linked files into the site
    int cntimg = 1;            // gen.cntimg: convert non-GIF/JPEG images to JPEG
};

class BackgroundProperty {
public:
    virtual ~BackgroundProperty() = default;
    virtual void Reset();

    int custom = 0;             // bggnd.custom
    int bgimg = 0;              // bggnd.bgimg
    int watermark = 0;          // bggnd.watermark
    TextField bgimgpath{256};   // bggnd.bgimgpath
    int defcolor = 1;           // bggnd.defcolor
    int bgcolor = 0xFFFFFF;     // bggnd.bgcolor
    int txtcolor = 0xB44619;    // bggnd.txtcolor
    int hlnkcolor = 0xFF0000;   // bggnd.hlnkcolor
    int alnkcolor = 0x0000FF;   // bggnd.alnkcolor
    int vlnkcolor = 0x808000;   // bggnd.vlnkcolor
};

class MarginProperty {
public:
    virtual ~MarginProperty() = default;
    virtual void Reset();

    int usetopmargin = 0;   // margin.usetopmargin
    int useleftmargin = 0;  // margin.useleftmargin
    int topmargin = 0;      // margin.topmargin
    int leftmargin = 0;     // margin.leftmargin
};

class LanguageProperty {
public:
    virtual ~LanguageProperty() = default;
    virtual void Reset();

    TextField save{255};  // lan.save: charset name of the generated pages
};

struct MetaVariable {
    int ifsys = 0;         // meta.ifsys: 1 = http-equiv, 0 = name
    TextField name{255};   // meta.name
    TextField val{512};    // meta.val

    FieldTable fields();
};

class WebsiteProperty {
public:
    // Restores every default; with addGenerator the GENERATOR meta variable
    // of a new album is appended.
    void Reset(bool addGenerator);

    GeneralProperty general;
    BackgroundProperty background;
    MarginProperty margin;
    LanguageProperty language;
    TextField headerStr;  // header.str, any length, may hold line breaks
    TextField footerStr;  // footer.str
    std::vector<MetaVariable> metas;

    // Fields of the websiteproperty record in album-file order (meta
    // variables are records of their own).
    FieldTable fields();
};

}  // namespace pictavo
