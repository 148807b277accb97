#include "DvkTest.h"
#include "IconLibrary.h"
#include "IconListFile.h"
#include "IconTestFiles.h"
#include "ProgramIcons.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

namespace files = test::IconFiles;
using files::square;

namespace {

// Every icon of one size: the library's, or (without a library) the built-in ones as it holds
// them.
QList<QImage> icons(int size, const IconLibrary* library = nullptr)
{
    QList<QImage> all;
    for (int i = 0; i < (library ? library->count() : 60); ++i)
        all << (!library ? ProgramIcons::builtIn(i, size).convertToFormat(
                               QImage::Format_ARGB32_Premultiplied)
                : size == 32 ? library->largeIcon(i)
                             : library->smallIcon(i));
    return all;
}

QByteArray listBytes(const QList<QImage>& icons, int size)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    IconListFile::write(buffer, icons, size);
    return buffer.data();
}

QString writeIco(const QTemporaryDir& folder, QColor colour)
{
    const QString path = folder.filePath(u"added.ico"_s);
    test::writeFile(path,
                    files::ico({{32, files::bitmap(32, colour)}, {16, files::bitmap(16, colour)}}));
    return path;
}

// Damages the saved lists (small, large file); false when the damage could not be done.
using Damage = std::function<bool(const QString&, const QString&)>;

} // namespace

Q_DECLARE_METATYPE(Damage)

class IconLibraryTest final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstStartGivesTheBuiltInIconsAndSavedOnesLoadAgain()
    {
        QTemporaryDir folder;
        IconLibrary library(folder.path());
        QCOMPARE(library.count(), 0);
        library.load();
        QCOMPARE(icons(32, &library), icons(32));
        QCOMPARE(icons(16, &library), icons(16));
        QVERIFY(library.largeIcon(60).isNull() && library.smallIcon(-1).isNull());

        QVERIFY(library.addIconFile(writeIco(folder, Qt::red)));
        QVERIFY(library.remove(3));
        QVERIFY(library.save());
        IconLibrary again(folder.path());
        again.load();
        QCOMPARE(again.count(), 60);
        QCOMPARE(icons(32, &again), icons(32, &library));
        QCOMPARE(icons(16, &again), icons(16, &library));
        QCOMPARE(again.largeIcon(59).pixelColor(5, 5), QColor(Qt::red));
    }

    void unequalOrDamagedFilesReset_data()
    {
        QTest::addColumn<Damage>("damage");
        const auto small16 = listBytes({square(16, Qt::blue)}, 16);
        QTest::newRow("DVK.SIL deleted") << Damage([](auto& s, auto&) { return QFile::remove(s); });
        QTest::newRow("DVK.LIL deleted") << Damage([](auto&, auto& l) { return QFile::remove(l); });
        QTest::newRow("DVK.SIL of another length")
            << Damage([small16](auto& s, auto&) { return test::writeFile(s, small16); });
        QTest::newRow("DVK.SIL empty list") << Damage([](auto& s, auto& l) {
            return test::writeFile(s, listBytes({}, 16)) && test::writeFile(l, listBytes({}, 32));
        });
        QTest::newRow("DVK.LIL truncated")
            << Damage([](auto&, auto& l) { return QFile::resize(l, QFileInfo(l).size() - 1); });
        QTest::newRow("DVK.SIL holds large icons")
            << Damage([](auto& s, auto& l) { return QFile::remove(s) && QFile::copy(l, s); });
    }
    void unequalOrDamagedFilesReset()
    {
        QFETCH(Damage, damage);
        QTemporaryDir folder;
        {
            IconLibrary library(folder.path());
            library.load();
            QVERIFY(library.addIconFile(writeIco(folder, Qt::red)));
            QVERIFY(library.save());
        }
        QVERIFY(damage(folder.filePath(u"DVK.SIL"_s), folder.filePath(u"DVK.LIL"_s)));
        IconLibrary library(folder.path());
        library.load();
        QCOMPARE(library.count(), 60);
        QCOMPARE(library.largeIcon(59), icons(32).last());
    }

    void containerRoundTrip()
    {
        const QList<QImage> icons{square(16, Qt::red), square(16, QColor(10, 20, 30, 128)),
                                  square(16, Qt::transparent)};
        const QByteArray bytes = listBytes(icons, 16);
        QVERIFY(bytes.startsWith("DVKICONS\x01\x00\x10\x00\x03\x00\x00\x00"));
        QCOMPARE(IconListFile::read(bytes, 16), std::optional(icons));
        QVERIFY(!IconListFile::read(bytes, 32));
        QCOMPARE(IconListFile::read(listBytes({}, 32), 32)->size(), 0);
    }

    void damagedContainer_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray valid = listBytes({square(32, Qt::red), square(32, Qt::blue)}, 32);
        auto patched = [&valid](qsizetype at, quint32 value) {
            QByteArray bytes = valid;
            qToLittleEndian<quint32>(value, bytes.data() + at);
            return bytes;
        };
        QTest::newRow("header cut") << valid.left(15);
        QTest::newRow("other magic") << QByteArray(valid).replace(0, 3, "XYZ");
        QTest::newRow("version 2") << QByteArray(valid).replace(8, 1, "\x02");
        QTest::newRow("count of 2^32-1") << patched(12, 0xffffffff);
        QTest::newRow("count one too many") << patched(12, 3);
        QTest::newRow("length beyond the end") << patched(16, 0x7ffffff0);
        QTest::newRow("last image cut") << valid.chopped(1);
        QTest::newRow("trailing byte") << valid + "x";
        QTest::newRow("image of 16 pixels")
            << listBytes({square(32, Qt::red), square(16, Qt::blue)}, 16).replace(10, 1, "\x20");
        QTest::newRow("image not a PNG") << QByteArray(valid).replace(16 + 4 + 1, 1, "Q");
    }
    void damagedContainer()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!IconListFile::read(bytes, 32));
    }

    void removeKeepsTheLastIcon()
    {
        QTemporaryDir folder;
        IconLibrary library(folder.path());
        QVERIFY(!library.remove(0)); // not loaded
        library.load();
        QVERIFY(!library.remove(60) && !library.remove(-1));
        const QImage third = library.largeIcon(3);
        QVERIFY(library.remove(2));
        QCOMPARE(library.largeIcon(2), third);
        while (library.count() > 1)
            QVERIFY(library.remove(library.count() - 1));
        QVERIFY(!library.remove(0));
        QCOMPARE(library.count(), 1);
    }

    void addAndReplaceFromFiles()
    {
        QTemporaryDir folder;
        IconLibrary library(folder.path());
        QVERIFY(!library.addIconFile(writeIco(folder, Qt::red))); // no lists before load
        library.load();
        QVERIFY(library.addIconFile(writeIco(folder, Qt::red)));
        QCOMPARE(library.count(), 61);
        QCOMPARE(library.smallIcon(60).pixelColor(8, 8), QColor(Qt::red));

        const QString program = folder.filePath(u"tool"_s);
        QVERIFY(test::writeFile(program, files::program(true, {{{32, files::bitmap(32, Qt::red)}},
                                                               {{32, files::png(32, Qt::blue)}}})));
        QVERIFY(library.replaceWithModuleIcon(0, program, 1));
        QCOMPARE(library.largeIcon(0).pixelColor(8, 8), QColor(Qt::blue));
        QCOMPARE(library.smallIcon(0).pixelColor(8, 8), QColor(Qt::blue));
        QVERIFY(library.addModuleIcon(program, 0));
        QCOMPARE(library.count(), 62);

        QVERIFY(!library.addModuleIcon(program, 2));
        QVERIFY(!library.replaceWithModuleIcon(62, program, 0));
        QVERIFY(!library.replaceWithIconFile(5, folder.filePath(u"missing.ico"_s)));
        QVERIFY(!library.addIconFile(program)); // a program is no icon file
        QCOMPARE(library.count(), 62);
    }

    void failedWriteOfOneFileStillWritesTheOther()
    {
        QTemporaryDir folder;
        IconLibrary library(folder.path());
        library.load();
        QVERIFY(QDir(folder.path()).mkdir(u"DVK.LIL"_s)); // a folder cannot be replaced by a file
        QVERIFY(!library.save());
        QCOMPARE(IconListFile::read(test::readFile(library.smallFilePath()), 16)
                     .value_or(QList<QImage>())
                     .size(),
                 60);
    }
};

DVK_TEST(IconLibraryTest);

#include "tst_iconlibrary.moc"
