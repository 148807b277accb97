#include "DateFormatDialog.h"
#include "DatePicture.h"
#include "FakeClock.h"
#include "FormatDate.h"
#include "SettingsStore.h"
#include "TestRegistry.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <climits>

using namespace Qt::StringLiterals;

namespace {

// Weekday of a proleptic Gregorian date, 1 = Monday ... 7 = Sunday (Sakamoto's method), worked
// out independently of QDate to check the names the formatter picks.
int weekday(int year, int month, int day)
{
    static const int offsets[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3)
        --year;
    const int sundayBased =
        (year + year / 4 - year / 100 + year / 400 + offsets[month - 1] + day) % 7;
    return sundayBased == 0 ? 7 : sundayBased;
}

} // namespace

class TestDatePicture final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void format_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("expected");
        const QDate tuesday(2005, 3, 1);
        QTest::newRow("default") << u"en_US"_s << dvk::DatePicture::DefaultPicture << tuesday
                                 << u"2005-03-01, Tuesday"_s;
        QTest::newRow("short numbers") << u"en_US"_s << u"d/M/y"_s << tuesday << u"1/3/5"_s;
        QTest::newRow("two digits")
            << u"en_US"_s << u"dd.MM.yy"_s << QDate(2009, 12, 7) << u"07.12.09"_s;
        QTest::newRow("short names")
            << u"en_US"_s << u"ddd, MMM d yyyy"_s << tuesday << u"Tue, Mar 1 2005"_s;
        QTest::newRow("long names and era")
            << u"en_US"_s << u"dddd d MMMM yyyy gg"_s << tuesday << u"Tuesday 1 March 2005 A.D."_s;
        QTest::newRow("literals") << u"en_US"_s << u"'Day' d 'of' MMMM"_s << tuesday
                                  << u"Day 1 of March"_s;
        QTest::newRow("quote in literal") << u"en_US"_s << u"'it''s' d"_s << tuesday << u"it's 1"_s;
        QTest::newRow("quotes outside") << u"en_US"_s << u"''d''"_s << tuesday << u"'1'"_s;
        QTest::newRow("other script")
            << u"en_US"_s << u"yyyy年M月d日"_s << tuesday << u"2005年3月1日"_s;
        QTest::newRow("early year")
            << u"en_US"_s << u"yyyy yy y"_s << QDate(7, 1, 1) << u"0007 07 7"_s;
        QTest::newRow("leap day") << u"en_US"_s << u"d MMMM"_s << QDate(2004, 2, 29)
                                  << u"29 February"_s;
        QTest::newRow("german names")
            << u"de_DE"_s << u"dddd, d. MMMM yyyy"_s << tuesday << u"Dienstag, 1. März 2005"_s;
    }
    void format()
    {
        QFETCH(QString, locale);
        QFETCH(QString, picture);
        QFETCH(QDate, date);
        QFETCH(QString, expected);
        QCOMPARE(dvk::DatePicture::format(picture, date, QLocale(locale), 510), expected);
    }

    void rejected_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QDate>("date");
        const QDate day(2005, 3, 1);
        QTest::newRow("empty") << QString() << day;
        QTest::newRow("minutes letter") << u"yyyy-mm-dd"_s << day;
        QTest::newRow("time") << u"hh:mm"_s << day;
        QTest::newRow("capital day") << u"DD.MM"_s << day;
        QTest::newRow("open quote") << u"d 'of MMMM"_s << day;
        QTest::newRow("five d") << u"ddddd"_s << day;
        QTest::newRow("five M") << u"MMMMM"_s << day;
        QTest::newRow("three y") << u"yyy"_s << day;
        QTest::newRow("five y") << u"yyyyy"_s << day;
        QTest::newRow("three g") << u"ggg"_s << day;
        QTest::newRow("letter after quote") << u"''x"_s << day;
        QTest::newRow("no such date") << u"d"_s << QDate(2005, 2, 30);
        QTest::newRow("year 0") << u"d"_s << QDate(0, 1, 1);
        QTest::newRow("year 10000") << u"d"_s << QDate(10000, 1, 1);
    }
    void rejected()
    {
        QFETCH(QString, picture);
        QFETCH(QDate, date);
        QCOMPARE(dvk::DatePicture::format(picture, date, QLocale(u"en_US"_s), 510), std::nullopt);
    }

    void lengthLimit()
    {
        const QLocale english(u"en_US"_s);
        const QDate tuesday(2005, 3, 1);
        QCOMPARE(dvk::DatePicture::format(u"dddd"_s, tuesday, english, 7), u"Tuesday"_s);
        QCOMPARE(dvk::DatePicture::format(u"dddd"_s, tuesday, english, 6), std::nullopt);
    }

    void weekdayOfEveryDate()
    {
        const QLocale english(u"en_US"_s);
        QList<QDate> dates;
        for (QDate d(1899, 12, 1); d <= QDate(2101, 1, 31); d = d.addDays(1))
            dates << d;
        for (int year = 1; year <= 9999; ++year)
            dates << QDate(year, 1, 1) << QDate(year, 3, 1) << QDate(year, 12, 31);
        for (const QDate& d : std::as_const(dates)) {
            const QString expected =
                english.dayName(weekday(d.year(), d.month(), d.day()), QLocale::LongFormat);
            const std::optional<QString> text =
                dvk::DatePicture::format(u"dddd"_s, d, english, 510);
            if (text != expected)
                QFAIL(qPrintable(d.toString(Qt::ISODate) + u" gave "_s + text.value_or(u"-"_s)));
        }
    }
};

class TestFormatDate final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { dvk::SettingsStore().remove(dvk::SettingsStore::DateFormat); }

    void noStoredPicture()
    {
        QCOMPARE(dvk::FormatDate(2005, 3, 1),
                 u"2005-03-01, "_s + QLocale::system().dayName(2, QLocale::LongFormat));
    }

    void storedPicture_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("expected");
        const QString fallback = u"2005-03-01, "_s + QLocale::system().dayName(2);
        QTest::newRow("used") << u"d.M.yyyy"_s << u"1.3.2005"_s;
        QTest::newRow("empty") << QString() << fallback;
        QTest::newRow("rejected") << u"hh:mm"_s << fallback;
        QTest::newRow("81 characters") << u"yyyy'"_s + u"-"_s.repeated(75) + u"'"_s << fallback;
        QTest::newRow("80 characters")
            << u"yyyy'"_s + u"-"_s.repeated(74) + u"'"_s << u"2005"_s + u"-"_s.repeated(74);
    }
    void storedPicture()
    {
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        QVERIFY(dvk::SettingsStore().writeText(dvk::SettingsStore::DateFormat, stored));
        QCOMPARE(dvk::FormatDate(2005, 3, 1), expected);
    }

    void capacity_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QString>("expected");
        QTest::newRow("whole") << u"yyyy-MM-dd"_s << 0 << u"2005-03-01"_s;
        QTest::newRow("room to spare") << u"yyyy-MM-dd"_s << 255 << u"2005-03-01"_s;
        QTest::newRow("just fits") << u"yyyy-MM-dd"_s << 11 << u"2005-03-01"_s;
        QTest::newRow("one short") << u"yyyy-MM-dd"_s << 10 << u"2005-03-0"_s;
        QTest::newRow("year only") << u"yyyy-MM-dd"_s << 5 << u"2005"_s;
        QTest::newRow("nothing") << u"yyyy-MM-dd"_s << 1 << QString();
        QTest::newRow("surrogate pair kept whole") << u"'x😀'"_s << 3 << u"x"_s;
        QTest::newRow("invalid date cut") << QString() << 5 << u"2005"_s;
    }
    void capacity()
    {
        QFETCH(QString, stored);
        QFETCH(int, capacity);
        QFETCH(QString, expected);
        QVERIFY(dvk::SettingsStore().writeText(dvk::SettingsStore::DateFormat, stored));
        const int month = QTest::currentDataTag() == QByteArray("invalid date cut") ? 13 : 3;
        QCOMPARE(dvk::FormatDate(2005, month, 1, capacity), expected);
    }

    void damagedDates_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("expected");
        QTest::newRow("month 13") << 2005 << 13 << 1 << u"2005-13-01"_s;
        QTest::newRow("day 40") << 2005 << 3 << 40 << u"2005-03-40"_s;
        QTest::newRow("30 February") << 2005 << 2 << 30 << u"2005-02-30"_s;
        QTest::newRow("all zero") << 0 << 0 << 0 << u"0000-00-00"_s;
        QTest::newRow("negative") << -1 << 1 << -3 << u"-0001-01--03"_s;
        QTest::newRow("year 10000") << 10000 << 1 << 1 << u"10000-01-01"_s;
        QTest::newRow("extremes") << INT_MIN << INT_MAX << INT_MIN
                                  << u"-2147483648-2147483647--2147483648"_s;
    }
    void damagedDates()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QFETCH(QString, expected);
        QCOMPARE(dvk::FormatDate(year, month, day), expected);
    }
};

class TestDateFormatDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { dvk::SettingsStore().remove(dvk::SettingsStore::DateFormat); }

    void opensWithStoredPicture_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("trimmed") << u"  d.M.yyyy \t"_s << u"d.M.yyyy"_s;
        QTest::newRow("blank") << u"   "_s << dvk::DatePicture::DefaultPicture;
    }
    void opensWithStoredPicture()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QVERIFY(dvk::SettingsStore().writeText(dvk::SettingsStore::DateFormat, stored));
        const dvk::DateFormatDialog dialog;
        QCOMPARE(dialog.formatEdit()->text(), shown);
        QVERIFY(dialog.okButton()->isEnabled());
    }

    void okAndSample_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("sample");
        QTest::newRow("accepted, blanks trimmed") << u"  dd/MM/yyyy  "_s << true << u"15/03/2024"_s;
        QTest::newRow("rejected letter") << u"dd/mm/yyyy"_s << false << QString();
        QTest::newRow("open quote") << u"'yyyy"_s << false << QString();
        QTest::newRow("blank") << u"   "_s << false << QString();
    }
    void okAndSample()
    {
        QFETCH(QString, typed);
        QFETCH(bool, ok);
        QFETCH(QString, sample);
        const dvk::test::FakeClock clock(QDateTime(QDate(2024, 3, 15), QTime(9, 30)));
        dvk::DateFormatDialog dialog(nullptr, clock);
        dialog.showSampleButton()->click();
        QVERIFY(!dialog.sampleEdit()->text().isEmpty());
        dialog.formatEdit()->setText(typed);
        QCOMPARE(dialog.okButton()->isEnabled(), ok);
        dialog.showSampleButton()->click();
        QCOMPARE(dialog.sampleEdit()->text(), sample);
    }

    void okStoresTrimmedPicture()
    {
        dvk::DateFormatDialog dialog;
        dialog.formatEdit()->setText(u"  yyyy.MM.dd "_s);
        dialog.okButton()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dvk::SettingsStore().readText(dvk::SettingsStore::DateFormat, 80),
                 u"yyyy.MM.dd"_s);
        QCOMPARE(dvk::FormatDate(2005, 3, 1), u"2005.03.01"_s);
    }

    void rejectedPictureIsNeverStored()
    {
        dvk::DateFormatDialog dialog;
        dialog.formatEdit()->setText(u"hh:mm"_s);
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dvk::SettingsStore().readText(dvk::SettingsStore::DateFormat, 80), std::nullopt);
    }

    void cancelWritesNothing()
    {
        dvk::DateFormatDialog dialog;
        dialog.formatEdit()->setText(u"yyyy"_s);
        dialog.reject();
        QCOMPARE(dvk::SettingsStore().readText(dvk::SettingsStore::DateFormat, 80), std::nullopt);
    }
};

DVK_TEST(TestDatePicture);
DVK_TEST(TestFormatDate);
DVK_TEST(TestDateFormatDialog);

#include "tst_dateformat.moc"
