#include "DataStore.h"
#include "DvkTest.h"
#include "FakeClock.h"

class DataStoreTest final : public QObject
{
    Q_OBJECT
private:
    test::FakeClock m_clock{QDateTime(QDate(2024, 2, 29), QTime(23, 59, 59))};

private Q_SLOTS:
    void defaultsUseToday()
    {
        DataStore store(m_clock);
        const MemoRecord* m = store.memos.add();
        QCOMPARE(std::tie(m->dueYear, m->dueMonth, m->dueDay, m->createdYear, m->createdMonth,
                          m->createdDay, m->dueHour, m->dueMinute, m->dueSecond, m->anyTime),
                 std::make_tuple(2024, 2, 29, 2024, 2, 29, 1, 0, 0, 1));
        QCOMPARE(store.purseCategories.add()->entries.add()->dateKey(), 20240229);
        QCOMPARE(store.archiveItems.add()->notes.add()->dateKey(), 20240229);
    }

    void removeByIdentity()
    {
        DataStore store(m_clock);
        NoteRecord* a = store.notes.add();
        NoteRecord* b = store.notes.add();
        NoteRecord* c = store.notes.add();
        DataStore other(m_clock);
        store.notes.remove(other.notes.add());
        QCOMPARE(store.notes.count(), 3);
        store.notes.remove(b);
        QCOMPARE(std::make_tuple(store.notes[0], store.notes[1]), std::make_tuple(a, c));
        QVERIFY(store.notes.count() == 2 && !store.notes.contains(b));
        store.notes.removeAll({a, c});
        QVERIFY(store.notes.isEmpty());
    }

    void total_data()
    {
        addColumns<QList<double>, double>({"amounts", "total"});
        QTest::newRow("none") << QList<double>{} << 0.0;
        QTest::newRow("tenths") << QList<double>{0.1, 0.2, 0.3} << 0.6;
        QTest::newRow("signs") << QList<double>{12.5, -2.5, 1e9} << 1e9 + 10;
    }
    void total()
    {
        const auto [amounts, total] = fetch<QList<double>, double>({"amounts", "total"});
        DataStore store(m_clock);
        PurseCategory* category = store.purseCategories.add();
        for (double a : amounts)
            category->entries.add()->amount = a;
        QVERIFY(qAbs(category->total() - total) < 1e-9);
    }

    void passwordStates()
    {
        DataStore store(m_clock);
        store.setPassword("");
        QVERIFY(!store.hasPassword());
        store.setPassword(" secret");
        QVERIFY(store.hasPassword());
        QVERIFY(store.checkPassword(" secret"));
        QVERIFY(!store.checkPassword("secret") && !store.checkPassword(""));
        QCOMPARE(store.passwordBlock[32], quint8(0));
        // MD5 of " secret", lowercase hex
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(store.passwordBlock.data()), 32),
                 QByteArray("cef748b9c74b854a49ba638b838da817"));
        QVERIFY(std::all_of(store.passwordBlock.begin() + 33, store.passwordBlock.end(),
                            [](quint8 b) { return b == 0; }));
        store.setPassword({});
        QVERIFY(!store.hasPassword());
    }

    void countsText()
    {
        DataStore store(m_clock);
        QCOMPARE(store.countsText(), QByteArray("0-0-0-0"));
        store.archiveItems.add();
        for (int i = 0; i < 12; ++i)
            store.memos.add();
        store.notes.add();
        QCOMPARE(store.countsText(), QByteArray("1-0-12-1"));
    }
};

DVK_TEST(DataStoreTest);
#include "tst_datastore.moc"
