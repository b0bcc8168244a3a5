#pragma once

#include <QByteArray>
#include <QtGlobal>

// Appends integers in a fixed byte order to a growing buffer; the file formats we write mix both.
class ByteWriter
{
public:
    enum class Order { BigEndian, LittleEndian };

    explicit ByteWriter(Order order) : m_order(order) {}

    void u8(quint32 value) { m_bytes.append(char(value & 0xFF)); }
    void u16(quint32 value) { put(value, 2); }
    void u32(quint32 value) { put(value, 4); }
    void bytes(const QByteArray &data) { m_bytes.append(data); }
    void zeros(qsizetype count) { m_bytes.append(count, '\0'); }
    void padTo(qsizetype multiple)
    {
        while (m_bytes.size() % multiple != 0)
            m_bytes.append('\0');
    }

    // Overwrites a 32-bit value already written, e.g. a size known only at the end.
    void patch32(qsizetype offset, quint32 value)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes[offset + i] = char(byteOf(value, i, 4));
    }

    qsizetype size() const { return m_bytes.size(); }
    const QByteArray &data() const { return m_bytes; }

private:
    void put(quint32 value, int width)
    {
        for (int i = 0; i < width; ++i)
            m_bytes.append(char(byteOf(value, i, width)));
    }
    quint32 byteOf(quint32 value, int index, int width) const
    {
        const int shift = m_order == Order::BigEndian ? 8 * (width - 1 - index) : 8 * index;
        return (value >> shift) & 0xFF;
    }

    Order m_order;
    QByteArray m_bytes;
};
