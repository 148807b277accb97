#pragma once

#include <QFile>
#include <QString>

namespace dvk::test {

// The path of a fixture under tests/data.
inline QString testDataPath(const QString& name)
{
    return qEnvironmentVariable("DVK_TEST_DATA", QStringLiteral(DVK_SOURCE_TEST_DATA)) + u'/' +
           name;
}

inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace dvk::test
