// SPDX-License-Identifier: MIT
#include "ui/session_memory.h"

#include <QPixmapCache>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace kestrel {

void boundSessionMemory() {
    QPixmapCache::setCacheLimit(kPixmapCacheKilobytes);
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, kMappedBufferBytes);
#endif
}

} // namespace kestrel
