// The GB18030 conversions over arbitrary input, read both ways: as bytes
// from a file or the log, and as UTF-16 from a widget. Every character has a
// GB18030 form, so a text without broken surrogates must come back unchanged,
// and so must bytes that decode without a replacement character.

#include "Expect.h"
#include "Gbk.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstring>

static void bytesRoundTrip(QByteArrayView bytes)
{
    const QString text = Gbk::toUnicode(bytes);
    // Every byte shows as something: a character, or a replacement when it
    // is no GB18030 at all, even as the last byte of a cut character.
    FUZZ_EXPECT(text.isEmpty() == bytes.isEmpty());
    // Bytes with no replacement in their text are valid GB18030 and come
    // back byte for byte. (U+FFFD has a GB18030 form of its own too; bytes
    // holding it are simply not checked.)
    if (!text.contains(QChar::ReplacementCharacter))
        FUZZ_EXPECT(Gbk::fromUnicode(text) == bytes);
}

static void textRoundTrip(QStringView text)
{
    const QByteArray bytes = Gbk::fromUnicode(text);
    FUZZ_EXPECT(bytes.isEmpty() == text.isEmpty());
    if (text.isValidUtf16())
        FUZZ_EXPECT(Gbk::toUnicode(bytes) == text);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    bytesRoundTrip(QByteArrayView(data, qsizetype(size)));
    // The same input as UTF-16 in the machine's byte order; an odd last byte
    // is left out.
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size / 2 * sizeof(char16_t));
    textRoundTrip(text);
    return 0;
}
