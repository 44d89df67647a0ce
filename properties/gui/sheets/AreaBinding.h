#pragma once
// The bars of the layout record by the key prefix their fields carry in the
// album file ("top.", "history."). The sheet's tabs list the bars in an order
// of their own, so each tab names its bar by prefix, never by position.

#include <QString>

namespace pictavo {

class AreaProperty;
class LayoutProperty;

// The bar whose keys start with prefix; null for a prefix no bar has (the
// main canvas and the table are not bars).
AreaProperty* areaWithKeyPrefix(LayoutProperty& layout, const QString& prefix);

}  // namespace pictavo
