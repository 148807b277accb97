#include "DvkTest.h"
#include "NavigationBar.h"

#include <QAccessible>
#include <QSignalSpy>

using dvk::NavigationBar;

class NavigationBarTest final : public QObject
{
    Q_OBJECT

private:
    // A bar of the main window's usual width, tall enough for all four entries.
    static std::unique_ptr<NavigationBar> makeBar()
    {
        auto bar = std::make_unique<NavigationBar>();
        bar->resize(95, 300);
        bar->show();
        return bar;
    }
    static QColor pixelInside(NavigationBar& bar, int index)
    {
        // Away from the frame, the icon and the name.
        const QRect entry = bar.entryRect(index);
        return bar.grab().toImage().pixelColor(entry.left() + 4, entry.top() + 4);
    }

private Q_SLOTS:
    void entryRect_data()
    {
        addColumns<int, int, QRect>({"width", "index", "expected"});
        QTest::newRow("95 fourth") << 95 << 3 << QRect(1, 199, 93, 65);
        QTest::newRow("rounds up at half") << 7 << 1 << QRect(1, 6, 5, 4);
        QTest::newRow("rounds down below half") << 60 << 1 << QRect(1, 43, 58, 41);
        QTest::newRow("no inner width") << 2 << 3 << QRect(1, 4, 0, 0);
        QTest::newRow("index before first") << 95 << -1 << QRect();
        QTest::newRow("index after last") << 95 << 4 << QRect();
    }
    void entryRect()
    {
        const auto [width, index] = fetch<int, int>({"width", "index"});
        QTEST(NavigationBar::entryRect(QRect(0, 0, width, 400), index), "expected");
    }

    void hitTest_data()
    {
        addColumns<QPoint, int>({"point", "expected"});
        QTest::newRow("top-left corner is inside") << QPoint(1, 1) << 0;
        QTest::newRow("gap between entries") << QPoint(10, 66) << -1;
        QTest::newRow("last row of notes") << QPoint(47, 263) << 3;
    }
    void hitTest()
    {
        QFETCH(QPoint, point);
        QTEST(NavigationBar::hitTest(QRect(0, 0, 95, 300), point), "expected");
    }

    // A click at `point` (when no keys are given) or the keys, in order.
    void selection_data()
    {
        addColumns<QPoint, QList<int>, int, int>({"point", "keys", "selected", "signals"});
        const QList<int> none;
        QTest::newRow("another entry") << QPoint(47, 100) << none << 1 << 1;
        QTest::newRow("the selected entry") << QPoint(47, 30) << none << 0 << 0;
        QTest::newRow("the gap between entries") << QPoint(47, 66) << none << 0 << 0;
        QTest::newRow("down twice, enter")
            << QPoint() << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Return} << 2 << 1;
        QTest::newRow("arrows alone select nothing")
            << QPoint() << QList<int>{Qt::Key_Down, Qt::Key_Down} << 0 << 0;
        QTest::newRow("up stops at the first")
            << QPoint() << QList<int>{Qt::Key_Up, Qt::Key_Space} << 0 << 0;
        QTest::newRow("end, enter") << QPoint() << QList<int>{Qt::Key_End, Qt::Key_Enter} << 3 << 1;
        QTest::newRow("down stops at the last")
            << QPoint() << QList<int>{Qt::Key_End, Qt::Key_Down, Qt::Key_Space} << 3 << 1;
    }
    void selection()
    {
        const auto [point, keys, selected, signals] =
            fetch<QPoint, QList<int>, int, int>({"point", "keys", "selected", "signals"});
        auto bar = makeBar();
        QSignalSpy spy(bar.get(), &NavigationBar::selectionChanged);
        if (keys.isEmpty())
            QTest::mouseClick(bar.get(), Qt::LeftButton, {}, point);
        for (const int key : keys)
            QTest::keyClick(bar.get(), Qt::Key(key));
        QCOMPARE(bar->selected(), selected);
        QCOMPARE(spy.count(), signals);
        if (signals)
            QCOMPARE(spy.first().first().toInt(), selected);
    }

    void selectedNameIsYellow()
    {
        auto bar = makeBar();
        QTest::mouseClick(bar.get(), Qt::LeftButton, {}, QPoint(47, 100));
        const QImage image = bar->grab().toImage();
        auto hasColour = [&image](const QRect& r, const QColor& colour) {
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    if (image.pixelColor(x, y) == colour)
                        return true;
            return false;
        };
        QVERIFY(hasColour(bar->entryRect(1), QColor(255, 255, 0)));
        QVERIFY(!hasColour(bar->entryRect(0), QColor(255, 255, 0)));
        QVERIFY(hasColour(bar->entryRect(0), QColor(255, 255, 255)));
    }

    void hoverFrameFollowsTheMouse()
    {
        auto bar = makeBar();
        QTest::mouseMove(bar.get(), QPoint(47, 150));
        QTRY_COMPARE(bar->hot(), 2);
        const QRect memo = bar->entryRect(2);
        QVERIFY(bar->grab().toImage().pixelColor(memo.topLeft()) != QColor(128, 128, 128));
        QTest::mouseMove(bar.get(), QPoint(47, 280));
        QTRY_COMPARE(bar->hot(), -1);
        QTest::mouseMove(bar.get(), QPoint(47, 150));
        QTRY_COMPARE(bar->hot(), 2);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(bar.get(), &leave);
        QCOMPARE(bar->hot(), -1);
        QCOMPARE(bar->grab().toImage().pixelColor(memo.topLeft()), QColor(128, 128, 128));
    }

    void blinkStartsAndStopsWhenMemoIsSelected()
    {
        auto bar = makeBar();
        bar->memoAlert();
        QVERIFY(bar->isBlinking());
        QVERIFY(!bar->isEntryFilled(NavigationBar::Memo));
        QTRY_VERIFY_WITH_TIMEOUT(bar->isEntryFilled(NavigationBar::Memo), 2000);
        QCOMPARE(pixelInside(*bar, NavigationBar::Memo), QColor(0, 0, 128));
        QTRY_VERIFY_WITH_TIMEOUT(!bar->isEntryFilled(NavigationBar::Memo), 2000);
        QCOMPARE(pixelInside(*bar, NavigationBar::Memo), QColor(128, 128, 128));

        // Another alert starts the count again.
        QTRY_VERIFY_WITH_TIMEOUT(bar->isEntryFilled(NavigationBar::Memo), 2000);
        bar->memoAlert();
        QVERIFY(bar->isBlinking());
        QVERIFY(!bar->isEntryFilled(NavigationBar::Memo));
        QTRY_VERIFY_WITH_TIMEOUT(bar->isEntryFilled(NavigationBar::Memo), 2000);
        QTest::mouseClick(bar.get(), Qt::LeftButton, {}, bar->entryRect(2).center());
        QCOMPARE(bar->selected(), int(NavigationBar::Memo));
        QVERIFY(!bar->isEntryFilled(NavigationBar::Memo));
        QCOMPARE(pixelInside(*bar, NavigationBar::Memo), QColor(128, 128, 128));
        QTRY_VERIFY_WITH_TIMEOUT(!bar->isBlinking(), 2000);
        // An alert while Memo is selected does nothing.
        bar->memoAlert();
        QVERIFY(!bar->isBlinking());
        QVERIFY(!bar->isEntryFilled(NavigationBar::Memo));
    }

    void accessibleEntries()
    {
        auto bar = makeBar();
        bar->selectEntry(NavigationBar::Purse);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(bar.get());
        QVERIFY(iface);
        QCOMPARE(iface->childCount(), NavigationBar::EntryCount);
        const QStringList names{u"Archives"_s, u"Purse"_s, u"Memo"_s, u"Notes"_s};
        for (int i = 0; i < NavigationBar::EntryCount; ++i) {
            QAccessibleInterface* entry = iface->child(i);
            QVERIFY(entry);
            QCOMPARE(entry->text(QAccessible::Name), names[i]);
            QCOMPARE(entry->role(), QAccessible::PageTab);
            QCOMPARE(bool(entry->state().selected), i == NavigationBar::Purse);
            QCOMPARE(iface->indexOfChild(entry), i);
        }
        const QPoint notes = bar->mapToGlobal(bar->entryRect(3).center());
        QCOMPARE(iface->childAt(notes.x(), notes.y()), iface->child(3));
        iface->child(3)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(bar->selected(), int(NavigationBar::Notes));
    }
};

DVK_TEST(NavigationBarTest);
#include "tst_navigationbar.moc"
