#include "ArchiveFilter.h"
#include "ArchiveSuggestions.h"
#include "DvkTest.h"
#include "FakeClock.h"
#include "ItemNoteRows.h"
#include "RecordBuilders.h"
#include "SortedComboBox.h"

#include <QScopeGuard>

namespace dvk {
namespace {

QStringList names(const std::vector<ArchiveItem*>& items)
{
    QStringList texts;
    for (const ArchiveItem* item : items)
        texts << QString::fromLocal8Bit(item->name);
    return texts;
}

} // namespace

class TestArchiveFilter final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matches_data()
    {
        addColumns<QString, QByteArray, bool>({"filter", "category", "match"});

        QTest::newRow("bank in Bank") << u"bank"_s << QByteArray("Bank") << true;
        QTest::newRow("bank in Online banking")
            << u"bank"_s << QByteArray("Online banking") << true;
        QTest::newRow("bank not in Savings") << u"bank"_s << QByteArray("Savings") << false;
        QTest::newRow("capital filter") << u"BANK"_s << QByteArray("online banking") << true;
        QTest::newRow("beyond ASCII") << u"ärzte"_s << QByteArray("Meine ÄRZTE") << true;
        QTest::newRow("empty filter") << QString() << QByteArray("Savings") << true;
        QTest::newRow("empty filter, empty category") << QString() << QByteArray() << true;
        QTest::newRow("unchosen, empty category")
            << ArchiveFilter::Unchosen << QByteArray() << false;
        QTest::newRow("unchosen") << ArchiveFilter::Unchosen << QByteArray("Bank") << false;
    }

    void matches()
    {
        const auto [filter, category, match] =
            fetch<QString, QByteArray, bool>({"filter", "category", "match"});
        QCOMPARE(ArchiveFilter(filter).matches(category), match);

        // The bulk selection, which tests each category once, agrees.
        test::FakeClock clock;
        DataStore store(clock);
        test::addItem(store, category.constData(), "first");
        test::addItem(store, "Unrelated", "other");
        test::addItem(store, category.constData(), "second");
        const QStringList selected = names(ArchiveFilter(filter).select(store.archiveItems));
        QCOMPARE(selected.contains(u"first"_s), match);
        QCOMPARE(selected.contains(u"second"_s), match);
    }

    void sortedSelection_data()
    {
        addColumns<QLocale, QStringList, QStringList>({"locale", "stored", "sorted"});

        const QLocale english(QLocale::English, QLocale::UnitedStates);
        for (const QLocale& locale : {QLocale::c(), english}) {
            const QByteArray name = locale.name().toUtf8();
            QTest::newRow(name + " case ignored")
                << locale << QStringList{u"beta"_s, u"Gamma"_s, u"alpha"_s}
                << QStringList{u"alpha"_s, u"beta"_s, u"Gamma"_s};
            // Names equal but for case keep the store order.
            QTest::newRow(name + " equal names")
                << locale << QStringList{u"bank"_s, u"Bank"_s, u"BANK"_s, u"Atm"_s}
                << QStringList{u"Atm"_s, u"bank"_s, u"Bank"_s, u"BANK"_s};
        }
        QTest::newRow("accents sort with their letter")
            << english << QStringList{u"zebra"_s, u"éclair"_s, u"apple"_s}
            << QStringList{u"apple"_s, u"éclair"_s, u"zebra"_s};
    }

    void sortedSelection()
    {
        const auto [locale, stored] = fetch<QLocale, QStringList>({"locale", "stored"});
        QLocale::setDefault(locale);
        const auto restore = qScopeGuard([] { QLocale::setDefault(QLocale::system()); });
        test::FakeClock clock;
        DataStore store(clock);
        for (const QString& name : stored)
            test::addItem(store, "Bank", name.toLocal8Bit().constData());
        std::vector<ArchiveItem*> rows = ArchiveFilter(u"bank"_s).select(store.archiveItems);
        ArchiveFilter::sortByName(rows);
        QTEST(names(rows), "sorted");
    }

    void suggestions()
    {
        test::FakeClock clock;
        DataStore store(clock);
        test::addItem(store, "Bank", "Giro", {{"IBAN", "DE00"}, {"Web", "https://bank.example"}});
        test::addItem(store, "bank", "Other case", {{"Branch", "Main street"}});
        test::addItem(store, "Bank accounts", "Longer", {{"Login", "me"}});
        test::addItem(store, "Bank", "Savings", {{"Web", "https://b"}, {"PIN", "1234"}});
        test::addItem(store, "", "No category");

        QCOMPARE(ArchiveSuggestions::categories(store.archiveItems),
                 (QStringList{u"Bank"_s, u"bank"_s, u"Bank accounts"_s, QString()}));
        // Only the items of exactly the same category, case included, suggest names.
        QCOMPARE(ArchiveSuggestions::fieldNames(store.archiveItems, "Bank"),
                 (QStringList{u"IBAN"_s, u"Web"_s, u"PIN"_s}));
        QCOMPARE(ArchiveSuggestions::fieldNames(store.archiveItems, "bank"),
                 (QStringList{u"Branch"_s}));
        QVERIFY(ArchiveSuggestions::fieldNames(store.archiveItems, "Travel").isEmpty());

        // A new entry of the drop-down box goes after those that compare equal to it.
        SortedComboBox box(80);
        box.setTexts({u"bank"_s, u"a"_s, u"c"_s});
        QCOMPARE(box.addSorted(u"BANK"_s), 2);
        QCOMPARE(box.texts(), (QStringList{u"a"_s, u"bank"_s, u"BANK"_s, u"c"_s}));
    }

    void summary_data()
    {
        addColumns<QByteArray, QString>({"text", "summary"});

        QTest::newRow("leading blank lines and tab")
            << QByteArray("\r\n\r\n\t  First line\r\nsecond\tpart") << u"First line  second part"_s;
        QTest::newRow("blanks only") << QByteArray(" \t\r\n ") << QString();
        QTest::newRow("long") << QByteArray(300, 'x') << QString(254, u'x');
        QTest::newRow("long after many blank lines")
            << QByteArray(5000, '\n') + QByteArray(300, 'y') << QString(254, u'y');
        // 253 letters and a character outside the basic plane: the pair is not split.
        QTest::newRow("surrogate pair at the cut")
            << QByteArray(253, 'a') + QString(u"😀"_s).toUtf8() << QString(253, u'a');
    }

    void summary()
    {
        QFETCH(QByteArray, text);
        QTEST(ItemNoteRows::summary(text), "summary");
    }

    void dateOrder()
    {
        test::FakeClock clock;
        ArchiveItem item(clock);
        test::addNote(item, 2023, 5, 1, "middle");
        test::addNote(item, 2024, 1, 31, "newest");
        test::addNote(item, 2023, 5, 1, "middle too");
        test::addNote(item, 2022, 12, 31, "oldest");
        std::vector<NoteRecord*> notes;
        for (NoteRecord* note : item.notes)
            notes.push_back(note);
        QCOMPARE(ItemNoteRows::dateOrder(notes, false), (std::vector<int>{1, 0, 2, 3}));
        QCOMPARE(ItemNoteRows::dateOrder(notes, true), (std::vector<int>{3, 0, 2, 1}));
    }
};

DVK_TEST(TestArchiveFilter);

} // namespace dvk

#include "tst_archivefilter.moc"
