#include "tapplication.h"

#include "cursor_file.h"
#include "definition_font.h"

#include <QHelpEvent>
#include <QHash>
#include <QIcon>
#include <QMessageBox>
#include <QProxyStyle>
#include <QRegularExpression>
#include <QToolTip>
#include <QWidget>

#include <exception>

namespace {

class ToolkitStyle : public QProxyStyle
{
public:
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return TApplication::toolTipWakeUpMs;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

} // namespace

TApplication::TApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setStyle(new ToolkitStyle);
    setQuitOnLastWindowClosed(false);
    setWindowIcon(QIcon(QStringLiteral(":/icons/MAINICON.ico")));
    DefinitionFont::loadDesignFace();
}

QString TApplication::titleFromExecutable(const QString &path)
{
    // Either separator: the rule is the same for a Windows path.
    QString name = path.mid(path.lastIndexOf(QRegularExpression(QStringLiteral("[/\\\\]"))) + 1);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    if (name.isEmpty())
        return name;
    return name.left(1) + name.mid(1).toLower();
}

QString TApplication::title()
{
    return titleFromExecutable(QCoreApplication::applicationFilePath());
}

QCursor TApplication::resourceCursor(const QString &name)
{
    static QHash<QString, QCursor> loaded;
    auto found = loaded.constFind(name);
    if (found == loaded.constEnd())
        found = loaded.insert(name, loadCursorFile(QStringLiteral(":/cursors/%1.cur").arg(name)));
    return *found;
}

void TApplication::setErrorReporter(ErrorReporter reporter)
{
    m_reporter = std::move(reporter);
}

void TApplication::report(const QString &message)
{
    if (m_reporter) {
        m_reporter(message);
        return;
    }
    QMessageBox::critical(activeWindow(), title(), message);
}

bool TApplication::showToolTip(QObject *receiver, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(receiver);
    if (!widget || widget->toolTip().isEmpty())
        return false;
    const auto *help = static_cast<QHelpEvent *>(event);
    QToolTip::showText(help->globalPos(), widget->toolTip(), widget, {}, toolTipShowMs);
    return true;
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        if (event->type() == QEvent::ToolTip && showToolTip(receiver, event))
            return true;
        return QApplication::notify(receiver, event);
    } catch (const std::exception &error) {
        report(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        report(tr("An unexpected error occurred."));
    }
    return false;
}
