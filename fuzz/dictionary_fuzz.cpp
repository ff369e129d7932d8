// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary reader over any file: the input becomes spell.dat, a few
// words are looked up and suggested, and every record is decoded.
#include "FuzzCheck.h"
#include "spell/SpellDictionary.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>

namespace {

QString dictionaryPath()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/tagsmith-fuzz-XXXXXX"));
    return dir.path() + QStringLiteral("/spell.dat");
}

void checkWord(const QString &word)
{
    FUZZ_CHECK(word.size() <= SpellDictionary::kMaxWordLength);
    for (const QChar c : word)
        FUZZ_CHECK(c.unicode() <= 0xff); // one byte per character
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *bytes = reinterpret_cast<const char *>(data);
    const qint64 length = qint64(size);

    // Records straight from memory, the last one possibly cut short.
    for (qint64 at = 0; at < length; at += SpellDictionary::kRecordSize)
        checkWord(SpellDictionary::decodeRecord(bytes + at, length - at));
    checkWord(SpellDictionary::decodeRecord(bytes, length));

    // Whatever word the builder writes reads back as that word (up to 18 bytes).
    const QByteArray word(bytes, qsizetype(qMin<size_t>(size, 30)));
    const QByteArray record = SpellDictionary::encodeRecord(word);
    FUZZ_CHECK(record.size() == SpellDictionary::kRecordSize);
    FUZZ_CHECK(SpellDictionary::decodeRecord(record.constData(), record.size())
               == QString::fromLatin1(word.left(SpellDictionary::kMaxWordLength)));

    // The same bytes as the dictionary file.
    const QString path = dictionaryPath();
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes, length) == length);
    file.close();

    const SpellDictionary dict(path);
    const qint64 records = SpellDictionary::recordCount(length);
    int bound = 1;
    for (qint64 n = records; n > 0; n /= 2)
        ++bound;
    const QStringList words = {QStringLiteral("the"), QStringLiteral("A"), QString(), QStringLiteral("zzzzzz"),
                               QString::fromLatin1(word.left(8)), QStringLiteral("\u00e9t\u00e9")};
    for (const QString &w : words) {
        const SpellDictionary::Result found = dict.lookup(w);
        FUZZ_CHECK(found.suggestions.isEmpty());
        FUZZ_CHECK(found.lastProbe >= 0 && found.lastProbe <= records);
        FUZZ_CHECK(found.recordReads <= bound);
        FUZZ_CHECK(found.fileReads <= found.recordReads);
        const SpellDictionary::Result suggested = dict.suggest(w);
        FUZZ_CHECK(suggested.found == found.found);
        FUZZ_CHECK(suggested.suggestions.size() <= 2 * SpellDictionary::kWindow + 1);
        FUZZ_CHECK(!suggested.found || suggested.suggestions.isEmpty());
        for (const QString &s : suggested.suggestions)
            checkWord(s);
    }
    return 0;
}
