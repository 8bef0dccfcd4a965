#include "canvas/QtText.h"

#include "model/Cp932Codec.h"

namespace planova {

QString Utf8Text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString DisplayText(std::string_view cp932)
{
    QString text = QString::fromStdString(Cp932ToUtf8Lenient(cp932));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString EditText(std::string_view cp932)
{
    QString text = DisplayText(cp932);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

Cp932Text ToCp932(const QString& typed)
{
    QString withCrLf = typed;
    withCrLf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const std::string utf8 = withCrLf.toStdString();
    Cp932Text result;
    try {
        result.Bytes = Utf8ToCp932(utf8);
    } catch (const EncodingError& error) {
        result.Ok = false;
        result.Error = QString::fromStdString(error.what());
        // The codec reports a byte offset into the UTF-8 with CR LF; the field holds LF alone.
        const QString before = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(error.Offset));
        result.Position = static_cast<int>(before.size() - before.count(QLatin1Char('\r')));
        result.Length = error.CodePoint > 0xFFFF ? 2 : 1;
    }
    return result;
}

} // namespace planova
