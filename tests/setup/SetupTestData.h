#pragma once

#include "InstallPaths.h"
#include "Installer.h"
#include "SetupPrompts.h"
#include "TestData.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <memory>

namespace dvk::test {

// A payload whose program holds every byte value, zeros included, and is larger than any
// stream buffer, so a short or altered copy shows.
inline Installer::Payload setupPayload()
{
    Installer::Payload payload;
    QRandomGenerator random(1234);
    payload.program.resize(300 * 1024);
    for (char& c : payload.program)
        c = static_cast<char>(random.bounded(256));
    payload.help = QByteArrayLiteral("<!DOCTYPE html><title>DVK Help</title>\r\n\0end");
    payload.icon = QByteArrayLiteral("\x89PNG\r\n\x1a\n\0\0\0\rIHDR icon");
    return payload;
}

// Writes a file, making its folder first.
inline bool writeBytes(const QString& path, const QByteArray& bytes)
{
    return QDir().mkpath(QFileInfo(path).path()) && writeFile(path, bytes);
}

// Empties the temporary XDG folders the test runner set up, so every test starts with no
// installation record, menu entry, data or settings. Refuses anything but the runner's folders.
inline bool emptyTestHome()
{
    for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME"}) {
        const QString folder = qEnvironmentVariable(name);
        if (!folder.contains(QStringLiteral("/dvk-test-")))
            return false;
        QDir(folder).removeRecursively();
        QDir().mkpath(folder);
    }
    return true;
}

// Installer prompts with scripted answers: records every message and question shown and the
// folder each browser opened at. An unscripted question is answered No.
class FakeSetupPrompts final : public SetupPrompts
{
public:
    void inform(QWidget*, const QString& text) override { messages << text; }
    bool confirm(QWidget*, const QString& question) override
    {
        messages << question;
        return !answers.isEmpty() && answers.takeFirst();
    }
    QString chooseFolder(QWidget*, const QString& startFolder) override
    {
        startFolders << startFolder;
        return folders.isEmpty() ? QString() : folders.takeFirst();
    }

    QList<bool> answers;      // next answers to questions (true = Yes)
    QStringList folders;      // next folders chosen in the browser (empty = cancelled)
    QStringList messages;     // every message and question, in order
    QStringList startFolders; // where each folder browser opened
};

// The per-user places, emptied for every test function, a fresh folder to install below and an
// installer of the test payload with scripted prompts.
class SetupFixture : public QObject
{
protected:
    const InstallPaths m_paths{InstallPaths::Scope::User};
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<Installer> m_installer;
    FakeSetupPrompts m_prompts;

    bool reset()
    {
        m_prompts = FakeSetupPrompts();
        m_root = std::make_unique<QTemporaryDir>();
        m_installer = std::make_unique<Installer>(setupPayload(), m_paths);
        return emptyTestHome() && m_root->isValid();
    }
    QString folder() const { return m_root->path() + QStringLiteral("/Quillmark/DVK"); }
};

} // namespace dvk::test
