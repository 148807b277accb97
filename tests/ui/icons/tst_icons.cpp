#include "DvkTest.h"
#include "ExtractIconDialog.h"
#include "FakePrompts.h"
#include "IconDecoder.h"
#include "IconGridModel.h"
#include "IconGridView.h"
#include "IconLibrary.h"
#include "IconListFile.h"
#include "IconSources.h"
#include "ImageCenterDialog.h"
#include "PeIconReader.h"
#include "ProgramIcons.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtEndian>

// Builders of small Windows icon and program files for the icon tests: a one-colour icon image
// as a bitmap or a PNG, an .ico holding several images, and a PE32 or PE32+ program whose
// resources hold icon groups.
namespace files {

inline void put16(QByteArray& bytes, qsizetype at, quint16 value)
{
    qToLittleEndian<quint16>(value, bytes.data() + at);
}

inline void put32(QByteArray& bytes, qsizetype at, quint32 value)
{
    qToLittleEndian<quint32>(value, bytes.data() + at);
}

// A 32-bit bitmap with its (all opaque) mask, as stored in icon files and resources.
inline QByteArray bitmap(int size, QColor colour)
{
    const int maskRow = ((size + 31) / 32) * 4;
    QByteArray dib(40 + size * size * 4 + size * maskRow, '\0');
    put32(dib, 0, 40);
    put32(dib, 4, quint32(size));
    put32(dib, 8, quint32(size * 2));
    put16(dib, 12, 1);
    put16(dib, 14, 32);
    put32(dib, 20, quint32(size * size * 4));
    for (int p = 0; p < size * size; ++p)
        put32(dib, 40 + p * 4, colour.rgb() | 0xff000000u); // blue, green, red, alpha
    return dib;
}

inline QImage square(int size, QColor colour)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

inline QByteArray png(int size, QColor colour)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    square(size, colour).save(&buffer, "PNG");
    return buffer.data();
}

struct Image
{
    int size;
    QByteArray data;
};

// The part of a directory entry that an .ico file and a resource icon group share.
inline void putEntry(QByteArray& bytes, qsizetype at, const Image& image)
{
    bytes[at] = char(image.size & 0xff);
    bytes[at + 1] = char(image.size & 0xff);
    put16(bytes, at + 4, 1);
    put16(bytes, at + 6, 32);
    put32(bytes, at + 8, quint32(image.data.size()));
}

inline QByteArray ico(const QList<Image>& images)
{
    QByteArray file(6 + 16 * images.size(), '\0');
    put16(file, 2, 1);
    put16(file, 4, quint16(images.size()));
    for (qsizetype i = 0; i < images.size(); ++i) {
        putEntry(file, 6 + 16 * i, images[i]);
        put32(file, 6 + 16 * i + 12, quint32(file.size()));
        file += images[i].data;
    }
    return file;
}

// Offsets of the headers in a program built by program(), for tests that corrupt them.
inline constexpr qsizetype PeHeader = 0x40;
inline constexpr qsizetype OptionalHeader = PeHeader + 24;
inline constexpr quint32 ResourceAddress = 0x1000;
inline constexpr qsizetype ResourceFileOffset = 0x200;

// A program file with one section ".rsrc" holding RT_ICON images 1, 2, ... and one RT_GROUP_ICON
// per entry of `groups` (ids 101, 102, ...), each naming its images in order.
inline QByteArray program(bool pe32Plus, const QList<QList<Image>>& groups)
{
    QList<Image> icons;
    QList<QByteArray> groupData;
    for (const QList<Image>& group : groups) {
        QByteArray data(6 + 14 * group.size(), '\0');
        put16(data, 2, 1);
        put16(data, 4, quint16(group.size()));
        for (qsizetype i = 0; i < group.size(); ++i) {
            icons << group[i];
            putEntry(data, 6 + 14 * i, group[i]);
            put16(data, 6 + 14 * i + 12, quint16(icons.size()));
        }
        groupData << data;
    }

    // Resource tree: root (2 types) -> per type a name directory -> per name a language
    // directory with one data entry. Directories first, then data entries, then the bytes.
    QByteArray tree;
    auto directory = [&tree](int count) {
        const qsizetype at = tree.size();
        tree += QByteArray(16 + 8 * count, '\0');
        put16(tree, at + 14, quint16(count));
        return at;
    };
    auto entry = [&tree](qsizetype dir, int i, quint32 id, quint32 target) {
        put32(tree, dir + 16 + 8 * i, id);
        put32(tree, dir + 16 + 8 * i + 4, target);
    };
    const qsizetype root = directory(2);
    const qsizetype iconNames = directory(int(icons.size()));
    const qsizetype groupNames = directory(int(groupData.size()));
    entry(root, 0, 3, 0x80000000u | quint32(iconNames));
    entry(root, 1, 14, 0x80000000u | quint32(groupNames));
    QList<std::pair<qsizetype, QByteArray>> pending; // data entry offset, bytes
    auto leaf = [&](qsizetype names, int i, quint32 id, const QByteArray& bytes) {
        const qsizetype language = directory(1);
        entry(names, i, id, 0x80000000u | quint32(language));
        const qsizetype data = tree.size();
        tree += QByteArray(16, '\0');
        entry(language, 0, 1033, quint32(data));
        pending.append({data, bytes});
    };
    for (qsizetype i = 0; i < icons.size(); ++i)
        leaf(iconNames, int(i), quint32(i + 1), icons[i].data);
    for (qsizetype i = 0; i < groupData.size(); ++i)
        leaf(groupNames, int(i), quint32(101 + i), groupData[i]);
    for (const auto& [data, bytes] : pending) {
        while (tree.size() % 4)
            tree += '\0';
        put32(tree, data, ResourceAddress + quint32(tree.size()));
        put32(tree, data + 4, quint32(bytes.size()));
        tree += bytes;
    }

    const qsizetype optionalSize = pe32Plus ? 240 : 224;
    const qsizetype sections = OptionalHeader + optionalSize;
    QByteArray file(ResourceFileOffset, '\0');
    file[0] = 'M';
    file[1] = 'Z';
    put32(file, 0x3c, PeHeader);
    file.replace(PeHeader, 4, QByteArray("PE\0\0", 4));
    put16(file, PeHeader + 4, pe32Plus ? 0x8664 : 0x14c);
    put16(file, PeHeader + 6, 1);
    put16(file, PeHeader + 20, quint16(optionalSize));
    put16(file, OptionalHeader, pe32Plus ? 0x20b : 0x10b);
    const qsizetype directories = OptionalHeader + (pe32Plus ? 112 : 96);
    put32(file, directories - 4, 16);
    put32(file, directories + 16, ResourceAddress);
    put32(file, directories + 20, quint32(tree.size()));
    file.replace(sections, 8, QByteArray(".rsrc\0\0\0", 8));
    put32(file, sections + 8, quint32(tree.size()));
    put32(file, sections + 12, ResourceAddress);
    put32(file, sections + 16, quint32(tree.size()));
    put32(file, sections + 20, quint32(ResourceFileOffset));
    return file + tree;
}

} // namespace files

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

QPushButton* button(QDialog& dialog, const QString& name)
{
    return dialog.findChild<QPushButton*>(name);
}

IconGridView* view(QDialog& dialog)
{
    return dialog.findChild<IconGridView*>(u"list"_s);
}

// The underline the grid shows under the selected icon, or nothing.
QString mark(QDialog& dialog, int row)
{
    return view(dialog)->model()->index(row, 0).data().toString();
}

// Lets the dialog's posted RefreshOkButton calls run.
void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

QByteArray redIco()
{
    return files::ico({{32, files::bitmap(32, Qt::red)}, {16, files::bitmap(16, Qt::red)}});
}

using files::square;

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

// Damages the saved lists (small, large file); false when the damage could not be done.
using Damage = std::function<bool(const QString&, const QString&)>;

} // namespace

Q_DECLARE_METATYPE(Damage)

class IconsTest final : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<IconLibrary> m_library;

    QString writeFile(const QString& name, const QByteArray& bytes) const
    {
        const QString path = m_folder->filePath(name);
        return test::writeFile(path, bytes) ? path : QString();
    }

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_library = std::make_unique<IconLibrary>(m_folder->path());
        m_library->load();
    }

    // A choice outside the list opens with nothing selected; picking an icon enables OK.
    void opensWithoutAChoiceOutsideTheList_data()
    {
        QTest::addColumn<int>("chosen");
        QTest::newRow("beyond the list") << 60;
        QTest::newRow("negative") << -5;
    }
    void opensWithoutAChoiceOutsideTheList()
    {
        QFETCH(int, chosen);
        ImageCenterDialog dialog(chosen, *m_library);
        settle();
        QCOMPARE(view(dialog)->selectedRow(), -1);
        QCOMPARE(view(dialog)->model()->rowCount(), 60);
        for (int row = 0; row < 60; ++row)
            QCOMPARE(mark(dialog, row), QString());
        for (const QString& name : {u"ok"_s, u"replace"_s, u"remove"_s})
            QVERIFY(!button(dialog, name)->isEnabled());
        QVERIFY(button(dialog, u"add"_s)->isEnabled() && button(dialog, u"reset"_s)->isEnabled());

        view(dialog)->selectRow(7);
        settle();
        QVERIFY(button(dialog, u"ok"_s)->isEnabled());
    }

    // icons: the library's size before; Remove is refused for the last icon left.
    void removeSelectsTheIconInItsPlace_data()
    {
        addColumns<int, int, int, int, int>(
            {"icons", "selected", "answer", "count", "selectedAfter"});
        const int yes = int(Prompts::Answer::Yes);
        QTest::newRow("middle") << 60 << 7 << yes << 59 << 7;
        QTest::newRow("last") << 60 << 59 << yes << 59 << 58;
        QTest::newRow("answered No") << 60 << 7 << int(Prompts::Answer::No) << 60 << 7;
        QTest::newRow("one left") << 2 << 1 << yes << 1 << 0;
    }
    void removeSelectsTheIconInItsPlace()
    {
        const auto [had, selected, answer, count, selectedAfter] = fetch<int, int, int, int, int>(
            {"icons", "selected", "answer", "count", "selectedAfter"});
        while (m_library->count() > had)
            QVERIFY(m_library->remove(0));
        test::FakePrompts prompts;
        prompts.answers << Prompts::Answer(answer);
        const auto both = [this] {
            return icons(32, m_library.get()) + icons(16, m_library.get());
        };
        QList<QImage> expected = both();
        if (count < had) {
            expected.removeAt(had + selected);
            expected.removeAt(selected);
        }
        ImageCenterDialog dialog(selected, *m_library);
        button(dialog, u"remove"_s)->click();
        settle();
        QCOMPARE(prompts.messages, QStringList{u"Remove selected Items?"_s});
        QCOMPARE(prompts.icons.value(0), Prompts::Icon::Question);
        QCOMPARE(m_library->count(), count);
        QCOMPARE(view(dialog)->model()->rowCount(), count);
        QCOMPARE(view(dialog)->selectedRow(), selectedAfter);
        QCOMPARE(both(), expected);
        QCOMPARE(mark(dialog, selectedAfter), u"_____"_s);
        QCOMPARE(button(dialog, u"remove"_s)->isEnabled(), count > 1);
        QVERIFY(button(dialog, u"ok"_s)->isEnabled());
    }

    // No keeps the added icon; Yes brings back the built-in ones and selects the first.
    void resetAsksFirst()
    {
        QVERIFY(m_library->addIconFile(writeFile(u"a.ico"_s, redIco())));
        test::FakePrompts prompts;
        prompts.answers << Prompts::Answer::No << Prompts::Answer::Yes;
        ImageCenterDialog dialog(60, *m_library);
        for (const int count : {61, 60}) {
            button(dialog, u"reset"_s)->click();
            settle();
            QCOMPARE(m_library->count(), count);
            QCOMPARE(view(dialog)->selectedRow(), count == 60 ? 0 : 60);
        }
        QCOMPARE(
            prompts.messages,
            QStringList(2, u"This will reset the image list to DVK's default.\n\nContinue?"_s));
    }

    // Add selects the new last icon; Replace changes only the selected one.
    void addAndReplace_data()
    {
        addColumns<QString, QString, QByteArray, bool, int>(
            {"command", "name", "bytes", "throughExtractIcon", "selected"});
        QTest::newRow("icon file, extension in capitals")
            << u"add"_s << u"STAR.ICO"_s << redIco() << false << 60;
        QTest::newRow("program without extension")
            << u"add"_s << u"tool"_s << twoGroupProgram(false) << true << 60;
        QTest::newRow("broken icon file")
            << u"add"_s << u"bad.ico"_s << QByteArray("junk") << false << 3;
        QTest::newRow("replace") << u"replace"_s << u"r.ico"_s << redIco() << false << 3;
    }
    void addAndReplace()
    {
        const auto [command, name, bytes, throughExtractIcon, selected] =
            fetch<QString, QString, QByteArray, bool, int>(
                {"command", "name", "bytes", "throughExtractIcon", "selected"});
        test::FakePrompts prompts;
        prompts.fileNames << writeFile(name, bytes);
        const QImage neighbour = m_library->largeIcon(4);
        ImageCenterDialog dialog(3, *m_library);
        QStringList asked;
        dialog.setModuleIconChooser([&asked](QWidget*, const QString& path) {
            asked << path;
            return std::optional<int>(1);
        });
        button(dialog, command)->click();
        settle();
        QCOMPARE(prompts.filters.size(), 1);
        QCOMPARE(prompts.suffixes, QStringList{u"ico"_s});
        QVERIFY(prompts.filters[0].startsWith(u"Icon Files (*.ico *.png"_s));
        QVERIFY(prompts.filters[0].endsWith(u";;Program Files (*.exe *.dll)"_s));
        QCOMPARE(asked.size(), throughExtractIcon ? 1 : 0);
        QCOMPARE(m_library->count(), selected == 60 ? 61 : 60);
        QCOMPARE(view(dialog)->selectedRow(), selected);
        QCOMPARE(prompts.messages.size(), 0);
        if (throughExtractIcon)
            QCOMPARE(m_library->largeIcon(60).pixelColor(4, 4), QColor(Qt::blue));
        if (command == u"replace"_s) {
            QCOMPARE(m_library->largeIcon(3).pixelColor(4, 4), QColor(Qt::red));
            QCOMPARE(m_library->largeIcon(4), neighbour);
            QCOMPARE(view(dialog)->model()->index(3, 0).data(Qt::DecorationRole).value<QImage>(),
                     m_library->largeIcon(3));
        }
    }

    // Cancel keeps what was done to the library but not the choice.
    void closing_data()
    {
        addColumns<QString, int, int>({"how", "result", "chosen"});
        QTest::newRow("OK") << u"ok"_s << int(QDialog::Accepted) << 9;
        QTest::newRow("double-click") << u"double"_s << int(QDialog::Accepted) << 9;
        QTest::newRow("Cancel") << u"cancel"_s << int(QDialog::Rejected) << 2;
    }
    void closing()
    {
        QFETCH(QString, how);
        test::FakePrompts prompts;
        prompts.fileNames << writeFile(u"a.ico"_s, redIco());
        ImageCenterDialog dialog(2, *m_library);
        dialog.show();
        button(dialog, u"add"_s)->click();
        settle();
        IconGridView* list = view(dialog);
        const QModelIndex target = list->model()->index(9, 0);
        if (how == u"double"_s) {
            const QPoint centre = list->visualRect(target).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
        } else {
            list->selectRow(9);
            button(dialog, how)->click();
        }
        settle();
        QTEST(dialog.result(), "result");
        QTEST(dialog.chosenIndex(), "chosen");
        QCOMPARE(m_library->count(), 61);
    }

    void extractIconListsTheProgramsIcons()
    {
        const QString program = writeFile(u"tool.dll"_s, twoGroupProgram(false));
        ExtractIconDialog dialog(program);
        dialog.show();
        settle();
        QCOMPARE(dialog.iconCount(), 2);
        QPushButton* ok = button(dialog, u"ok"_s);
        QVERIFY(!ok->isEnabled());
        ok->click();
        QVERIFY(dialog.isVisible());
        IconGridView* list = view(dialog);
        const QPoint centre = list->visualRect(list->model()->index(1, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        settle();
        QVERIFY(ok->isEnabled());
        QCOMPARE(list->model()->index(1, 0).data().toString(), u"_____"_s);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
        settle();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.chosenIndex(), 1);

        ExtractIconDialog none(writeFile(u"notes.txt"_s, "plain text"));
        settle();
        QCOMPARE(none.iconCount(), 0);
        QVERIFY(!button(none, u"ok"_s)->isEnabled());
    }
    void firstStartGivesTheBuiltInIconsAndSavedOnesLoadAgain()
    {
        QCOMPARE(IconLibrary(m_folder->path()).count(), 0);
        IconLibrary& library = *m_library;
        QCOMPARE(icons(32, &library), icons(32));
        QCOMPARE(icons(16, &library), icons(16));
        QVERIFY(library.largeIcon(60).isNull() && library.smallIcon(-1).isNull());

        QVERIFY(library.addIconFile(writeFile(u"a.ico"_s, redIco())));
        QVERIFY(library.remove(3));
        QVERIFY(library.save());
        IconLibrary again(m_folder->path());
        again.load();
        QCOMPARE(icons(32, &again), icons(32, &library));
        QCOMPARE(icons(16, &again), icons(16, &library));
        QCOMPARE(again.largeIcon(59).pixelColor(5, 5), QColor(Qt::red));
    }

    void unequalOrDamagedFilesReset_data()
    {
        QTest::addColumn<Damage>("damage");
        const auto small16 = listBytes({square(16, Qt::blue)}, 16);
        QTest::newRow("DVK.SIL of another length")
            << Damage([small16](auto& s, auto&) { return test::writeFile(s, small16); });
        QTest::newRow("DVK.SIL empty list") << Damage([](auto& s, auto& l) {
            return test::writeFile(s, listBytes({}, 16)) && test::writeFile(l, listBytes({}, 32));
        });
    }
    void unequalOrDamagedFilesReset()
    {
        QFETCH(Damage, damage);
        QVERIFY(m_library->addIconFile(writeFile(u"a.ico"_s, redIco())) && m_library->save());
        QVERIFY(damage(m_folder->filePath(u"DVK.SIL"_s), m_folder->filePath(u"DVK.LIL"_s)));
        IconLibrary library(m_folder->path());
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
        QTest::newRow("length beyond the end") << patched(16, 0x7ffffff0);
        QTest::newRow("trailing byte") << valid + "x";
        QTest::newRow("image of 16 pixels")
            << listBytes({square(32, Qt::red), square(16, Qt::blue)}, 16).replace(10, 1, "\x20");
    }
    void damagedContainer()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!IconListFile::read(bytes, 32));
    }

    void removeKeepsTheLastIcon()
    {
        QVERIFY(!IconLibrary(m_folder->path()).remove(0)); // not loaded
        IconLibrary& library = *m_library;
        QVERIFY(!library.remove(60) && !library.remove(-1));
        while (library.count() > 1)
            QVERIFY(library.remove(library.count() - 1));
        QVERIFY(!library.remove(0));
        QCOMPARE(library.count(), 1);
    }

    void replaceFromAProgramAndRefusedFiles()
    {
        IconLibrary& library = *m_library;
        const QString program =
            writeFile(u"tool"_s, files::program(true, {{{32, files::bitmap(32, Qt::red)}},
                                                       {{32, files::png(32, Qt::blue)}}}));
        QVERIFY(library.replaceWithModuleIcon(3, program, 1));
        QCOMPARE(library.largeIcon(3).pixelColor(8, 8), QColor(Qt::blue));
        QCOMPARE(library.smallIcon(3).pixelColor(8, 8), QColor(Qt::blue));

        QVERIFY(!library.addModuleIcon(program, 2));
        QVERIFY(!library.replaceWithModuleIcon(60, program, 0));
        QVERIFY(!library.replaceWithIconFile(5, m_folder->filePath(u"missing.ico"_s)));
        QVERIFY(!library.addIconFile(program)); // a program is no icon file
        QCOMPARE(library.count(), 60);
    }

    void failedWriteOfOneFileStillWritesTheOther()
    {
        QVERIFY(
            QDir(m_folder->path()).mkdir(u"DVK.LIL"_s)); // a folder cannot be replaced by a file
        QVERIFY(!m_library->save());
        QCOMPARE(IconListFile::read(test::readFile(m_library->smallFilePath()), 16)
                     .value_or(QList<QImage>())
                     .size(),
                 60);
    }
    void iconFileExtension_data()
    {
        addColumns<QString, bool>({"path", "iconFile"});
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
        QTEST(shown(IconSources::iconFile(writeFile(u"icon.ico"_s, ico))), "shown");
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

DVK_TEST(IconsTest);

#include "tst_icons.moc"
