#pragma once

#include <string_view>

namespace grimlark {

/// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates,
/// nothing past U+10FFFF).
bool isValidUtf8(std::string_view bytes);

} // namespace grimlark
