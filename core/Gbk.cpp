#include "Gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

// Debian's Qt converts GB18030 through ICU; the converter is found by name,
// since QStringConverter's own encoding list has no Chinese code page.
static constexpr const char *codecName = "GB18030";

// Qt's ICU converters keep a character cut off at the end of the input (a
// lead byte without the rest of its character, a high surrogate without its
// low one) as state for a next call, and never flush it: such a text would
// lose its last character without a trace, where the same fault anywhere
// else shows as a replacement. Converted with a NUL after it, in the same
// call, the text ends exactly as it would with more text following; the NUL
// converts to a NUL of its own, which is taken off again.
static constexpr char16_t endOfText = u'\0';
static constexpr char endOfBytes = '\0';

namespace Gbk {

QByteArray fromUnicode(QStringView text)
{
    QStringEncoder encoder(codecName);
    Q_ASSERT(encoder.isValid());
    QByteArray bytes = encoder.encode(text.toString() + endOfText);
    bytes.chop(1);
    return bytes;
}

QString toUnicode(QByteArrayView bytes)
{
    QStringDecoder decoder(codecName);
    Q_ASSERT(decoder.isValid());
    QString text = decoder.decode(bytes.toByteArray() + endOfBytes);
    text.chop(1);
    return text;
}

} // namespace Gbk
