#include "DvkTest.h"
#include "PursePanelFrame.h"

#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTableView>
#include <QVBoxLayout>

namespace dvk {

class TestPanelFrames final : public QObject
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
};

} // namespace dvk

using dvk::TestPanelFrames;
DVK_TEST(TestPanelFrames);
#include "tst_panelframes.moc"
