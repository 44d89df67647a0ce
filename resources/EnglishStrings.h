#pragma once
// The built-in English texts as (number, UTF-8 text) pairs.

#include <utility>
#include <vector>

namespace pictavo {

const std::vector<std::pair<int, const char*>>& englishStrings();

}  // namespace pictavo
