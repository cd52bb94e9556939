#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The program keeps its texts as GBK byte strings: lengths count bytes and a
// Chinese character takes two. Where a text meets a widget, a file name or a
// terminal it is converted as GB18030, the superset of GBK that has the same
// bytes for every GBK character and a byte form for every other character, so
// nothing the user types (an emoji in the log, say) is lost or turned into "?".
namespace Gbk {

QByteArray fromUnicode(QStringView text);
QString toUnicode(QByteArrayView bytes);

} // namespace Gbk
