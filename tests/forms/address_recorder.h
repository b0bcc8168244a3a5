#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

// Stands in for the desktop's browser while it lives: records every web address handed over.
class AddressRecorder : public QObject
{
    Q_OBJECT
public:
    AddressRecorder()
    {
        for (const auto scheme : {"http", "https"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
    }
    ~AddressRecorder() override
    {
        for (const auto scheme : {"http", "https"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};
