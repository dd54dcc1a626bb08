#include "Platform.h"

#include "EightBitCodec.h"

#include <QCoreApplication>
#include <QDir>

#include <windows.h>

namespace kettwerk::platform {
namespace {

// The system's ANSI code page, without best-fit substitutes: a character
// that has no byte of its own is reported instead of written as "?".
class AnsiCodec final : public EightBitCodec
{
public:
    qsizetype encode(QStringView text, QByteArray& bytes) const override
    {
        bytes.clear();
        for (qsizetype i = 0; i < text.size();) {
            const qsizetype width = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
            char buffer[8];
            BOOL usedDefault = FALSE;
            const int written = ::WideCharToMultiByte(
                CP_ACP, WC_NO_BEST_FIT_CHARS, reinterpret_cast<LPCWCH>(text.utf16() + i),
                int(width), buffer, int(sizeof buffer), nullptr, &usedDefault);
            if (written <= 0 || usedDefault)
                return i;
            bytes.append(buffer, written);
            i += width;
        }
        return -1;
    }

    QString decode(QByteArrayView bytes) const override
    {
        if (bytes.isEmpty())
            return {};
        const int length =
            ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), nullptr, 0);
        QString text(length, Qt::Uninitialized);
        ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()),
                              reinterpret_cast<LPWSTR>(text.data()), length);
        return text;
    }
};

} // namespace

QString loginName()
{
    char buffer[256];
    DWORD size = 255;
    if (!::GetUserNameA(buffer, &size) || size == 0)
        return QStringLiteral("USER");
    const QString name = QString::fromLocal8Bit(buffer, int(size) - 1).trimmed();
    return name.isEmpty() ? QStringLiteral("USER") : name;
}

QString defaultWorkingFolder(const QString& login)
{
    return QStringLiteral("E:\\users\\") + login + QStringLiteral("\\ProEWildfire2\\");
}

QString programFolder()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

QChar pathSeparator()
{
    return u'\\';
}

const EightBitCodec& eightBitCodec()
{
    static const AnsiCodec codec;
    return codec;
}

} // namespace kettwerk::platform
