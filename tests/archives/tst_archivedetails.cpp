#include "ArchiveFieldDialog.h"
#include "ArchiveFieldList.h"
#include "ArchiveFieldModel.h"
#include "DvkTest.h"
#include "FakeClock.h"
#include "FakePrompts.h"
#include "FormatDate.h"
#include "IconLibrary.h"
#include "ItemNoteList.h"
#include "ItemNoteModel.h"
#include "OpenLink.h"
#include "RecordBuilders.h"
#include "SortedComboBox.h"
#include "ViewRows.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

namespace dvk {
using test::column;
using Widths = std::pair<int, int>;
using test::menuState;

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

        QTest::newRow("facts, wide") << 6 << false << 120 << 400 << std::pair(120, 280);
        QTest::newRow("facts, narrow keeps 100 for the value")
            << 6 << false << 120 << 200 << std::pair(120, 100);
        QTest::newRow("facts, name at most client - 5")
            << 6 << false << 300 << 200 << std::pair(195, 100);
        QTest::newRow("facts, tiny") << 6 << false << 120 << 3 << std::pair(0, 100);
        QTest::newRow("notes, 219") << 6 << true << 0 << 219 << std::pair(109, 110);
        QTest::newRow("notes, 220") << 6 << true << 0 << 220 << std::pair(120, 100);
        QTest::newRow("wider font, facts, narrow keeps 150 for the value")
            << 9 << false << 180 << 200 << std::pair(180, 150);
        QTest::newRow("wider font, notes, 329") << 9 << true << 0 << 329 << std::pair(164, 165);
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
        QTest::newRow("http") << QByteArray("http://example.com/a b")
                              << u"http://example.com/a b"_s;
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
        QTest::newRow("unknown kept") << u"Phone"_s << u"Phone"_s << u"x"_s << true;
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
        NoteRecord* beyond = test::addNote(*m_item, 2022, 12, 31, "\r\n\tOld\nnote", 5000);
        ItemNoteList list(*m_store);
        list.showItem(m_item);
        QCOMPARE(column(*list.model(), 1), (QStringList{u"newest"_s, u"middle"_s, u"Old note"_s}));
        QCOMPARE(list.model()->index(0, 0).data().toString(), FormatDate(2024, 1, 31));
        // An icon beyond the library is stored as the first from now on.
        QCOMPARE(beyond->imageIndex, 0);

        list.reverseOrder();
        QVERIFY(list.isOldestFirst());
        QCOMPARE(column(*list.model(), 1), (QStringList{u"Old note"_s, u"middle"_s, u"newest"_s}));

        // New notes join at the end, unsorted, and are selected.
        list.reverseOrder();
        list.setNoteEditor([](QWidget*, const ItemNoteList::NoteInput& preset) {
            return std::optional(ItemNoteList::NoteInput{preset.date.addYears(-10), u"added"_s});
        });
        list.add();
        QCOMPARE(column(*list.model(), 1),
                 (QStringList{u"newest"_s, u"middle"_s, u"Old note"_s, u"added"_s}));
        QCOMPARE(list.firstSelectedRow(), 3);
        QCOMPARE(m_item->notes.at(3)->year, m_clock->today().year() - 10);
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

DVK_TEST(TestArchiveDetails);

} // namespace dvk

#include "tst_archivedetails.moc"
