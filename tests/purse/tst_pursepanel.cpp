#include "DvkTest.h"
#include "FakeClock.h"
#include "FakePrompts.h"
#include "PurseCategoryDialog.h"
#include "PurseCategoryList.h"
#include "PurseEntryList.h"
#include "PursePanel.h"
#include "PurseRecordDialog.h"
#include "PurseStatsList.h"
#include "RecordBuilders.h"
#include "ViewRows.h"

#include <QApplication>
#include <QMenu>

namespace {

// Enabled entries of a menu as one letter each (A, E, R for Reverse Order, X for Remove).
QString enabledItems(const QMenu& menu)
{
    QString letters;
    const QList<QAction*> actions = menu.actions();
    for (const QAction* action : actions) {
        if (action->isSeparator() || !action->isEnabled())
            continue;
        letters += action->text() == u"Remove"_s ? u'X' : action->text().at(0);
    }
    return letters;
}

} // namespace

class TestPursePanel final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_store = std::make_unique<RecordList<PurseCategory>>(m_clock);
        addCategory("rent", {500.0, 500.0});
        addCategory("Food", {12.5, 7.5, 30.0});
        addCategory("books", {});
        addCategory("car", {-20.0, 100.0});
        m_panel = std::make_unique<PursePanel>(*m_store, m_clock);
        m_panel->resize(640, 400);
        m_panel->relayout();
    }

    void cleanup()
    {
        m_panel.reset();
        m_store.reset();
    }

    void sorting()
    {
        PurseCategoryList& categories = *m_panel->purseCategoryList();
        QCOMPARE(names(), u"books|car|Food|rent"_s);
        QCOMPARE(test::column(*categories.model(), 1).join(u'|'), u"0.00|80.00|50.00|1000.00"_s);

        test::selectRows(categories, {2});
        QVERIFY(categories.isSettling());
        QTRY_VERIFY(!categories.isSettling());
        PurseEntryList& entries = *m_panel->purseEntryList();
        QCOMPARE(entries.category(), m_store->at(1));
        const auto amounts = [&entries] {
            return test::column(*entries.model(), 2).join(u'|');
        };
        QCOMPARE(amounts(), u"30.00|7.50|12.50"_s);
        entries.reverseOrder();
        QVERIFY(!entries.isOldestFirst());
        QCOMPARE(amounts(), u"12.50|7.50|30.00"_s);
        entries.reverseOrder();
        QCOMPARE(amounts(), u"30.00|7.50|12.50"_s);
    }

    void menus_data()
    {
        // shown: the category whose entries are listed
        addColumns<QList<int>, QList<int>, QString, QString, QString, QString>(
            {"categoryRows", "entryRows", "categoryMenu", "entryMenu", "total", "shown"});

        const QList<int> none;
        QTest::newRow("no category")
            << none << none << u"A"_s << QString() << u"1130.00"_s << QString();
        QTest::newRow("empty category")
            << QList<int>{0} << none << u"AEX"_s << u"A"_s << u"0.00"_s << u"books"_s;
        // Two entries are enough to reverse.
        QTest::newRow("nothing selected")
            << QList<int>{1} << none << u"AEX"_s << u"AR"_s << u"80.00"_s << u"car"_s;
        QTest::newRow("one entry")
            << QList<int>{2} << QList<int>{1} << u"AEX"_s << u"AERX"_s << u"50.00"_s << u"Food"_s;
        // The first row shown, not the first one selected, lists its entries.
        QTest::newRow("two entries") << QList<int>{3, 2} << QList<int>{0, 2} << u"AX"_s << u"ARX"_s
                                     << u"1050.00"_s << u"Food"_s;
    }

    void menus()
    {
        const auto [categoryRows, entryRows, categoryMenu, entryMenu, total, shown] =
            fetch<QList<int>, QList<int>, QString, QString, QString, QString>(
                {"categoryRows", "entryRows", "categoryMenu", "entryMenu", "total", "shown"});

        test::FakePrompts prompts;
        PurseCategoryList& categories = *m_panel->purseCategoryList();
        PurseEntryList& entries = *m_panel->purseEntryList();
        QCOMPARE(m_panel->purseTotalBox()->text(), u"1130.00"_s);
        test::selectRows(categories, categoryRows);
        QTRY_COMPARE(m_panel->purseTotalBox()->text(), total);
        settle();
        const PurseCategory* category = entries.category();
        QCOMPARE(category ? QString::fromLatin1(category->name) : QString(), shown);
        test::selectRows(entries, entryRows);
        QCOMPARE(enabledItems(*categories.makeContextMenu()), categoryMenu);
        QCOMPARE(enabledItems(*entries.makeContextMenu()), entryMenu);

        if (categoryRows.isEmpty()) {
            // Every entry command does nothing without a category.
            bool asked = false;
            entries.setDialogRunner([&asked](QDialog&) { return asked = true; });
            entries.add();
            entries.edit();
            entries.remove();
            entries.reverseOrder();
            QVERIFY(!asked);
            QVERIFY(prompts.messages.isEmpty());
            QVERIFY(entries.isOldestFirst());
        }
    }

    void newEntryStaysSelected_data()
    {
        addColumns<bool, QDate, int>({"reversed", "date", "row"});

        QTest::newRow("earliest, oldest first") << false << QDate(2004, 12, 1) << 0;
        QTest::newRow("earliest, newest first") << true << QDate(2004, 12, 1) << 3;
        QTest::newRow("latest, oldest first") << false << QDate(2006, 1, 1) << 3;
        QTest::newRow("in between") << false << QDate(2005, 1, 9) << 2;
    }

    void newEntryStaysSelected()
    {
        const auto [reversed, date, row] = fetch<bool, QDate, int>({"reversed", "date", "row"});

        PurseCategoryList& categories = *m_panel->purseCategoryList();
        PurseEntryList& entries = *m_panel->purseEntryList();
        test::selectRows(categories, {2});
        settle();
        if (reversed)
            entries.reverseOrder();
        entries.setDialogRunner([&date](QDialog& dialog) {
            auto& record = static_cast<PurseRecordDialog&>(dialog);
            record.setDate(date);
            record.setNoteText(u"  new  "_s);
            record.setAmountText(u"4.5 tea"_s);
            return true;
        });
        entries.add();
        QCOMPARE(entries.selectedRowNumbers(), QList<int>{row});
        const PurseEntry* added = entries.entryModel()->recordAt(row);
        QCOMPARE(added, m_store->at(1)->entries.at(3));
        QCOMPARE(added->note, QByteArray("new"));
        QCOMPARE(added->amount, 4.5);
        QCOMPARE(QDate(added->year, added->month, added->day), date);

        QTRY_VERIFY(!entries.isSettling());
        QCOMPARE(m_panel->purseStatsList()->statistics().text(0, 2), u"54.50"_s);
        QCOMPARE(categories.model()->index(2, 1).data().toString(), u"54.50"_s);
        QTRY_COMPARE(m_panel->purseTotalBox()->text(), u"54.50"_s);
    }

    void editEntry_data()
    {
        addColumns<double, QString, double>({"stored", "typed", "amount"});

        QTest::newRow("unchanged keeps all decimals") << 12.345 << QString() << 12.345;
        QTest::newRow("retyped") << 12.345 << u"12.3"_s << 12.3;
        QTest::newRow("letters") << 12.5 << u"lunch"_s << 0.0;
        QTest::newRow("blanks around the shown text") << 2.999 << u" 3.00 "_s << 2.999;
        QTest::newRow("wider than the amount box") << 1e40 << QString() << 1e40;
    }

    void editEntry()
    {
        const auto [stored, typed] = fetch<double, QString>({"stored", "typed"});

        PurseCategory* category = m_store->at(2);
        const QByteArray note = "lunch " + QByteArray(300, 'n');
        PurseEntry* entry =
            test::addEntry(*category, QDate(2005, 2, 31 - 3), stored, note.constData());
        entry->month = 13; // damaged: the date picker cannot show it
        PurseEntryList& entries = *m_panel->purseEntryList();
        test::selectRows(*m_panel->purseCategoryList(), {0});
        settle();
        entries.selectOnlyRow(0);
        QString shownAmount;
        entries.setDialogRunner([&](QDialog& dialog) {
            auto& record = static_cast<PurseRecordDialog&>(dialog);
            shownAmount = record.amountText();
            if (!typed.isNull())
                record.setAmountText(typed);
            return true;
        });
        entries.edit();
        QCOMPARE(shownAmount, QString::number(stored, 'f', 2));
        QTEST(entry->amount, "amount");
        QCOMPARE(entry->month, 13);
        QCOMPARE(entry->note, note);
    }

    void removeCategories_data()
    {
        addColumns<Prompts::Answer, QList<int>, QString, QString>(
            {"answer", "rows", "left", "total"});

        QTest::newRow("No") << Prompts::Answer::No << QList<int>{1, 2} << u"books|car|Food|rent"_s
                            << u"130.00"_s;
        QTest::newRow("Yes") << Prompts::Answer::Yes << QList<int>{1, 2} << u"books|rent"_s
                             << u"1000.00"_s;
        QTest::newRow("all") << Prompts::Answer::Yes << QList<int>{0, 1, 2, 3} << QString()
                             << u"0.00"_s;
    }

    void removeCategories()
    {
        const auto [answer, rows, left, total] =
            fetch<Prompts::Answer, QList<int>, QString, QString>(
                {"answer", "rows", "left", "total"});

        test::FakePrompts prompts;
        prompts.answers << answer;
        PurseCategoryList& categories = *m_panel->purseCategoryList();
        test::selectRows(categories, rows);
        settle();
        categories.remove();
        QCOMPARE(prompts.messages, QStringList{u"Remove selected Items?"_s});
        QCOMPARE(names(), left);
        QCOMPARE(m_store->count(), left.isEmpty() ? 0 : left.count(u'|') + 1);
        QTRY_COMPARE(m_panel->purseTotalBox()->text(), total);
        QTRY_VERIFY(!categories.isSettling());
        if (left.isEmpty()) {
            QCOMPARE(m_panel->purseEntryList()->model()->rowCount(), 0);
            QVERIFY(m_panel->purseStatsList()->statistics().isBlank());
        }
    }

    void categoryDialog_data()
    {
        // add: adds a category, else renames "books"
        addColumns<bool, bool, QString>({"add", "accepted", "names"});

        QTest::newRow("add") << true << true << u"books|car|Clothes|Food|rent"_s;
        QTest::newRow("rename") << false << true << u"car|Clothes|Food|rent"_s;
        QTest::newRow("rename cancelled") << false << false << u"books|car|Food|rent"_s;
    }

    void categoryDialog()
    {
        const auto [add, accepted] = fetch<bool, bool>({"add", "accepted"});

        PurseCategoryList& categories = *m_panel->purseCategoryList();
        test::selectRows(categories, add ? QList<int>{0, 3} : QList<int>{0});
        settle();
        m_panel->purseTotalBox()->setText(u"typed"_s);
        categories.setDialogRunner([accepted](QDialog& dialog) {
            static_cast<PurseCategoryDialog&>(dialog).setName(u" Clothes  "_s);
            return accepted;
        });
        add ? categories.add() : categories.edit();
        QTEST(names(), "names");
        QCOMPARE(m_store->count(), add ? 5 : 4);
        // The total box shows the selected category's total again, even after Cancel.
        QTRY_COMPARE(m_panel->purseTotalBox()->text(), u"0.00"_s);
        if (add) {
            // A new category is sorted in and selected alone.
            QCOMPARE(m_store->at(4)->name, QByteArray("Clothes"));
            QCOMPARE(categories.selectedRowNumbers(), QList<int>{2});
            QTRY_COMPARE(m_panel->purseEntryList()->category(), m_store->at(4));
        }
    }

    void okRules_data()
    {
        addColumns<QString, QString, bool, bool>({"note", "amount", "recordOk", "categoryOk"});

        QTest::newRow("both") << u"lunch"_s << u"12"_s << true << true;
        QTest::newRow("blank amount") << u"lunch"_s << u" \t"_s << false << true;
        QTest::newRow("blank note") << u"   "_s << u"12"_s << false << false;
        QTest::newRow("letters as amount") << u"x"_s << u"abc"_s << true << true;
        QTest::newRow("longer than anyone may type")
            << QString(300, u'n') << QString(50, u'9') << true << true;
    }

    void okRules()
    {
        const auto [note, amount] = fetch<QString, QString>({"note", "amount"});

        PurseRecordDialog record(m_clock);
        QVERIFY(!record.isOkEnabled());
        QCOMPARE(record.date(), m_clock.today());
        record.setNoteText(note);
        record.setAmountText(amount);
        QTEST(record.isOkEnabled(), "recordOk");
        // Texts the program puts into the fields are never cut to the typing limits.
        QCOMPARE(record.noteText(), note);
        QCOMPARE(record.amountText(), amount);

        PurseCategoryDialog category;
        category.setName(note);
        QTEST(category.isOkEnabled(), "categoryOk");
        QCOMPARE(category.name(), note.trimmed());
    }

    // All four statistics rows are visible at the panel's designed size, in whatever font.
    void statisticsRowsFit()
    {
        for (const int pointSize : {8, 9, 11, 14}) {
            QFont font = QApplication::font();
            font.setPointSize(pointSize);
            QApplication::setFont(font);
            PursePanel panel(*m_store, m_clock);
            panel.show();
            QVERIFY(QTest::qWaitForWindowExposed(&panel));
            const PurseStatsList& stats = *panel.purseStatsList();
            QCOMPARE(stats.model()->rowCount(), 4);
            QVERIFY2(stats.rowViewportPosition(3) + stats.rowHeight(3) <=
                         stats.viewport()->height(),
                     qPrintable(QString::number(pointSize)));
            QVERIFY(stats.rowHeight(3) >= stats.fontMetrics().height());
        }
        QApplication::setFont(QFont());
    }

private:
    // The category list's names, top to bottom, joined by '|'.
    QString names() const
    {
        return test::column(*m_panel->purseCategoryList()->model(), 0).join(u'|');
    }

    PurseCategory* addCategory(const char* name, QList<double> amounts)
    {
        PurseCategory* category = m_store->add();
        category->name = name;
        QDate date(2005, 1, 10);
        for (const double amount : amounts) {
            test::addEntry(*category, date, amount);
            date = date.addDays(-1);
        }
        return category;
    }

    void settle()
    {
        m_panel->purseCategoryList()->settle();
        m_panel->purseEntryList()->refreshStatistics();
        QCoreApplication::processEvents();
    }

    test::FakeClock m_clock;
    std::unique_ptr<RecordList<PurseCategory>> m_store;
    std::unique_ptr<PursePanel> m_panel;
};

DVK_TEST(TestPursePanel);

#include "tst_pursepanel.moc"
