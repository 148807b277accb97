#include "ArchiveFieldList.h"
#include "ArchiveItemDialog.h"
#include "ArchiveItemList.h"
#include "ArchiveItemModel.h"
#include "ArchivesPanel.h"
#include "CategoryFilterBox.h"
#include "DvkTest.h"
#include "FakeClock.h"
#include "FakePrompts.h"
#include "ItemNoteList.h"
#include "RecordBuilders.h"
#include "ViewRows.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace dvk {
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

} // namespace

using test::menuState;

class TestArchivesPanel final : public QObject
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

        const QStringList banks{u"Broker"_s, u"credit card"_s, u"Giro account"_s,
                                u"Giro account"_s};
        const QStringList piggy{u"Piggy bank"_s};
        QTest::newRow("nothing chosen") << QStringList() << QStringList() << 0;
        QTest::newRow("empty lists all") << QStringList{QString()} << banks + piggy << 1;
        // Two items of the same name in one category are both listed.
        QTest::newRow("bank") << QStringList{u"bank"_s} << banks << 1;
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
        const QList<int> creditCard{1};
        const QStringList giros{u"Giro account"_s, u"Giro account"_s};
        QTest::newRow("add matching")
            << add << u"Bank"_s << u"Bank"_s << u"bank"_s
            << QStringList{u"Broker"_s, u"credit card"_s} + giros + QStringList{u"New one"_s};
        QTest::newRow("add to a new category")
            << add << u"Travel"_s << u"Bank"_s << u"Travel"_s << QStringList{u"New one"_s};
        // The comparison is with the filter, not the old category: an unchanged category still
        // replaces a filter that is only part of it.
        QTest::newRow("edit keeps a longer category")
            << creditCard << u"Bank accounts"_s << u"Bank accounts"_s << u"Bank accounts"_s
            << QStringList{u"New one"_s};
        QTest::newRow("edit within the filter")
            << creditCard << u"BANK"_s << u"Bank accounts"_s << u"bank"_s
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

        QTest::newRow("name") << true << u"Bank"_s << u"Giro"_s << true;
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

private:
    std::unique_ptr<test::FakeClock> m_clock;
    std::unique_ptr<DataStore> m_store;
};

DVK_TEST(TestArchivesPanel);

} // namespace dvk

#include "tst_archivespanel.moc"
