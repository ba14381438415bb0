// Pictures are stored with more pixels than the units they cover on the
// book, so that a book drawn larger stays crisp. A picture file names its
// density through its resolution: 96 dots per inch for one pixel a unit, 192
// for two. A loaded image gets the matching device-pixel ratio, so it is laid
// out and drawn at its size in units.
#pragma once

#include <QImage>

#include <cmath>

inline void ApplyPictureDensity(QImage& Img) {
    const double Density = std::round(Img.dotsPerMeterX() * 0.0254 / 96);
    if (Density >= 2 && Density <= 8) Img.setDevicePixelRatio(Density);
}
