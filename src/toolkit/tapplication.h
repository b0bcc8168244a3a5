#pragma once

#include <QApplication>
#include <QCursor>

#include <functional>

// The application object: program-wide resources (icon, cursors, fonts), tooltips, the title the
// task bar shows, and an input loop that survives an error in any event handler.
class TApplication : public QApplication
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TApplication)

public:
    using ErrorReporter = std::function<void(const QString &message)>;

    TApplication(int &argc, char **argv);

    // The program's title: the executable's file name without directory and without everything
    // from the first dot on, each letter after the first in lower case.
    static QString titleFromExecutable(const QString &path);
    static QString title();

    // A cursor from the program's resources (":/cursors/<name>.cur").
    static QCursor resourceCursor(const QString &name);

    // How an error caught in the input loop is shown; by default a standard error message box.
    void setErrorReporter(ErrorReporter reporter);

    bool notify(QObject *receiver, QEvent *event) override;

    static constexpr int toolTipWakeUpMs = 500;
    static constexpr int toolTipShowMs = 2500;

private:
    bool showToolTip(QObject *receiver, QEvent *event);
    void report(const QString &message);

    ErrorReporter m_reporter;
};
