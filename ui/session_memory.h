// SPDX-License-Identifier: MIT
// Bounds on the memory the window program keeps for itself, so that a long session stays flat.
#pragma once

namespace kestrel {

// The style's pictures of the controls, cached in the application's pixmap cache per size and
// state, may take this many kilobytes (Qt's default is 10 MB, which every new size of a resized
// window fills a little further).
inline constexpr int kPixmapCacheKilobytes = 1024;

// Picture buffers of this many bytes or more are mapped from the system and returned to it when
// freed. Left to itself the C library raises this threshold to the largest buffer freed so far,
// after which pictures of ever new sizes (a window resized) scatter the heap, which never shrinks.
inline constexpr int kMappedBufferBytes = 128 * 1024;

// Sets both bounds for the whole program; called once, before the first window is shown.
void boundSessionMemory();

} // namespace kestrel
