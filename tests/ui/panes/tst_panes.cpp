#include "DvkTest.h"
#include "PaneLayout.h"
#include "PursePanelFrame.h"

#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Template-sized panes of the Archives and Purse panels at 1.5 × 1.625 pixels per unit.
PaneLayout::Archives archives()
{
    return {QRect(0, 0, 135, 22), QRect(0, 24, 135, 299), QRect(138, 0, 337, 104),
            QRect(138, 107, 337, 215)};
}

PaneLayout::Purse purse()
{
    return {QRect(0, 0, 150, 282), QRect(0, 302, 148, 20), QRect(153, 0, 322, 254),
            QRect(154, 257, 321, 65)};
}

} // namespace

class TestPanes final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<PursePanelFrame> m_panel;

private Q_SLOTS:
    void init()
    {
        m_panel = std::make_unique<PursePanelFrame>(new QTableView, new QLineEdit, new QTableView,
                                                    new QTableView);
        m_panel->resize(500, 300);
        m_panel->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_panel.get()));
        m_panel->relayout();
    }
    void cleanup() { m_panel.reset(); }

    void dragPurseBar_data()
    {
        addColumns<int, int>({"target", "dropAt"});
        QTest::newRow("inside") << 200 << 200;
        QTest::newRow("beyond the left edge") << 3 << 16;
        QTest::newRow("beyond the right edge") << 590 << 484;
    }
    void dragPurseBar()
    {
        const auto [target, dropAt] = fetch<int, int>({"target", "dropAt"});
        PursePanelFrame& panel = *m_panel;
        const QRect bar = PaneLayout::purseVerticalBar(panel.panes());
        QCOMPARE(bar.width(), 2);
        const QPoint start(bar.left(), 100);
        QCOMPARE(panel.barAt(start), SplitterPanel::Bar::Vertical);
        QCOMPARE(panel.barAt(QPoint(bar.left() - 1, 100)), SplitterPanel::Bar::None);

        QTest::mouseMove(&panel, start + QPoint(-20, 0));
        QTest::mouseMove(&panel, start);
        QCOMPARE(panel.cursor().shape(), Qt::SplitHCursor);
        QTest::mousePress(&panel, Qt::LeftButton, {}, start);
        QCOMPARE(panel.draggedBar(), SplitterPanel::Bar::Vertical);
        QTest::mouseMove(&panel, QPoint(target, 120));
        // The outline moves along the bar's axis only and stops at the limit.
        QCOMPARE(panel.outlineRect(), bar.translated(dropAt - start.x(), 0));
        QTest::mouseRelease(&panel, Qt::LeftButton, {}, QPoint(target, 120));
        QCOMPARE(panel.draggedBar(), SplitterPanel::Bar::None);

        const auto panes = panel.panes();
        QCOMPARE(panes.categoryList.right(), dropAt - 2);
        QCOMPARE(panes.entryList.left(), dropAt + 1);
        const QImage image = panel.grab().toImage();
        QCOMPARE(image.pixelColor(dropAt - 1, 50), QColor(128, 128, 0));
        QCOMPARE(image.pixelColor(dropAt, 50), QColor(128, 128, 0));
        QVERIFY(image.pixelColor(dropAt + 1, 50) != QColor(128, 128, 0));

        // Entering a pane takes the split cursor away, so the pane does not inherit it.
        QWidget* pane = panel.childAt(dropAt - 8, 50);
        while (pane && pane->parentWidget() != &panel)
            pane = pane->parentWidget();
        QVERIFY(pane);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(pane, &enter);
        QCOMPARE(panel.cursor().shape(), Qt::ArrowCursor);
    }

    void noDragUnderAnotherGrab()
    {
        const QPoint onBar =
            PaneLayout::purseVerticalBar(m_panel->panes()).topLeft() + QPoint(0, 50);
        QWidget other;
        other.show();
        other.grabMouse();
        QMouseEvent press(QEvent::MouseButtonPress, onBar, m_panel->mapToGlobal(onBar),
                          Qt::LeftButton, Qt::LeftButton, {});
        QApplication::sendEvent(m_panel.get(), &press);
        QCOMPARE(m_panel->draggedBar(), SplitterPanel::Bar::None);
        other.releaseMouse();
        QApplication::sendEvent(m_panel.get(), &press);
        QCOMPARE(m_panel->draggedBar(), SplitterPanel::Bar::Vertical);
    }

    void enterAndEscapeStayInPanel()
    {
        QDialog window;
        auto* panel = new PursePanelFrame(new QTableView, new QLineEdit, new QTableView,
                                          new QTableView, &window);
        (new QVBoxLayout(&window))->addWidget(panel);
        QSignalSpy finished(&window, &QDialog::finished);
        window.show();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(panel, key);
        QCOMPARE(finished.count(), 0);
        QVERIFY(window.isVisible());
    }
    void fitHeights_data()
    {
        addColumns<int, int, int, int, int>(
            {"upper", "lower", "available", "newUpper", "newLower"});

        QTest::newRow("fits") << 100 << 200 << 302 << 100 << 200;
        QTest::newRow("lower is taller") << 100 << 200 << 252 << 100 << 150;
        QTest::newRow("both shrink, lower on a tie") << 100 << 100 << 151 << 75 << 74;
        QTest::newRow("upper is taller") << 300 << 50 << 302 << 250 << 50;
        QTest::newRow("stops below 16") << 40 << 30 << 20 << 15 << 15;
        QTest::newRow("small ones untouched") << 10 << 12 << 5 << 10 << 12;
    }

    void fitHeights()
    {
        const auto [upper, lower, available] =
            fetch<int, int, int>({"upper", "lower", "available"});
        const auto [u, l] = PaneLayout::fitHeights(upper, lower, available);
        QTEST(u, "newUpper");
        QTEST(l, "newLower");
    }

    void archivesLayout_data()
    {
        addColumns<QSize, int, int>({"client", "leftWidth", "fieldHeight"});

        QTest::newRow("designed size") << QSize(475, 322) << 135 << 104;
        QTest::newRow("wider and taller") << QSize(800, 600) << 135 << 104;
        QTest::newRow("200 wide keeps the column") << QSize(200, 322) << 135 << 104;
        QTest::newRow("narrower than column + 16") << QSize(140, 322) << 124 << 104;
        QTest::newRow("short: taller note list shrinks") << QSize(475, 250) << 135 << 104;
        QTest::newRow("very short: both stop at 15") << QSize(475, 10) << 135 << 15;
        QTest::newRow("narrower than 16") << QSize(10, 322) << 0 << 104;
    }

    void archivesLayout()
    {
        const auto [client, leftWidth, fieldHeight] =
            fetch<QSize, int, int>({"client", "leftWidth", "fieldHeight"});

        const QRect area(QPoint(0, 0), client);
        const auto panes = PaneLayout::layoutArchives(area, archives());
        QCOMPARE(panes.categoryBox, archives().categoryBox);
        QCOMPARE(panes.itemList, QRect(0, 24, leftWidth, std::max(0, client.height() - 24)));
        QCOMPARE(panes.fieldList,
                 QRect(leftWidth + 2, 0, client.width() - leftWidth - 2, fieldHeight));
        QCOMPARE(panes.noteList.top(), fieldHeight + 2);
        QCOMPARE(panes.noteList.left(), leftWidth + 2);
        QCOMPARE(panes.noteList.height(), std::max(0, client.height() - fieldHeight - 2));
        QCOMPARE(panes.noteList.x() + panes.noteList.width(),
                 std::max(client.width(), leftWidth + 2));

        // Widening again does not bring the old column width back.
        const auto wider = PaneLayout::layoutArchives(QRect(0, 0, 900, 600), panes);
        QCOMPARE(wider.itemList.width(), leftWidth);
    }

    void purseLayout_data()
    {
        addColumns<QSize, int>({"client", "leftWidth"});

        QTest::newRow("designed size") << QSize(475, 322) << 150;
        QTest::newRow("160 wide clamps") << QSize(160, 322) << 144;
        QTest::newRow("taller") << QSize(475, 700) << 150;
    }

    void purseLayout()
    {
        const auto [client, leftWidth] = fetch<QSize, int>({"client", "leftWidth"});

        const auto panes = PaneLayout::layoutPurse(QRect(QPoint(0, 0), client), purse());
        const int h = client.height();
        QCOMPARE(panes.totalBox, QRect(0, h - 20, leftWidth, 20));
        QCOMPARE(panes.categoryList, QRect(0, 0, leftWidth, h - 22));
        QCOMPARE(panes.statsList, QRect(leftWidth + 2, h - 65, client.width() - leftWidth - 2, 65));
        QCOMPARE(panes.entryList, QRect(leftWidth + 2, 0, client.width() - leftWidth - 2, h - 67));
    }

    void purseInitial()
    {
        // A total box designed 12 units (20 pixels) high starts 17 pixels high at the same bottom.
        const auto panes = PaneLayout::initialPurse(purse());
        QCOMPARE(panes.totalBox, QRect(0, 305, 148, 17));
        QCOMPARE(panes.categoryList, QRect(0, 0, 150, 303));
        QCOMPARE(panes.entryList, purse().entryList);
        QCOMPARE(panes.statsList, purse().statsList);
    }

    void drops_data()
    {
        QTest::addColumn<int>(
            "panel"); // 0 Purse vertical, 1 Archives vertical, 2 Archives horizontal
        QTest::addColumn<int>("at");

        QTest::newRow("purse at 100") << 0 << 100;
        QTest::newRow("purse at the left limit") << 0 << 16;
        QTest::newRow("archives vertical at 300") << 1 << 300;
        QTest::newRow("archives horizontal at 200") << 2 << 200;
    }

    void drops()
    {
        const auto [panel, at] = fetch<int, int>({"panel", "at"});

        // After a drop the gap is exactly pixels at - 1 and at.
        const QRect client(0, 0, 475, 322);
        if (panel == 0) {
            const auto panes = PaneLayout::dropPurseVertical(client, purse(), at);
            QCOMPARE(panes.categoryList.right(), at - 2);
            QCOMPARE(panes.totalBox.right(), at - 2);
            QCOMPARE(panes.totalBox.height(), 20);
            QCOMPARE(panes.entryList.left(), at + 1);
            QCOMPARE(panes.statsList.left(), at + 1);
            QCOMPARE(panes.statsList.height(), 65);
            QCOMPARE(PaneLayout::purseVerticalBar(panes), QRect(at - 1, 0, 2, 322));
        } else if (panel == 1) {
            const auto panes = PaneLayout::dropArchivesVertical(archives(), at);
            QCOMPARE(panes.itemList, QRect(0, 24, at - 1, 299));
            QCOMPARE(panes.categoryBox, QRect(0, 0, at - 1, 22));
            QCOMPARE(panes.fieldList, QRect(at + 1, 0, 475 - at - 1, 104));
            QCOMPARE(panes.noteList, QRect(at + 1, 107, 475 - at - 1, 215));
            QCOMPARE(PaneLayout::archivesVerticalBar(panes).left(), at - 1);
            QCOMPARE(PaneLayout::archivesVerticalBar(panes).width(), 2);
        } else {
            const auto panes = PaneLayout::dropArchivesHorizontal(archives(), at);
            QCOMPARE(panes.itemList, archives().itemList);
            QCOMPARE(panes.fieldList, QRect(138, 0, 337, at - 1));
            QCOMPARE(panes.noteList, QRect(138, at + 1, 337, 322 - at - 1));
            QCOMPARE(PaneLayout::archivesHorizontalBar(panes), QRect(138, at - 1, 337, 2));
            // A later resize keeps the field list's height while both lists fit.
            QCOMPARE(PaneLayout::layoutArchives(QRect(0, 0, 500, 400), panes).fieldList.height(),
                     at - 1);
        }
    }

    void bars()
    {
        QCOMPARE(PaneLayout::purseVerticalBar(purse()), QRect(150, 0, 4, 322));
        QCOMPARE(PaneLayout::archivesVerticalBar(archives()), QRect(135, 0, 3, 323));
        QCOMPARE(PaneLayout::archivesHorizontalBar(archives()), QRect(138, 104, 337, 3));
        QCOMPARE(PaneLayout::verticalDragRange(QRect(0, 0, 475, 322)), std::make_pair(16, 459));
        QCOMPARE(PaneLayout::archivesHorizontalDragRange(archives()), std::make_pair(16, 306));
        QCOMPARE(PaneLayout::clampToRange(500, {16, 459}), 459);
        QCOMPARE(PaneLayout::clampToRange(3, {16, 459}), 16);
        QCOMPARE(PaneLayout::clampToRange(100, {16, 10}), 16);
    }
};

DVK_TEST(TestPanes);

#include "tst_panes.moc"
