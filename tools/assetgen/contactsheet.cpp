#include "contactsheet.h"

#include <QImage>
#include <QPainter>
#include <QStringList>

#include <vector>

namespace {

constexpr int zoom = 3;
constexpr int gap = 12;
const QColor backdrop{0x9a, 0xa0, 0xaa};

QStringList expand(const QString &pattern, const QStringList &names)
{
    QStringList out;
    for (const QString &name : names)
        out << pattern.arg(name);
    return out;
}

// Each row of the sheet is one kind of picture.
std::vector<QStringList> rows()
{
    const QStringList days{"sun", "mon", "tue", "wed", "thu", "fri", "sat"};
    QStringList digits;
    for (int d = 0; d <= 9; ++d)
        digits << QString::number(d);
    return {
        {"title-bar.png", "banner.png", "reveal-strip.png"},
        {"emblem.png", "dialog-background.png", "bottom-panel.png"},
        expand("large-digits/%1.png", digits) + QStringList{"colon.png", "large-slash.png", "large-digits/blank.png"},
        expand("small-digits/%1.png", digits)
            + QStringList{"numbers/1.png", "numbers/12.png", "slash.png", "numbers/19.png", "numbers/31.png"},
        expand("weekdays/%1-bright.png", days),
        expand("weekdays/%1-dim.png", days),
        {"marks/am-bright.png", "marks/am-dim.png", "marks/pm-bright.png", "marks/pm-dim.png",
         "dial-start.png", "dial/0.png", "dial/5.png", "dial/30.png", "dial/60.png", "dial/90.png",
         "dial/110.png"},
    };
}

}  // namespace

bool writeContactSheet(const QString &folder, const QString &file)
{
    std::vector<std::vector<QImage>> images;
    int height = gap, width = 0;
    for (const QStringList &row : rows()) {
        std::vector<QImage> loaded;
        int rowHeight = 0, rowWidth = gap;
        for (const QString &name : row) {
            QImage image(folder + '/' + name);
            if (image.isNull())
                return false;
            image = image.scaled(image.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
            rowHeight = std::max(rowHeight, image.height());
            rowWidth += image.width() + gap;
            loaded.push_back(image);
        }
        images.push_back(loaded);
        height += rowHeight + gap;
        width = std::max(width, rowWidth);
    }

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(backdrop);
    QPainter p(&sheet);
    int y = gap;
    for (const auto &row : images) {
        int x = gap, rowHeight = 0;
        for (const QImage &image : row) {
            p.drawImage(x, y, image);
            x += image.width() + gap;
            rowHeight = std::max(rowHeight, image.height());
        }
        y += rowHeight + gap;
    }
    p.end();
    return sheet.save(file);
}
