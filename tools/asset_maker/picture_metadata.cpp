#include "picture_metadata.h"

#include "byte_writer.h"

#include <stdexcept>
#include <vector>

namespace {

const QByteArray Maker = "Tobrelin";
const QByteArray MakerTool = "Tobrelin asset maker";

// One directory entry of a TIFF structure, with its value as raw little-endian bytes.
struct TiffField
{
    quint16 tag;
    quint16 type;
    quint32 count;
    QByteArray value;
};

constexpr quint16 TiffAscii = 2;
constexpr quint16 TiffShort = 3;
constexpr quint16 TiffRational = 5;

TiffField asciiField(quint16 tag, const QByteArray &text)
{
    return {tag, TiffAscii, quint32(text.size() + 1), text + '\0'};
}

TiffField rationalField(quint16 tag, quint32 numerator, quint32 denominator)
{
    ByteWriter value(ByteWriter::Order::LittleEndian);
    value.u32(numerator);
    value.u32(denominator);
    return {tag, TiffRational, 1, value.data()};
}

TiffField shortField(quint16 tag, quint16 number)
{
    ByteWriter value(ByteWriter::Order::LittleEndian);
    value.u16(number);
    value.u16(0);
    return {tag, TiffShort, 1, value.data()};
}

QByteArray exifSegment(const PictureCaption &caption)
{
    // Tags in ascending order, as the format demands.
    const std::vector<TiffField> fields = {
        asciiField(0x010E, caption.description.toUtf8()), // ImageDescription
        rationalField(0x011A, 72, 1),                     // XResolution
        rationalField(0x011B, 72, 1),                     // YResolution
        shortField(0x0128, 2),                            // ResolutionUnit: inches
        asciiField(0x0131, MakerTool),                    // Software
        asciiField(0x013B, Maker),                        // Artist
    };
    const quint32 directoryOffset = 8;
    quint32 valueOffset = directoryOffset + 2 + 12 * quint32(fields.size()) + 4;

    ByteWriter tiff(ByteWriter::Order::LittleEndian);
    tiff.bytes("II");
    tiff.u16(42);
    tiff.u32(directoryOffset);
    tiff.u16(quint32(fields.size()));
    QByteArray values;
    for (const TiffField &field : fields) {
        tiff.u16(field.tag);
        tiff.u16(field.type);
        tiff.u32(field.count);
        if (field.value.size() <= 4) {
            tiff.bytes(field.value.leftJustified(4, '\0'));
        } else {
            tiff.u32(valueOffset + quint32(values.size()));
            values += field.value;
            if (values.size() % 2 != 0) // values start on word boundaries
                values += '\0';
        }
    }
    tiff.u32(0); // no further directory
    tiff.bytes(values);
    return QByteArray("Exif\0\0", 6) + tiff.data();
}

QByteArray xmlEscaped(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

QByteArray xmpSegment(const PictureCaption &caption)
{
    QByteArray packet;
    packet += "<?xpacket begin=\"\xEF\xBB\xBF\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
              "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
              " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
              "  <rdf:Description rdf:about=\"\"\n"
              "    xmlns:dc=\"http://purl.org/dc/elements/1.1/\"\n"
              "    xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n"
              "   <dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">";
    packet += xmlEscaped(caption.title);
    packet += "</rdf:li></rdf:Alt></dc:title>\n"
              "   <dc:description><rdf:Alt><rdf:li xml:lang=\"x-default\">";
    packet += xmlEscaped(caption.description);
    packet += "</rdf:li></rdf:Alt></dc:description>\n"
              "   <dc:creator><rdf:Seq><rdf:li>";
    packet += Maker;
    packet += "</rdf:li></rdf:Seq></dc:creator>\n"
              "   <xmp:CreatorTool>";
    packet += MakerTool;
    packet += "</xmp:CreatorTool>\n"
              "  </rdf:Description>\n"
              " </rdf:RDF>\n"
              "</x:xmpmeta>\n"
              "<?xpacket end=\"r\"?>";
    return QByteArray("http://ns.adobe.com/xap/1.0/\0", 29) + packet;
}

QByteArray photoshopSegment()
{
    ByteWriter out(ByteWriter::Order::BigEndian);
    out.bytes(QByteArray("Photoshop 3.0\0", 14));
    out.bytes("8BIM");
    out.u16(0x03ED); // resolution information
    out.u16(0);      // empty name, padded to an even length
    out.u32(16);
    for (int axis = 0; axis < 2; ++axis) {
        out.u32(72u << 16); // 72 pixels per inch, fixed point
        out.u16(1);         // shown in pixels per inch
        out.u16(1);         // lengths shown in inches
    }
    return out.data();
}

QList<JpegSegment> iccSegments(const QByteArray &profile)
{
    const QByteArray identifier("ICC_PROFILE\0", 12);
    const qsizetype chunkSize = 65533 - identifier.size() - 2;
    const qsizetype chunkCount = (profile.size() + chunkSize - 1) / chunkSize;
    if (chunkCount > 255)
        throw std::runtime_error("the colour profile is too large for a JPEG file");
    QList<JpegSegment> segments;
    for (qsizetype i = 0; i < chunkCount; ++i) {
        QByteArray payload = identifier;
        payload += char(i + 1);
        payload += char(chunkCount);
        payload += profile.mid(i * chunkSize, chunkSize);
        segments.append({2, payload});
    }
    return segments;
}

} // namespace

QList<JpegSegment> pictureMetadata(const PictureCaption &caption, const QByteArray &iccProfile)
{
    QList<JpegSegment> segments;
    segments.append({1, exifSegment(caption)});
    segments.append({1, xmpSegment(caption)});
    segments.append(iccSegments(iccProfile));
    segments.append({13, photoshopSegment()});
    return segments;
}
