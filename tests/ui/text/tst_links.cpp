#include "AboutDialog.h"
#include "ClassifyLink.h"
#include "DvkTest.h"
#include "LinkLabel.h"
#include "OpenLink.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

Q_DECLARE_METATYPE(dvk::LinkKind)

namespace {

// Records what would have been opened instead of starting a browser or mail program.
class RecordingOpener final
{
public:
    RecordingOpener()
    {
        dvk::SetUrlOpener([this](const QUrl& url) { opened << url.toString(); });
    }
    ~RecordingOpener() { dvk::SetUrlOpener({}); }
    RecordingOpener(const RecordingOpener&) = delete;
    RecordingOpener& operator=(const RecordingOpener&) = delete;

    QStringList opened;
};

} // namespace

class TestClassifyLink final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void classify_data()
    {
        using dvk::LinkKind;
        addColumns<QString, LinkKind>({"text", "kind"});
        QTest::newRow("http") << u"http://www.example.org/"_s << LinkKind::Http;
        QTest::newRow("http capitals") << u"HTTP://WWW.EXAMPLE.ORG"_s << LinkKind::Http;
        QTest::newRow("https with blank") << u"Https://example.org/a b"_s << LinkKind::Https;
        QTest::newRow("scheme only") << u"https:"_s << LinkKind::Https;
        QTest::newRow("mailto") << u"mailto:joe@example.org"_s << LinkKind::Mail;
        QTest::newRow("mailto capitals, no at") << u"MAILTO:joe"_s << LinkKind::Mail;
        QTest::newRow("bare mail") << u"joe@example.org"_s << LinkKind::Mail;
        QTest::newRow("starts with at") << u"@example.org"_s << LinkKind::None;
        QTest::newRow("mail with blank") << u"joe doe@example.org"_s << LinkKind::None;
        for (const QChar c : u"\\/|<>?*\":"_s)
            QTest::addRow("mail with %c", char(c.unicode()))
                << u"jo"_s + c + u"e@example.org"_s << LinkKind::None;
        QTest::newRow("drive letter") << u"C:\\Users\\joe\\notes.txt"_s << LinkKind::None;
        QTest::newRow("file transfer") << u"ftp://files.example.org"_s << LinkKind::None;
        QTest::newRow("other scheme with at") << u"ftp:joe@example.org"_s << LinkKind::None;
        QTest::newRow("colon first") << u":http"_s << LinkKind::None;
        QTest::newRow("empty") << QString() << LinkKind::None;
        QTest::newRow("look-alike scheme") << u"\u0130ttp://x"_s << LinkKind::None;
        QTest::newRow("full-width scheme") << u"\uff48ttp://x"_s << LinkKind::None;
    }
    void classify()
    {
        QFETCH(QString, text);
        QTEST(dvk::ClassifyLink(text), "kind");
    }

    void open_data()
    {
        addColumns<QString, QString>({"text", "opened"});
        QTest::newRow("web") << u"http://www.example.org/"_s << u"http://www.example.org/"_s;
        QTest::newRow("secure web") << u"HTTPS://example.org/"_s << u"https://example.org/"_s;
        QTest::newRow("bare mail") << u"joe@example.org"_s << u"mailto:joe@example.org"_s;
        QTest::newRow("mail with scheme")
            << u"mailto:joe@example.org"_s << u"mailto:joe@example.org"_s;
        QTest::newRow("not a link") << u"ftp://files.example.org"_s << QString();
    }
    void open()
    {
        const auto [text, opened] = fetch<QString, QString>({"text", "opened"});
        const RecordingOpener opener;
        QCOMPARE(dvk::OpenLink(text, dvk::ClassifyLink(text)), !opened.isEmpty());
        QCOMPARE(opener.opened, opened.isEmpty() ? QStringList() : QStringList{opened});
    }
};

class TestLinkLabel final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        auto* const layout = new QHBoxLayout(m_window.get());
        layout->setContentsMargins(40, 40, 40, 40);
        m_label = new dvk::LinkLabel(u"www.example.org"_s, m_window.get());
        m_label->setTarget(u"https://www.example.org/"_s);
        layout->addWidget(m_label);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void click_data()
    {
        addColumns<QList<QPoint>, bool>({"moves", "opens"});
        const QPoint outside(-20, -20);
        QTest::newRow("click") << QList<QPoint>() << true;
        QTest::newRow("moved off and released") << QList<QPoint>{outside} << false;
        QTest::newRow("moved off and back") << QList<QPoint>{outside, QPoint()} << true;
    }
    void click()
    {
        const auto [moves, opens] = fetch<QList<QPoint>, bool>({"moves", "opens"});
        const RecordingOpener opener;
        const QPoint centre = m_label->rect().center();
        QTest::mousePress(m_label, Qt::LeftButton, {}, centre);
        QPoint last = centre;
        for (const QPoint& move : std::as_const(moves)) {
            last = move.isNull() ? centre : move;
            QTest::mouseMove(m_label, last);
            QCOMPARE(m_label->cursor().shape(),
                     last == centre ? Qt::PointingHandCursor : Qt::ArrowCursor);
        }
        QTest::mouseRelease(m_label, Qt::LeftButton, {}, last);
        QCOMPARE(opener.opened, opens ? QStringList{u"https://www.example.org/"_s} : QStringList());
    }

    void looksLikeALinkAndOpensByKeyboard()
    {
        QVERIFY(m_label->font().underline());
        QCOMPARE(m_label->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(m_label->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(m_label, &enter);
        QCOMPARE(m_label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(m_label, &leave);
        QCOMPARE(m_label->palette().color(QPalette::WindowText), QColor(0, 0, 0));
        const RecordingOpener opener;
        QTest::keyClick(m_label, Qt::Key_Return);
        QCOMPARE(opener.opened, QStringList{u"https://www.example.org/"_s});

        // Without a target the label is no link.
        m_label->setTarget(QString());
        QCOMPARE(m_label->cursor().shape(), Qt::ArrowCursor);
        QTest::mouseClick(m_label, Qt::LeftButton);
        QTest::keyClick(m_label, Qt::Key_Space);
        QCOMPARE(opener.opened.size(), 1);
    }

private:
    std::unique_ptr<QWidget> m_window;
    dvk::LinkLabel* m_label = nullptr;
};

class TestAboutDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void contents()
    {
        const RecordingOpener opener;
        dvk::AboutDialog dialog;
        QCOMPARE(dialog.windowTitle(), u"About DVK"_s);
        QCOMPARE(dialog.focusWidget(), dialog.okButton());
        QStringList texts;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            texts << label->text();
        QVERIFY(texts.contains(u"DVK Version 2.9"_s));
        dialog.show();
        QTest::mouseClick(dialog.homePageLink(), Qt::LeftButton);
        QCOMPARE(opener.opened, QStringList{u"https://www.quillmark.example.org/"_s});
        QVERIFY(dialog.isVisible());
        dialog.okButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

DVK_TEST(TestClassifyLink);
DVK_TEST(TestLinkLabel);
DVK_TEST(TestAboutDialog);

#include "tst_links.moc"
