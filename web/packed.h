// SPDX-License-Identifier: MIT
// A recorded surface in the compact binary form the page paints from: item codes and numbers in
// two flat arrays of the module's memory, read by the page in place, and the few texts and
// images apart.
#pragma once

#include "plots/surface.h"
#include "report/json_writer.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kestrel::web {

// The codes per item (kind, colour, how many numbers, style) and the items' numbers one after
// another, in the layout kestrel_web.h documents; the Text and Label items' texts in their order;
// the Image items' images in theirs.
struct PackedSurface {
    static constexpr int kCodesPerItem = 4;

    std::vector<std::int32_t> codes;
    std::vector<float> numbers;
    std::vector<std::string> texts;
    std::vector<std::shared_ptr<const RasterImage>> images;

    // Replaces the contents with the surface's items, keeping the arrays' storage.
    void pack(const Surface& surface);
    std::size_t itemCount() const { return codes.size() / kCodesPerItem; }
};

// The keys "foreground", "background", "scale", "itemCount", "codes" and "numbers" (addresses in
// the module's memory, in bytes), "numberCount", "texts" and "images" of a packed surface, into
// an open object.
void packedRecord(JsonWriter& json, const Surface& surface, const PackedSurface& packed);

// An address in the module's memory, in bytes, as the page reads it.
long memoryAddress(const void* data);

} // namespace kestrel::web
