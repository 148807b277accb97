#include "OpenLink.h"

#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>

namespace dvk {
namespace {

UrlOpener& installedOpener()
{
    static UrlOpener opener;
    return opener;
}

// Shows the wait cursor for its lifetime.
class WaitCursor final
{
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

QString LinkTarget(const QString& text, LinkKind kind)
{
    switch (kind) {
    case LinkKind::Http:
    case LinkKind::Https:
        return text;
    case LinkKind::Mail:
        return text.contains(u':') ? text : QStringLiteral("mailto:") + text;
    case LinkKind::None:
        break;
    }
    return {};
}

bool OpenLink(const QString& text, LinkKind kind)
{
    const QString target = LinkTarget(text, kind);
    if (target.isEmpty())
        return false;
    OpenUrl(QUrl(target, QUrl::TolerantMode));
    return true;
}

void OpenUrl(const QUrl& url)
{
    if (!url.isValid())
        return;
    const WaitCursor wait;
    if (const UrlOpener& opener = installedOpener())
        opener(url);
    else
        QDesktopServices::openUrl(url);
}

void SetUrlOpener(UrlOpener opener)
{
    installedOpener() = std::move(opener);
}

} // namespace dvk
