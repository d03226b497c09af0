#pragma once
// Chinese names of the pieces as the notation writes and reads them (GBK).

#include <string_view>

namespace kelvara {

// "" for the empty square and any code outside 0-31.
std::string_view piece_name(int code);

}  // namespace kelvara
