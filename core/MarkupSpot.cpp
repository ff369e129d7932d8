#include "core/MarkupSpot.h"

#include "core/TagNames.h"

#include <cstring>

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

// The ">" ending the tag that starts at lt, before `end`, outside quotes.
bool tagEnds(View text, size_t lt, size_t end)
{
    char quote = 0;
    for (size_t i = lt + 1; i < end; ++i) {
        const char c = text[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return true;
        }
    }
    return false;
}

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
} // namespace

MarkupSpot markupSpotAt(QByteArrayView bytes, qsizetype pos, qsizetype reach)
{
    MarkupSpot spot;
    if (pos <= 0 || pos > bytes.size())
        return spot;
    const View text(bytes.data(), size_t(pos));
    const size_t from = size_t(qMax<qsizetype>(0, pos - reach));
    // One walk back over the "<"s finds the nearest tag, the nearest comment
    // start and the nearest script or style tag, whichever come first.
    size_t tagLt = View::npos, commentLt = View::npos, rawLt = View::npos;
    bool rawClosing = false;
    for (size_t end = text.size(); end > from;) {
        const void *hit = memrchr(text.data() + from, '<', end - from);
        if (!hit)
            break;
        const size_t lt = size_t(static_cast<const char *>(hit) - text.data());
        end = lt;
        if (lt + 1 >= text.size()) {
            continue; // a "<" just before the position starts nothing yet
        }
        const char next = text[lt + 1];
        const bool tagLike = isLetter(next) || next == '/' || next == '!' || next == '?';
        if (!tagLike)
            continue;
        if (tagLt == View::npos)
            tagLt = lt;
        if (commentLt == View::npos && text.compare(lt, 4, "<!--") == 0)
            commentLt = lt;
        bool closing = false;
        if (rawLt == View::npos && rawTextTag(text, lt, closing)) {
            rawLt = lt;
            rawClosing = closing;
        }
        if (commentLt != View::npos && rawLt != View::npos)
            break;
    }
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
