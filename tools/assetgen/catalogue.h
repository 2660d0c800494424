#pragma once

#include <QSize>
#include <QString>

#include <functional>
#include <vector>

class QPainter;

// One picture the application loads: where it goes, its size at 1x, and
// how to paint it in logical pixels.
struct Picture {
    QString path;  // relative to the output folder
    QSize size;
    std::function<void(QPainter &)> paint;
};

std::vector<Picture> catalogue();
// The application's icon in the sizes desktops ask for, laid out as the
// hicolor icon theme's folders.
std::vector<Picture> icons();
