// SPDX-License-Identifier: GPL-3.0-or-later
// The custom tool table as plain data: gaps, adding, removing, storing.
#include "core/AppState.h"
#include "core/SettingsKeys.h"
#include "options/ToolTable.h"
#include "support/FakePlatform.h"

#include <QtTest>

namespace {
// A table holding the given captions in slots 1.., each with program "/t/<caption>".
AppState tableOf(const QStringList &captions)
{
    AppState s;
    int slot = 1;
    for (const QString &c : captions) {
        s.ToolCaptions[slot] = c;
        s.ToolFilenames[slot] = QStringLiteral("/t/") + c;
        ++slot;
    }
    return s;
}
QStringList programs(const AppState &s)
{
    QStringList p;
    for (int slot = 1; slot <= kToolSlots; ++slot)
        p << s.ToolFilenames[slot];
    return p;
}
} // namespace

class ToolTableTest : public QObject {
    Q_OBJECT
private slots:
    void addFillsFirstFreeSlotUpToNine()
    {
        AppState s;
        QCOMPARE(ToolTable::firstFreeSlot(s), 1);
        QVERIFY(ToolTable::add(s, QStringLiteral("Notes"), QStringLiteral("/t/notes")));
        QCOMPARE(s.ToolCaptions[1], QStringLiteral("Notes"));
        QCOMPARE(s.ToolFilenames[1], QStringLiteral("/t/notes"));
        for (int i = 2; i <= kToolSlots; ++i)
            QVERIFY(ToolTable::add(s, QStringLiteral("T%1").arg(i), QStringLiteral("/t/%1").arg(i)));
        QCOMPARE(ToolTable::count(s), 9);
        QCOMPARE(ToolTable::firstFreeSlot(s), 0);
        // The tenth is refused and nothing changes.
        const AppState before = s;
        QVERIFY(!ToolTable::add(s, QStringLiteral("Ten"), QStringLiteral("/t/ten")));
        QCOMPARE(ToolTable::captions(s), ToolTable::captions(before));
        QCOMPARE(programs(s), programs(before));
        // An empty caption would make a free slot look taken: refused.
        AppState e;
        QVERIFY(!ToolTable::add(e, QString(), QStringLiteral("/t/x")));
        QCOMPARE(e.ToolFilenames[1], QString());
    }

    void removeShiftsCaptionAndProgramTogether()
    {
        AppState s = tableOf({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        ToolTable::remove(s, 2);
        QCOMPARE(ToolTable::captions(s), (QStringList{QStringLiteral("A"), QStringLiteral("C")}));
        QCOMPARE(s.ToolFilenames[1], QStringLiteral("/t/A"));
        QCOMPARE(s.ToolFilenames[2], QStringLiteral("/t/C"));
        QCOMPARE(s.ToolCaptions[3], QString());
        QCOMPARE(s.ToolFilenames[3], QString());

        // All nine: removing the first leaves eight in slots 1..8.
        QStringList nine;
        for (int i = 1; i <= 9; ++i)
            nine << QStringLiteral("T%1").arg(i);
        AppState full = tableOf(nine);
        ToolTable::remove(full, 1);
        QCOMPARE(ToolTable::captions(full), nine.mid(1));
        QCOMPARE(full.ToolFilenames[8], QStringLiteral("/t/T9"));
        QCOMPARE(full.ToolCaptions[9], QString());
        QCOMPARE(full.ToolFilenames[9], QString());

        // Slots outside 1..9 change nothing.
        AppState same = tableOf({QStringLiteral("A")});
        ToolTable::remove(same, 0);
        ToolTable::remove(same, 10);
        QCOMPARE(ToolTable::captions(same), QStringList{QStringLiteral("A")});
    }

    void closeGapsKeepsOrder()
    {
        AppState s;
        s.ToolCaptions[2] = QStringLiteral("B");
        s.ToolFilenames[2] = QStringLiteral("/t/B");
        s.ToolCaptions[5] = QStringLiteral("E");
        s.ToolFilenames[5] = QStringLiteral("/t/E");
        s.ToolFilenames[7] = QStringLiteral("/t/orphan"); // a path without caption is a free slot
        ToolTable::closeGaps(s);
        QCOMPARE(s.ToolCaptions[1], QStringLiteral("B"));
        QCOMPARE(s.ToolFilenames[1], QStringLiteral("/t/B"));
        QCOMPARE(s.ToolCaptions[2], QStringLiteral("E"));
        QCOMPARE(s.ToolFilenames[2], QStringLiteral("/t/E"));
        for (int slot = 3; slot <= kToolSlots; ++slot) {
            QCOMPARE(s.ToolCaptions[slot], QString());
            QCOMPARE(s.ToolFilenames[slot], QString());
        }
        QCOMPARE(ToolTable::firstFreeSlot(s), 3);
    }

    void listRowsMapToOccupiedSlots()
    {
        AppState s = tableOf({QStringLiteral("A"), QStringLiteral("B")});
        QCOMPARE(ToolTable::slotForRow(s, 0), 1);
        QCOMPARE(ToolTable::slotForRow(s, 1), 2);
        QCOMPARE(ToolTable::slotForRow(s, 2), 0);
        QCOMPARE(ToolTable::slotForRow(s, -1), 0);
        // A gap left by a hand-edited store: row 0 is still the first tool shown.
        AppState gap;
        gap.ToolCaptions[3] = QStringLiteral("C");
        QCOMPARE(ToolTable::captions(gap), QStringList{QStringLiteral("C")});
        QCOMPARE(ToolTable::slotForRow(gap, 0), 3);
    }

    void storeWritesAllEighteenKeys()
    {
        MemorySettingsStore store;
        AppState s = tableOf({QStringLiteral("A"), QStringLiteral("B")});
        ToolTable::store(s, store);
        QCOMPARE(store.writes, 18);
        for (int n = 1; n <= kToolSlots; ++n) {
            QVERIFY(store.contains(QStringLiteral("Tools"), QStringLiteral("ToolCaption %1").arg(n)));
            QVERIFY(store.contains(QStringLiteral("Tools"), QStringLiteral("ToolFilename %1").arg(n)));
            QVERIFY(!store.contains(QStringLiteral("Tools"), QStringLiteral("ToolCaption%1").arg(n)));
        }
        QCOMPARE(store.read(QStringLiteral("Tools"), QStringLiteral("ToolFilename 2"), QStringLiteral("?")),
                 QStringLiteral("/t/B"));
        QCOMPARE(store.read(QStringLiteral("Tools"), QStringLiteral("ToolCaption 3"), QStringLiteral("?")), QString());

        AppState back;
        back.ToolCaptions[9] = QStringLiteral("stale");
        ToolTable::load(back, store);
        QCOMPARE(ToolTable::captions(back), ToolTable::captions(s));
        QCOMPARE(programs(back), programs(s));
        // Absent keys load as empty.
        AppState none;
        none.ToolCaptions[1] = QStringLiteral("stale");
        ToolTable::load(none, MemorySettingsStore());
        QCOMPARE(ToolTable::count(none), 0);
    }
};

QTEST_MAIN(ToolTableTest)
#include "tooltable_test.moc"
