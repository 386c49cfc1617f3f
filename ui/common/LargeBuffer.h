#pragma once

#include <cstddef>
#include <string>

namespace grimlark::ui {

/// An empty string with room for `size` bytes, whose memory the system is asked
/// to back with large pages where it can (Linux transparent huge pages). Reading
/// a 30 MB file into fresh memory otherwise costs more in page faults than in
/// the read itself. Only a hint: elsewhere, or when refused, it is a plain
/// reserve.
std::string largeBuffer(std::size_t size);

} // namespace grimlark::ui
