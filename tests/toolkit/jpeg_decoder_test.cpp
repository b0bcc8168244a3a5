#include "jpeg_decoder.h"
#include "tobrelin_test_main.h"

#include <QFile>
#include <QRandomGenerator>

namespace {

QByteArray picture(const QString &name)
{
    QFile file(QStringLiteral(TOBRELIN_RESOURCES_DIR "/pictures/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing picture %s", qPrintable(name));
    return file.readAll();
}

// Offset of the n-th start-of-scan marker's entropy-coded data.
qsizetype scanData(const QByteArray &jpeg, int n)
{
    qsizetype at = 2;
    int seen = 0;
    while (at + 4 <= jpeg.size()) {
        if (uchar(jpeg[at]) != 0xFF)
            return -1;
        const uchar marker = uchar(jpeg[at + 1]);
        const qsizetype length = (uchar(jpeg[at + 2]) << 8) | uchar(jpeg[at + 3]);
        if (marker == 0xDA && ++seen == n)
            return at + 2 + length;
        at += 2 + length;
        if (marker == 0xDA) {
            // Skip entropy-coded data up to the next marker that is not a restart or stuffing.
            while (at + 1 < jpeg.size()
                   && !(uchar(jpeg[at]) == 0xFF && uchar(jpeg[at + 1]) != 0 && (uchar(jpeg[at + 1]) & 0xF8) != 0xD0))
                ++at;
        }
    }
    return -1;
}

qsizetype markerOffset(const QByteArray &jpeg, uchar marker)
{
    for (qsizetype at = 0; at + 1 < jpeg.size(); ++at) {
        if (uchar(jpeg[at]) == 0xFF && uchar(jpeg[at + 1]) == marker)
            return at;
    }
    return -1;
}

} // namespace

class JpegDecoderTest : public QObject
{
    Q_OBJECT

private slots:
    void decodesTheProgramsPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        QTest::addRow("progressive background") << u"menu_background.jpg"_qs << QSize(690, 450);
        QTest::addRow("word picture") << u"word_faq.jpg"_qs << QSize(83, 15);
        QTest::addRow("tallest word picture") << u"word_about.jpg"_qs << QSize(83, 19);
        QTest::addRow("banner with restart markers") << u"banner.jpg"_qs << QSize(468, 60);
        QTest::addRow("about background") << u"about_background.jpg"_qs << QSize(690, 455);
    }

    void decodesTheProgramsPictures()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        const QByteArray jpeg = picture(name);
        const QImage image = JpegDecoder::decode(jpeg);
        QCOMPARE(image.size(), size);
        QCOMPARE(image.format(), QImage::Format_RGB888);
        // Qt's own reader agrees within rounding: the colour conversion is right.
        const QImage reference = QImage::fromData(jpeg).convertToFormat(QImage::Format_RGB888);
        for (int y = 0; y < size.height(); y += 7) {
            for (int x = 0; x < size.width(); x += 11) {
                const QRgb a = image.pixel(x, y);
                const QRgb b = reference.pixel(x, y);
                QVERIFY2(qAbs(qRed(a) - qRed(b)) <= 3 && qAbs(qGreen(a) - qGreen(b)) <= 3
                             && qAbs(qBlue(a) - qBlue(b)) <= 3,
                         qPrintable(u"pixel %1,%2"_qs.arg(x).arg(y)));
            }
        }
    }

    void refusesBadData_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QByteArray banner = picture(u"banner.jpg"_qs);
        const QByteArray background = picture(u"menu_background.jpg"_qs);

        QTest::addRow("empty") << QByteArray();
        QTest::addRow("start marker only") << QByteArray("\xFF\xD8", 2);
        QTest::addRow("header only") << banner.left(markerOffset(banner, 0xDA));
        QTest::addRow("truncated baseline") << banner.left(banner.size() / 2);
        QTest::addRow("progressive cut in a scan") << background.left(scanData(background, 3) + 200);
        QTest::addRow("progressive without its last scans") << background.left(scanData(background, 5));
        QTest::addRow("not a picture") << QByteArray("GIF89a this is no jpeg at all");

        QByteArray noFrame = banner;
        const qsizetype frame = markerOffset(noFrame, 0xC0);
        noFrame[frame + 1] = char(0xCF); // an arithmetic-coding frame type nobody writes
        QTest::addRow("unknown frame type") << noFrame;

        QByteArray badPrecision = banner;
        badPrecision[frame + 4] = 3; // sample precision of 3 bits
        QTest::addRow("bit-flipped precision") << badPrecision;

        QByteArray huge = banner;
        huge[frame + 5] = char(0xEA); // height 60000
        huge[frame + 6] = char(0x60);
        huge[frame + 7] = char(0xEA); // width 60000
        huge[frame + 8] = char(0x60);
        QTest::addRow("oversized picture") << huge;

        QByteArray random(4096, Qt::Uninitialized);
        QRandomGenerator generator(20061208);
        for (char &byte : random)
            byte = char(generator.bounded(256));
        random[0] = char(0xFF);
        random[1] = char(0xD8);
        QTest::addRow("random bytes after the start marker") << random;
    }

    void refusesBadData()
    {
        QFETCH(QByteArray, data);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^JPEG: "_qs));
        QVERIFY(JpegDecoder::decode(data).isNull());
    }

    // Flipped bits in the compressed data may still decode to some picture; what matters is that
    // the decoder neither crashes nor runs off the end of the data.
    void survivesFlippedBitsInTheScans()
    {
        const QByteArray background = picture(u"menu_background.jpg"_qs);
        QRandomGenerator generator(42);
        const qsizetype first = scanData(background, 1);
        for (int round = 0; round < 40; ++round) {
            QByteArray damaged = background;
            for (int flip = 0; flip < 8; ++flip) {
                const qsizetype at = first + generator.bounded(background.size() - first - 2);
                damaged[at] = char(damaged[at] ^ (1 << generator.bounded(8)));
            }
            const QImage image = JpegDecoder::decode(damaged);
            QVERIFY(image.isNull() || image.size() == QSize(690, 450));
        }
    }
};

TOBRELIN_TEST_MAIN(JpegDecoderTest)
#include "jpeg_decoder_test.moc"
