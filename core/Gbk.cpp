#include "Gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

// Debian's Qt converts GB18030 through ICU; the converter is found by name,
// since QStringConverter's own encoding list has no Chinese code page.
static constexpr const char *codecName = "GB18030";

namespace Gbk {

QByteArray fromUnicode(QStringView text)
{
    QStringEncoder encoder(codecName);
    Q_ASSERT(encoder.isValid());
    return encoder.encode(text);
}

QString toUnicode(QByteArrayView bytes)
{
    QStringDecoder decoder(codecName);
    Q_ASSERT(decoder.isValid());
    return decoder.decode(bytes);
}

} // namespace Gbk
