#include "LargeBuffer.h"

#include <QtGlobal>

#ifdef Q_OS_LINUX
#include <sys/mman.h>

#include <cstdint>
#endif

namespace grimlark::ui {

std::string largeBuffer(std::size_t size)
{
    std::string buffer;
    buffer.reserve(size);
#ifdef Q_OS_LINUX
    // The advice covers whole huge pages inside the block, before any is touched.
    constexpr std::uintptr_t kHugePage = std::uintptr_t(2) << 20;
    const auto begin = reinterpret_cast<std::uintptr_t>(buffer.data());
    const std::uintptr_t first = (begin + kHugePage - 1) & ~(kHugePage - 1);
    const std::uintptr_t last = (begin + buffer.capacity()) & ~(kHugePage - 1);
    if (last > first)
        ::madvise(reinterpret_cast<void *>(first), last - first, MADV_HUGEPAGE);
#endif
    return buffer;
}

} // namespace grimlark::ui
