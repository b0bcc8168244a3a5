// Checks the committed pictures, icon and cursor: how each file is encoded, that the program can
// read it, and that the artwork fits the windows that show it.

#include "cursor_file.h"
#include "jpeg_decoder.h"
#include "jpeg_markers.h"

#include <QColorSpace>
#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <QtEndian>

#include <cmath>

namespace {

QString resourcePath(const QString &relative)
{
    return QStringLiteral(TOBRELIN_RESOURCES_DIR "/") + relative;
}

QByteArray resourceBytes(const QString &relative)
{
    QFile file(resourcePath(relative));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing resource %s", qPrintable(relative));
    return file.readAll();
}

QImage decodedPicture(const QString &name)
{
    return JpegDecoder::decode(resourceBytes(QStringLiteral("pictures/") + name))
        .convertToFormat(QImage::Format_RGB32);
}

int littleWord(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

qint64 littleLong(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<qint32>(data.constData() + at);
}

// Mean absolute difference per channel between a picture and a same-sized part of another.
double meanDifference(const QImage &picture, const QImage &other, QPoint at)
{
    qint64 total = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb a = picture.pixel(x, y);
            const QRgb b = other.pixel(at.x() + x, at.y() + y);
            total += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b));
        }
    }
    return double(total) / (3.0 * picture.width() * picture.height());
}

double relativeLuminance(QRgb colour)
{
    auto linear = [](int level) {
        const double v = level / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
}

double contrastRatio(QRgb a, QRgb b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

void addPictureRows()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("frameMarker");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("restarts");
    constexpr int baseline = 0xC0;
    constexpr int progressive = 0xC2;
    QTest::addRow("menu background") << u"menu_background.jpg"_qs << progressive << QSize(690, 450) << false;
    QTest::addRow("FAQ") << u"word_faq.jpg"_qs << baseline << QSize(83, 15) << false;
    QTest::addRow("CLIENT") << u"word_client.jpg"_qs << baseline << QSize(83, 13) << false;
    QTest::addRow("SERVER") << u"word_server.jpg"_qs << baseline << QSize(83, 15) << false;
    QTest::addRow("OTHER 1") << u"word_other1.jpg"_qs << baseline << QSize(83, 15) << false;
    QTest::addRow("OTHER 2") << u"word_other2.jpg"_qs << baseline << QSize(83, 15) << false;
    QTest::addRow("ABOUT") << u"word_about.jpg"_qs << baseline << QSize(83, 19) << false;
    QTest::addRow("banner") << u"banner.jpg"_qs << baseline << QSize(468, 60) << true;
    QTest::addRow("about background") << u"about_background.jpg"_qs << baseline << QSize(690, 455) << true;
}

// The directory entry of an icon or cursor file and the bitmap header it points at.
struct IconEntry
{
    int width = 0;
    int height = 0;
    int colourCount = 0;
    int field1 = 0; // planes of an icon, hot spot column of a cursor
    int field2 = 0; // bit depth of an icon, hot spot row of a cursor
    qint64 bytes = 0;
    qint64 offset = 0;
};

QList<IconEntry> iconEntries(const QByteArray &file)
{
    QList<IconEntry> entries;
    const int count = littleWord(file, 4);
    for (int i = 0; i < count; ++i) {
        const qsizetype at = 6 + 16 * i;
        entries.append({uchar(file[at]) ? uchar(file[at]) : 256,
                        uchar(file[at + 1]) ? uchar(file[at + 1]) : 256, uchar(file[at + 2]),
                        littleWord(file, at + 4), littleWord(file, at + 6), littleLong(file, at + 8),
                        littleLong(file, at + 12)});
    }
    return entries;
}

int rowStride(int width, int bits)
{
    return (width * bits + 31) / 32 * 4;
}

QByteArray withBytes(QByteArray data, qsizetype at, const QByteArray &replacement)
{
    data.replace(at, replacement.size(), replacement);
    return data;
}

// Offsets in a one-image cursor file.
constexpr qsizetype CursorTypeField = 2;
constexpr qsizetype CursorCountField = 4;
constexpr qsizetype CursorOffsetField = 18;
constexpr qsizetype CursorBitmap = 22;

} // namespace

class AssetsTest : public QObject
{
    Q_OBJECT

private slots:
    void jpegStructure_data() { addPictureRows(); }

    void jpegStructure()
    {
        QFETCH(QString, name);
        QFETCH(int, frameMarker);
        QFETCH(QSize, size);
        QFETCH(bool, restarts);
        const JpegMarkers markers = readJpegMarkers(resourceBytes(QStringLiteral("pictures/") + name));
        QVERIFY2(markers.problem.isEmpty(), qPrintable(markers.problem));
        QCOMPARE(markers.frameMarker, frameMarker);
        QCOMPARE(markers.precision, 8);
        QCOMPARE(QSize(markers.width, markers.height), size);
        QCOMPARE(markers.components.size(), 3);
        for (const JpegMarkers::Component &component : markers.components) {
            QCOMPARE(component.horizontalSampling, 1);
            QCOMPARE(component.verticalSampling, 1);
        }
        if (frameMarker == 0xC0) {
            QCOMPARE(markers.scans.size(), 1);
            QCOMPARE(markers.scans[0].componentIds.size(), 3);
        }
        if (restarts) {
            QVERIFY(markers.restartInterval > 0);
            QVERIFY(markers.restartMarkers > 0);
        }

        QCOMPARE(markers.segments(0xE0, QByteArray("JFIF\0", 5)).size(), 1);
        const QList<QByteArray> adobe = markers.segments(0xEE, "Adobe");
        QCOMPARE(adobe.size(), 1);
        QCOMPARE(int(adobe[0].at(11)), 1); // the components are YCbCr, not RGB
        QCOMPARE(markers.segments(0xE1, QByteArray("Exif\0\0", 6)).size(), 1);
        QCOMPARE(markers.segments(0xE1, QByteArray("http://ns.adobe.com/xap/1.0/\0", 29)).size(), 1);
        QCOMPARE(markers.segments(0xED, QByteArray("Photoshop 3.0\0", 14)).size(), 1);
        QVERIFY(!markers.segments(0xE2, QByteArray("ICC_PROFILE\0", 12)).isEmpty());
    }

    void metadataIsWellFormed_data() { addPictureRows(); }

    void metadataIsWellFormed()
    {
        QFETCH(QString, name);
        const JpegMarkers markers = readJpegMarkers(resourceBytes(QStringLiteral("pictures/") + name));

        // The colour profile: chunks in order, reassembled into a profile Qt accepts as sRGB.
        const QList<QByteArray> chunks = markers.segments(0xE2, QByteArray("ICC_PROFILE\0", 12));
        QByteArray profile;
        for (qsizetype i = 0; i < chunks.size(); ++i) {
            QCOMPARE(int(uchar(chunks[i].at(12))), int(i + 1));
            QCOMPARE(int(uchar(chunks[i].at(13))), int(chunks.size()));
            profile += chunks[i].mid(14);
        }
        const QColorSpace space = QColorSpace::fromIccProfile(profile);
        QVERIFY(space.isValid());
        QCOMPARE(space.primaries(), QColorSpace::Primaries::SRgb);

        // Exif: a little-endian TIFF directory whose entries all point inside the segment.
        const QByteArray tiff = markers.segments(0xE1, QByteArray("Exif\0\0", 6)).value(0).mid(6);
        QVERIFY(tiff.startsWith(QByteArray("II*\0", 4)));
        const qint64 directory = littleLong(tiff, 4);
        QVERIFY(directory + 2 <= tiff.size());
        const int fields = littleWord(tiff, directory);
        QVERIFY(directory + 2 + 12 * fields + 4 <= tiff.size());
        QString artist;
        for (int i = 0; i < fields; ++i) {
            const qsizetype at = directory + 2 + 12 * i;
            const int type = littleWord(tiff, at + 2);
            const qint64 count = littleLong(tiff, at + 4);
            const int unit = type == 3 ? 2 : type == 5 ? 8 : 1;
            const qint64 valueOffset = count * unit <= 4 ? at + 8 : littleLong(tiff, at + 8);
            QVERIFY2(valueOffset + count * unit <= tiff.size(), "an Exif value lies outside the segment");
            if (littleWord(tiff, at) == 0x013B)
                artist = QString::fromLatin1(tiff.mid(valueOffset, count - 1));
        }
        QCOMPARE(artist, u"Tobrelin"_qs);

        // XMP: a well-formed packet with a title.
        const QByteArray xmp =
            markers.segments(0xE1, QByteArray("http://ns.adobe.com/xap/1.0/\0", 29)).value(0).mid(29);
        QXmlStreamReader xml(xmp);
        QString title;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.qualifiedName() == u"dc:title")
                title = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(!title.isEmpty());

        // Photoshop: an image resource block of resolution information.
        const QByteArray photoshop =
            markers.segments(0xED, QByteArray("Photoshop 3.0\0", 14)).value(0).mid(14);
        QVERIFY(photoshop.startsWith("8BIM\x03\xED"));
        QCOMPARE(qFromBigEndian<quint32>(photoshop.constData() + 8), 16u);
        QCOMPARE(photoshop.size(), 12 + 16);
    }

    void backgroundScansBySpectralSelection()
    {
        const JpegMarkers markers = readJpegMarkers(resourceBytes(u"pictures/menu_background.jpg"_qs));
        QCOMPARE(markers.scans.size(), 7);
        const JpegMarkers::Scan &dc = markers.scans.first();
        QCOMPARE(dc.componentIds.size(), 3);
        QCOMPARE(dc.spectralStart, 0);
        QCOMPARE(dc.spectralEnd, 0);

        // Every AC coefficient of every component is sent exactly once, in one pass.
        QHash<int, QList<int>> timesSent;
        for (const JpegMarkers::Component &component : markers.components)
            timesSent[component.id] = QList<int>(64, 0);
        for (const JpegMarkers::Scan &scan : markers.scans) {
            QCOMPARE(scan.approximationHigh, 0);
            QCOMPARE(scan.approximationLow, 0);
            if (scan.spectralStart > 0)
                QCOMPARE(scan.componentIds.size(), 1);
            for (int id : scan.componentIds) {
                QVERIFY(timesSent.contains(id));
                for (int k = scan.spectralStart; k <= scan.spectralEnd; ++k)
                    ++timesSent[id][k];
            }
        }
        for (auto it = timesSent.cbegin(); it != timesSent.cend(); ++it)
            QCOMPARE(it.value(), QList<int>(64, 1));
    }

    void picturesDecode_data() { addPictureRows(); }

    void picturesDecode()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QCOMPARE(decodedPicture(name).size(), size);
    }

    void wordsMatchTheBackground_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("place");
        QTest::addRow("FAQ") << u"word_faq.jpg"_qs << QPoint(300, 183);
        QTest::addRow("CLIENT") << u"word_client.jpg"_qs << QPoint(300, 198);
        QTest::addRow("SERVER") << u"word_server.jpg"_qs << QPoint(300, 211);
        QTest::addRow("OTHER 1") << u"word_other1.jpg"_qs << QPoint(300, 226);
        QTest::addRow("OTHER 2") << u"word_other2.jpg"_qs << QPoint(300, 241);
        QTest::addRow("ABOUT") << u"word_about.jpg"_qs << QPoint(300, 256);
    }

    void wordsMatchTheBackground()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, place);
        const QImage background = decodedPicture(u"menu_background.jpg"_qs);
        const QImage word = decodedPicture(name);
        const double atPlace = meanDifference(word, background, place);
        QVERIFY2(atPlace < 4, qPrintable(QString::number(atPlace)));
        // A picture cut a pixel away from its place would differ more than compression does.
        for (QPoint shift : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const double shifted = meanDifference(word, background, place + shift);
            QVERIFY2(
                shifted > atPlace * 2,
                qPrintable(QStringLiteral("%1 at the place, %2 one pixel off").arg(atPlace).arg(shifted)));
        }
    }

    void textStaysLegible_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QRect>("area");
        QTest::addColumn<QColor>("ink");
        QTest::addColumn<double>("contrast");
        // Areas in picture coordinates; the about window shows its background from column 64.
        const QString menu = u"menu_background.jpg"_qs;
        QTest::addRow("forum links") << menu << QRect(96, 168, 158, 112) << QColor(0, 0, 255) << 4.5;
        QTest::addRow("topics") << menu << QRect(448, 152, 135, 157) << QColor(0, 0, 0) << 7.0;
        QTest::addRow("exit") << menu << QRect(320, 272, 49, 17) << QColor(128, 0, 0) << 4.5;
        QTest::addRow("credits") << menu << QRect(264, 424, 170, 14) << QColor(0, 0, 0) << 7.0;
        QTest::addRow("about text") << u"about_background.jpg"_qs << QRect(64 + 16, 8, 545, 318)
                                    << QColor(0, 0, 0) << 7.0;
    }

    // Every pixel under the text, not just the average, keeps the contrast wanted for small text.
    void textStaysLegible()
    {
        QFETCH(QString, picture);
        QFETCH(QRect, area);
        QFETCH(QColor, ink);
        QFETCH(double, contrast);
        const QImage image = decodedPicture(picture);
        double worst = 21;
        QPoint worstAt;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const double ratio = contrastRatio(image.pixel(x, y), ink.rgb());
                if (ratio < worst) {
                    worst = ratio;
                    worstAt = QPoint(x, y);
                }
            }
        }
        QVERIFY2(worst >= contrast, qPrintable(QStringLiteral("contrast %1 at %2,%3")
                                                   .arg(worst, 0, 'f', 2)
                                                   .arg(worstAt.x())
                                                   .arg(worstAt.y())));
    }

    void iconHoldsEverySize_data()
    {
        QTest::addColumn<int>("bits");
        QTest::addColumn<int>("side");
        for (int bits : {4, 8}) {
            for (int side : {16, 24, 32, 48})
                QTest::addRow("%d-bit %d", bits, side) << bits << side;
        }
        for (int side : {16, 24, 32, 48, 64, 72, 96, 128})
            QTest::addRow("32-bit %d", side) << 32 << side;
    }

    void iconHoldsEverySize()
    {
        QFETCH(int, bits);
        QFETCH(int, side);
        const QByteArray file = resourceBytes(u"icons/tobrelin.ico"_qs);
        QCOMPARE(littleWord(file, 2), 1);
        const QList<IconEntry> entries = iconEntries(file);
        QCOMPARE(entries.size(), 16);
        qsizetype index = -1;
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (entries[i].width == side && entries[i].field2 == bits)
                index = i;
        }
        QVERIFY2(index >= 0, "no such picture in the icon");
        const IconEntry &entry = entries[index];
        QCOMPARE(entry.height, side);
        QCOMPARE(entry.colourCount, bits == 4 ? 16 : 0);

        // An uncompressed bitmap with colour bits and mask stacked, filling exactly its entry.
        const qsizetype header = entry.offset;
        QVERIFY(header + 40 <= file.size());
        QCOMPARE(littleLong(file, header), 40);
        QCOMPARE(littleLong(file, header + 4), side);
        QCOMPARE(littleLong(file, header + 8), 2 * side);
        QCOMPARE(littleWord(file, header + 14), bits);
        QCOMPARE(littleLong(file, header + 16), 0);
        const qint64 palette = bits <= 8 ? 4 << bits : 0;
        QCOMPARE(entry.bytes, 40 + palette + qint64(rowStride(side, bits) + rowStride(side, 1)) * side);
        QVERIFY(entry.offset + entry.bytes <= file.size());

        // Qt reads it with its mask: the corner is see-through, the middle solid.
        QImageReader reader(resourcePath(u"icons/tobrelin.ico"_qs));
        QCOMPARE(reader.imageCount(), 16);
        QVERIFY(reader.jumpToImage(int(index)));
        const QImage image = reader.read();
        QCOMPARE(image.size(), QSize(side, side));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(side / 2, side / 2)), 255);
    }

    void windowIconOffersTheSizes()
    {
        const QList<QSize> sizes = QIcon(resourcePath(u"icons/tobrelin.ico"_qs)).availableSizes();
        for (int side : {16, 24, 32, 48, 64, 72, 96, 128})
            QVERIFY2(sizes.contains(QSize(side, side)), qPrintable(QString::number(side)));
    }

    void cursorFileHoldsTheHand()
    {
        const QByteArray file = resourceBytes(u"cursors/hand.cur"_qs);
        QCOMPARE(littleWord(file, CursorTypeField), 2);
        const QList<IconEntry> entries = iconEntries(file);
        QCOMPARE(entries.size(), 1);
        const IconEntry &entry = entries[0];
        QCOMPARE(QSize(entry.width, entry.height), QSize(32, 32));
        QCOMPARE(entry.colourCount, 2);
        QCOMPARE(QPoint(entry.field1, entry.field2), QPoint(5, 0));
        QCOMPARE(littleLong(file, entry.offset + 8), 64);
        QCOMPARE(littleWord(file, entry.offset + 14), 1);
        QCOMPARE(entry.bytes, 40 + 8 + 2 * rowStride(32, 1) * 32);

        // Black and white only, and the hot spot on the black outline of the fingertip.
        const QCursor cursor = loadCursorFile(resourcePath(u"cursors/hand.cur"_qs));
        QCOMPARE(cursor.hotSpot(), QPoint(5, 0));
        const QImage image = cursor.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(32, 32));
        QSet<QRgb> colours;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                if (qAlpha(image.pixel(x, y)) != 0)
                    colours.insert(image.pixel(x, y));
            }
        }
        QCOMPARE(colours, (QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
        QCOMPARE(image.pixel(5, 0), qRgb(0, 0, 0));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    }

    void unreadableCursorFallsBackToPointingHand_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray valid = resourceBytes(u"cursors/hand.cur"_qs);
        QTest::addRow("empty") << QByteArray();
        QTest::addRow("icon, not cursor") << withBytes(valid, CursorTypeField, QByteArray("\x01\x00", 2));
        QTest::addRow("no pictures") << withBytes(valid, CursorCountField, QByteArray("\x00\x00", 2));
        QTest::addRow("bitmap past the end")
            << withBytes(valid, CursorOffsetField, QByteArray("\x00\xFF\xFF\x7F", 4));
        QTest::addRow("truncated masks") << valid.left(valid.size() - 64);
        QTest::addRow("colour bitmap") << withBytes(valid, CursorBitmap + 14, QByteArray("\x08\x00", 2));
        QTest::addRow("height not doubled") << withBytes(valid, CursorBitmap + 8, QByteArray("\x20\x00", 2));
    }

    void unreadableCursorFallsBackToPointingHand()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir directory;
        const QString path = directory.filePath(u"broken.cur"_qs);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(path)));
        QCOMPARE(loadCursorFile(path).shape(), Qt::PointingHandCursor);
    }

    void missingCursorFallsBackToPointingHand()
    {
        const QString path = u":/cursors/no-such-cursor.cur"_qs;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(path)));
        QCOMPARE(loadCursorFile(path).shape(), Qt::PointingHandCursor);
    }
};

QTEST_MAIN(AssetsTest)
#include "assets_test.moc"
