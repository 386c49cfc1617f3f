// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "KeyedText.h"

#include <algorithm>

namespace grimlark {

std::string_view withoutTrailingBlankLines(std::string_view text)
{
    for (;;) {
        const std::size_t last = text.find_last_of('\n');
        if (last == std::string_view::npos)
            return text;
        const std::string_view tail = text.substr(last + 1);
        if (tail.find_first_not_of(" \t\r") != std::string_view::npos)
            return text;
        text = text.substr(0, last);
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
    }
}

bool endsLine(std::string_view text)
{
    const auto endsWith = [text](std::string_view end) {
        return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
    };
    return !text.empty() && (text.back() == '\n' || text.back() == '\r' || endsWith("\xC2\x85") ||
                             endsWith("\xE2\x80\xA8") || endsWith("\xE2\x80\xA9"));
}

std::string writeMap(const MapText *source, const std::vector<Rendered> &rendered,
                     const std::vector<std::string_view> &order, std::string_view lead,
                     std::string_view indent, std::string_view lineEnd)
{
    struct Part {
        std::size_t order;
        std::string text, trailer;
    };
    std::vector<Part> parts;
    std::vector<bool> done(rendered.size());
    const auto renderedOf = [&rendered](std::string_view key) {
        return std::find_if(rendered.begin(), rendered.end(),
                            [key](const Rendered &r) { return r.key == key; });
    };
    const auto orderOf = [&order](std::string_view key) {
        return std::size_t(std::find(order.begin(), order.end(), key) - order.begin());
    };
    if (source) {
        std::size_t last = 0;
        for (const KeyText &key : source->keys) {
            const std::size_t at = orderOf(key.key);
            last = at < order.size() ? at : last;
            std::string text = key.text;
            const auto made = renderedOf(key.key);
            if (made != rendered.end() && key.loaded &&
                !done[std::size_t(made - rendered.begin())]) {
                done[std::size_t(made - rendered.begin())] = true;
                if (made->text != *key.loaded)
                    text = made->text;
            }
            parts.push_back({last, std::move(text), key.trailer});
        }
    }
    for (std::size_t i = 0; i < rendered.size(); ++i) {
        if (done[i] || rendered[i].text.empty() || rendered[i].leftOut)
            continue;
        const std::size_t at = orderOf(rendered[i].key);
        auto place = std::find_if(parts.begin(), parts.end(),
                                  [at](const Part &part) { return part.order > at; });
        parts.insert(place, {at, rendered[i].text, {}});
    }
    std::string out;
    bool first = true;
    for (const Part &part : parts) {
        if (!out.empty() && !endsLine(out))
            out += lineEnd;
        if (!part.text.empty()) {
            out.append(first ? (source ? std::string_view(source->lead) : lead)
                             : (source ? std::string_view(source->indent) : indent));
            out += part.text;
            first = false;
        }
        if (!part.trailer.empty() && !endsLine(out))
            out += lineEnd;
        out += part.trailer;
    }
    if (source && !source->tail.empty()) {
        if (!out.empty() && !endsLine(out))
            out += lineEnd;
        out += source->tail;
    }
    return out;
}

} // namespace grimlark
