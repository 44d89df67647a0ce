#include "properties/gui/sheets/AreaBinding.h"

#include "properties/LayoutProperty.h"

namespace pictavo {

AreaProperty* areaWithKeyPrefix(LayoutProperty& layout, const QString& prefix) {
    const std::pair<const char*, AreaProperty*> areas[] = {
        {"head.", &layout.head}, {"top.", &layout.top},         {"history.", &layout.history},
        {"next.", &layout.next}, {"idx.", &layout.idx},         {"footer.", &layout.footer},
        {"img.", &layout.img},   {"imgnavi.", &layout.imgnavi},
    };
    for (const auto& [key, area] : areas)
        if (prefix == QLatin1String(key))
            return area;
    return nullptr;
}

}  // namespace pictavo
