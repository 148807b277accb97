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

namespace files = dvk::test::IconFiles;
using files::square;

namespace {

// A built-in icon as the library holds it.
QImage builtIn(int index, int size)
{
    return ProgramIcons::builtIn(index, size).convertToFormat(QImage::Format_ARGB32_Premultiplied);
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

} // namespace

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
        QCOMPARE(library.count(), 60);
        for (int i = 0; i < 60; ++i) {
            QCOMPARE(library.largeIcon(i), builtIn(i, 32));
            QCOMPARE(library.smallIcon(i), builtIn(i, 16));
        }
        QVERIFY(library.largeIcon(60).isNull());
        QVERIFY(library.smallIcon(-1).isNull());

        QVERIFY(library.addIconFile(writeIco(folder, Qt::red)));
        QVERIFY(library.remove(3));
        QVERIFY(library.save());
        IconLibrary again(folder.path());
        again.load();
        QCOMPARE(again.count(), 60);
        for (int i = 0; i < 60; ++i) {
            QCOMPARE(again.largeIcon(i), library.largeIcon(i));
            QCOMPARE(again.smallIcon(i), library.smallIcon(i));
        }
        QCOMPARE(again.largeIcon(59).pixelColor(5, 5), QColor(Qt::red));
    }

    void unequalOrDamagedFilesReset_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("DVK.SIL deleted") << u"delete small"_s;
        QTest::newRow("DVK.LIL deleted") << u"delete large"_s;
        QTest::newRow("DVK.SIL of another length") << u"shorter small"_s;
        QTest::newRow("DVK.SIL empty list") << u"empty lists"_s;
        QTest::newRow("DVK.LIL truncated") << u"truncate large"_s;
        QTest::newRow("DVK.SIL holds large icons") << u"swap"_s;
    }
    void unequalOrDamagedFilesReset()
    {
        QFETCH(QString, damage);
        QTemporaryDir folder;
        {
            IconLibrary library(folder.path());
            library.load();
            QVERIFY(library.addIconFile(writeIco(folder, Qt::red)));
            QVERIFY(library.save());
        }
        const QString large = folder.filePath(u"DVK.LIL"_s);
        const QString small = folder.filePath(u"DVK.SIL"_s);
        if (damage == u"delete small"_s) {
            QVERIFY(QFile::remove(small));
        } else if (damage == u"delete large"_s) {
            QVERIFY(QFile::remove(large));
        } else if (damage == u"shorter small"_s) {
            QVERIFY(test::writeFile(small, listBytes({square(16, Qt::blue)}, 16)));
        } else if (damage == u"empty lists"_s) {
            QVERIFY(test::writeFile(small, listBytes({}, 16)));
            QVERIFY(test::writeFile(large, listBytes({}, 32)));
        } else if (damage == u"truncate large"_s) {
            QVERIFY(QFile::resize(large, QFileInfo(large).size() - 1));
        } else if (damage == u"swap"_s) {
            QVERIFY(QFile::remove(small));
            QVERIFY(QFile::copy(large, small));
        }
        IconLibrary library(folder.path());
        library.load();
        QCOMPARE(library.count(), 60);
        QCOMPARE(library.largeIcon(59), builtIn(59, 32));
    }

    void containerRoundTrip()
    {
        const QList<QImage> icons{square(16, Qt::red), square(16, QColor(10, 20, 30, 128)),
                                  square(16, Qt::transparent)};
        const QByteArray bytes = listBytes(icons, 16);
        QVERIFY(bytes.startsWith("DVKICONS\x01\x00\x10\x00\x03\x00\x00\x00"));
        const auto read = IconListFile::read(bytes, 16);
        QVERIFY(read);
        QCOMPARE(*read, icons);
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
        QByteArray notPng = valid;
        notPng[16 + 4 + 1] = 'Q';
        QTest::newRow("image not a PNG") << notPng;
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
        QVERIFY(!library.remove(60));
        QVERIFY(!library.remove(-1));
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
        const auto small = [&] {
            QFile file(library.smallFilePath());
            return file.open(QIODevice::ReadOnly) ? IconListFile::read(file, 16) : std::nullopt;
        }();
        QVERIFY(small);
        QCOMPARE(small->size(), 60);
    }
};

DVK_TEST(IconLibraryTest);

#include "tst_iconlibrary.moc"
