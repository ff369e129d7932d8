// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/PreviewPatch.h"

#include "core/TagNames.h"
#include "core/TagPairs.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {
using TagNames::sameName;

bool oneOf(std::string_view name, std::initializer_list<std::string_view> names)
{
    return std::any_of(names.begin(), names.end(), [&](std::string_view n) { return sameName(name, n); });
}

// Inline elements a browser nests as written: content made of these (and
// text and comments) parses alike in the page and inside its element.
bool isInline(std::string_view name)
{
    return oneOf(name, {"abbr", "b", "bdi", "bdo", "big", "br", "cite", "code", "data", "del", "dfn", "em", "font",
                        "i", "img", "ins", "kbd", "mark", "q", "s", "samp", "small", "span", "strike", "strong", "sub",
                        "sup", "time", "tt", "u", "var", "wbr", "a"});
}

// Elements whose content may be replaced: their content is read as markup
// in the ordinary way (not as text, not as table rows, not with the first
// line break dropped).
bool isReplaceable(std::string_view name)
{
    return isInline(name)
           || oneOf(name, {"p", "h1", "h2", "h3", "h4", "h5", "h6", "li", "dt", "dd", "td", "th", "caption", "div",
                           "blockquote", "address", "figcaption", "legend", "label", "center", "section", "article",
                           "aside", "header", "footer", "main", "nav", "summary", "figure"});
}

// Whether `content` holds only text, comments and inline elements that are
// closed in the order they were opened (no "<" the browser could read
// otherwise, no link inside a link, no void element written with an end tag).
bool plainInlineContent(QByteArrayView content, bool inLink)
{
    std::vector<std::string_view> open;
    for (qsizetype i = 0; (i = content.indexOf('<', i)) >= 0;) {
        const auto tag = scanTag(content, i);
        if (!tag)
            return false;
        if (tag->kind == ScannedTag::Other) {
            if (!content.sliced(i).startsWith("<!--"))
                return false;
        } else if (!isInline(tag->name)) {
            return false;
        } else if (tag->kind == ScannedTag::Open) {
            if (sameName(tag->name, "a")) {
                if (inLink || std::any_of(open.begin(), open.end(), [](auto n) { return sameName(n, "a"); }))
                    return false;
            }
            if (!TagNames::isVoid(tag->name)) {
                if (tag->selfClosing)
                    return false;
                open.push_back(tag->name);
            }
        } else if (TagNames::isVoid(tag->name) || open.empty() || !sameName(open.back(), tag->name)) {
            return false;
        } else {
            open.pop_back();
        }
        i = tag->span.end;
    }
    return open.empty();
}

constexpr int kLookBack = 16; // start tags looked at for the element holding the edit

// The patch for an edit that replaced [head, editEnd) of `after`.
std::optional<PreviewPatch> patchAround(QByteArrayView before, const PreviewCopy &shown, QByteArrayView after,
                                        const PreviewCopy &next, qsizetype head, qsizetype editEnd)
{
    // The innermost element around it: a start tag before the edit whose end
    // tag comes after it.
    const int last = elementAt(next, head);
    for (int k = last; k >= 0 && k > last - kLookBack; --k) {
        const auto pair = findTagPair(after, next.starts[size_t(k)]);
        if (!pair || pair->partner.start < pair->tag.start)
            continue;
        if (pair->tag.end > head || pair->partner.end <= head)
            continue; // the edit is in the tag itself, or the element ends before it
        if (pair->partner.start < editEnd)
            return std::nullopt; // the edit reaches the end tag
        const auto tag = scanTag(after, pair->tag.start);
        if (!tag || !isReplaceable(tag->name))
            return std::nullopt;
        const bool link = sameName(tag->name, "a");
        const qsizetype grown = after.size() - before.size();
        const QByteArrayView now = after.sliced(pair->tag.end, pair->partner.start - pair->tag.end);
        const QByteArrayView was = before.sliced(pair->tag.end, pair->partner.start - grown - pair->tag.end);
        if (!plainInlineContent(now, link) || !plainInlineContent(was, link))
            return std::nullopt;
        const qsizetype from = copyOffset(next, pair->tag.end);
        const auto oldEnd = std::lower_bound(shown.starts.begin(), shown.starts.end(), pair->partner.start - grown);
        return PreviewPatch{k, next.html.mid(from, copyOffset(next, pair->partner.start) - from),
                            int(oldEnd - shown.starts.begin()), int(next.starts.size()) - int(shown.starts.size())};
    }
    return std::nullopt;
}

constexpr qsizetype kSlide = 64; // places tried for an edit that could stand in several
} // namespace

std::optional<PreviewPatch> previewPatch(QByteArrayView before, const PreviewCopy &shown, QByteArrayView after,
                                         const PreviewCopy &next)
{
    if (next.scripted || shown.scripted || before == after)
        return std::nullopt;
    // The edit: what lies between the common start and the common end. Where
    // the two overlap ("<b>x</b>" typed before "</p>" could also have gone in
    // after its "<") the edit may stand in several places: the first, from
    // the latest, that makes a patch is taken.
    const qsizetype shorter = std::min(before.size(), after.size());
    const qsizetype head = std::mismatch(before.begin(), before.begin() + shorter, after.begin()).first - before.begin();
    qsizetype tail = 0;
    while (tail < shorter && before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const qsizetype slack = std::min(std::max<qsizetype>(0, head + tail - shorter), kSlide);
    for (qsizetype at = head; at >= head - slack; --at) {
        const qsizetype editEnd = std::max(at, after.size() - std::min(tail, shorter - at));
        if (auto patch = patchAround(before, shown, after, next, at, editEnd))
            return patch;
    }
    // Start tags wholly after the edit kept their place from the end, and
    // their count changed by the change in all, unless the edit made text of
    // markup after it (a <textarea> opened): then nothing is renumbered, and
    // the pane puts in whatever no longer compares equal.
    const qsizetype unchanged = before.size() - std::min(tail, shorter - head);
    const int from = int(std::lower_bound(shown.starts.begin(), shown.starts.end(), unchanged) - shown.starts.begin());
    const int shift = int(next.starts.size()) - int(shown.starts.size());
    const bool kept = from + shift >= 0 && from + shift <= int(next.starts.size());
    return PreviewPatch{-1, next.html, kept ? from : int(shown.starts.size()), shift};
}

qsizetype copyOffset(const PreviewCopy &copy, qsizetype pos)
{
    // Each start tag before `pos` gained ` data-ts="N"`: 11 bytes and N's
    // digits, one for each of the n numbers, one more for each from 10 on...
    const auto n = qsizetype(std::lower_bound(copy.starts.begin(), copy.starts.end(), pos) - copy.starts.begin());
    qsizetype added = 12 * n;
    for (qsizetype from = 10; from < n; from *= 10)
        added += n - from;
    return pos + added;
}
