// SPDX-License-Identifier: MIT
#include "web/packed.h"

#include <cstdint>

namespace kestrel::web {

namespace {

using Kind = SurfaceItem::Kind;

std::int32_t textStyle(const SurfaceItem& item) {
    return static_cast<std::int32_t>(item.align) + 4 * static_cast<std::int32_t>(item.font);
}

} // namespace

long memoryAddress(const void* data) {
    return static_cast<long>(reinterpret_cast<std::uintptr_t>(data));
}

void PackedSurface::pack(const Surface& surface) {
    codes.clear();
    numbers.clear();
    texts.clear();
    images.clear();
    for (const SurfaceItem& item : surface.items()) {
        const std::size_t first = numbers.size();
        std::int32_t style = 0;
        switch (item.kind) {
        case Kind::Line:
        case Kind::Image:
        case Kind::Label:
            numbers.insert(numbers.end(), {item.x1, item.y1, item.x2, item.y2});
            break;
        case Kind::Edge:
            numbers.insert(numbers.end(), {item.x1, item.y1, item.x2, item.y2, item.sizePx});
            break;
        case Kind::Rect:
            numbers.insert(numbers.end(), {item.x1, item.y1, item.x2, item.y2});
            if (item.sizePx != 0) {
                numbers.push_back(item.sizePx);
                style = 1;
            }
            break;
        case Kind::Area:
            numbers.insert(numbers.end(), {item.box.left, item.box.top, item.box.width,
                                           item.box.height, item.x1, item.y1, item.x2, item.y2});
            break;
        case Kind::Circle:
            numbers.insert(numbers.end(), {item.x1, item.y1, item.r});
            break;
        case Kind::Polyline:
        case Kind::Polygon:
            if (item.kind == Kind::Polyline) {
                numbers.push_back(item.sizePx);
            }
            for (const SurfacePoint& p : item.points) {
                numbers.push_back(p.x);
                numbers.push_back(p.y);
            }
            break;
        case Kind::Text:
            numbers.insert(numbers.end(), {item.x1, item.y1});
            break;
        case Kind::Marker:
            numbers.insert(numbers.end(), {item.x1, item.y1, item.sizePx});
            break;
        }
        if (item.kind == Kind::Text || item.kind == Kind::Label) {
            style = textStyle(item);
            texts.push_back(item.text);
        } else if (item.kind == Kind::Image) {
            style = static_cast<std::int32_t>(images.size());
            images.push_back(item.image);
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
    json.key("codes").value(memoryAddress(packed.codes.data()));
    json.key("numbers").value(memoryAddress(packed.numbers.data()));
    json.key("numberCount").value(static_cast<long>(packed.numbers.size()));
    json.key("texts").beginArray();
    for (const std::string& text : packed.texts) {
        json.value(text);
    }
    json.endArray().key("images").beginArray();
    for (const auto& image : packed.images) {
        const bool empty = image == nullptr || image->pixels.empty();
        json.beginObject().key("pixels").value(empty ? 0L : memoryAddress(image->pixels.data()));
        json.key("width").value(empty ? 0 : image->width);
        json.key("height").value(empty ? 0 : image->height).endObject();
    }
    json.endArray();
}

} // namespace kestrel::web
