// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The word list "spell.dat": fixed records of 22 bytes, sorted by the
// upper-case form of their words. Each record is
//   offset 0, 2 bytes: type tag, little-endian (8 = text entry, 0 = empty)
//   offset 2, 2 bytes: word length n, little-endian, 0..18
//   offset 4, n bytes: the word, one byte per character (Latin-1)
//   the rest: filler, ignored.
// Every call opens the file, reads the few records it needs, and closes it
// again; nothing is kept between calls. Probes far apart are read one record
// at a time; once the search has narrowed to a few kilobytes of the file,
// that stretch is read at once and the last probes are found in it.
class SpellDictionary {
public:
    static constexpr int kRecordSize = 22;
    static constexpr int kMaxWordLength = 18;
    static constexpr int kTextTag = 8;
    static constexpr int kWindow = 75; // suggestions reach this far either side

    struct Result {
        bool found = false;
        qint64 lastProbe = 0;   // number of the last record compared, 0 when none was
        int recordReads = 0;    // records compared by the search (not counting suggestions)
        int fileReads = 0;      // reads of the file those records took
        QStringList suggestions; // only filled by suggest(), and only when not found
    };

    explicit SpellDictionary(const QString &path) : m_path(path) {}
    QString path() const { return m_path; }

    // Binary search for the word, without regard to case. The word is used
    // as given (no trimming).
    Result lookup(const QString &word) const;
    // The same search, and when the word is not found the stored words of
    // records lastProbe-75 .. lastProbe+75 that exist, in record order.
    Result suggest(const QString &word) const;

    // Records in a file of this many bytes: length / 22 rounded to the
    // nearest whole number (halves round up).
    static qint64 recordCount(qint64 fileLength);
    // The word of one record from the bytes that are there (a record at the
    // end of a short file may be incomplete). Never reads past `size`.
    static QString decodeRecord(const char *data, qint64 size);
    // The record for a word, as the dictionary builder writes it.
    static QByteArray encodeRecord(const QByteArray &word);
    // The comparison key: a..z mapped onto A..Z, everything else kept.
    static QString upperKey(const QString &word);

    // A series of lookups with the file held open (one Spelling Profiler
    // run), giving the same results as lookup(). Every search starts with
    // the same few probes, so the records read are kept for the session: a
    // page of many thousand words then costs a few reads per word instead of
    // an open, seventeen reads and a close.
    class Session {
    public:
        explicit Session(const SpellDictionary &dictionary);
        ~Session();
        Session(const Session &) = delete;
        Session &operator=(const Session &) = delete;
        Result lookup(const QString &word);

    private:
        struct Impl;
        Impl *d;
    };

private:
    Result search(const QString &word, bool withSuggestions) const;
    QString m_path;
};
