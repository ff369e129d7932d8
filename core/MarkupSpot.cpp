// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/MarkupSpot.h"

#include "core/TagNames.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
using namespace TagNames;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }

bool startsWith(View text, size_t at, View what)
{
    return text.size() - at >= what.size() && sameName(text.substr(at, what.size()), what);
}

// Whether text[at..] opens ("<script") or closes ("</script") a script or
// style element.
bool rawTextTag(View text, size_t lt, bool &closing)
{
    size_t i = lt + 1;
    closing = i < text.size() && text[i] == '/';
    if (closing)
        ++i;
    for (View name : {View("script"), View("style")}) {
        if (startsWith(text, i, name)) {
            const size_t after = i + name.size();
            return after == text.size() || !isNameChar(text[after]);
        }
    }
    return false;
}

// Whether the tag that starts at lt ends before `end`.
bool tagEnds(View text, size_t lt, size_t end) { return tagEnd(text, lt + 1, end) != View::npos; }

// Reads the tag that starts at lt up to `end` (the position asked about).
MarkupSpot inTag(View text, size_t lt, size_t end)
{
    MarkupSpot spot;
    spot.tagStart = qsizetype(lt);
    size_t i = lt + 1;
    if (text[i] == '!' || text[i] == '?') {
        spot.kind = MarkupSpot::Declaration;
        return spot;
    }
    const bool endTag = text[i] == '/';
    if (endTag)
        ++i;
    const size_t nameStart = i;
    while (i < end && isNameChar(text[i]))
        ++i;
    spot.element = QByteArray(text.data() + nameStart, qsizetype(i - nameStart));
    spot.wordStart = qsizetype(nameStart);
    if (i == end) {
        spot.kind = endTag ? MarkupSpot::EndTagName : MarkupSpot::StartTagName;
        return spot;
    }
    spot.kind = MarkupSpot::AttributeName;
    spot.wordStart = qsizetype(end);
    if (endTag)
        return spot;
    while (i < end) {
        while (i < end && (isSpace(text[i]) || text[i] == '/'))
            ++i;
        if (i == end)
            return spot; // where a new attribute starts
        const size_t attrStart = i;
        while (i < end && !isSpace(text[i]) && text[i] != '=' && text[i] != '/')
            ++i;
        if (i == end) {
            spot.wordStart = qsizetype(attrStart);
            return spot;
        }
        const View attribute = text.substr(attrStart, i - attrStart);
        size_t j = i;
        while (j < end && isSpace(text[j]))
            ++j;
        if (j == end || text[j] != '=')
            continue; // an attribute without a value
        i = j + 1;
        while (i < end && isSpace(text[i]))
            ++i;
        spot.attribute = QByteArray(attribute.data(), qsizetype(attribute.size()));
        if (i < end && (text[i] == '"' || text[i] == '\'')) {
            const char quote = text[i];
            const size_t close = text.find(quote, i + 1);
            if (close == View::npos || close >= end) {
                spot.kind = MarkupSpot::AttributeValue;
                spot.quote = quote;
                spot.wordStart = qsizetype(i + 1);
                return spot;
            }
            i = close + 1;
        } else {
            const size_t valueStart = i;
            while (i < end && !isSpace(text[i]))
                ++i;
            if (i == end) {
                spot.kind = MarkupSpot::AttributeValue;
                spot.wordStart = qsizetype(valueStart);
                return spot;
            }
        }
        spot.attribute.clear();
    }
    spot.wordStart = qsizetype(end);
    return spot;
}
// Whether the character after a "<" makes it a tag, comment or declaration.
bool startsTag(char next) { return isLetter(next) || next == '/' || next == '!' || next == '?'; }

// Calls visit(lt), nearest first, for each "<" in text[from..] that may start
// a comment or a script or style tag ("<!", "<s", "</s", in any case), until
// visit returns true. Pages are mostly tags: looking at 16 bytes at a time,
// and only at those "<"s, keeps a walk back over a megabyte short.
template <typename Visit>
void candidatesBack(View text, size_t from, Visit visit)
{
    const char *p = text.data();
    auto candidate = [&](size_t i) {
        if (p[i] != '<' || i + 1 >= text.size())
            return false;
        const char n = p[i + 1];
        return n == '!' || (n | 0x20) == 's' || (n == '/' && i + 2 < text.size() && (p[i + 2] | 0x20) == 's');
    };
    size_t i = text.size();
    // The last bytes one by one, so that every block below can read the two
    // bytes after it.
    const size_t tail = text.size() >= from + 18 ? text.size() - 18 : from;
    for (; i > tail;)
        if (candidate(--i) && visit(i))
            return;
#if defined(__SSE2__)
    const __m128i lt = _mm_set1_epi8('<'), bang = _mm_set1_epi8('!'), slash = _mm_set1_epi8('/');
    const __m128i s = _mm_set1_epi8('s'), lowerBit = _mm_set1_epi8(0x20);
    while (i >= from + 16) {
        const size_t b = i - 16;
        const auto load = [p, b](size_t k) { return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + b + k)); };
        const __m128i c0 = load(0), c1 = load(1), c2 = load(2);
        const __m128i next = _mm_or_si128(
            _mm_or_si128(_mm_cmpeq_epi8(c1, bang), _mm_cmpeq_epi8(_mm_or_si128(c1, lowerBit), s)),
            _mm_and_si128(_mm_cmpeq_epi8(c1, slash), _mm_cmpeq_epi8(_mm_or_si128(c2, lowerBit), s)));
        unsigned mask = unsigned(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(c0, lt), next)));
        while (mask) {
            const int k = 31 - __builtin_clz(mask);
            if (visit(b + size_t(k)))
                return;
            mask &= ~(1u << k);
        }
        i = b;
    }
#endif
    while (i > from)
        if (candidate(--i) && visit(i))
            return;
}
} // namespace

MarkupSpot markupSpotAt(QByteArrayView bytes, qsizetype pos, qsizetype reach)
{
    MarkupSpot spot;
    if (pos <= 0 || pos > bytes.size())
        return spot;
    const View text(bytes.data(), size_t(pos));
    const size_t from = size_t(qMax<qsizetype>(0, pos - reach));
    // The nearest tag, usually a few bytes back.
    size_t tagLt = View::npos;
    for (size_t end = text.size(); end > from && tagLt == View::npos;) {
        const void *hit = memrchr(text.data() + from, '<', end - from);
        if (!hit)
            break;
        end = size_t(static_cast<const char *>(hit) - text.data());
        if (end + 1 < text.size() && startsTag(text[end + 1]))
            tagLt = end;
    }
    // The nearest comment start and the nearest script or style tag, which
    // may be far back.
    size_t commentLt = View::npos, rawLt = View::npos;
    bool rawClosing = false;
    candidatesBack(text, from, [&](size_t lt) {
        if (commentLt == View::npos && text.compare(lt, 4, "<!--") == 0)
            commentLt = lt;
        bool closing = false;
        if (rawLt == View::npos && rawTextTag(text, lt, closing)) {
            rawLt = lt;
            rawClosing = closing;
        }
        return commentLt != View::npos && rawLt != View::npos;
    });
    if (commentLt != View::npos && text.find("-->", commentLt + 4) == View::npos) {
        spot.kind = MarkupSpot::Comment;
        spot.tagStart = qsizetype(commentLt);
        return spot;
    }
    if (rawLt != View::npos && !rawClosing && tagEnds(text, rawLt, text.size())) {
        // After a script or style start tag, and before its end tag.
        spot.kind = MarkupSpot::RawText;
        spot.tagStart = qsizetype(rawLt);
        return spot;
    }
    if (tagLt == View::npos || tagEnds(text, tagLt, text.size()))
        return spot;
    return inTag(text, tagLt, text.size());
}

QByteArray endTagFor(QByteArrayView bytes, qsizetype gt)
{
    if (gt <= 0 || gt >= bytes.size() || bytes[gt] != '>' || bytes[gt - 1] == '/')
        return {};
    const MarkupSpot spot = markupSpotAt(bytes, gt);
    if (!spot.endsStartTagHere() || spot.kind == MarkupSpot::Declaration || spot.element.isEmpty()
        || spot.kind == MarkupSpot::EndTagName)
        return {};
    const View name(spot.element.constData(), size_t(spot.element.size()));
    if (isVoid(name))
        return {};
    // An end tag of the same name is already on the rest of the line.
    const QByteArray tag = "</" + spot.element + '>';
    const View text(bytes.data(), size_t(bytes.size()));
    size_t lineEnd = text.find_first_of("\r\n", size_t(gt) + 1);
    if (lineEnd == View::npos)
        lineEnd = text.size();
    const View rest = text.substr(size_t(gt) + 1, lineEnd - size_t(gt) - 1);
    for (size_t at = rest.find("</"); at != View::npos; at = rest.find("</", at + 2))
        if (startsWith(rest, at, View(tag.constData(), size_t(tag.size()))))
            return {};
    return tag;
}
