// SPDX-License-Identifier: GPL-3.0-or-later
#include "spell/SpellDictionary.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <cstring>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
quint16 le16(const char *p)
{
    return quint16(quint8(p[0]) | (quint8(p[1]) << 8));
}

// The dictionary file for the length of one call: opened read-only (an
// installed dictionary need not be writable), each record read with one
// positioned read, closed when the call ends.
class RecordFile {
public:
    enum class Opened { Yes, Missing, Failed };

    explicit RecordFile(const QString &path) : m_path(path) {}
    ~RecordFile() { close(); }

    Opened open()
    {
#ifdef Q_OS_UNIX
        m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_CLOEXEC);
        if (m_fd < 0)
            return errno == ENOENT ? Opened::Missing : Opened::Failed;
        struct stat st;
        if (::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
            close();
            return Opened::Failed;
        }
        m_size = st.st_size;
        return Opened::Yes;
#else
        if (!QFileInfo::exists(m_path))
            return Opened::Missing;
        m_file.setFileName(m_path);
        if (!m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            return Opened::Failed;
        m_size = m_file.size();
        return Opened::Yes;
#endif
    }

    qint64 size() const { return m_size; }
    QString path() const { return m_path; }

    // Reads record k (1-based) into buf; returns the number of bytes there were.
    qint64 read(qint64 k, char *buf) { return readRecords(k, 1, buf); }

    // Reads `count` records from record `first` on into buf; returns the
    // number of bytes there were.
    qint64 readRecords(qint64 first, qint64 count, char *buf)
    {
        const qint64 offset = (first - 1) * SpellDictionary::kRecordSize;
        const qint64 want = count * SpellDictionary::kRecordSize;
#ifdef Q_OS_UNIX
        qint64 got = 0;
        while (got < want) {
            const ssize_t n = ::pread(m_fd, buf + got, size_t(want - got), off_t(offset + got));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += n;
        }
        return got;
#else
        if (!m_file.seek(offset))
            return 0;
        const qint64 got = m_file.read(buf, want);
        return got < 0 ? 0 : got;
#endif
    }

    void close()
    {
#ifdef Q_OS_UNIX
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
#else
        m_file.close();
#endif
    }

private:
    QString m_path;
    qint64 m_size = 0;
#ifdef Q_OS_UNIX
    int m_fd = -1;
#else
    QFile m_file;
#endif
};

// Length of the word a record holds, within the bytes that are there: 0 for
// an incomplete descriptor or a record that is no text entry (tag 0 included);
// a length field beyond the record's room is clamped to what the record, and
// the file, hold.
qint64 wordLength(const char *data, qint64 size)
{
    if (size < 4 || le16(data) != SpellDictionary::kTextTag)
        return 0;
    qint64 n = le16(data + 2);
    n = qMin<qint64>(n, SpellDictionary::kMaxWordLength);
    return qMin<qint64>(n, qMin<qint64>(size, SpellDictionary::kRecordSize) - 4);
}

// Compares a record's word, upper-cased, with the key by character code,
// without building a string for it.
int compareRecord(const char *data, qint64 size, const QString &key)
{
    const qint64 n = wordLength(data, size);
    const qint64 m = key.size();
    for (qint64 i = 0; i < n && i < m; ++i) {
        char16_t a = quint8(data[4 + i]);
        if (a >= u'a' && a <= u'z')
            a = char16_t(a - (u'a' - u'A'));
        const char16_t b = key[i].unicode();
        if (a != b)
            return a < b ? -1 : 1;
    }
    return n < m ? -1 : (n > m ? 1 : 0);
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
    return QString::fromLatin1(data + 4, wordLength(data, size));
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

namespace {
// Opens the dictionary for a search; a missing one is created empty (every
// word is then unknown). Returns false when there are no records to read.
bool openDictionary(RecordFile &file, const QString &path)
{
    switch (file.open()) {
    case RecordFile::Opened::Yes:
        return true;
    case RecordFile::Opened::Missing: {
        QFile create(path);
        if (create.open(QIODevice::WriteOnly))
            create.close();
        return false;
    }
    case RecordFile::Opened::Failed:
        break; // unreadable, or not a file: no words
    }
    return false;
}

// The stretch of records a search has narrowed to, read with one read of the
// file once it fits in a few kilobytes.
class NarrowedRange {
public:
    static constexpr qint64 kMaxRecords = 4096 / SpellDictionary::kRecordSize;

    // Puts record k into buf and returns its bytes, reading records
    // low..high first when they are few enough; -1 when they are not.
    qint64 read(RecordFile &file, SpellDictionary::Result &r, qint64 k, qint64 low, qint64 high, char *buf)
    {
        if (k < m_first || k >= m_first + m_count) {
            if (high - low + 1 > kMaxRecords)
                return -1;
            m_first = low;
            m_count = high - low + 1;
            m_got = file.readRecords(low, m_count, m_bytes);
            ++r.fileReads;
        }
        const qint64 at = (k - m_first) * SpellDictionary::kRecordSize;
        const qint64 got = qBound<qint64>(0, m_got - at, qint64(SpellDictionary::kRecordSize));
        memcpy(buf, m_bytes + at, size_t(got));
        return got;
    }

private:
    char m_bytes[kMaxRecords * SpellDictionary::kRecordSize];
    qint64 m_first = 0, m_count = 0, m_got = 0;
};

// The binary search over records 1..n; read(k, low, high, buf) gives record
// k, the search standing at records low..high.
template <typename Read>
void binarySearch(SpellDictionary::Result &r, qint64 n, const QString &word, Read read)
{
    const QString key = SpellDictionary::upperKey(word);
    char buf[SpellDictionary::kRecordSize];
    qint64 low = 1, high = n;
    while (low <= high && !r.found) {
        r.lastProbe = low + (high - low) / 2;
        const qint64 got = read(r.lastProbe, low, high, buf);
        ++r.recordReads;
        const int c = compareRecord(buf, got, key);
        if (c == 0)
            r.found = true;
        else if (c > 0)
            high = r.lastProbe - 1;
        else
            low = r.lastProbe + 1;
    }
}
} // namespace

SpellDictionary::Result SpellDictionary::search(const QString &word, bool withSuggestions) const
{
    Result r;
    RecordFile file(m_path);
    if (!openDictionary(file, m_path))
        return r;
    const qint64 n = recordCount(file.size());
    NarrowedRange narrowed;
    binarySearch(r, n, word, [&](qint64 k, qint64 low, qint64 high, char *buf) {
        const qint64 got = narrowed.read(file, r, k, low, high, buf);
        if (got >= 0)
            return got;
        ++r.fileReads;
        return file.read(k, buf);
    });

    if (withSuggestions && !r.found && r.lastProbe > 0) {
        char buf[kRecordSize];
        const qint64 first = qMax<qint64>(1, r.lastProbe - kWindow);
        const qint64 last = qMin<qint64>(n, r.lastProbe + kWindow);
        for (qint64 k = first; k <= last; ++k) {
            const qint64 got = file.read(k, buf);
            r.suggestions << decodeRecord(buf, got);
        }
    }
    return r;
}

struct SpellDictionary::Session::Impl {
    explicit Impl(const QString &path) : file(path) {}
    RecordFile file;
    bool opened = false;
    bool usable = false;
    qint64 n = 0;
    // Records read so far, by number; bounded so a session never holds much
    // more than the probes all searches share.
    QHash<qint64, QByteArray> records;
};

SpellDictionary::Session::Session(const SpellDictionary &dictionary) : d(new Impl(dictionary.path())) {}

SpellDictionary::Session::~Session() { delete d; }

SpellDictionary::Result SpellDictionary::Session::lookup(const QString &word)
{
    constexpr int kKeptRecords = 4096;
    Result r;
    if (!d->opened) {
        d->opened = true;
        d->usable = openDictionary(d->file, d->file.path());
        if (d->usable)
            d->n = recordCount(d->file.size());
    }
    if (!d->usable)
        return r;
    NarrowedRange narrowed;
    binarySearch(r, d->n, word, [&](qint64 k, qint64 low, qint64 high, char *buf) -> qint64 {
        const auto it = d->records.constFind(k);
        if (it != d->records.constEnd()) {
            memcpy(buf, it->constData(), size_t(it->size()));
            return it->size();
        }
        const qint64 near = narrowed.read(d->file, r, k, low, high, buf);
        if (near >= 0)
            return near;
        ++r.fileReads;
        const qint64 got = d->file.read(k, buf);
        if (d->records.size() < kKeptRecords)
            d->records.insert(k, QByteArray(buf, int(got)));
        return got;
    });
    return r;
}
