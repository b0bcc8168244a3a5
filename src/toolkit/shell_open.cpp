#include "shell_open.h"

#include "shell_open_host.h"

#include <QRegularExpression>

namespace ShellOpen {

namespace {

// Endings of programs and scripts that a bare name must not be mistaken for a host with.
bool endsLikeAProgram(const QString &host)
{
    static const QRegularExpression program(QStringLiteral("\\.(exe|bat|cmd|scr|msi|lnk|pif|vbs|ps1|sh)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return program.match(host).hasMatch();
}

} // namespace

QUrl webAddress(const QString &target)
{
    const QString text = target.trimmed();
    static const QRegularExpression scheme(QStringLiteral("^https?://"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression bareHost(
        QStringLiteral("^[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?(\\.[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?)*"
                       "\\.[A-Za-z]{2,}(:[0-9]{1,5})?([/?#]\\S*)?$"));

    QUrl url;
    if (scheme.match(text).hasMatch())
        url = QUrl(text, QUrl::StrictMode);
    else if (bareHost.match(text).hasMatch())
        url = QUrl(QStringLiteral("http://") + text, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() || endsLikeAProgram(url.host()))
        return QUrl();
    return url;
}

void open(const QString &target)
{
    const QUrl url = webAddress(target);
    if (url.isValid())
        openWebAddress(url);
}

} // namespace ShellOpen
