#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

class QFontMetricsF;

// The lines of a popup body as they are measured: markup tags removed, then
// split at CR LF. A tag may run across lines and takes its line breaks with
// it; no empty line follows a trailing CR LF. Texts are GBK.
QList<QByteArray> bodyLines(QByteArrayView body);

// The width in whole pixels of the widest body line in the given metrics,
// rounded up; 0 when nothing is left to measure. The popup gives its body box
// exactly this width, so the metrics must be those of the font the box draws
// with.
int measureBodyWidth(QByteArrayView body, const QFontMetricsF &metrics);
