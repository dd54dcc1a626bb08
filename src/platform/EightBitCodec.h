#pragma once

#include <QByteArray>
#include <QString>

namespace kettwerk::platform {

// Text files of this program (doit.pro, config.pro, list files) are 8-bit
// text in a Windows code page. Encoding never substitutes: a character that
// has no byte in the code page is reported, not written as "?".
class EightBitCodec
{
public:
    virtual ~EightBitCodec() = default;

    // Fills `bytes` and returns -1, or returns the index of the first
    // character that the code page cannot represent (`bytes` is then left
    // unspecified).
    virtual qsizetype encode(QStringView text, QByteArray& bytes) const = 0;
    virtual QString decode(QByteArrayView bytes) const = 0;

    bool canEncode(QStringView text) const;
};

// Windows-1252, the code page of Western European Windows systems. The five
// bytes that the code page leaves undefined map to the C1 control characters
// of the same value, as Windows itself does, so every byte round-trips.
class Windows1252Codec final : public EightBitCodec
{
public:
    qsizetype encode(QStringView text, QByteArray& bytes) const override;
    QString decode(QByteArrayView bytes) const override;
};

} // namespace kettwerk::platform
