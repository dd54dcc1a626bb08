#include "platform/EightBitCodec.h"

#include <array>

namespace kettwerk::platform {
namespace {

// Unicode values of the bytes 0x80 to 0x9F; all other bytes are Latin-1.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int byteFor(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == unit)
            return int(0x80 + i);
    }
    return -1;
}

} // namespace

bool EightBitCodec::canEncode(QStringView text) const
{
    QByteArray ignored;
    return encode(text, ignored) < 0;
}

qsizetype Windows1252Codec::encode(QStringView text, QByteArray& bytes) const
{
    bytes.resize(text.size());
    char* out = bytes.data();
    const char16_t* in = text.utf16();
    for (qsizetype i = 0; i < text.size(); ++i) {
        // Mapkey text is nearly all ASCII; only the rest needs a look-up.
        if (in[i] < 0x80) {
            out[i] = char(in[i]);
            continue;
        }
        const int byte = byteFor(in[i]);
        if (byte < 0)
            return i;
        out[i] = char(byte);
    }
    return -1;
}

QString Windows1252Codec::decode(QByteArrayView bytes) const
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        out[i] = (byte >= 0x80 && byte < 0xA0) ? QChar(kHighControls[byte - 0x80])
                                               : QChar(char16_t(byte));
    }
    return text;
}

} // namespace kettwerk::platform
