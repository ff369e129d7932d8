// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "spell/SpellDictionary.h"

#include <QStringList>

// The bytes of a word list file holding these words, one record each, in
// the order given.
inline QByteArray dictionaryBytes(const QStringList &words)
{
    QByteArray bytes;
    for (const QString &w : words)
        bytes += SpellDictionary::encodeRecord(w.toLatin1());
    return bytes;
}
