#include "CatalogueAddress.h"

#include "base/Language.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace catalogue_address {

namespace {

QString decoded(const QString &part)
{
    return QUrl::fromPercentEncoding(part.toUtf8());
}

QString schemeOf(const QString &location)
{
    for (const char *scheme : {"postgresql://", "postgres://"}) {
        if (location.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            return QLatin1String(scheme);
    }
    return QString();
}

}

bool isServer(const QString &location)
{
    return !schemeOf(location).isEmpty();
}

bool parseServer(const QString &url, Server *server, QString *reason)
{
    const auto refuse = [&](int id) {
        *reason = loadTranslatedString(5901).arg(url, loadTranslatedString(id));
        return false;
    };
    const QString rest = url.mid(schemeOf(url).size());
    const int slash = rest.indexOf(QLatin1Char('/'));
    if (slash < 0 || slash == rest.size() - 1)
        return refuse(5902);
    QString authority = rest.left(slash);
    const QString path = rest.mid(slash + 1);
    // Options after "?" would let an address override what the program sets
    // (time-out, read-only), so none are taken.
    if (path.contains(QLatin1Char('?')) || path.contains(QLatin1Char('/')))
        return refuse(5903);
    Server s;
    s.database = decoded(path);
    const int at = authority.lastIndexOf(QLatin1Char('@'));
    if (at >= 0) {
        const QString userInfo = authority.left(at);
        if (userInfo.contains(QLatin1Char(':')))
            return refuse(5904);
        s.user = decoded(userInfo);
        authority = authority.mid(at + 1);
    }
    // A port follows the last colon unless it sits inside an "[IPv6]" host.
    const int colon = authority.lastIndexOf(QLatin1Char(':'));
    if (colon >= 0 && colon > authority.lastIndexOf(QLatin1Char(']'))) {
        bool ok = false;
        s.port = authority.mid(colon + 1).toInt(&ok);
        if (!ok || s.port <= 0 || s.port > 65535)
            return refuse(5905);
        authority = authority.left(colon);
    }
    if (authority.startsWith(QLatin1Char('[')) && authority.endsWith(QLatin1Char(']')))
        authority = authority.mid(1, authority.size() - 2);
    s.host = decoded(authority);
    *server = s;
    return true;
}

bool sameDatabase(const QString &a, const QString &b)
{
    if (isServer(a) || isServer(b))
        return a == b;
    const QFileInfo first(a), second(b);
    const QString canonical = first.canonicalFilePath();
    return canonical.isEmpty() ? first.absoluteFilePath() == second.absoluteFilePath()
                               : canonical == second.canonicalFilePath();
}

QString displayName(const QString &location)
{
    return isServer(location) ? location : QDir::toNativeSeparators(location);
}

}
