#pragma once

#include <QImage>

// The popup's close button, 30 x 18: a cross on the title bar's blue, near
// white normally and red while the mouse is over the button.
QImage closeButtonPicture();
QImage closeButtonHoverPicture();
