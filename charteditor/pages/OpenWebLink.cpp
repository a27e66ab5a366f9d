#include "charteditor/pages/OpenWebLink.h"

#include <QDesktopServices>
#include <QUrl>

#include <utility>

namespace {

WebLinkOpener& Opener() {
  static WebLinkOpener opener = [](const QUrl& url) { QDesktopServices::openUrl(url); };
  return opener;
}

bool IsWebAddress(const QUrl& url) {
  if (!url.isValid() || url.isRelative()) return false;
  const QString scheme = url.scheme().toLower();
  if (scheme == QLatin1String("mailto")) return !url.path().isEmpty();
  return (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
         !url.host().isEmpty();
}

}  // namespace

bool OpenWebLink(QWidget* /*window*/, const QString& address) {
  const QUrl url(address.trimmed(), QUrl::StrictMode);
  if (!IsWebAddress(url)) return false;
  if (Opener()) Opener()(url);
  return true;
}

WebLinkOpener SetWebLinkOpener(WebLinkOpener opener) {
  return std::exchange(Opener(), std::move(opener));
}
