#include "DvkTest.h"
#include "FakeClock.h"
#include "PurseTotalBox.h"

#include <QDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>

namespace dvk {

class TestPurseTotalBox final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        for (const double amount : {12.5, 30.25})
            m_store.add()->entries.add()->amount = amount;
    }

    void enter_data()
    {
        addColumns<QString, QString, QString>({"typed", "shown", "selected"});

        QTest::newRow("arithmetic") << u"2*(3+4)"_s << u"14.00"_s << u"14.00"_s;
        QTest::newRow("blanks around") << u"  10/4 "_s << u"2.50"_s << u"2.50"_s;
        QTest::newRow("incomplete") << u"1/"_s << u"Error"_s << u"Error"_s;
        QTest::newRow("shown result again") << u"42.75"_s << u"42.75"_s << u"42.75"_s;
        QTest::newRow("blanks only") << u"   "_s << u"42.75"_s << QString();
    }

    void enter()
    {
        QFETCH(QString, typed);

        PurseTotalBox box(m_store);
        QVERIFY(box.isEngineStarted());
        box.setText(typed);
        QTest::keyClick(&box, Qt::Key_Return);
        QTEST(box.text(), "shown");
        QTEST(box.selectedText(), "selected");

        // Leaving the box, as Tab does, brings the total back.
        box.setText(u"99"_s);
        QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(&box, &focusOut);
        QCOMPARE(box.text(), u"42.75"_s);
    }

    void enterNeverReachesDefaultButton_data()
    {
        addColumns<bool, Qt::Key>({"engine", "key"});

        QTest::newRow("Return") << true << Qt::Key_Return;
        QTest::newRow("keypad Enter") << true << Qt::Key_Enter;
        QTest::newRow("no engine") << false << Qt::Key_Return;
    }

    void enterNeverReachesDefaultButton()
    {
        const auto [engine, key] = fetch<bool, Qt::Key>({"engine", "key"});

        QDialog dialog;
        auto* box = new PurseTotalBox(m_store, nullptr, [engine](ScriptEvaluator& evaluator) {
            return engine && evaluator.start();
        });
        auto* button = new QPushButton(u"OK"_s);
        button->setDefault(true);
        auto* layout = new QVBoxLayout(&dialog);
        layout->addWidget(box);
        layout->addWidget(button);
        QSignalSpy clicked(button, &QPushButton::clicked);
        dialog.show();
        // Without an engine the box only shows the total.
        QCOMPARE(box->isEngineStarted(), engine);
        QCOMPARE(box->isReadOnly(), !engine);
        QCOMPARE(box->text(), u"42.75"_s);
        box->setText(u"1+1"_s);
        QTest::keyClick(box, key);
        // Without an engine Enter takes the normal route and the default button fires.
        QCOMPARE(clicked.count(), engine ? 0 : 1);
        QCOMPARE(box->text(), engine ? u"2.00"_s : u"1+1"_s);
    }

private:
    test::FakeClock m_clock;
    RecordList<PurseCategory> m_store{m_clock};
};

DVK_TEST(TestPurseTotalBox);

} // namespace dvk

#include "tst_pursetotalbox.moc"
