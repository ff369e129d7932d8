// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TagPairs.h"

#include "core/TagNames.h"

#include <algorithm>
#include <string_view>

namespace {
using namespace TagNames;
constexpr auto npos = View::npos;

using Kind = ScannedTag::Kind;
using Tag = ScannedTag;

std::optional<Tag> parseTag(View text, size_t lt)
{
    return scanTag(QByteArrayView(text.data(), qsizetype(text.size())), qsizetype(lt));
}

std::optional<Tag> tagAt(View text, size_t pos)
{
    if (pos < text.size() && text[pos] == '<')
        if (auto tag = parseTag(text, pos))
            return tag;
    if (pos == 0)
        return std::nullopt;
    // The last "<" before the caret starts the tag the caret is in, if any.
    const size_t lt = text.rfind('<', std::min(pos, text.size()) - 1);
    if (lt == npos)
        return std::nullopt;
    auto tag = parseTag(text, lt);
    if (!tag || size_t(tag->span.end) < pos)
        return std::nullopt;
    return tag;
}

std::optional<TagSpan> closingPartner(View text, const Tag &open)
{
    int depth = 1;
    size_t i = size_t(open.span.end);
    while ((i = text.find('<', i)) != npos) {
        const auto tag = parseTag(text, i);
        if (!tag) {
            ++i;
            continue;
        }
        i = size_t(tag->span.end);
        if (tag->kind == Kind::Open && !tag->selfClosing) {
            if (sameName(tag->name, open.name)) {
                ++depth;
            } else if (isRawText(tag->name)) {
                // Script and style hold text, not tags: go on after their end.
                for (size_t end = i;; end += 2) {
                    end = text.find("</", end);
                    if (end == npos)
                        return std::nullopt;
                    const auto close = parseTag(text, end);
                    if (close && close->kind == Kind::Close && sameName(close->name, tag->name)) {
                        i = size_t(close->span.end);
                        break;
                    }
                }
            }
        } else if (tag->kind == Kind::Close && sameName(tag->name, open.name) && --depth == 0) {
            return tag->span;
        }
    }
    return std::nullopt;
}

std::optional<TagSpan> openingPartner(View text, const Tag &close)
{
    int depth = 1;
    size_t i = size_t(close.span.start);
    // The last comment end before i, found again only once i passes it.
    size_t commentEnd = npos;
    bool commentKnown = false;
    while (i > 0) {
        const size_t lt = text.rfind('<', i - 1);
        if (lt == npos)
            return std::nullopt;
        if (!commentKnown || (commentEnd != npos && commentEnd + 3 > i)) {
            commentEnd = i >= 3 ? text.rfind("-->", i - 3) : npos;
            commentKnown = true;
        }
        if (commentEnd != npos && lt < commentEnd + 3) {
            const size_t commentStart = text.rfind("<!--", commentEnd);
            if (commentStart != npos && lt >= commentStart) {
                i = commentStart; // skip the whole comment
                continue;
            }
        }
        i = lt;
        const auto tag = parseTag(text, lt);
        if (!tag || size_t(tag->span.end) > size_t(close.span.start))
            continue;
        if (tag->kind == Kind::Close && isRawText(tag->name) && !sameName(tag->name, close.name)) {
            // Back over the script or style text to its opening tag.
            while (i > 0 && (i = text.rfind('<', i - 1)) != npos) {
                const auto open = parseTag(text, i);
                if (open && open->kind == Kind::Open && sameName(open->name, tag->name))
                    break;
            }
            if (i == npos)
                return std::nullopt;
            continue;
        }
        if (!sameName(tag->name, close.name))
            continue;
        if (tag->kind == Kind::Close)
            ++depth;
        else if (tag->kind == Kind::Open && !tag->selfClosing && --depth == 0)
            return tag->span;
    }
    return std::nullopt;
}
} // namespace

std::optional<TagPair> findTagPair(QByteArrayView bytes, qsizetype pos)
{
    const View text(bytes.data(), size_t(bytes.size()));
    if (pos < 0 || size_t(pos) > text.size())
        return std::nullopt;
    const auto tag = tagAt(text, size_t(pos));
    if (!tag || tag->kind == Kind::Other || tag->selfClosing || isVoid(tag->name))
        return std::nullopt;
    const auto partner = tag->kind == Kind::Open ? closingPartner(text, *tag) : openingPartner(text, *tag);
    if (!partner)
        return std::nullopt;
    return TagPair{tag->span, *partner};
}

std::optional<ScannedTag> scanTag(QByteArrayView bytes, qsizetype at)
{
    using namespace TagNames;
    const View text(bytes.data(), size_t(bytes.size()));
    const size_t lt = size_t(at);
    ScannedTag tag;
    tag.span.start = at;
    if (text.compare(lt, 4, "<!--") == 0) {
        const size_t close = text.find("-->", lt + 4);
        if (close == View::npos)
            return std::nullopt;
        tag.span.end = qsizetype(close + 3);
        return tag;
    }
    size_t i = lt + 1;
    if (i < text.size() && text[i] == '/') {
        tag.kind = ScannedTag::Close;
        ++i;
    } else {
        tag.kind = ScannedTag::Open;
    }
    if (i >= text.size())
        return std::nullopt;
    if (!isLetter(text[i])) {
        if (tag.kind == ScannedTag::Close || (text[i] != '!' && text[i] != '?'))
            return std::nullopt; // a lone "<" in the text
        tag.kind = ScannedTag::Other;
    }
    const size_t nameStart = i;
    while (i < text.size() && isNameChar(text[i]))
        ++i;
    tag.name = text.substr(nameStart, i - nameStart);
    const size_t gt = tagEnd(text, i, text.size());
    if (gt == View::npos)
        return std::nullopt;
    tag.span.end = qsizetype(gt + 1);
    tag.selfClosing = text[gt - 1] == '/';
    return tag;
}
