// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "Yaml.h"

#include <yaml.h>

#include <algorithm>

namespace grimlark {

namespace {

/// libyaml's parser and its one event, freed on every way out.
class Parser {
public:
    explicit Parser(std::string_view bytes)
    {
        m_ready = yaml_parser_initialize(&m_parser) != 0;
        if (m_ready)
            yaml_parser_set_input_string(
                &m_parser, reinterpret_cast<const unsigned char *>(bytes.data()), bytes.size());
    }
    ~Parser()
    {
        if (m_held)
            yaml_event_delete(&m_event);
        if (m_ready)
            yaml_parser_delete(&m_parser);
    }
    Parser(const Parser &) = delete;
    Parser &operator=(const Parser &) = delete;

    /// The next event, or null where the text is not YAML (problem()).
    const yaml_event_t *next()
    {
        if (m_held)
            yaml_event_delete(&m_event);
        m_held = m_ready && yaml_parser_parse(&m_parser, &m_event) != 0;
        return m_held ? &m_event : nullptr;
    }

    bool ready() const { return m_ready; }
    const yaml_parser_t &state() const { return m_parser; }

private:
    yaml_parser_t m_parser{};
    yaml_event_t m_event{};
    bool m_ready = false;
    bool m_held = false;
};

void fail(YamlDocument &document, std::string problem, const yaml_mark_t &mark)
{
    document.read = false;
    document.problem = std::move(problem);
    document.line = mark.line + 1;
    document.column = mark.column + 1;
}

/// libyaml's event is a C union, told apart by its type: read only here.
// NOLINTBEGIN(cppcoreguidelines-pro-type-union-access)
const yaml_char_t *anchorOf(const yaml_event_t &event)
{
    switch (event.type) {
    case YAML_SCALAR_EVENT:
        return event.data.scalar.anchor;
    case YAML_SEQUENCE_START_EVENT:
        return event.data.sequence_start.anchor;
    case YAML_MAPPING_START_EVENT:
        return event.data.mapping_start.anchor;
    default:
        return nullptr;
    }
}

void readScalar(const yaml_event_t &event, YamlNode &node)
{
    node.text.assign(reinterpret_cast<const char *>(event.data.scalar.value),
                     event.data.scalar.length);
    node.plain = event.data.scalar.style == YAML_PLAIN_SCALAR_STYLE;
}
// NOLINTEND(cppcoreguidelines-pro-type-union-access)

} // namespace

const YamlNode *YamlNode::find(std::string_view key) const
{
    if (kind != Kind::Mapping)
        return nullptr;
    for (std::size_t i = 0; i + 1 < children.size(); i += 2)
        if (children[i].kind == Kind::Scalar && children[i].text == key)
            return &children[i + 1];
    return nullptr;
}

YamlDocument readYaml(std::string_view bytes, std::size_t deepest)
{
    YamlDocument document;
    Parser parser(bytes);
    if (!parser.ready()) {
        document.problem = "the YAML reader could not start";
        return document;
    }
    // The nodes being filled, outermost first; the document's root at the
    // bottom, once begun.
    std::vector<YamlNode> open;
    bool begun = false;
    for (;;) {
        const yaml_event_t *event = parser.next();
        if (!event) {
            const yaml_parser_t &state = parser.state();
            fail(document, state.problem ? state.problem : "this is not YAML",
                 state.problem ? state.problem_mark : state.mark);
            if (state.context)
                document.problem = std::string(state.context) + ": " + document.problem;
            return document;
        }
        const yaml_mark_t &at = event->start_mark;
        YamlNode node;
        node.line = at.line + 1;
        node.column = at.column + 1;
        switch (event->type) {
        case YAML_STREAM_END_EVENT:
        case YAML_DOCUMENT_END_EVENT:
            // An empty stream, or the first document done (it ended as its
            // root closed).
            document.read = begun && open.empty();
            if (!document.read)
                fail(document, "the text holds no YAML document", at);
            return document;
        case YAML_ALIAS_EVENT:
            fail(document, "an alias (*name), which no database of the family uses", at);
            return document;
        case YAML_SCALAR_EVENT:
            if (anchorOf(*event)) {
                fail(document, "an anchor (&name), which no database of the family uses", at);
                return document;
            }
            node.kind = YamlNode::Kind::Scalar;
            readScalar(*event, node);
            // A block scalar ends at the start of the line after it.
            node.endLine = event->end_mark.column == 0 && event->end_mark.line > at.line
                               ? event->end_mark.line
                               : event->end_mark.line + 1;
            break;
        case YAML_SEQUENCE_START_EVENT:
        case YAML_MAPPING_START_EVENT:
            if (anchorOf(*event)) {
                fail(document, "an anchor (&name), which no database of the family uses", at);
                return document;
            }
            if (open.size() >= deepest) {
                fail(document, "nesting deeper than " + std::to_string(deepest) + " levels", at);
                return document;
            }
            node.kind = event->type == YAML_SEQUENCE_START_EVENT ? YamlNode::Kind::Sequence
                                                                 : YamlNode::Kind::Mapping;
            begun = true;
            open.push_back(std::move(node));
            continue;
        case YAML_SEQUENCE_END_EVENT:
        case YAML_MAPPING_END_EVENT:
            node = std::move(open.back());
            open.pop_back();
            node.endLine = node.children.empty() ? node.line : node.children.back().endLine;
            for (const YamlNode &child : node.children)
                node.endLine = std::max(node.endLine, child.endLine);
            break;
        case YAML_STREAM_START_EVENT:
        case YAML_DOCUMENT_START_EVENT:
        case YAML_NO_EVENT:
            continue;
        }
        // A whole node: the root, or a child of the one still open.
        if (open.empty()) {
            document.root = std::move(node);
            begun = true;
        } else {
            open.back().children.push_back(std::move(node));
        }
    }
}

} // namespace grimlark
