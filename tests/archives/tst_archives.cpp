#include "ArchiveFieldDialog.h"
#include "ArchiveFieldList.h"
#include "ArchiveFieldModel.h"
#include "ArchiveFilter.h"
#include "ArchiveItemDialog.h"
#include "ArchiveItemList.h"
#include "ArchiveItemModel.h"
#include "ArchiveSuggestions.h"
#include "ArchivesPanel.h"
#include "CategoryFilterBox.h"
#include "DvkTest.h"
#include "FakeClock.h"
#include "FakePrompts.h"
#include "FormatDate.h"
#include "IconLibrary.h"
#include "ItemNoteList.h"
#include "ItemNoteModel.h"
#include "ItemNoteRows.h"
#include "OpenLink.h"
#include "RecordBuilders.h"
#include "SortedComboBox.h"
#include "ViewRows.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>

namespace {

QStringList listedNames(const ArchivesPanel& panel)
{
    return test::column(*panel.itemList()->itemModel(), 0);
}

void typeAndEnter(CategoryFilterBox* box, const QString& text)
{
    box->setEditText(text);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QCoreApplication::processEvents();
}

QStringList names(const std::vector<ArchiveItem*>& items)
{
    QStringList texts;
    for (const ArchiveItem* item : items)
        texts << QString::fromLocal8Bit(item->name);
    return texts;
}

} // namespace

using test::column;
using test::menuState;
using Widths = std::pair<int, int>;

class TestArchives final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_clock = std::make_unique<test::FakeClock>();
        m_store = std::make_unique<DataStore>(*m_clock);
        test::addItem(*m_store, "Bank", "Giro account");
        test::addItem(*m_store, "Online banking", "Broker");
        test::addItem(*m_store, "Savings", "Piggy bank");
        test::addItem(*m_store, "Bank accounts", "credit card");
        test::addItem(*m_store, "Bank", "Giro account");
    }

    void cleanup()
    {
        m_store.reset();
        m_clock.reset();
    }

    void filterFromTheBox_data()
    {
        addColumns<QStringList, QStringList, int>({"typed", "names", "applied"});

        const QStringList piggy{u"Piggy bank"_s};
        QTest::newRow("blanks trimmed") << QStringList{u"  Savings "_s} << piggy << 1;
        QTest::newRow("same text again") << QStringList{u"Savings"_s, u"Savings"_s} << piggy << 1;
        // A change of case alone counts as a change.
        QTest::newRow("case only") << QStringList{u"Savings"_s, u"savings"_s} << piggy << 2;
    }

    void filterFromTheBox()
    {
        QFETCH(QStringList, typed);

        ArchivesPanel panel(*m_store);
        CategoryFilterBox* box = panel.categoryBox();
        QCOMPARE(box->texts(),
                 (QStringList{u"Bank"_s, u"Bank accounts"_s, u"Online banking"_s, u"Savings"_s}));
        QCOMPARE(box->currentIndex(), -1);
        QSignalSpy chosen(box, &CategoryFilterBox::filterChosen);
        for (const QString& text : typed)
            typeAndEnter(box, text);
        QTEST(int(chosen.count()), "applied");
        QTEST(listedNames(panel), "names");
    }

    void addOrEditSwitchesCategory_data()
    {
        // rows: edited under the filter "bank"; none adds a new item
        addColumns<QList<int>, QString, QString, QString, QStringList>(
            {"rows", "category", "presetCategory", "boxText", "names"});

        const QList<int> add;
        const QStringList giros{u"Giro account"_s, u"Giro account"_s};
        QTest::newRow("add matching")
            << add << u"Bank"_s << u"Bank"_s << u"bank"_s
            << QStringList{u"Broker"_s, u"credit card"_s} + giros + QStringList{u"New one"_s};
        QTest::newRow("edit within the filter")
            << QList<int>{1} << u"BANK"_s << u"Bank accounts"_s << u"bank"_s
            << QStringList{u"Broker"_s} + giros + QStringList{u"New one"_s};
        // Several items keep their names and take the first one's category as the preset.
        QTest::newRow("edit several") << QList<int>{1, 2, 3} << u"Finance"_s << u"Bank accounts"_s
                                      << u"Finance"_s << QStringList{u"credit card"_s} + giros;
    }

    void addOrEditSwitchesCategory()
    {
        const auto [rows, category, presetCategory, boxText, names] =
            fetch<QList<int>, QString, QString, QString, QStringList>(
                {"rows", "category", "presetCategory", "boxText", "names"});

        ArchivesPanel panel(*m_store);
        // How "DVK Item Property" was preset.
        QString shownCategory, shownName;
        bool readOnly = false;
        panel.itemList()->setDialogRunner([&](ArchiveItemDialog& dialog) {
            shownCategory = dialog.category();
            shownName = dialog.name();
            readOnly = dialog.nameEdit()->isReadOnly();
            dialog.categoryBox()->setEditText(category);
            if (!readOnly)
                dialog.nameEdit()->setText(u"New one"_s);
            return true;
        });
        typeAndEnter(panel.categoryBox(), u"bank"_s);
        const bool add = rows.isEmpty();
        if (add) {
            panel.itemList()->add();
        } else {
            test::selectRows(*panel.itemList(), rows);
            QVERIFY(menuState(*panel.itemList()->makeContextMenu()).value(u"Edit..."_s));
            panel.itemList()->edit();
        }
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        QCOMPARE(shownCategory, presetCategory);
        QCOMPARE(readOnly, rows.size() > 1);
        QCOMPARE(shownName.isEmpty(), rows.size() != 1);
        QCOMPARE(panel.categoryBox()->currentText(), boxText);
        QCOMPARE(panel.itemList()->filterText(), boxText);
        QCOMPARE(listedNames(panel), names);
        const ArchiveItem* changed =
            add ? m_store->archiveItems.at(5) : m_store->archiveItems.at(3);
        QCOMPARE(changed->category, category.toLocal8Bit());
        QCOMPARE(changed->name,
                 rows.size() > 1 ? QByteArray("credit card") : QByteArray("New one"));
        QCOMPARE(m_store->archiveItems.at(1)->category, QByteArray("Online banking"));
        QCOMPARE(m_store->archiveItems.count(), add ? 6 : 5);
        if (add)
            QCOMPARE(changed->createdDay, m_clock->today().day());
    }

    void itemDialogOkRule_data()
    {
        addColumns<bool, QString, QString, bool>({"editable", "category", "name", "ok"});

        QTest::newRow("blank name") << true << u"Bank"_s << u"  "_s << false;
        QTest::newRow("no category needed") << true << QString() << u"Giro"_s << true;
        QTest::newRow("read-only name") << false << QString() << QString() << true;
    }

    void itemDialogOkRule()
    {
        const auto [editable, category, name] =
            fetch<bool, QString, QString>({"editable", "category", "name"});

        ArchiveItemDialog dialog({u"Bank"_s, u"bank"_s, u"Bank accounts"_s}, category,
                                 editable ? u"x"_s : QString(), editable);
        dialog.categoryBox()->setEditText(category);
        if (editable)
            dialog.nameEdit()->setText(name);
        QTEST(dialog.okButton()->isEnabled(), "ok");
        QCOMPARE(dialog.nameEdit()->isReadOnly(), !editable);
    }

    void enterInItemDialogDoesNotPressOk()
    {
        ArchiveItemDialog dialog({u"Bank"_s}, u"Bank"_s, u"Giro"_s, true);
        dialog.show();
        QVERIFY(dialog.okButton()->isEnabled());
        QTest::keyClick(dialog.categoryBox()->lineEdit(), Qt::Key_Return);
        QTest::keyClick(dialog.categoryBox(), Qt::Key_Enter);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), 0);
        // The same key in the name field presses OK.
        QTest::keyClick(dialog.nameEdit(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void settledSelectionShowsDetails()
    {
        ArchiveItem* giro = m_store->archiveItems.at(0);
        test::addNote(*giro, 2024, 1, 1, "note");
        giro->fields.add()->name = "IBAN";
        ArchivesPanel panel(*m_store);
        typeAndEnter(panel.categoryBox(), u"Bank"_s);
        const int row = panel.itemList()->itemModel()->rowOf(giro);
        QCOMPARE(row, 2); // after Broker and credit card
        panel.itemList()->selectRow(3);
        // Rows selected after it come later: the first selected row is shown.
        panel.itemList()->selectionModel()->select(panel.itemList()->model()->index(row, 0),
                                                   QItemSelectionModel::Select |
                                                       QItemSelectionModel::Rows);
        QVERIFY(panel.itemList()->isSettling());
        QCOMPARE(panel.fieldList()->model()->rowCount(), 0);
        QTRY_COMPARE(panel.fieldList()->model()->rowCount(), 1);
        QCOMPARE(panel.noteList()->model()->rowCount(), 1);

        // A new filter empties the details at once.
        typeAndEnter(panel.categoryBox(), u"Savings"_s);
        QCOMPARE(panel.fieldList()->model()->rowCount(), 0);
        QCOMPARE(panel.noteList()->model()->rowCount(), 0);
    }

    void removedItemDisablesDetailCommands()
    {
        test::FakePrompts prompts;
        ArchiveItem* giro = m_store->archiveItems.at(0);
        test::addNote(*giro, 2024, 1, 1, "note");
        ArchiveField* web = giro->fields.add();
        web->name = "Web";
        web->value = "https://bank.example";
        ArchivesPanel panel(*m_store);
        typeAndEnter(panel.categoryBox(), u"Bank"_s);
        panel.itemList()->selectRow(panel.itemList()->itemModel()->rowOf(giro));
        QTRY_COMPARE(panel.noteList()->model()->rowCount(), 1);
        panel.fieldList()->selectRow(0);
        panel.noteList()->selectRow(0);
        QVERIFY(menuState(*panel.fieldList()->makeContextMenu()).value(u"Open..."_s));

        // No keeps everything.
        prompts.answers = {Prompts::Answer::No, Prompts::Answer::Yes};
        panel.itemList()->remove();
        QCOMPARE(m_store->archiveItems.count(), 5);
        panel.itemList()->remove();
        QCOMPARE(prompts.messages, (QStringList(2, u"Remove selected Items?"_s)));
        QCOMPARE(m_store->archiveItems.count(), 4);
        QVERIFY(!m_store->archiveItems.contains(giro));
        // The details forget the item before it could be painted, not only once the timer fires.
        QCOMPARE(panel.fieldList()->model()->rowCount(), 0);
        QCOMPARE(panel.noteList()->model()->rowCount(), 0);

        for (const auto& state : {menuState(*panel.fieldList()->makeContextMenu()),
                                  menuState(*panel.noteList()->makeContextMenu())}) {
            QVERIFY(!state.isEmpty());
            for (auto it = state.begin(); it != state.end(); ++it)
                QVERIFY2(!it.value(), qPrintable(it.key()));
        }
        panel.fieldList()->add();
        panel.noteList()->paste();
        panel.noteList()->reverseOrder();
        QCOMPARE(prompts.unscripted, 0);
        QVERIFY(!panel.noteList()->isOldestFirst());
        QTRY_VERIFY(!panel.itemList()->isSettling());
        QCOMPARE(panel.fieldList()->model()->rowCount(), 0);
    }
    void matches_data()
    {
        addColumns<QString, QByteArray, bool>({"filter", "category", "match"});

        QTest::newRow("capital filter") << u"BANK"_s << QByteArray("online banking") << true;
        QTest::newRow("beyond ASCII") << u"ärzte"_s << QByteArray("Meine ÄRZTE") << true;
        QTest::newRow("empty filter") << QString() << QByteArray("Savings") << true;
        QTest::newRow("unchosen, empty category")
            << ArchiveFilter::Unchosen << QByteArray() << false;
        QTest::newRow("unchosen") << ArchiveFilter::Unchosen << QByteArray("Bank") << false;
    }

    void matches()
    {
        const auto [filter, category, match] =
            fetch<QString, QByteArray, bool>({"filter", "category", "match"});
        QCOMPARE(ArchiveFilter(filter).matches(category), match);
    }

    void sortedSelection_data()
    {
        addColumns<QLocale, QStringList, QStringList>({"locale", "stored", "sorted"});

        QTest::newRow("case ignored")
            << QLocale::c() << QStringList{u"beta"_s, u"Gamma"_s, u"alpha"_s}
            << QStringList{u"alpha"_s, u"beta"_s, u"Gamma"_s};
        // Names equal but for case keep the store order.
        QTest::newRow("equal names")
            << QLocale::c() << QStringList{u"bank"_s, u"Bank"_s, u"BANK"_s, u"Atm"_s}
            << QStringList{u"Atm"_s, u"bank"_s, u"Bank"_s, u"BANK"_s};
        QTest::newRow("accents sort with their letter")
            << QLocale(QLocale::English, QLocale::UnitedStates)
            << QStringList{u"zebra"_s, u"éclair"_s, u"apple"_s}
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

private:
    std::unique_ptr<test::FakeClock> m_clock;
    std::unique_ptr<DataStore> m_store;
};

class TestArchiveDetails final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { IconLibrary::instance().load(); }

    void init()
    {
        m_clock = std::make_unique<test::FakeClock>();
        m_store = std::make_unique<DataStore>(*m_clock);
        m_item = test::addItem(*m_store, "Bank", "Giro",
                               {{"Web", "https://bank.example"}, {"Mail", "help@bank.example"}});
        test::addItem(*m_store, "Bank", "Savings", {{"IBAN", "DE00"}, {"Web", "x"}});
        test::addItem(*m_store, "bank", "Other case", {{"Branch", "Main street"}});
    }

    void cleanup()
    {
        SetUrlOpener({});
        m_store.reset();
        m_clock.reset();
    }

    void columnWidths_data()
    {
        // base: average character width of the list's font; notes: the note list, else the fact
        // list with its name width
        addColumns<int, bool, int, int, Widths>({"base", "notes", "nameWidth", "client", "widths"});

        QTest::newRow("facts, narrow keeps 100 for the value")
            << 6 << false << 120 << 200 << std::pair(120, 100);
        QTest::newRow("facts, name at most client - 5")
            << 6 << false << 300 << 200 << std::pair(195, 100);
        QTest::newRow("facts, tiny") << 6 << false << 120 << 3 << std::pair(0, 100);
        QTest::newRow("notes, 219") << 6 << true << 0 << 219 << std::pair(109, 110);
        QTest::newRow("notes, 220") << 6 << true << 0 << 220 << std::pair(120, 100);
        QTest::newRow("wider font, facts, narrow keeps 150 for the value")
            << 9 << false << 180 << 200 << std::pair(180, 150);
        QTest::newRow("wider font, notes, 330") << 9 << true << 0 << 330 << std::pair(180, 150);
    }

    void columnWidths()
    {
        const auto [notes, nameWidth, client, widths, base] =
            fetch<bool, int, int, Widths, int>({"notes", "nameWidth", "client", "widths", "base"});
        const DialogUnits units(base, 13);
        QCOMPARE(notes ? ItemNoteList::columnWidths(client, units)
                       : ArchiveFieldList::columnWidths(nameWidth, client, units),
                 widths);
    }

    void openFact_data()
    {
        // Which texts open is ClassifyLink's rule; these rows pin that the list follows it.
        addColumns<QByteArray, QString>({"value", "opened"});
        QTest::newRow("bare mail") << QByteArray("me@example.com") << u"mailto:me@example.com"_s;
        QTest::newRow("plain") << QByteArray("DE00 1234") << QString();
    }

    void openFact()
    {
        const auto [value, opened] = fetch<QByteArray, QString>({"value", "opened"});

        QList<QUrl> urls;
        SetUrlOpener([&urls](const QUrl& url) { urls << url; });
        m_item->fields.at(0)->value = value;
        ArchiveFieldList list(*m_store);
        list.showItem(m_item);
        list.selectRow(0);
        QCOMPARE(menuState(*list.makeContextMenu()).value(u"Open..."_s), !opened.isEmpty());
        list.open();
        QCOMPARE(urls, opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(opened)});

        // With several facts selected neither Open nor Edit is offered.
        list.selectAll();
        QCOMPARE(test::enabledEntries(*list.makeContextMenu()), u"Add...|Remove"_s);
    }

    void factCommands()
    {
        test::FakePrompts prompts;
        ArchiveFieldList list(*m_store);
        list.resize(300, 200);
        list.show();
        list.showItem(m_item);
        QCOMPARE(column(*list.model(), 0), (QStringList{u"Web"_s, u"Mail"_s}));

        QStringList offered;
        QString presetName;
        list.setDialogRunner([&](ArchiveFieldDialog& dialog) {
            offered = dialog.nameBox()->texts();
            presetName = dialog.name();
            dialog.nameBox()->setEditText(u" IBAN "_s);
            dialog.valueEdit()->setText(u" DE12 "_s);
            return true;
        });
        list.add();
        // Names come from the items of exactly the same category, sorted; the new fact comes last.
        QCOMPARE(offered, (QStringList{u"IBAN"_s, u"Mail"_s, u"Web"_s}));
        QCOMPARE(column(*list.model(), 0), (QStringList{u"Web"_s, u"Mail"_s, u"IBAN"_s}));
        QCOMPARE(m_item->fields.at(2)->value, QByteArray("DE12"));
        QCOMPARE(list.firstSelectedRow(), 2);

        list.selectRow(1);
        list.edit();
        QCOMPARE(presetName, u"Mail"_s);
        QCOMPARE(column(*list.model(), 1),
                 (QStringList{u"https://bank.example"_s, u"DE12"_s, u"DE12"_s}));
        QCOMPARE(m_item->fields.count(), 3);

        list.selectAll();
        prompts.answers = {Prompts::Answer::Yes};
        list.remove();
        QVERIFY(m_item->fields.isEmpty());
        QCOMPARE(list.model()->rowCount(), 0);
        QCOMPARE(test::enabledEntries(*list.makeContextMenu()), u"Add..."_s);
    }

    void basicInfoDialog_data()
    {
        addColumns<QString, QString, QString, bool>({"preset", "presetShown", "value", "ok"});

        QTest::newRow("prefix selects the entry") << u"we"_s << u"Web"_s << u"x"_s << true;
        QTest::newRow("exact case wins") << u"url"_s << u"url"_s << u"x"_s << true;
        QTest::newRow("blank value") << u"Phone"_s << u"Phone"_s << u" \t"_s << false;
        QTest::newRow("blank name") << u"  "_s << u"  "_s << u"x"_s << false;
    }

    void basicInfoDialog()
    {
        const auto [preset, value] = fetch<QString, QString>({"preset", "value"});

        ArchiveFieldDialog dialog({u"URL"_s, u"Web"_s, u"url"_s, u"Website"_s}, preset, value);
        QTEST(dialog.nameBox()->currentText(), "presetShown");
        QTEST(dialog.okButton()->isEnabled(), "ok");
        dialog.valueEdit()->clear();
        QVERIFY(!dialog.okButton()->isEnabled());

        // A stored value longer than one can type is not cut.
        const QString longValue(400, u'v');
        ArchiveFieldDialog stored({}, u"Note"_s, longValue);
        QCOMPARE(stored.value(), longValue);
    }

    void noteOrder()
    {
        test::addNote(*m_item, 2023, 5, 1, "middle");
        test::addNote(*m_item, 2024, 1, 31, "newest");
        test::addNote(*m_item, 2023, 5, 1, "tie"); // equal dates keep the stored order
        NoteRecord* beyond = test::addNote(*m_item, 2022, 12, 31, "\r\n\tOld\nnote", 5000);
        ItemNoteList list(*m_store);
        list.showItem(m_item);
        QCOMPARE(column(*list.model(), 1),
                 (QStringList{u"newest"_s, u"middle"_s, u"tie"_s, u"Old note"_s}));
        QCOMPARE(list.model()->index(0, 0).data().toString(), FormatDate(2024, 1, 31));
        // An icon beyond the library is stored as the first from now on.
        QCOMPARE(beyond->imageIndex, 0);

        list.reverseOrder();
        QVERIFY(list.isOldestFirst());
        QCOMPARE(column(*list.model(), 1),
                 (QStringList{u"Old note"_s, u"middle"_s, u"tie"_s, u"newest"_s}));

        // New notes join at the end, unsorted, and are selected.
        list.reverseOrder();
        list.setNoteEditor([](QWidget*, const ItemNoteList::NoteInput& preset) {
            return std::optional(ItemNoteList::NoteInput{preset.date.addYears(-10), u"added"_s});
        });
        list.add();
        QCOMPARE(column(*list.model(), 1),
                 (QStringList{u"newest"_s, u"middle"_s, u"tie"_s, u"Old note"_s, u"added"_s}));
        QCOMPARE(list.firstSelectedRow(), 4);
        QCOMPARE(m_item->notes.at(4)->year, m_clock->today().year() - 10);
        list.showItem(m_item);
        QCOMPARE(column(*list.model(), 1).last(), u"added"_s);
        QCOMPARE(column(*list.model(), 1).first(), u"newest"_s);
    }

    void noteCommands()
    {
        test::FakePrompts prompts;
        test::addNote(*m_item, 2024, 1, 31, "first");
        test::addNote(*m_item, 2023, 1, 1, "second");
        ItemNoteList list(*m_store);
        list.showItem(m_item);

        QGuiApplication::clipboard()->clear();
        QCOMPARE(test::enabledEntries(*list.makeContextMenu()), u"Reverse Order|Add..."_s);

        // Blanks only still give a note, an empty one, at the end.
        QGuiApplication::clipboard()->setText(u"  \r\n\t "_s);
        QVERIFY(menuState(*list.makeContextMenu()).value(u"Paste"_s));
        list.paste();
        QCOMPARE(m_item->notes.count(), 3);
        QCOMPARE(m_item->notes.at(2)->text, QByteArray());
        QCOMPARE(m_item->notes.at(2)->year, m_clock->today().year());
        QCOMPARE(list.firstSelectedRow(), 2);

        ItemNoteList::NoteInput preset;
        list.setNoteEditor([&preset](QWidget*, const ItemNoteList::NoteInput& given) {
            preset = given;
            return std::optional(ItemNoteList::NoteInput{QDate(2020, 2, 29), u"edited"_s});
        });
        list.selectRow(1);
        list.edit();
        QCOMPARE(preset.date, QDate(2023, 1, 1));
        QCOMPARE(preset.text, u"second"_s);
        QCOMPARE(column(*list.model(), 1), (QStringList{u"first"_s, u"edited"_s, QString()}));
        QCOMPARE(m_item->notes.at(1)->day, 29);

        list.setIconChooser([](QWidget*, int current) { return std::optional(current + 7); });
        list.selectAll();
        list.chooseImage();
        for (const NoteRecord* note : m_item->notes)
            QCOMPARE(note->imageIndex, 7);

        prompts.answers = {Prompts::Answer::Yes};
        list.selectRow(0);
        list.remove();
        QCOMPARE(m_item->notes.count(), 2);
        QCOMPARE(column(*list.model(), 1), (QStringList{u"edited"_s, QString()}));
    }

private:
    std::unique_ptr<test::FakeClock> m_clock;
    std::unique_ptr<DataStore> m_store;
    ArchiveItem* m_item = nullptr;
};

DVK_TEST(TestArchives);
DVK_TEST(TestArchiveDetails);

#include "tst_archives.moc"
