#include "AboutDialog.h"
#include "ClassifyLink.h"
#include "DateFormatDialog.h"
#include "DatePicture.h"
#include "DvkTest.h"
#include "FakeClock.h"
#include "FormatDate.h"
#include "LinkLabel.h"
#include "OpenLink.h"
#include "SettingsStore.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <climits>

Q_DECLARE_METATYPE(LinkKind)

class TestText final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        SettingsStore().remove(SettingsStore::DateFormat);
        // Records what would have been opened instead of starting a browser or mail program.
        m_opened.clear();
        SetUrlOpener([this](const QUrl& url) { m_opened << url.toString(); });
        m_window = std::make_unique<QWidget>();
        auto* const layout = new QHBoxLayout(m_window.get());
        layout->setContentsMargins(40, 40, 40, 40);
        m_label = new LinkLabel(u"www.example.org"_s, m_window.get());
        m_label->setTarget(u"https://www.example.org/"_s);
        layout->addWidget(m_label);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup()
    {
        m_window.reset();
        SetUrlOpener({});
    }

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
        QCOMPARE(m_opened, opens ? QStringList{u"https://www.example.org/"_s} : QStringList());
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
        QTest::keyClick(m_label, Qt::Key_Return);
        QCOMPARE(m_opened, QStringList{u"https://www.example.org/"_s});

        // Without a target the label is no link.
        m_label->setTarget(QString());
        QCOMPARE(m_label->cursor().shape(), Qt::ArrowCursor);
        QTest::mouseClick(m_label, Qt::LeftButton);
        QTest::keyClick(m_label, Qt::Key_Space);
        QCOMPARE(m_opened.size(), 1);
    }
    // An empty expectation means the picture or the date is refused.
    void format_data()
    {
        addColumns<QString, QString, QDate, int, QString>(
            {"locale", "picture", "date", "maxLength", "expected"});
        const QString en = u"en_US"_s;
        const QDate tuesday(2005, 3, 1);
        QTest::newRow("default") << en << u"yyyy-MM-dd, dddd"_s << tuesday << 510
                                 << u"2005-03-01, Tuesday"_s;
        QTest::newRow("short numbers") << en << u"d/M/y"_s << tuesday << 510 << u"1/3/5"_s;
        QTest::newRow("two digits")
            << en << u"dd.MM.yy"_s << QDate(2009, 12, 7) << 510 << u"07.12.09"_s;
        QTest::newRow("short names")
            << en << u"ddd, MMM d yyyy"_s << tuesday << 510 << u"Tue, Mar 1 2005"_s;
        QTest::newRow("long names and era")
            << en << u"dddd d MMMM yyyy gg"_s << tuesday << 510 << u"Tuesday 1 March 2005 A.D."_s;
        QTest::newRow("literals") << en << u"'Day' d 'of' MMMM"_s << tuesday << 510
                                  << u"Day 1 of March"_s;
        QTest::newRow("quote in literal") << en << u"'it''s' d"_s << tuesday << 510 << u"it's 1"_s;
        QTest::newRow("empty literals") << en << u"''d''"_s << tuesday << 510 << u"1"_s;
        QTest::newRow("other script")
            << en << u"yyyy年M月d日"_s << tuesday << 510 << u"2005年3月1日"_s;
        QTest::newRow("early year")
            << en << u"yyyy yy y"_s << QDate(7, 1, 1) << 510 << u"0007 07 7"_s;
        QTest::newRow("month on its own: nominative")
            << u"ru_RU"_s << u"MMMM yyyy"_s << tuesday << 510 << u"март 2005"_s;
        QTest::newRow("month beside a day number: genitive")
            << u"ru_RU"_s << u"d MMMM yyyy"_s << tuesday << 510 << u"1 марта 2005"_s;
        QTest::newRow("quoted d is no day number")
            << u"ru_RU"_s << u"'d' MMMM"_s << tuesday << 510 << u"d март"_s;
        QTest::newRow("exactly the length") << en << u"dddd"_s << tuesday << 7 << u"Tuesday"_s;
        QTest::newRow("one too long") << en << u"dddd"_s << tuesday << 6 << QString();
        const QStringList refused{QString(),       u"yyyy-mm-dd"_s, u"hh:mm"_s, u"DD.MM"_s,
                                  u"d 'of MMMM"_s, u"ddddd"_s,      u"MMMMM"_s, u"yyy"_s,
                                  u"yyyyy"_s,      u"ggg"_s,        u"''x"_s};
        for (const QString& picture : refused)
            QTest::addRow("refused '%s'", qPrintable(picture))
                << en << picture << tuesday << 510 << QString();
        QTest::newRow("no such date") << en << u"d"_s << QDate(2005, 2, 30) << 510 << QString();
        QTest::newRow("year 0") << en << u"d"_s << QDate(0, 1, 1) << 510 << QString();
        QTest::newRow("year 10000") << en << u"d"_s << QDate(10000, 1, 1) << 510 << QString();
    }
    void format()
    {
        const auto [locale, picture, date, maxLength, expected] =
            fetch<QString, QString, QDate, int, QString>(
                {"locale", "picture", "date", "maxLength", "expected"});
        const auto text = DatePicture::format(picture, date, QLocale(locale), maxLength);
        QCOMPARE(text, expected.isEmpty() ? std::nullopt : std::optional<QString>(expected));
    }

    // A null stored picture leaves the setting unwritten; capacity 0 means no limit.
    void formatDate_data()
    {
        addColumns<QString, int, int, int, int, QString>(
            {"stored", "year", "month", "day", "capacity", "expected"});
        const QString fallback = u"2005-03-01, "_s + QLocale::system().dayName(2);
        const QString iso = u"yyyy-MM-dd"_s;
        QTest::newRow("nothing stored") << QString() << 2005 << 3 << 1 << 0 << fallback;
        QTest::newRow("used") << u"d.M.yyyy"_s << 2005 << 3 << 1 << 0 << u"1.3.2005"_s;
        QTest::newRow("rejected") << u"hh:mm"_s << 2005 << 3 << 1 << 0 << fallback;
        QTest::newRow("81 characters")
            << u"yyyy'"_s + u"-"_s.repeated(75) + u"'"_s << 2005 << 3 << 1 << 0 << fallback;
        QTest::newRow("80 characters") << u"yyyy'"_s + u"-"_s.repeated(74) + u"'"_s << 2005 << 3
                                       << 1 << 0 << u"2005"_s + u"-"_s.repeated(74);
        QTest::newRow("just fits") << iso << 2005 << 3 << 1 << 11 << u"2005-03-01"_s;
        QTest::newRow("one short") << iso << 2005 << 3 << 1 << 10 << u"2005-03-0"_s;
        QTest::newRow("nothing") << iso << 2005 << 3 << 1 << 1 << QString();
        QTest::newRow("surrogate pair kept whole") << u"'x😀'"_s << 2005 << 3 << 1 << 3 << u"x"_s;
        QTest::newRow("invalid date cut") << QString() << 2005 << 13 << 1 << 5 << u"2005"_s;
        QTest::newRow("month 13") << QString() << 2005 << 13 << 1 << 0 << u"2005-13-01"_s;
        QTest::newRow("negative") << QString() << -1 << 1 << -3 << 0 << u"-0001-01--03"_s;
        QTest::newRow("extremes") << QString() << INT_MIN << INT_MAX << INT_MIN << 0
                                  << u"-2147483648-2147483647--2147483648"_s;
    }
    void formatDate()
    {
        const auto [stored, year, month, day, capacity] =
            fetch<QString, int, int, int, int>({"stored", "year", "month", "day", "capacity"});
        if (!stored.isNull())
            QVERIFY(SettingsStore().writeText(SettingsStore::DateFormat, stored));
        QTEST(FormatDate(year, month, day, capacity), "expected");
    }

    void opensWithStoredPicture_data()
    {
        addColumns<QString, QString>({"stored", "shown"});
        QTest::newRow("trimmed") << u"  d.M.yyyy \t"_s << u"d.M.yyyy"_s;
        QTest::newRow("blank") << u"   "_s << u"yyyy-MM-dd, dddd"_s;
    }
    void opensWithStoredPicture()
    {
        QFETCH(QString, stored);
        QVERIFY(SettingsStore().writeText(SettingsStore::DateFormat, stored));
        const DateFormatDialog dialog;
        QTEST(dialog.formatEdit()->text(), "shown");
        QVERIFY(dialog.okButton()->isEnabled());
    }

    // Only an accepted, valid picture is stored, trimmed; an empty expectation stores nothing.
    void okSampleAndClosing_data()
    {
        addColumns<QString, bool, QString, bool, QString>(
            {"typed", "ok", "sample", "accept", "stored"});
        QTest::newRow("accepted, blanks trimmed")
            << u"  dd/MM/yyyy  "_s << true << u"15/03/2024"_s << true << u"dd/MM/yyyy"_s;
        QTest::newRow("rejected letter")
            << u"dd/mm/yyyy"_s << false << QString() << true << QString();
        QTest::newRow("blank") << u"   "_s << false << QString() << true << QString();
        QTest::newRow("Cancel") << u"yyyy"_s << true << u"2024"_s << false << QString();
    }
    void okSampleAndClosing()
    {
        const auto [typed, accept, stored] =
            fetch<QString, bool, QString>({"typed", "accept", "stored"});
        const test::FakeClock clock(QDateTime(QDate(2024, 3, 15), QTime(9, 30)));
        DateFormatDialog dialog(nullptr, clock);
        dialog.showSampleButton()->click();
        QVERIFY(!dialog.sampleEdit()->text().isEmpty());
        dialog.formatEdit()->setText(typed);
        QTEST(dialog.okButton()->isEnabled(), "ok");
        dialog.showSampleButton()->click();
        QTEST(dialog.sampleEdit()->text(), "sample");
        accept ? dialog.accept() : dialog.reject();
        QCOMPARE(dialog.result(), int(stored.isEmpty() ? QDialog::Rejected : QDialog::Accepted));
        QCOMPARE(SettingsStore().readText(SettingsStore::DateFormat, 80),
                 stored.isEmpty() ? std::nullopt : std::optional(stored));
        if (!stored.isEmpty())
            QCOMPARE(FormatDate(2005, 3, 1), u"01/03/2005"_s);
    }
    void classify_data()
    {
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
        QTEST(ClassifyLink(text), "kind");
    }

    void open_data()
    {
        addColumns<QString, QString>({"text", "opened"});
        QTest::newRow("secure web") << u"HTTPS://example.org/"_s << u"https://example.org/"_s;
        QTest::newRow("mail with scheme")
            << u"mailto:joe@example.org"_s << u"mailto:joe@example.org"_s;
        QTest::newRow("not a link") << u"ftp://files.example.org"_s << QString();
    }
    void open()
    {
        const auto [text, opened] = fetch<QString, QString>({"text", "opened"});
        QCOMPARE(OpenLink(text, ClassifyLink(text)), !opened.isEmpty());
        QCOMPARE(m_opened, opened.isEmpty() ? QStringList() : QStringList{opened});
    }
    void contents()
    {
        AboutDialog dialog;
        QCOMPARE(dialog.windowTitle(), u"About DVK"_s);
        QCOMPARE(dialog.focusWidget(), dialog.okButton());
        QStringList texts;
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            texts << label->text();
        QVERIFY(texts.contains(u"DVK Version 2.9"_s));
        dialog.show();
        QTest::mouseClick(dialog.homePageLink(), Qt::LeftButton);
        QCOMPARE(m_opened, QStringList{u"https://www.quillmark.example.org/"_s});
        QVERIFY(dialog.isVisible());
        dialog.okButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

private:
    std::unique_ptr<QWidget> m_window;
    LinkLabel* m_label = nullptr;
    QStringList m_opened;
};

DVK_TEST(TestText);

#include "tst_text.moc"
