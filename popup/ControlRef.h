#pragma once

#include <QtGlobal>

// Names one control of one window: the window's identifier and the control's
// identifier within that window. Both are nonzero for anything that exists;
// a reference of two zeros names nothing.
struct ControlRef
{
    qint32 windowId = 0;
    qint32 controlId = 0;

    bool isNull() const { return windowId == 0 && controlId == 0; }
    friend bool operator==(const ControlRef &, const ControlRef &) = default;
};
