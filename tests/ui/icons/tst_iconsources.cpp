#include "DvkTest.h"
#include "IconDecoder.h"
#include "IconSources.h"
#include "IconTestFiles.h"
#include "PeIconReader.h"

#include <QTemporaryDir>

namespace files = dvk::test::IconFiles;

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
        QCOMPARE(icons.size(), 2);
        QCOMPARE(centre(icons[0]), QColor(Qt::red));
        QCOMPARE(centre(icons[1]), QColor(Qt::blue));

        const auto first = IconSources::moduleIcon(file, 0);
        QVERIFY(first);
        QCOMPARE(first->small.size(), QSize(16, 16));
        QCOMPARE(centre(first->small), QColor(Qt::green));
        const auto second = IconSources::moduleIcon(file, 1);
        QVERIFY(second);
        QCOMPARE(centre(second->large), QColor(Qt::blue));
        QCOMPARE(centre(second->small), QColor(Qt::yellow));
        QVERIFY(!IconSources::moduleIcon(file, 2));
        QVERIFY(!IconSources::moduleIcon(file, -1));
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
        QCOMPARE(centre(IconSources::moduleIcon(file, 0)->large), QColor(Qt::green));
    }

    void bestImage_data()
    {
        addColumns<QByteArray, QColor, QColor>({"ico", "large", "small"});
        QTest::newRow("exact sizes") << files::ico({{48, files::png(48, Qt::magenta)},
                                                    {16, files::bitmap(16, Qt::green)},
                                                    {32, files::bitmap(32, Qt::red)}})
                                     << QColor(Qt::red) << QColor(Qt::green);
        QTest::newRow("only larger: the smallest larger one")
            << files::ico({{128, files::png(128, Qt::cyan)}, {48, files::png(48, Qt::magenta)}})
            << QColor(Qt::magenta) << QColor(Qt::magenta);
        QTest::newRow("only smaller: the largest")
            << files::ico({{8, files::png(8, Qt::cyan)}, {24, files::png(24, Qt::blue)}})
            << QColor(Qt::blue) << QColor(Qt::blue);
        QTest::newRow("broken exact image passed over")
            << files::ico({{32, QByteArray(60, 'x')},
                           {48, files::png(48, Qt::magenta)},
                           {16, files::png(16, Qt::green)}})
            << QColor(Qt::magenta) << QColor(Qt::green);
    }
    void bestImage()
    {
        const auto [ico, large, small] =
            fetch<QByteArray, QColor, QColor>({"ico", "large", "small"});
        QTemporaryDir folder;
        const QString path = folder.filePath(u"icon.ico"_s);
        QVERIFY(test::writeFile(path, ico));
        const auto icon = IconSources::iconFile(path);
        QVERIFY(icon);
        QCOMPARE(icon->large.size(), QSize(32, 32));
        QCOMPARE(icon->small.size(), QSize(16, 16));
        QCOMPARE(centre(icon->large), large);
        QCOMPARE(centre(icon->small), small);
    }

    void icoImagesAreOfferedOneByOne()
    {
        const QByteArray ico = files::ico({{32, files::bitmap(32, Qt::red)},
                                           {48, files::png(48, Qt::blue)},
                                           {16, QByteArray(50, 'x')}});
        const QList<QImage> icons = IconSources::moduleIcons(ico);
        QCOMPARE(icons.size(), 2); // the list stops at the image that does not decode
        QCOMPARE(centre(icons[1]), QColor(Qt::blue));
        QCOMPARE(centre(IconSources::moduleIcon(ico, 1)->small), QColor(Qt::blue));
    }

    void lyingIcoDirectory_data()
    {
        QTest::addColumn<QByteArray>("ico");
        QByteArray valid = files::ico({{32, files::bitmap(32, Qt::red)}});
        QByteArray countLies = valid;
        files::put16(countLies, 4, 500);
        QByteArray offsetLies = valid;
        files::put32(offsetLies, 6 + 12, 0xfffffff0);
        QByteArray lengthLies = valid;
        files::put32(lengthLies, 6 + 8, 0x7fffffff);
        QByteArray bitmapLies = valid;
        files::put32(bitmapLies, 22 + 4, 0x7fffffff);
        QTest::newRow("count beyond the directory") << countLies;
        QTest::newRow("offset beyond the end") << offsetLies;
        QTest::newRow("length beyond the end") << lengthLies;
        QTest::newRow("bitmap width of 2^31") << bitmapLies;
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
