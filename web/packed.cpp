// SPDX-License-Identifier: MIT
#include "web/packed.h"

#include <cstdint>

namespace kestrel::web {

namespace {

long address(const void* data) {
    return static_cast<long>(reinterpret_cast<std::uintptr_t>(data));
}

} // namespace

void PackedSurface::pack(const Surface& surface) {
    codes.clear();
    numbers.clear();
    texts.clear();
    for (const SurfaceItem& item : surface.items()) {
        const std::size_t first = numbers.size();
        std::int32_t style = 0;
        switch (item.kind) {
        case SurfaceItem::Kind::Line:
            numbers.insert(numbers.end(), {item.x1, item.y1, item.x2, item.y2});
            break;
        case SurfaceItem::Kind::Circle:
            numbers.insert(numbers.end(), {item.x1, item.y1, item.r});
            break;
        case SurfaceItem::Kind::Polyline:
        case SurfaceItem::Kind::Polygon:
            if (item.kind == SurfaceItem::Kind::Polyline) {
                numbers.push_back(item.sizePx);
            }
            for (const SurfacePoint& p : item.points) {
                numbers.push_back(p.x);
                numbers.push_back(p.y);
            }
            break;
        case SurfaceItem::Kind::Text:
            numbers.insert(numbers.end(), {item.x1, item.y1});
            style =
                static_cast<std::int32_t>(item.align) + 4 * static_cast<std::int32_t>(item.font);
            texts.push_back(item.text);
            break;
        case SurfaceItem::Kind::Marker:
            numbers.insert(numbers.end(), {item.x1, item.y1, item.sizePx});
            break;
        }
        codes.insert(codes.end(),
                     {static_cast<std::int32_t>(item.kind), static_cast<std::int32_t>(item.colour),
                      static_cast<std::int32_t>(numbers.size() - first), style});
    }
}

void packedRecord(JsonWriter& json, const Surface& surface, const PackedSurface& packed) {
    json.key("foreground").value(surface.foreground());
    json.key("background").value(surface.background());
    const UserRect& scale = surface.scale();
    json.key("scale").beginArray().value(scale.x1).value(scale.y1).value(scale.x2).value(scale.y2);
    json.endArray().key("itemCount").value(static_cast<long>(packed.itemCount()));
    json.key("codes").value(address(packed.codes.data()));
    json.key("numbers").value(address(packed.numbers.data()));
    json.key("numberCount").value(static_cast<long>(packed.numbers.size()));
    json.key("texts").beginArray();
    for (const std::string& text : packed.texts) {
        json.value(text);
    }
    json.endArray();
}

} // namespace kestrel::web
