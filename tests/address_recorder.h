#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

// Stands in for the desktop's browser while it lives: records every web address handed over.
class AddressRecorder : public QObject
{
    Q_OBJECT
public:
    explicit AddressRecorder(const QStringList &schemes = {QStringLiteral("http"), QStringLiteral("https")})
        : m_schemes(schemes)
    {
        for (const QString &scheme : m_schemes)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~AddressRecorder() override
    {
        for (const QString &scheme : m_schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }

private:
    QStringList m_schemes;
};
