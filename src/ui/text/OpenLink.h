#pragma once

#include "ClassifyLink.h"

#include <QString>
#include <QUrl>
#include <functional>

namespace dvk {

// Opening addresses with the desktop's default handler (web browser, mail program).
//
// Every opening goes through one opener, by default QDesktopServices::openUrl, which hands the
// address to the desktop (xdg-open or the portal) and returns without waiting for the browser or
// mail program to start, so the window never blocks. Failures are silent, as nothing useful can
// be done about them.

// The address OpenLink opens for a classified text: the text itself for web addresses and for
// mail addresses that carry their scheme, "mailto:" in front of a bare mail address, and an
// empty text for kinds that are not opened.
QString LinkTarget(const QString& text, LinkKind kind);

// Opens a classified text; returns whether an address was handed to the opener.
bool OpenLink(const QString& text, LinkKind kind);

// Hands `url` to the opener, with the wait cursor shown while the opener starts it.
void OpenUrl(const QUrl& url);

// Replaces the opener (tests record what would be opened); an empty function restores the
// desktop's.
using UrlOpener = std::function<void(const QUrl&)>;
void SetUrlOpener(UrlOpener opener);

} // namespace dvk
