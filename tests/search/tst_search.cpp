#include "DataStore.h"
#include "DvkTest.h"
#include "SearchRunner.h"
#include "Searcher.h"

#include <QSignalSpy>

namespace {

// One record of each kind a search walks; each test looks at the first record.
std::optional<SearchHit> findIn(const DataStore& store, const QString& query)
{
    const SearchSnapshot snapshot(store);
    const std::optional<SearchMatch> match = Searcher::match(snapshot, 0, SearchQuery(query));
    if (!match)
        return std::nullopt;
    return Searcher::describe(snapshot, *match);
}

} // namespace

class TestSearch final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noteText_data()
    {
        addColumns<QString, QString, bool>({"text", "query", "found"});
        QTest::newRow("case") << u"Garden Party"_s << u"gARDEN"_s << true;
        QTest::newRow("ä in the text") << u"Äpfel kaufen"_s << u"apfel"_s << true;
        QTest::newRow("ä in the query") << u"Apfel kaufen"_s << u"äpfel"_s << true;
        QTest::newRow("é both ways") << u"Café au lait"_s << u"CAFE"_s << true;
        QTest::newRow("decomposed text") << u"Cafe\u0301"_s << u"café"_s << true;
        QTest::newRow("inside a word") << u"insurance"_s << u"sura"_s << true;
        QTest::newRow("words in any order") << u"meeting at the bank"_s << u"bank  meet"_s << true;
        QTest::newRow("one word missing") << u"meeting at the bank"_s << u"bank tax"_s << false;
        QTest::newRow("no match") << u"dentist"_s << u"garden"_s << false;
        QTest::newRow("number as text") << u"room 12.5 left"_s << u"12.5"_s << true;
        QTest::newRow("blank query") << u"anything"_s << u"  "_s << false;
        QTest::newRow("across a line break") << u"call\r\nbank"_s << u"call bank"_s << true;
    }
    void noteText()
    {
        const auto [text, query, found] = fetch<QString, QString, bool>({"text", "query", "found"});
        DataStore store;
        store.notes.add()->text = text.toLocal8Bit();
        QCOMPARE(findIn(store, query).has_value(), found);
    }

    void amounts_data()
    {
        addColumns<double, QString, bool>({"amount", "query", "found"});
        QTest::newRow("12.5 finds 12.50") << 12.5 << u"12.5"_s << true;
        QTest::newRow("12.50 finds 12.50") << 12.5 << u"12.50"_s << true;
        QTest::newRow("decimal comma") << 12.5 << u"12,5"_s << true;
        QTest::newRow("whole number") << 40.0 << u"40"_s << true;
        QTest::newRow("12 is not 12.50") << 12.5 << u"12"_s << false;
        QTest::newRow("not a part of 112.50") << 112.5 << u"12.5"_s << false;
        QTest::newRow("negative") << -3.0 << u"-3"_s << true;
        QTest::newRow("with the note") << 12.5 << u"lunch 12.5"_s << true;
        QTest::newRow("with a missing word") << 12.5 << u"dinner 12.5"_s << false;
        QTest::newRow("by category") << 1.0 << u"FOOD"_s << true;
    }
    void amounts()
    {
        const auto [amount, query, found] =
            fetch<double, QString, bool>({"amount", "query", "found"});
        DataStore store;
        PurseCategory* category = store.purseCategories.add();
        category->name = "Food";
        PurseEntry* entry = category->entries.add();
        entry->note = "Lunch";
        entry->amount = amount;
        QCOMPARE(findIn(store, query).has_value(), found);
    }

    // A long text shows the match with some context before it, cut with ellipses; positions
    // count decoded characters, also after letters the fold changes.
    void snippets_data()
    {
        addColumns<QString, QString, QString, int>({"before", "query", "lead", "tail"});
        const QString pairs = u"z"_s + u"😀"_s.repeated(49) + u"z"_s;
        QTest::newRow("ASCII") << QString(100, u'x') << u"café"_s << QString(29, u'x') << 54;
        QTest::newRow("after umlauts")
            << QString(100, u'ä') << u"cafe"_s << QString(29, u'ä') << 54;
        QTest::newRow("after surrogate pairs") << pairs << u"cafe"_s << pairs.right(29) << 54;
        QTest::newRow("from a word's start") << QString(60, u'x') + u" "_s + QString(20, u'w')
                                             << u"cafe"_s << QString(20, u'w') << 63;
    }
    void snippets()
    {
        const auto [before, query, lead, tail] =
            fetch<QString, QString, QString, int>({"before", "query", "lead", "tail"});
        DataStore store;
        store.notes.add()->text = (before + u" Café\r\n"_s + QString(100, u'y')).toLocal8Bit();
        const std::optional<SearchHit> hit = findIn(store, query);
        QVERIFY(hit);
        QCOMPARE(hit->snippet, u"…"_s + lead + u" Café "_s + QString(tail, u'y') + u"…"_s);
    }

    // Many hits arrive in batches, in store order; a newer query drops the older one's results.
    void batchesAndCancellation()
    {
        DataStore store;
        for (int i = 0; i < 5000; ++i)
            store.notes.add()->text = "note " + QByteArray::number(i) + (i % 2 ? " odd" : " even");
        const auto snapshot = std::make_shared<const SearchSnapshot>(store);
        SearchRunner runner;
        std::vector<SearchMatch> matches;
        connect(&runner, &SearchRunner::found, this,
                [&matches](const std::vector<SearchMatch>& batch) {
                    matches.insert(matches.end(), batch.begin(), batch.end());
                });
        QSignalSpy finished(&runner, &SearchRunner::finished);
        runner.start(snapshot, u"even"_s);
        runner.start(snapshot, u"odd"_s);
        QVERIFY(finished.wait());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(matches.size(), size_t(2500));
        for (size_t i = 0; i < matches.size(); ++i)
            QCOMPARE(matches[i].record, qint32(2 * i + 1));
        QVERIFY(!runner.isRunning());
    }
};

DVK_TEST(TestSearch);
#include "tst_search.moc"
