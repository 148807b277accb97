// The Notes panel filled with 10,000 notes, and a note of one megabyte opened in "DVK Note".
// Prints figures; asserts nothing.
#include "IconLibrary.h"
#include "NoteDialog.h"
#include "NoteEditor.h"
#include "NotesPanel.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QListView>
#include <QTemporaryDir>
#include <cstdio>

using namespace dvk;

namespace {

void settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

// A note of about `bytes` bytes in lines of ordinary length.
QByteArray longNote(qsizetype bytes)
{
    const QByteArray line = "The quick brown fox jumps over the lazy dog near https://example.org "
                            "while joe@example.org watches.\n";
    return line.repeated(bytes / line.size() + 1).left(bytes);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    QApplication app(argc, argv);
    IconLibrary::instance().load();

    RecordList<NoteRecord> notes(Clock::system());
    for (int i = 0; i < 10'000; ++i) {
        NoteRecord* note = notes.add();
        note->imageIndex = i % 70;
        note->text = "\r\nNote number " + QByteArray::number(i) + " with a line of text after it";
    }
    {
        QElapsedTimer timer;
        timer.start();
        NotesPanel panel(notes, Clock::system());
        panel.resize(800, 600);
        panel.show();
        settle();
        std::printf("panel with 10,000 notes shown: %lld ms\n", timer.elapsed());
        timer.restart();
        panel.listView()->scrollToBottom();
        settle();
        std::printf("scrolled to the end: %lld ms\n", timer.elapsed());
    }

    for (const qsizetype size : {qsizetype(1) << 20, qsizetype(2) << 20}) {
        NoteRecord note(Clock::system());
        note.text = longNote(size);
        QElapsedTimer timer;
        timer.start();
        NoteDialog dialog;
        dialog.loadFrom(note);
        dialog.show();
        settle();
        std::printf("%lld MB note open in the dialog: %lld ms\n", (long long)(size >> 20),
                    timer.elapsed());
    }

    // Worst case within the limit: the longest paste the editor takes, as one line.
    NoteEditor editor;
    editor.resize(600, 400);
    editor.show();
    settle();
    QGuiApplication::clipboard()->setText(QString(NoteEditor::MaxLength, u'x'));
    QElapsedTimer timer;
    timer.start();
    editor.pasteClipboard();
    editor.repaint();
    settle();
    std::printf("%lld characters in one line pasted and shown: %lld ms\n",
                (long long)NoteEditor::MaxLength, timer.elapsed());
    return 0;
}
