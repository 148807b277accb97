// Loaded into the real dvk by the end-to-end tests. It watches the folder named by
// DVK_TEST_DRIVER: a file "paste" there is put on the clipboard and pasted into the Notes panel
// by the panel's own Paste command; every message box is logged to "log" and answered with its
// cancelling choice. Lines in "log": "window", "pasted <text>", "message <text>".
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGenericPlugin>
#include <QMessageBox>
#include <QTimer>

namespace {

class Driver final : public QObject
{
public:
    explicit Driver(QString folder)
        : m_folder(std::move(folder))
    {
        connect(&m_timer, &QTimer::timeout, this, &Driver::poll);
        m_timer.start(50);
    }

private:
    void log(const QString& line)
    {
        QFile file(m_folder + QStringLiteral("/log"));
        if (file.open(QIODevice::Append))
            file.write((line + u'\n').toUtf8());
    }

    QWidget* mainWindow() const
    {
        const QList<QWidget*> windows = QApplication::topLevelWidgets();
        for (QWidget* w : windows) {
            if (w->isVisible() &&
                QByteArrayView(w->metaObject()->className()) == QByteArrayView("dvk::MainWindow"))
                return w;
        }
        return nullptr;
    }

    void poll()
    {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            log(QStringLiteral("message ") + box->text().replace(u'\n', u' '));
            box->reject();
            return;
        }
        QWidget* window = mainWindow();
        if (!window)
            return;
        if (!m_seenWindow) {
            m_seenWindow = true;
            log(QStringLiteral("window"));
        }
        QFile request(m_folder + QStringLiteral("/paste"));
        if (!request.open(QIODevice::ReadOnly))
            return;
        const QString text = QString::fromUtf8(request.readAll());
        request.remove();
        QWidget* notes = window->findChild<QWidget*>(QStringLiteral("notesPanel"));
        QApplication::clipboard()->setText(text);
        if (notes && QMetaObject::invokeMethod(notes, "paste"))
            log(QStringLiteral("pasted ") + text);
    }

    QString m_folder;
    QTimer m_timer;
    bool m_seenWindow = false;
};

} // namespace

class DvkTestDriverPlugin final : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "driver.json")
public:
    QObject* create(const QString& key, const QString&) override
    {
        const QString folder = qEnvironmentVariable("DVK_TEST_DRIVER");
        if (key != QStringLiteral("dvktestdriver") || folder.isEmpty())
            return nullptr;
        // The application owns and deletes the objects its generic plugins create.
        return new Driver(folder);
    }
};

#include "DvkTestDriver.moc"
