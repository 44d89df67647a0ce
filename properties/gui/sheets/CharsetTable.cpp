#include "properties/gui/sheets/CharsetTable.h"

#include "resources/StringIds.h"

namespace pictavo {

const std::vector<CharsetEntry>& offeredCharsets() {
    using namespace sid;
    static const std::vector<CharsetEntry> rows = {
        {"", CharsetNone},
        {"windows-1257", CharsetBaltic},
        {"windows-1250", CharsetCentralEuropean},
        {"iso-8859-2", CharsetCentralEuropeanIso},
        {"windows-1251", CharsetCyrillic},
        {"koi8-r", CharsetCyrillicKoi8r},
        {"windows-1253", CharsetGreek},
        {"x-euc", CharsetJapaneseEuc},
        {"iso-2022-jp", CharsetJapaneseJis},
        {"shift-jis", CharsetJapaneseShiftJis},
        {"ks_c_5601-1987", CharsetKorean},
        {"UTF-8", CharsetUtf8},
        {"gb2312", CharsetSimplifiedChinese},
        {"big5", CharsetTraditionalChinese},
        {"windows-874", CharsetThai},
        {"windows-1254", CharsetTurkish},
        {"iso-8859-1", CharsetWestern},
        {"unicode", CharsetUnicode},
        {"unicodeFEFF", CharsetUnicodeBigEndian},
    };
    return rows;
}

int charsetRowFor(const QString& save) {
    const std::vector<CharsetEntry>& rows = offeredCharsets();
    for (int row = 0; row < static_cast<int>(rows.size()); ++row)
        if (save == QLatin1String(rows[row].charset))
            return row;
    return -1;
}

}  // namespace pictavo
