#include "DvkTest.h"
#include "Exchange.h"
#include "FakeClock.h"
#include "SampleStore.h"
#include "StoredFields.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <cstring>
#include <ctime>
#include <libical/ical.h>

using Format = Exchange::Format;

Q_DECLARE_METATYPE(dvk::Exchange::Format)

namespace {

// Everything a store holds, as the JSON export sees it, to tell whether an import changed it.
QByteArray snapshot(const DataStore& store)
{
    return Exchange::exportBytes(store, Format::Json);
}

icalproperty* firstProperty(icalcomponent* c, icalproperty_kind kind)
{
    return icalcomponent_get_first_property(c, kind);
}

} // namespace

// Export and import in every format: the stored numbers' text forms, the round trips, the
// documents other programs read, and files refused without a change to the store.
class ExchangeTest final : public QObject
{
    Q_OBJECT
    test::FakeClock m_clock;

private Q_SLOTS:
    void initTestCase()
    {
        // Times from other zones are checked against a local zone without daylight saving.
        qputenv("TZ", "Asia/Tokyo");
        ::tzset();
    }

    void storedNumbers_data()
    {
        addColumns<bool, QList<int>, QString>({"isDate", "numbers", "text"});
        QTest::newRow("date") << true << QList{2024, 3, 5} << u"2024-03-05"_s;
        QTest::newRow("damaged date") << true << QList{2005, 13, 40} << u"2005-13-40"_s;
        QTest::newRow("negative") << true << QList{-5, 0, -7} << u"-0005-00--07"_s;
        QTest::newRow("wide year") << true << QList{2147483647, 1, 1} << u"2147483647-01-01"_s;
        QTest::newRow("time") << false << QList{1, 0, 0} << u"01:00:00"_s;
        QTest::newRow("damaged time") << false << QList{25, 61, -1} << u"25:61:-01"_s;
        // refused: no numbers
        QTest::newRow("short date") << true << QList<int>{} << u"2024-03"_s;
        QTest::newRow("date and more") << true << QList<int>{} << u"2024-03-05x"_s;
        QTest::newRow("date beyond 32 bits") << true << QList<int>{} << u"9999999999-01-01"_s;
        QTest::newRow("slashes") << true << QList<int>{} << u"2024/03/05"_s;
        QTest::newRow("time with dashes") << false << QList<int>{} << u"12-00-00"_s;
    }
    void storedNumbers()
    {
        const auto [isDate, numbers, text] =
            fetch<bool, QList<int>, QString>({"isDate", "numbers", "text"});
        const auto back = isDate ? StoredFields::parseDate(text) : StoredFields::parseTime(text);
        QCOMPARE(back.has_value(), !numbers.isEmpty());
        if (!back)
            return;
        const auto [a, b, c] = std::tuple(numbers[0], numbers[1], numbers[2]);
        QCOMPARE(isDate ? StoredFields::dateText(a, b, c) : StoredFields::timeText(a, b, c), text);
        QCOMPARE((QList{back->a, back->b, back->c}), numbers);
    }

    void amounts_data()
    {
        addColumns<double, QString>({"amount", "text"});
        QTest::newRow("12.5") << 12.5 << u"12.5"_s;
        QTest::newRow("0.1") << 0.1 << u"0.1"_s;
        QTest::newRow("whole") << -3.0 << u"-3"_s;
        QTest::newRow("third") << 1.0 / 3.0 << u"0.3333333333333333"_s;
        QTest::newRow("million") << 1e6 << u"1000000"_s;
        QTest::newRow("large") << 1e20 << u"1e+20"_s;
        QTest::newRow("small") << 1e-7 << u"1e-07"_s;
        QTest::newRow("cents") << 1234567.89 << u"1234567.89"_s;
        QTest::newRow("nan") << std::nan("") << u"NaN"_s;
        QTest::newRow("-inf") << -HUGE_VAL << u"-Infinity"_s;
        // refused: no amount
        for (const QString& text : {u"12,50"_s, u""_s, u"1.2.3"_s, u"0x10"_s, u"1e999"_s})
            QTest::addRow("refused %s", qPrintable(text)) << 0.0 << text;
    }

    void amounts()
    {
        const auto [amount, text] = fetch<double, QString>({"amount", "text"});
        const std::optional<double> back = StoredFields::parseAmount(text);
        if (QByteArrayView(QTest::currentDataTag()).startsWith("refused")) {
            QVERIFY(!back);
            return;
        }
        QCOMPARE(StoredFields::amountText(amount), text);
        QVERIFY(back);
        QVERIFY(std::memcmp(&*back, &amount, sizeof amount) == 0 ||
                (std::isnan(*back) && std::isnan(amount)));
    }

    // Export, import into an empty store, export again: the same document.
    void roundTrip_data()
    {
        addColumns<Format, int, int>({"format", "memos", "categories"});
        QTest::addColumn<QByteArray>("memoText"); // the first memo's text, unless null
        QTest::addColumn<int>("memoYear");        // its created and due year, unless 0
        QTest::newRow("json") << Format::Json << 2 << 2 << QByteArray() << 0;
        // An empty category has no row.
        QTest::newRow("csv") << Format::Csv << 0 << 1 << QByteArray() << 0;
        QTest::newRow("ics") << Format::Ics << 2 << 0 << QByteArray() << 0;
        // The calendar UID must not change when the text is written as clean calendar text.
        QTest::newRow("ics, control characters")
            << Format::Ics << 2 << 0 << QByteArray(" \tTax\r\fdue\r\nsoon\t\x01!\x7f") << 0;
        QTest::newRow("ics, memo without text") << Format::Ics << 2 << 0 << QByteArray("") << 0;
        QTest::newRow("ics, dates after 3000") << Format::Ics << 2 << 0 << QByteArray() << 4052;
    }

    void roundTrip()
    {
        QFETCH(Format, format);
        DataStore original(m_clock);
        test::fillSample(original);
        QFETCH(QByteArray, memoText);
        if (!memoText.isNull())
            original.memos.at(0)->text = memoText;
        QFETCH(int, memoYear);
        if (memoYear != 0)
            original.memos.at(0)->createdYear = original.memos.at(0)->dueYear = memoYear;
        const QByteArray first = Exchange::exportBytes(original, format);

        DataStore copy(m_clock);
        const ImportResult result = Exchange::importBytes(copy, format, first);
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.simplified, 0);
        QTEST(int(copy.memos.count()), "memos");
        QTEST(int(copy.purseCategories.count()), "categories");
        QCOMPARE(Exchange::exportBytes(copy, format), first);
    }

    void jsonRecords()
    {
        DataStore store(m_clock);
        test::fillSample(store);
        const QJsonObject root =
            QJsonDocument::fromJson(Exchange::exportBytes(store, Format::Json)).object();
        QCOMPARE(root.value(u"format"_s).toString(), u"dvk-export"_s);
        QCOMPARE(root.value(u"version"_s).toInt(), 1);
        const QJsonObject item = root.value(u"archives"_s)[0].toObject();
        QCOMPARE(item.value(u"created"_s).toString(), u"2005-13-40"_s);
        QCOMPARE(item.value(u"name"_s).toString(), u"Bank \"Nord\", Zürich"_s);
        QCOMPARE(item.value(u"facts"_s)[0].toObject(),
                 (QJsonObject{{u"name"_s, u"IBAN"_s}, {u"value"_s, u"CH93 | 0076"_s}}));
        QCOMPARE(item.value(u"notes"_s)[0].toObject(),
                 (QJsonObject{{u"date"_s, u"2021-02-03"_s},
                              {u"icon"_s, 7},
                              {u"text"_s, u"Opened\r\nsecond line"_s}}));
        const QJsonObject entry =
            root.value(u"purse"_s)[0].toObject().value(u"entries"_s)[3].toObject();
        QCOMPARE(entry.value(u"amount"_s).toDouble(), 1.0 / 3.0);
        QCOMPARE(entry.value(u"date"_s).toString(), u"2024-03-04"_s);
        QCOMPARE(root.value(u"memos"_s)[0].toObject(),
                 (QJsonObject{{u"created"_s, u"2024-01-02"_s},
                              {u"text"_s, u"Dentist, 3rd floor"_s},
                              {u"icon"_s, 12},
                              {u"due"_s, u"2024-05-06"_s},
                              {u"time"_s, u"14:30:05"_s},
                              {u"anyTime"_s, false},
                              {u"dismissed"_s, false},
                              {u"beep"_s, true},
                              {u"recurrence"_s, 3}}));
        QCOMPARE(root.value(u"notes"_s)[0].toObject().value(u"date"_s).toString(), u"1999-12-31"_s);
    }

    void csvDocument()
    {
        DataStore store(m_clock);
        test::fillSample(store);
        const QByteArray csv = Exchange::exportBytes(store, Format::Csv);
        QVERIFY2(csv.startsWith(
                     "Category,Date,Note,Amount\r\n\"Food, drinks\",2024-03-01,"
                     "\"Caf\xc3\xa9 \"\"Au\"\" lait\nbar\",12.5\r\n\"Food, drinks\",2024-03-02,"),
                 csv.constData());
        QCOMPARE(csv.count("\r\n"), 6); // the header and five entries; the empty category has none
    }

    // Rows join the first category of their name; a missing one is made, in file order.
    void csvJoinsCategoriesByName()
    {
        DataStore store(m_clock);
        store.purseCategories.add()->name = "Food";
        store.purseCategories.add()->name = "Food";
        const ImportResult result = Exchange::importBytes(
            store, Format::Csv,
            "\xef\xbb\xbf"
            "Category,Date,Note,Amount\n"
            "Food,2024-01-02,bread,2.5\nCar,2024-01-03,,-40\nFood,2024-01-04,\"a\r\nb\",1e3\n\n");
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(store.purseCategories.count(), 3);
        const PurseCategory* food = store.purseCategories.at(0);
        QCOMPARE(food->entries.count(), 2);
        QCOMPARE(food->entries.at(1)->note, QByteArray("a\r\nb"));
        QCOMPARE(food->entries.at(1)->amount, 1000.0);
        QCOMPARE(store.purseCategories.at(1)->entries.count(), 0);
        QCOMPARE(store.purseCategories.at(2)->name, QByteArray("Car"));
        QCOMPARE(store.purseCategories.at(2)->entries.at(0)->amount, -40.0);
    }

    void badInputChangesNothing_data()
    {
        addColumns<Format, QByteArray, QString>({"format", "bytes", "message"});
        // an export with empty lists, the one named replaced by `added`
        const auto replacing = [](const char* list, const QByteArray& added) {
            QByteArray lists;
            for (const char* name : {"archives", "purse", "memos", "notes"})
                lists += name == QByteArrayView(list) ? added : '"' + QByteArray(name) + "\":[],";
            return "{\"format\":\"dvk-export\",\"version\":1," + lists.chopped(1) + '}';
        };
        const QString notOurs = u"The file is not a DVK export"_s;
        QTest::newRow("json: no JSON")
            << Format::Json << QByteArray("hello")
            << u"The file is not valid JSON: illegal value at character 1."_s;
        QTest::newRow("json: a list") << Format::Json << QByteArray("[1]") << notOurs + u"."_s;
        QTest::newRow("json: foreign") << Format::Json << QByteArray("{\"format\":\"other\"}")
                                       << notOurs + u": format is not \"dvk-export\"."_s;
        QTest::newRow("json: version 2")
            << Format::Json << QByteArray("{\"format\":\"dvk-export\",\"version\":2}")
            << notOurs + u": version is not 1."_s;
        QTest::newRow("json: no memos") << Format::Json << replacing("memos", "\"x\":1,")
                                        << notOurs + u": memos is not a list."_s;
        QTest::newRow("json: bad due")
            << Format::Json
            << replacing("memos", "\"memos\":[{\"created\":\"2024-01-01\",\"text\":\"\",\"icon\":0,"
                                  "\"due\":\"2024-05\",\"time\":\"01:00:00\",\"anyTime\":true,"
                                  "\"dismissed\":false,\"beep\":false,\"recurrence\":0}],")
            << notOurs + u": memos[0].due is not a date \"YYYY-MM-DD\"."_s;
        QTest::newRow("json: icon 1.5")
            << Format::Json
            << replacing("notes",
                         "\"notes\":[{\"date\":\"2024-01-01\",\"icon\":1.5,\"text\":\"\"}],")
            << notOurs + u": notes[0].icon is not a whole number."_s;
        QTest::newRow("json: amount as text")
            << Format::Json
            << replacing("purse",
                         "\"purse\":[{\"name\":\"F\",\"entries\":[{\"date\":\"2024-01-01\","
                         "\"note\":\"\",\"amount\":\"12\"}]}],")
            << notOurs + u": purse[0].entries[0].amount is not a number."_s;
        QTest::newRow("json: fact without value")
            << Format::Json
            << replacing("archives",
                         "\"archives\":[{\"created\":\"2024-01-01\",\"name\":\"\","
                         "\"category\":\"\",\"facts\":[{\"name\":\"a\"}],\"notes\":[]}],")
            << notOurs + u": archives[0].facts[0].value is missing."_s;
        QTest::newRow("csv: header") << Format::Csv << QByteArray("Date,Amount\r\n")
                                     << u"The CSV file does not start with the header "
                                        "\"Category,Date,Note,Amount\"."_s;
        QTest::newRow("csv: three fields")
            << Format::Csv
            << QByteArray("Category,Date,Note,Amount\r\nA,2024-01-01,x,1\r\nB,x,1\r\n")
            << u"Line 3 of the CSV file: 3 fields instead of 4."_s;
        QTest::newRow("csv: date after a two-line note")
            << Format::Csv
            << QByteArray("Category,Date,Note,Amount\r\nA,2024-01-01,\"x\r\ny\",1\r\n"
                          "A,1.1.2024,,1\r\n")
            << u"Line 4 of the CSV file: \"1.1.2024\" is not a date YYYY-MM-DD."_s;
        QTest::newRow("csv: decimal comma")
            << Format::Csv << QByteArray("Category,Date,Note,Amount\nA,2024-01-01,,\"12,50\"\n")
            << u"Line 2 of the CSV file: \"12,50\" is not an amount like 12.50."_s;
        QTest::newRow("csv: open quote")
            << Format::Csv
            << QByteArray("Category,Date,Note,Amount\nA,2024-01-01,\"never closed,1\n")
            << u"Line 2 of the CSV file: a quoted field is not closed."_s;
        QTest::newRow("csv: not UTF-8")
            << Format::Csv << QByteArray("Category,Date,Note,Amount\nCaf\xe9,2024-01-01,,1\n")
            << u"The CSV file is not UTF-8 text."_s;
        QTest::newRow("ics: no calendar")
            << Format::Ics << QByteArray("BEGIN:VCARD\r\nEND:VCARD\r\n")
            << u"The file is not an iCalendar file."_s;
        QTest::newRow("ics: damaged start")
            << Format::Ics
            << QByteArray("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nSUMMARY:ok\r\n"
                          "DTSTART:20240101\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nSUMMARY:bad\r\n"
                          "DTSTART:tomorrow\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")
            << u"Entry 2 of the iCalendar file is a damaged entry"_s;
        QTest::newRow("md") << Format::Markdown << QByteArray("# Notes\n")
                            << u"Markdown files cannot be imported."_s;
    }

    void badInputChangesNothing()
    {
        const auto [format, bytes, message] =
            fetch<Format, QByteArray, QString>({"format", "bytes", "message"});
        DataStore store(m_clock);
        test::fillSample(store);
        const QByteArray before = snapshot(store);
        const ImportResult result = Exchange::importBytes(store, format, bytes);
        QVERIFY(!result.ok);
        QVERIFY2(result.message.startsWith(message), qPrintable(result.message));
        QCOMPARE(snapshot(store), before);
    }

    // What a calendar program sees of DVK's export, read back with libical.
    void icsForCalendars()
    {
        DataStore store(m_clock);
        test::fillSample(store);
        store.memos.add()->text = "Birthday"; // same text, other creation date: another UID
        const QByteArray ics = Exchange::exportBytes(store, Format::Ics);
        for (const char* line :
             {"DTSTART:20240506T143005", "DTSTART;VALUE=DATE:20240229", "RRULE:FREQ=MONTHLY",
              "RRULE:FREQ=YEARLY", "SUMMARY:Dentist\\, 3rd floor"})
            QVERIFY2(ics.contains("\r\n" + QByteArray(line) + "\r\n"), line);

        icalcomponent* calendar = icalparser_parse_string(ics.constData());
        QVERIFY(calendar);
        QSet<QByteArray> uids;
        int events = 0;
        for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
             e; e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT), ++events) {
            QVERIFY(!firstProperty(e, ICAL_XLICERROR_PROPERTY));
            QVERIFY(firstProperty(e, ICAL_DTSTAMP_PROPERTY));
            uids.insert(icalcomponent_get_uid(e));
            icalcomponent* alarm = icalcomponent_get_first_component(e, ICAL_VALARM_COMPONENT);
            QVERIFY(alarm);
            QCOMPARE(icalproperty_get_action(firstProperty(alarm, ICAL_ACTION_PROPERTY)),
                     ICAL_ACTION_DISPLAY);
            const icaltriggertype trigger =
                icalproperty_get_trigger(firstProperty(alarm, ICAL_TRIGGER_PROPERTY));
            QCOMPARE(icaldurationtype_as_int(trigger.duration), 0);
        }
        icalcomponent_free(calendar);
        QCOMPARE(events, 3);
        QCOMPARE(uids.size(), 3);
        QCOMPARE(Exchange::exportBytes(store, Format::Ics), ics); // UIDs and stamps are stable
    }

    // A file of another program: zones, UTC, to-dos and rules DVK can only simplify. Each memo
    // as "text, due date and time (none: any time), recurrence, dismissed, created (today)".
    void icsFromOtherPrograms()
    {
        DataStore store(m_clock);
        const ImportResult result =
            Exchange::importFile(store, Format::Ics, test::testDataPath(u"exchange/foreign.ics"_s));
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.simplified, 3);
        QCOMPARE(Exchange::importNotice(result),
                 u"3 repetitions DVK cannot follow were imported as no repetition."_s);
        QStringList memos;
        for (const MemoRecord* m : store.memos) {
            using namespace StoredFields;
            memos << u"%1, %2 %3, %4, %5, %6"_s
                         .arg(QString::fromUtf8(m->text),
                              dateText(m->dueYear, m->dueMonth, m->dueDay),
                              m->anyTime ? u"none"_s
                                         : timeText(m->dueHour, m->dueMinute, m->dueSecond))
                         .arg(m->recurrence)
                         .arg(m->dismissed)
                         .arg(dateText(m->createdYear, m->createdMonth, m->createdDay));
        }
        QCOMPARE(memos, (QStringList{u"Team meeting, 2024-01-15 17:00:00, 2, 0, 2024-03-15"_s,
                                     u"Flight home, 2024-07-02 07:00:00, 0, 0, 2024-03-15"_s,
                                     u"Pay rent, 2024-03-10 none, 3, 0, 2024-03-15"_s,
                                     u"Every other week, 2024-01-05 none, 0, 0, 2024-03-15"_s,
                                     u"Course, 2024-09-02 18:30:00, 0, 0, 2024-03-15"_s,
                                     u"Gym, 2024-08-05 14:00:00, 0, 0, 2024-03-15"_s,
                                     u"Done already, 2024-06-01 21:00:00, 0, 1, 2024-03-15"_s}));
    }

    void markdown()
    {
        DataStore store(m_clock);
        test::fillSample(store);
        QCOMPARE(QString::fromUtf8(Exchange::exportBytes(store, Format::Markdown)),
                 u"# Notes\n\n"
                 "## 1999-12-31 Shopping\n\n  Shopping\n# milk\n\n"
                 "# Archives\n\n"
                 "## Money — Bank \"Nord\", Zürich\n\n"
                 "| Fact | Value |\n| --- | --- |\n| IBAN | CH93 \\| 0076 |\n\n"
                 "### 2021-02-03 Opened\n\nOpened\nsecond line\n\n"_s);
    }
};

DVK_TEST(ExchangeTest);
#include "tst_exchange.moc"
