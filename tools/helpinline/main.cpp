// Makes the help document self-contained: every src="..." that names a picture beside the
// document is replaced by a data: address holding the picture, so the one file can be installed
// and carried by the installer without its picture folder.
// Usage: dvk-help-inline <input.html> <output.html>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QRegularExpression>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: dvk-help-inline <input.html> <output.html>\n");
        return 2;
    }
    const QString inputPath = QString::fromLocal8Bit(argv[1]);
    QFile input(inputPath);
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    const QString html = QString::fromUtf8(input.readAll());
    const QString folder = QFileInfo(inputPath).absolutePath();

    static const QRegularExpression source(QStringLiteral(R"re(src="([^":]+)")re"));
    QString out;
    qsizetype last = 0;
    int missing = 0;
    for (const QRegularExpressionMatch& m : source.globalMatch(html)) {
        out += QStringView(html).mid(last, m.capturedStart() - last);
        last = m.capturedEnd();
        QFile picture(folder + u'/' + m.captured(1));
        if (!picture.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "missing picture %s\n", qPrintable(m.captured(1)));
            ++missing;
            out += m.captured(0);
            continue;
        }
        const QString type = QMimeDatabase().mimeTypeForFile(picture.fileName()).name();
        out += QStringLiteral("src=\"data:%1;base64,%2\"")
                   .arg(type, QString::fromLatin1(picture.readAll().toBase64()));
    }
    out += QStringView(html).mid(last);

    QSaveFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly) || output.write(out.toUtf8()) < 0 || !output.commit()) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return missing == 0 ? 0 : 1;
}
