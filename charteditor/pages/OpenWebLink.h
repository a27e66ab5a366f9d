#pragma once
// Opens a web address with the desktop's default handler. Only web and mail
// addresses are handed over: the desktop's "open" also starts programs and
// opens local files, which a link must never do.
#include <QString>

#include <functional>

class QUrl;
class QWidget;

// Hands `address` to the opener when it is a strict http, https or mailto
// URL; answers whether it did. The opener's own result is not checked.
bool OpenWebLink(QWidget* window, const QString& address);

// What opens an accepted address (QDesktopServices by default); tests
// install a fake. Returns the previous one.
using WebLinkOpener = std::function<void(const QUrl& url)>;
WebLinkOpener SetWebLinkOpener(WebLinkOpener opener);
