#include "checks.h"

#include "artwork.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QSet>

namespace {

// PNG colour type from the IHDR chunk: 0 grey, 2 RGB. Anything else could
// carry transparency (alpha channel or a tRNS palette).
int pngColourType(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray head = f.read(26);
    return head.size() == 26 ? uchar(head[25]) : -1;
}

constexpr int pngRgba = 6;

bool fullyOpaque(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(row[x]) != 255)
                return false;
    }
    return true;
}

// True when every pixel of `area` (in 1x pixels) is pure white.
bool plainWhite(const QImage &image, QRect area, int scale)
{
    const QRect device(area.topLeft() * scale, area.size() * scale);
    for (int y = device.top(); y <= device.bottom(); ++y)
        for (int x = device.left(); x <= device.right(); ++x)
            if ((image.pixel(x, y) & 0xffffff) != 0xffffff)
                return false;
    return true;
}

void checkWhiteAreas(const QString &folder, int scale, QStringList &problems)
{
    const QImage dialog(folder + "/dialog-background.png");
    for (const DialogControl &control : dialogControls()) {
        // One pixel of clearance around the control as well.
        if (!plainWhite(dialog, control.box.adjusted(-1, -1, 1, 1), scale))
            problems << "dialog-background.png: artwork under the control for " + control.label;
    }
    const QImage blank(folder + "/large-digits/blank.png");
    if (!plainWhite(blank, QRect(QPoint(0, 0), blank.size() / scale), scale))
        problems << "large-digits/blank.png is not all white";
    const QImage panel(folder + "/bottom-panel.png");
    const QSize panelSize = panel.size() / scale;
    if (!plainWhite(panel, QRect(0, 1, panelSize.width(), panelSize.height() - 1), scale))
        problems << "bottom-panel.png carries marks below its top rule";
    const QImage monday(folder + "/weekdays/mon-bright.png");
    if (!plainWhite(monday, QRect(36, 0, monday.width() / scale - 36, monday.height() / scale), scale))
        problems << "weekdays/mon-bright.png is not white right of its label";
}

// Every picture in the folder belongs to the catalogue; the 2x set lives in
// its own subfolder and is checked on its own.
void checkNoStrays(const QString &folder, const std::vector<Picture> &pictures, QStringList &problems)
{
    QSet<QString> expected;
    for (const Picture &picture : pictures)
        expected.insert(picture.path);
    QDirIterator it(folder, {QStringLiteral("*.png")}, QDir::Files, QDirIterator::Subdirectories);
    const QDir root(folder);
    while (it.hasNext()) {
        const QString relative = root.relativeFilePath(it.next());
        if (!expected.contains(relative) && !relative.startsWith(QLatin1String(HighDensityFolder) + '/'))
            problems << "stray picture not in the catalogue: " + relative;
    }
}

// The picture's file read back (null when it cannot be read), reporting a
// size other than `expected`.
QImage readBack(const QString &file, const QString &name, QSize expected, QStringList &problems)
{
    const QImage image(file);
    if (image.isNull()) {
        problems << name + ": cannot be read";
    } else if (image.size() != expected) {
        problems << QStringLiteral("%1: %2x%3, expected %4x%5")
                        .arg(name)
                        .arg(image.width())
                        .arg(image.height())
                        .arg(expected.width())
                        .arg(expected.height());
    }
    return image;
}

}  // namespace

QStringList verify(const QString &folder, const std::vector<Picture> &pictures, int scale)
{
    QStringList problems;
    for (const Picture &picture : pictures) {
        const QString file = folder + '/' + picture.path;
        const QImage image = readBack(file, picture.path, picture.size * scale, problems);
        if (image.isNull())
            continue;
        const int colourType = pngColourType(file);
        if (colourType != 0 && colourType != 2)
            problems << picture.path + ": PNG colour type " + QString::number(colourType)
                            + " may carry transparency";
        if (!fullyOpaque(image))
            problems << picture.path + ": has pixels that are not fully opaque";
    }
    if (problems.isEmpty())
        checkWhiteAreas(folder, scale, problems);
    checkNoStrays(folder, pictures, problems);
    return problems;
}

QStringList verifyIcons(const QString &folder, const std::vector<Picture> &icons)
{
    QStringList problems;
    for (const Picture &icon : icons) {
        const QString file = folder + '/' + icon.path;
        const QImage image = readBack(file, icon.path, icon.size, problems);
        if (image.isNull())
            continue;
        if (pngColourType(file) != pngRgba)
            problems << icon.path + ": PNG without an alpha channel";
        const QPoint middle(image.width() / 2, image.height() / 2);
        if (qAlpha(image.pixel(0, 0)) != 0 || qAlpha(image.pixel(middle)) != 255)
            problems << icon.path + ": the ground is not transparent or the shield not opaque";
    }
    checkNoStrays(folder, icons, problems);
    return problems;
}
