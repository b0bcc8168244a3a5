#include "tobrelin_test_main.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

#include <iconv.h>

namespace {

// One row of article_shapes.tsv: what an article must look like.
struct Shape
{
    QString key;
    QString firstLine;
    QString match; // exact, prefix, or after_address (a web address line, then the first line)
    int lines = 0;
    int characters = 0;
    int longestLine = 0;
    int blankLines = 0;
    int tabs = 0;
};

} // namespace

Q_DECLARE_METATYPE(Shape)

namespace {

QList<Shape> shapes()
{
    QFile file(QStringLiteral(TOBRELIN_SOURCE_DIR "/tests/articles/article_shapes.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("article_shapes.tsv is missing");
    QList<Shape> result;
    const QStringList rows = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &row : rows.mid(1)) {
        const QStringList f = row.split(QLatin1Char('\t'));
        result.append({f[1], f[2], f[3], f[4].toInt(), f[5].toInt(), f[6].toInt(), f[7].toInt(), f[8].toInt()});
    }
    return result;
}

QByteArray articleBytes(const QString &key)
{
    QFile file(QStringLiteral(TOBRELIN_RESOURCES_DIR "/articles/") + key + QStringLiteral(".txt"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList articleLines(const QString &key)
{
    QString text = QString::fromUtf8(articleBytes(key));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text.split(QLatin1Char('\n'));
}

bool inRepertoire(QChar c)
{
    const char16_t u = c.unicode();
    if (u == u'\t' || (u >= 0x20 && u < 0x7F))
        return true;
    if ((u >= 0x410 && u <= 0x44F) || u == 0x401 || u == 0x451)
        return true;
    return QStringView(u"\u2013\u00A9\u201C\u201D\u2116\u2026").contains(c);
}

QByteArray convert(const char *to, const char *from, const QByteArray &input)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return {};
    QByteArray in = input;
    QByteArray out(input.size() * 4 + 16, '\0');
    char *inPtr = in.data();
    char *outPtr = out.data();
    size_t inLeft = size_t(in.size());
    size_t outLeft = size_t(out.size());
    const size_t converted = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (converted == size_t(-1) || inLeft != 0)
        return {};
    out.resize(out.size() - qsizetype(outLeft));
    return out;
}

} // namespace

class ArticlesTest : public QObject
{
    Q_OBJECT

private slots:
    void articleHasItsShape_data()
    {
        QTest::addColumn<Shape>("shape");
        for (const Shape &shape : shapes())
            QTest::addRow("%s", qPrintable(shape.key)) << shape;
    }

    void articleHasItsShape()
    {
        QFETCH(Shape, shape);
        const QByteArray bytes = articleBytes(shape.key);
        QVERIFY2(!bytes.isEmpty(), "the article file is missing");
        QVERIFY2(bytes.endsWith('\n'), "the last line lacks its line break");
        QVERIFY2(!bytes.contains('\r'), "lines are stored with LF alone");
        const QStringList lines = articleLines(shape.key);

        QCOMPARE(lines.size(), shape.lines);
        int characters = 0;
        int longest = 0;
        int blank = 0;
        int tabs = 0;
        for (const QString &line : lines) {
            characters += int(line.size());
            longest = std::max(longest, int(line.size()));
            blank += line.isEmpty();
            tabs += int(line.count(QLatin1Char('\t')));
        }
        QCOMPARE(characters, shape.characters);
        QCOMPARE(longest, shape.longestLine);
        QCOMPARE(blank, shape.blankLines);
        QCOMPARE(tabs, shape.tabs);

        if (shape.match == u"exact") {
            QCOMPARE(lines.first(), shape.firstLine);
        } else if (shape.match == u"prefix") {
            QVERIFY2(lines.first().startsWith(shape.firstLine), qPrintable(lines.first()));
            QVERIFY(lines.first().size() > shape.firstLine.size());
        } else {
            QVERIFY2(QRegularExpression(u"^https?://\\S+$"_qs).match(lines.first()).hasMatch(),
                     qPrintable(lines.first()));
            QCOMPARE(lines.at(1), shape.firstLine);
        }
        for (const QString &line : lines) {
            QVERIFY2(line.isEmpty() || !line.trimmed().isEmpty(), "a line of nothing but blanks");
            for (QChar c : line)
                QVERIFY2(inRepertoire(c), qPrintable(u"U+%1 in %2"_qs.arg(int(c.unicode()), 4, 16, QLatin1Char('0')).arg(line)));
        }
    }

    void survivesARoundTripThroughWindows1251()
    {
        for (const Shape &shape : shapes()) {
            const QByteArray utf8 = articleBytes(shape.key);
            const QByteArray cp1251 = convert("CP1251", "UTF-8", utf8);
            QVERIFY2(!cp1251.isEmpty(), qPrintable(shape.key));
            QCOMPARE(convert("UTF-8", "CP1251", cp1251), utf8);
        }
    }

    void collectionTotals()
    {
        int lines = 0;
        int characters = 0;
        int blank = 0;
        int tabs = 0;
        QSet<QString> withTabs;
        for (const Shape &shape : shapes()) {
            for (const QString &line : articleLines(shape.key)) {
                ++lines;
                characters += int(line.size());
                blank += line.isEmpty();
                if (line.contains(QLatin1Char('\t'))) {
                    tabs += int(line.count(QLatin1Char('\t')));
                    withTabs.insert(shape.key);
                }
            }
        }
        QCOMPARE(lines, 8677);
        QCOMPARE(characters, 285787);
        QCOMPARE(blank, 732);
        QCOMPARE(tabs, 45);
        const QSet<QString> tabbed{u"mf7"_qs, u"mp1"_qs, u"mp13"_qs, u"mp15"_qs, u"mp19"_qs, u"mp20"_qs, u"ms12"_qs};
        QCOMPARE(withTabs, tabbed);
    }

    // Padding shows as the same paragraph written twice. Listings may repeat what real code
    // repeats, but a long line of prose never stands twice in the collection.
    void noParagraphStandsTwice()
    {
        QHash<QString, QString> seen;
        for (const Shape &shape : shapes()) {
            for (const QString &line : articleLines(shape.key)) {
                if (line.size() < 100)
                    continue;
                QVERIFY2(!seen.contains(line), qPrintable(shape.key + u" and "_qs + seen.value(line) + u": "_qs + line));
                seen.insert(line, shape.key);
            }
        }
    }

    void referenceListsAreOrderedAndUnique_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("entry");
        QTest::addRow("items") << u"mp5"_qs << u"^(\\d+) - (\\S.*\\S)$"_qs;
        QTest::addRow("skills") << u"mp6"_qs << u"^(?:конецформыначалоформы)?(\\d+)=(\\S.*\\S)$"_qs;
    }

    // One identifier and name per line, identifiers rising within each section, names never repeated.
    void referenceListsAreOrderedAndUnique()
    {
        QFETCH(QString, key);
        QFETCH(QString, entry);
        const QRegularExpression pattern(entry);
        const QRegularExpression generated(u"(Предмет|Item|Skill|Умение) \\d+$"_qs);
        qint64 previous = -1;
        int entries = 0;
        QSet<QString> names;
        for (const QString &line : articleLines(key)) {
            const QRegularExpressionMatch m = pattern.match(line);
            if (!m.hasMatch()) {
                previous = -1; // a heading or a blank line starts a section
                continue;
            }
            ++entries;
            const qint64 id = m.captured(1).toLongLong();
            QVERIFY2(id > previous, qPrintable(line));
            previous = id;
            QVERIFY2(!generated.match(line).hasMatch(), qPrintable(line));
            names.insert(m.captured(2));
        }
        QVERIFY2(entries > 1800, qPrintable(QString::number(entries)));
        QVERIFY2(names.size() > entries * 9 / 10, "names repeat");
    }
};

TOBRELIN_TEST_MAIN(ArticlesTest)
#include "articles_test.moc"
