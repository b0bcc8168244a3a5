#include "srgb_profile.h"

#include "byte_writer.h"

#include <array>
#include <cmath>
#include <vector>

namespace {

struct Xyz
{
    double x, y, z;
};

// The sRGB primaries adapted to the D50 connection space (Bradford), as profiles carry them.
constexpr Xyz RedColorant{0.4360747, 0.2225045, 0.0139322};
constexpr Xyz GreenColorant{0.3850649, 0.7168786, 0.0971045};
constexpr Xyz BlueColorant{0.1430804, 0.0606169, 0.7141733};
constexpr Xyz D50{0.9642, 1.0, 0.8249};
constexpr Xyz D65{0.9505, 1.0, 1.0890};

constexpr int CurvePoints = 1024;

quint32 signature(const char (&text)[5])
{
    return quint32(quint8(text[0])) << 24 | quint32(quint8(text[1])) << 16 | quint32(quint8(text[2])) << 8
           | quint32(quint8(text[3]));
}

quint32 s15Fixed16(double value)
{
    return quint32(qint32(std::lround(value * 65536.0)));
}

void putXyz(ByteWriter &out, const Xyz &xyz)
{
    out.u32(s15Fixed16(xyz.x));
    out.u32(s15Fixed16(xyz.y));
    out.u32(s15Fixed16(xyz.z));
}

QByteArray xyzTag(const Xyz &xyz)
{
    ByteWriter out(ByteWriter::Order::BigEndian);
    out.u32(signature("XYZ "));
    out.zeros(4);
    putXyz(out, xyz);
    return out.data();
}

QByteArray textTag(const QByteArray &text)
{
    ByteWriter out(ByteWriter::Order::BigEndian);
    out.u32(signature("text"));
    out.zeros(4);
    out.bytes(text);
    out.u8(0);
    return out.data();
}

QByteArray descriptionTag(const QByteArray &text)
{
    ByteWriter out(ByteWriter::Order::BigEndian);
    out.u32(signature("desc"));
    out.zeros(4);
    out.u32(quint32(text.size() + 1));
    out.bytes(text);
    out.u8(0);
    out.zeros(4 + 4);      // no Unicode description
    out.zeros(2 + 1 + 67); // no ScriptCode description
    return out.data();
}

QByteArray srgbCurveTag()
{
    ByteWriter out(ByteWriter::Order::BigEndian);
    out.u32(signature("curv"));
    out.zeros(4);
    out.u32(CurvePoints);
    for (int i = 0; i < CurvePoints; ++i) {
        const double encoded = double(i) / (CurvePoints - 1);
        const double linear = encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
        out.u16(quint32(std::lround(linear * 65535.0)));
    }
    return out.data();
}

struct Tag
{
    quint32 signature;
    int dataIndex; // tags may share one data block
};

} // namespace

QByteArray srgbProfile()
{
    const std::vector<QByteArray> blocks = {
        descriptionTag("sRGB display profile (Tobrelin)"),
        textTag("No rights reserved. Written for Tobrelin; use it freely."),
        xyzTag(D65),
        xyzTag(RedColorant),
        xyzTag(GreenColorant),
        xyzTag(BlueColorant),
        srgbCurveTag(),
    };
    const std::array<Tag, 9> tags{{
        {signature("desc"), 0},
        {signature("cprt"), 1},
        {signature("wtpt"), 2},
        {signature("rXYZ"), 3},
        {signature("gXYZ"), 4},
        {signature("bXYZ"), 5},
        {signature("rTRC"), 6},
        {signature("gTRC"), 6},
        {signature("bTRC"), 6},
    }};

    const qsizetype headerSize = 128;
    const qsizetype tableSize = 4 + 12 * qsizetype(tags.size());
    std::vector<quint32> offsets;
    qsizetype offset = headerSize + tableSize;
    for (const QByteArray &block : blocks) {
        offsets.push_back(quint32(offset));
        offset += (block.size() + 3) / 4 * 4;
    }

    ByteWriter out(ByteWriter::Order::BigEndian);
    out.u32(0); // size, patched below
    out.u32(0); // no preferred colour management module
    out.u32(0x02100000);
    out.u32(signature("mntr"));
    out.u32(signature("RGB "));
    out.u32(signature("XYZ "));
    for (quint32 part : {2025u, 1u, 1u, 0u, 0u, 0u}) // a fixed date keeps the output reproducible
        out.u16(part);
    out.u32(signature("acsp"));
    out.zeros(4 + 4 + 4 + 4 + 8); // platform, flags, manufacturer, model, attributes
    out.u32(0);                   // perceptual intent
    putXyz(out, D50);
    out.zeros(4 + 44); // creator, reserved
    out.u32(quint32(tags.size()));
    for (const Tag &tag : tags) {
        out.u32(tag.signature);
        out.u32(offsets[size_t(tag.dataIndex)]);
        out.u32(quint32(blocks[size_t(tag.dataIndex)].size()));
    }
    for (const QByteArray &block : blocks) {
        out.bytes(block);
        out.padTo(4);
    }
    out.patch32(0, quint32(out.size()));
    return out.data();
}
