#include "DataPaths.h"
#include "DvkTest.h"
#include "SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

class SettingsStoreTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QDir(QFileInfo(SettingsStore().filePath()).absolutePath()).removeRecursively(); }

    void freshAccountFallsBackAndFirstWriteCreates()
    {
        const SettingsStore settings;
        QVERIFY(settings.filePath().endsWith(QStringLiteral("/QUILLMARK/DVK.conf")));
        QVERIFY(!settings.readNumber(SettingsStore::EncryptDVKFile) &&
                !settings.readNumber(SettingsStore::BeepFlag) &&
                !settings.readText(SettingsStore::DateFormat, 80) &&
                !settings.readBytes(SettingsStore::RichEditDefaultFont));
        QVERIFY(!QFileInfo::exists(settings.filePath()));

        QVERIFY(settings.writeNumber(SettingsStore::BeepFlag, 1));
        QVERIFY(QFileInfo::exists(settings.filePath()));
        QCOMPARE(settings.readNumber(SettingsStore::BeepFlag), std::optional<quint32>(1));
        QVERIFY(!settings.readNumber(SettingsStore::EncryptDVKFile));
    }

    // A value is read back only as the type it was written as.
    void typedReads()
    {
        const SettingsStore s;
        const QByteArray bytes("\0\1\2", 3);
        QVERIFY(s.writeNumber(u"Number"_s, 4000000000u));
        QVERIFY(s.writeText(u"Text"_s, u"yyyy-MM-dd, dddd"_s));
        QVERIFY(s.writeBytes(u"Bytes"_s, bytes));
        QVERIFY(s.writeText(u"Word"_s, u"twelve"_s));
        QCOMPARE(s.readNumber(u"Number"_s), std::optional<quint32>(4000000000u));
        QCOMPARE(s.readText(u"Text"_s, 80), std::optional<QString>(u"yyyy-MM-dd, dddd"_s));
        QCOMPARE(s.readBytes(u"Bytes"_s), std::optional<QByteArray>(bytes));
        QVERIFY(!s.readNumber(u"Word"_s) && !s.readNumber(u"Bytes"_s));
        QVERIFY(!s.readText(u"Bytes"_s, 80) && !s.readBytes(u"Text"_s));
    }

    // Texts read back up to the reader's limit; binary values keep their exact length.
    void lengths_data()
    {
        addColumns<bool, int, bool>({"binary", "length", "readable"});
        QTest::newRow("text 80") << false << 80 << true;
        QTest::newRow("text 81") << false << 81 << false;
        QTest::newRow("empty text") << false << 0 << true;
        for (int length : {59, 60, 61})
            QTest::addRow("binary %d", length) << true << length << true;
    }
    void lengths()
    {
        const auto [binary, length] = fetch<bool, int>({"binary", "length"});
        const SettingsStore s;
        if (!binary) {
            QVERIFY(s.writeText(SettingsStore::DateFormat, QString(length, u'd')));
            QTEST(s.readText(SettingsStore::DateFormat, 80).has_value(), "readable");
            return;
        }
        QByteArray value(length, '\0');
        for (int i = 0; i < length; i += 3)
            value[i] = char(0xFF - i);
        QVERIFY(s.writeBytes(SettingsStore::RichEditDefaultFont, value));
        QCOMPARE(s.readBytes(SettingsStore::RichEditDefaultFont), std::optional(value));
    }

    // The DataFolder setting moves the data file when it is an absolute path; the folder given
    // for one run wins over it; anything else falls back to the default folder. The staged
    // restore lies beside the data file.
    void chosenDataFolder_data()
    {
        addColumns<QVariant, QString>({"setting", "forThisRun"});
        QTest::addColumn<QString>("folder"); // below the temporary home; empty = default
        const QString home = QDir::homePath();
        QTest::newRow("no setting") << QVariant() << QString() << QString();
        QTest::newRow("empty setting") << QVariant(QString()) << QString() << QString();
        QTest::newRow("relative setting") << QVariant(u"Sync/DVK"_s) << QString() << QString();
        QTest::newRow("number setting") << QVariant(7) << QString() << QString();
        QTest::newRow("absolute setting")
            << QVariant(home + u"/Sync//DVK/"_s) << QString() << u"/Sync/DVK"_s;
        QTest::newRow("option over setting")
            << QVariant(home + u"/Sync"_s) << home + u"/Elsewhere"_s << u"/Elsewhere"_s;
        QTest::newRow("option without setting") << QVariant() << home + u"/Stick"_s << u"/Stick"_s;
    }
    void chosenDataFolder()
    {
        const auto [setting, forThisRun, folder] =
            fetch<QVariant, QString, QString>({"setting", "forThisRun", "folder"});
        const SettingsStore settings;
        if (setting.isValid())
            QVERIFY(setting.typeId() == QMetaType::Int
                        ? settings.writeNumber(u"DataFolder"_s, quint32(setting.toInt()))
                        : settings.writeText(u"DataFolder"_s, setting.toString()));
        else
            settings.remove(u"DataFolder"_s);
        DataPaths::setFolderForThisRun(forThisRun);
        const QString expected =
            folder.isEmpty()
                ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                      u"/Quillmark/DVK"_s
                : QDir::homePath() + folder;
        QDir(expected).removeRecursively();
        QCOMPARE(DataPaths::dataFilePath(), expected + u"/DVK.DAT"_s);
        QVERIFY(QFileInfo(expected).isDir());
        QCOMPARE(DataPaths::stagingFilePath(), expected + u"/DVK.DAT.bak"_s);
        DataPaths::setFolderForThisRun({});
        settings.remove(u"DataFolder"_s);
    }
};

DVK_TEST(SettingsStoreTest);
#include "tst_settings.moc"
