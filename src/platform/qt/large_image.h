// Images of many megabytes (the canvas, a whole background texture) on huge
// pages where the system allows them: filling 20 MB of ordinary pages takes
// some five thousand page faults, which cost many times the filling itself.
#pragma once

#include <QImage>

namespace murokan::platform {

// An uninitialised image of `w` x `h` pixels in `format`, like QImage(w, h,
// format) but in memory of its own, asked for as huge pages; an ordinary
// QImage when that memory cannot be had.
QImage makeLargeImage(int w, int h, QImage::Format format);

}  // namespace murokan::platform
