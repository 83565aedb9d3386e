// SPDX-License-Identifier: MIT
#include "model/texts.h"

#include "model/text.h"

#include <stdexcept>
#include <utility>

namespace kestrel {

namespace {

constexpr std::array<std::string_view, 2> kLanguageCodes = {"tr", "en"};

} // namespace

std::string_view languageCode(Language language) {
    return kLanguageCodes[static_cast<std::size_t>(language)];
}

std::optional<Language> languageOfCode(std::string_view code) {
    for (std::size_t i = 0; i < kLanguageCodes.size(); ++i) {
        if (kLanguageCodes[i] == code) {
            return static_cast<Language>(i);
        }
    }
    return std::nullopt;
}

Texts::Texts(std::vector<std::string> texts) {
    if (texts.size() != kTextCount) {
        throw std::invalid_argument("a language needs a text for every entry of the table");
    }
    texts_ = std::make_shared<const std::vector<std::string>>(std::move(texts));
}

std::string_view Texts::operator[](TextId id) const {
    return texts_ ? std::string_view((*texts_)[static_cast<std::size_t>(id)]) : uiText(id);
}

std::string Texts::format(TextId id, std::initializer_list<std::string_view> values) const {
    return fillIn((*this)[id], values);
}

} // namespace kestrel
