#include "InstallPaths.h"
#include "TestRegistry.h"

#include <QDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace dvk::test {

class TestInstallPaths final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void normalizePath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("clean") << u"/opt/Quillmark/DVK"_s << u"/opt/Quillmark/DVK"_s;
        QTest::newRow("doubled") << u"/home//me///opt"_s << u"/home/me/opt"_s;
        QTest::newRow("trailing") << u"/opt/Quillmark/DVK///"_s << u"/opt/Quillmark/DVK"_s;
        QTest::newRow("backslashes") << u"/opt\\Quillmark\\\\DVK\\"_s << u"/opt/Quillmark/DVK"_s;
        QTest::newRow("leading pair kept") << u"//server//share/"_s << u"//server/share"_s;
        QTest::newRow("root") << u"/"_s << u"/"_s;
        QTest::newRow("root run") << u"////"_s << u"//"_s;
        QTest::newRow("short") << u"/a/"_s << u"/a"_s;
        QTest::newRow("empty") << QString() << QString();
    }
    void normalizePath()
    {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(InstallPaths::normalizePath(path), expected);
    }

    void folderFromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        const QString home = QDir::homePath();
        const QString current = QDir::currentPath();
        QTest::newRow("blank") << u"   "_s << QString();
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("absolute") << u"/tmp//x/"_s << u"/tmp/x"_s;
        QTest::newRow("home") << u"~/apps/DVK/"_s << home + u"/apps/DVK"_s;
        QTest::newRow("relative") << u"apps//DVK"_s << current + u"/apps/DVK"_s;
        QTest::newRow("tilde inside") << u"/tmp/~/x"_s << u"/tmp/~/x"_s;
    }
    void folderFromText()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(InstallPaths::folderFromText(text), expected);
    }

    void scopes()
    {
        const InstallPaths user(InstallPaths::Scope::User);
        const InstallPaths system(InstallPaths::Scope::System);
        QCOMPARE(user.defaultFolder(), QDir::homePath() + u"/.local/opt/Quillmark/DVK"_s);
        QCOMPARE(system.defaultFolder(), u"/opt/Quillmark/DVK"_s);
        QCOMPARE(system.applicationsFolder(), u"/usr/local/share/applications"_s);
        const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
        const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
        QCOMPARE(user.applicationsFolder(), dataHome + u"/applications"_s);
        QCOMPARE(user.mergedMenusFolder(), configHome + u"/menus/applications-merged"_s);
        QCOMPARE(InstallPaths::userDataFolder(), dataHome + u"/Quillmark/DVK"_s);
        QCOMPARE(InstallPaths::userSettingsFile(), configHome + u"/QUILLMARK/DVK.conf"_s);
    }
};

} // namespace dvk::test

using dvk::test::TestInstallPaths;
DVK_TEST(TestInstallPaths);

#include "tst_InstallPaths.moc"
