#include "DvkTest.h"
#include "IconDecoder.h"
#include "IconSources.h"
#include "IconTestFiles.h"
#include "PeIconReader.h"

#include <QTemporaryDir>

namespace files = test::IconFiles;

namespace {

// Group 0: bitmaps, red 32 and green 16. Group 1: PNGs, purple 48, blue 32 and yellow 16.
QByteArray twoGroupProgram(bool pe32Plus)
{
    return files::program(pe32Plus,
                          {{{32, files::bitmap(32, Qt::red)}, {16, files::bitmap(16, Qt::green)}},
                           {{48, files::png(48, Qt::magenta)},
                            {32, files::png(32, Qt::blue)},
                            {16, files::png(16, Qt::yellow)}}});
}

QColor centre(const QImage& image)
{
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

// An icon as "large colour size, small colour size", or "none".
QString shown(const std::optional<IconSources::IconPair>& icon)
{
    const auto one = [](const QImage& image) {
        return u"%1 %2"_s.arg(centre(image).name()).arg(image.width());
    };
    return icon ? one(icon->large) + u", "_s + one(icon->small) : u"none"_s;
}

} // namespace

class IconSourcesTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void iconFileExtension_data()
    {
        addColumns<QString, bool>({"path", "iconFile"});
        QTest::newRow("ico") << u"/home/u/pics/star.ico"_s << true;
        QTest::newRow("ICO in capitals") << u"/home/u/STAR.ICO"_s << true;
        QTest::newRow("png") << u"/home/u/star.Png"_s << true;
        QTest::newRow("no dot") << u"/home/u/ICO"_s << false;
        QTest::newRow("dot only in a folder name") << u"/home/u/icons.ico/star"_s << false;
        QTest::newRow("dot as first character") << u".ico"_s << false;
        QTest::newRow("hidden file named .ico") << u"/home/u/.ico"_s << true;
        QTest::newRow("ico inside a longer extension") << u"/home/u/a.icon"_s << false;
    }
    void iconFileExtension()
    {
        QFETCH(QString, path);
        QTEST(IconSources::isIconFile(path), "iconFile");
    }

    void programIconGroups_data() { test::addSwitchRows("pe32Plus", "PE32", "PE32+"); }
    void programIconGroups()
    {
        QFETCH(bool, pe32Plus);
        const QByteArray file = twoGroupProgram(pe32Plus);
        const PeIconReader reader(file);
        QCOMPARE(reader.groupCount(), 2);
        QCOMPARE(reader.group(1).size(), 3);

        const QList<QImage> icons = IconSources::moduleIcons(file);
        QCOMPARE((QList<QColor>{centre(icons.value(0)), centre(icons.value(1))}),
                 (QList<QColor>{Qt::red, Qt::blue}));
        QCOMPARE(icons.size(), 2);
        QCOMPARE(shown(IconSources::moduleIcon(file, 0)), u"#ff0000 32, #00ff00 16"_s);
        QCOMPARE(shown(IconSources::moduleIcon(file, 1)), u"#0000ff 32, #ffff00 16"_s);
        QCOMPARE(shown(IconSources::moduleIcon(file, 2)) + shown(IconSources::moduleIcon(file, -1)),
                 u"nonenone"_s);
    }

    void damagedProgram_data()
    {
        // width: bytes written, 2 or 4
        addColumns<qsizetype, int, quint32, int>({"offset", "width", "value", "groups"});
        const qsizetype sections = files::OptionalHeader + 224;
        const qsizetype root = files::ResourceFileOffset;
        QTest::newRow("PE header beyond the end") << qsizetype(0x3c) << 4 << 0xfffffff0u << 0;
        QTest::newRow("no PE signature") << files::PeHeader << 2 << quint32('N' | ('E' << 8)) << 0;
        QTest::newRow("unknown optional header") << files::OptionalHeader << 2 << 0x107u << 0;
        QTest::newRow("optional header too short") << files::PeHeader + 20 << 2 << 64u << 0;
        QTest::newRow("huge section count") << files::PeHeader + 6 << 2 << 0xffffu << 0;
        QTest::newRow("section beyond the end") << sections + 20 << 4 << 0x7ffffff0u << 0;
        QTest::newRow("section larger than the file") << sections + 16 << 4 << 0xfffffff0u << 2;
        QTest::newRow("resources outside every section")
            << files::OptionalHeader + 96 + 16 << 4 << 0x9000u << 0;
        QTest::newRow("root claims 65535 entries") << root + 14 << 2 << 0xffffu << 2;
        QTest::newRow("root names itself as a type directory")
            << root + 16 + 12 << 4 << 0x80000000u << 0;
        QTest::newRow("type directory offset beyond the end")
            << root + 16 + 12 << 4 << 0x8fffff00u << 0;
    }
    void damagedProgram()
    {
        const auto [offset, width, value, groups] =
            fetch<qsizetype, int, quint32, int>({"offset", "width", "value", "groups"});
        QByteArray file = twoGroupProgram(false);
        width == 2 ? files::put16(file, offset, quint16(value)) : files::put32(file, offset, value);
        QCOMPARE(PeIconReader(file).groupCount(), groups);
        QVERIFY(IconSources::moduleIcons(file).size() <= groups);
    }

    void truncatedProgram()
    {
        const QByteArray file = twoGroupProgram(true);
        for (qsizetype length = 0; length < file.size(); ++length) {
            const QByteArray part = file.left(length);
            const PeIconReader reader(part);
            QVERIFY(reader.groupCount() <= 2);
            for (qsizetype g = 0; g < reader.groupCount(); ++g)
                for (const IconEntry& entry : reader.group(g))
                    QVERIFY(entry.data.constData() + entry.data.size() <=
                            part.constData() + length);
        }
    }

    void groupImagesThatDoNotExistAreSkipped()
    {
        QByteArray file = twoGroupProgram(false);
        // Point group 0's first image at an RT_ICON id the file does not have.
        const qsizetype group = file.indexOf(QByteArray::fromHex("0000010002002020"));
        QVERIFY(group > 0);
        files::put16(file, group + 6 + 12, 77);
        const PeIconReader reader(file);
        QCOMPARE(reader.groupCount(), 2);
        QCOMPARE(reader.group(0).size(), 1);
        QCOMPARE(shown(IconSources::moduleIcon(file, 0)), u"#00ff00 32, #00ff00 16"_s);
    }

    void bestImage_data()
    {
        addColumns<QByteArray, QString>({"ico", "shown"});
        QTest::newRow("exact sizes") << files::ico({{48, files::png(48, Qt::magenta)},
                                                    {16, files::bitmap(16, Qt::green)},
                                                    {32, files::bitmap(32, Qt::red)}})
                                     << u"#ff0000 32, #00ff00 16"_s;
        QTest::newRow("only larger: the smallest larger one")
            << files::ico({{128, files::png(128, Qt::cyan)}, {48, files::png(48, Qt::magenta)}})
            << u"#ff00ff 32, #ff00ff 16"_s;
        QTest::newRow("only smaller: the largest")
            << files::ico({{8, files::png(8, Qt::cyan)}, {24, files::png(24, Qt::blue)}})
            << u"#0000ff 32, #0000ff 16"_s;
        QTest::newRow("broken exact image passed over")
            << files::ico({{32, QByteArray(60, 'x')},
                           {48, files::png(48, Qt::magenta)},
                           {16, files::png(16, Qt::green)}})
            << u"#ff00ff 32, #00ff00 16"_s;
    }
    void bestImage()
    {
        QFETCH(QByteArray, ico);
        QTemporaryDir folder;
        const QString path = folder.filePath(u"icon.ico"_s);
        QVERIFY(test::writeFile(path, ico));
        QTEST(shown(IconSources::iconFile(path)), "shown");
    }

    void icoImagesAreOfferedOneByOne()
    {
        const QByteArray ico = files::ico({{32, files::bitmap(32, Qt::red)},
                                           {48, files::png(48, Qt::blue)},
                                           {16, QByteArray(50, 'x')}});
        const QList<QImage> icons = IconSources::moduleIcons(ico);
        QCOMPARE(icons.size(), 2); // the list stops at the image that does not decode
        QCOMPARE(centre(icons[1]), QColor(Qt::blue));
        QCOMPARE(shown(IconSources::moduleIcon(ico, 1)), u"#0000ff 32, #0000ff 16"_s);
    }

    void lyingIcoDirectory_data()
    {
        QTest::addColumn<QByteArray>("ico");
        const auto lie = [](qsizetype at, int width, quint32 value) {
            QByteArray ico = files::ico({{32, files::bitmap(32, Qt::red)}});
            width == 2 ? files::put16(ico, at, quint16(value)) : files::put32(ico, at, value);
            return ico;
        };
        QTest::newRow("count beyond the directory") << lie(4, 2, 500);
        QTest::newRow("offset beyond the end") << lie(6 + 12, 4, 0xfffffff0);
        QTest::newRow("length beyond the end") << lie(6 + 8, 4, 0x7fffffff);
        QTest::newRow("bitmap width of 2^31") << lie(22 + 4, 4, 0x7fffffff);
        QTest::newRow("cursor, not icon") << QByteArray::fromHex("000002000100");
        QTest::newRow("empty") << QByteArray();
    }
    void lyingIcoDirectory()
    {
        QFETCH(QByteArray, ico);
        QVERIFY(IconSources::moduleIcons(ico).isEmpty());
        QVERIFY(!IconSources::moduleIcon(ico, 0));
    }
};

DVK_TEST(IconSourcesTest);

#include "tst_iconsources.moc"
