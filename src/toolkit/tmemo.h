#pragma once

#include <QPlainTextEdit>
#include <QStringList>

// A read-only, multi-line text box with word wrap and a vertical scroll bar only. The reader can
// place the caret, scroll, select and copy; typing, pasting, cutting and deleting change nothing.
// Its text is a list of lines, each followed by CR LF, the last one included. The lines can come
// from a UTF-8 file in the program's resources (LinesFile).
class TMemo : public QPlainTextEdit
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TMemo)
    Q_PROPERTY(QString LinesFile READ LinesFile WRITE setLinesFile)
    Q_PROPERTY(QColor Color READ Color WRITE setColor)

public:
    explicit TMemo(QWidget *parent = nullptr);

    QString LinesFile() const { return m_linesFile; }
    void setLinesFile(const QString &resourcePath);
    QColor Color() const;
    void setColor(const QColor &color);

    void setLines(const QStringList &lines);
    // The text with CR LF line breaks, as the box holds it.
    QString text() const;

    static QStringList readLines(const QString &path);

protected:
    void changeEvent(QEvent *event) override;

private:
    void updateTabStops();

    QString m_linesFile;
};
