#include "spell/SpellDictionary.h"

#include <QFile>
#include <QFileInfo>

namespace {
quint16 le16(const char *p)
{
    return quint16(quint8(p[0]) | (quint8(p[1]) << 8));
}

// Reads record k (1-based) into buf; returns the number of bytes there were.
qint64 readRecord(QFile &file, qint64 k, char *buf)
{
    if (!file.seek((k - 1) * SpellDictionary::kRecordSize))
        return 0;
    const qint64 got = file.read(buf, SpellDictionary::kRecordSize);
    return got < 0 ? 0 : got;
}
} // namespace

qint64 SpellDictionary::recordCount(qint64 fileLength)
{
    if (fileLength <= 0)
        return 0;
    return (fileLength + kRecordSize / 2) / kRecordSize;
}

QString SpellDictionary::decodeRecord(const char *data, qint64 size)
{
    // A descriptor cut short by the end of the file reads as an empty entry.
    if (size < 4)
        return QString();
    const quint16 tag = le16(data);
    // Anything but a text entry (tag 0 included) holds no word.
    if (tag != kTextTag)
        return QString();
    qint64 n = le16(data + 2);
    // A length beyond the record's room is clamped to what the record holds,
    // and to what the file holds.
    n = qMin<qint64>(n, kMaxWordLength);
    n = qMin<qint64>(n, qMin<qint64>(size, kRecordSize) - 4);
    return QString::fromLatin1(data + 4, n);
}

QByteArray SpellDictionary::encodeRecord(const QByteArray &word)
{
    QByteArray rec(kRecordSize, '\0');
    const int n = int(qMin<qsizetype>(word.size(), kMaxWordLength));
    rec[0] = char(kTextTag);
    rec[2] = char(n & 0xff);
    rec[3] = char((n >> 8) & 0xff);
    for (int i = 0; i < n; ++i)
        rec[4 + i] = word[i];
    return rec;
}

QString SpellDictionary::upperKey(const QString &word)
{
    QString key = word;
    for (QChar &c : key) {
        const char16_t u = c.unicode();
        if (u >= u'a' && u <= u'z')
            c = QChar(char16_t(u - (u'a' - u'A')));
    }
    return key;
}

SpellDictionary::Result SpellDictionary::lookup(const QString &word) const { return search(word, false); }

SpellDictionary::Result SpellDictionary::suggest(const QString &word) const { return search(word, true); }

SpellDictionary::Result SpellDictionary::search(const QString &word, bool withSuggestions) const
{
    Result r;
    QFile file(m_path);
    if (!QFileInfo::exists(m_path)) {
        // A missing dictionary is created empty: every word is then unknown.
        if (file.open(QIODevice::WriteOnly))
            file.close();
        return r;
    }
    // Read only, so an installed dictionary the user may not write still works;
    // unbuffered, so only the records asked for are read.
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return r;
    const qint64 n = recordCount(file.size());
    const QString key = upperKey(word);
    char buf[kRecordSize];

    qint64 low = 1, high = n;
    while (low <= high && !r.found) {
        r.lastProbe = low + (high - low) / 2;
        const qint64 got = readRecord(file, r.lastProbe, buf);
        ++r.recordReads;
        const QString probe = upperKey(decodeRecord(buf, got));
        const int c = probe.compare(key, Qt::CaseSensitive);
        if (c == 0)
            r.found = true;
        else if (c > 0)
            high = r.lastProbe - 1;
        else
            low = r.lastProbe + 1;
    }

    if (withSuggestions && !r.found && r.lastProbe > 0) {
        const qint64 first = qMax<qint64>(1, r.lastProbe - kWindow);
        const qint64 last = qMin<qint64>(n, r.lastProbe + kWindow);
        for (qint64 k = first; k <= last; ++k) {
            const qint64 got = readRecord(file, k, buf);
            r.suggestions << decodeRecord(buf, got);
        }
    }
    file.close();
    return r;
}
