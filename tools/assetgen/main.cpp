// assetgen: paints Orvalen's artwork and writes it, with its Qt resource
// list, into a folder. Run by hand; the output is committed.

#include "catalogue.h"
#include "checks.h"
#include "contactsheet.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

// The clock's pictures are RGB32: without an alpha channel their PNGs cannot
// carry transparency. The icons are ARGB32, on a transparent ground.
QImage render(const Picture &picture, int scale, QImage::Format format)
{
    QImage image(picture.size * scale, format);
    image.fill(image.hasAlphaChannel() ? Qt::transparent : Qt::white);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing
                     | QPainter::SmoothPixmapTransform);
    p.scale(scale, scale);
    picture.paint(p);
    return image;
}

int fail(const QString &message)
{
    std::fprintf(stderr, "assetgen: %s\n", qPrintable(message));
    return 1;
}

// Paints the pictures into the folder; the empty string, or the file that
// could not be written.
QString paintAll(const std::vector<Picture> &pictures, const QString &folder, int scale, QImage::Format format)
{
    for (const Picture &picture : pictures) {
        const QString file = folder + '/' + picture.path;
        if (!QDir().mkpath(QFileInfo(file).absolutePath()) || !render(picture, scale, format).save(file, "PNG"))
            return file;
    }
    return {};
}

// Prints the problems found; true when there are none.
bool report(const QStringList &problems, const QString &what)
{
    for (const QString &problem : problems)
        std::fprintf(stderr, "assetgen: %s\n", qPrintable(problem));
    if (problems.isEmpty())
        std::printf("assetgen: %s\n", qPrintable(what));
    return problems.isEmpty();
}

}  // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Paints the clock's artwork into <output-folder>.");
    parser.addHelpOption();
    const QCommandLineOption sheetOption("contact-sheet", "Also write a magnified review sheet.", "file");
    const QCommandLineOption iconsOption("icons", "Also paint the application's icons into a folder.", "folder");
    const QCommandLineOption verifyOption("verify-only", "Check existing folders without painting.");
    parser.addOption(sheetOption);
    parser.addOption(iconsOption);
    parser.addOption(verifyOption);
    parser.addPositionalArgument("output-folder", "Folder that receives the pictures.");
    parser.process(app);

    if (parser.positionalArguments().size() != 1)
        parser.showHelp(1);
    const bool paint = !parser.isSet(verifyOption);
    const QString folder = QDir(parser.positionalArguments().constFirst()).absolutePath();
    const std::vector<Picture> pictures = catalogue();
    // The 1x set for ordinary screens, the 2x set for screens of twice the
    // density, so the clock is never drawn from scaled pictures.
    for (const int scale : {1, 2}) {
        const QString target = scale == 1 ? folder : folder + '/' + HighDensityFolder;
        if (paint) {
            if (const QString failed = paintAll(pictures, target, scale, QImage::Format_RGB32); !failed.isEmpty())
                return fail("cannot write " + failed);
        }
        if (!report(verify(target, pictures, scale),
                    QStringLiteral("%1 pictures at %2x in %3, all opaque and sized")
                        .arg(pictures.size())
                        .arg(scale)
                        .arg(target)))
            return 1;
    }

    if (parser.isSet(iconsOption)) {
        const QString target = QDir(parser.value(iconsOption)).absolutePath();
        const std::vector<Picture> sizes = icons();
        if (paint) {
            if (const QString failed = paintAll(sizes, target, 1, QImage::Format_ARGB32); !failed.isEmpty())
                return fail("cannot write " + failed);
        }
        if (!report(verifyIcons(target, sizes), QStringLiteral("%1 icons in %2, all sized").arg(sizes.size()).arg(target)))
            return 1;
    }

    if (parser.isSet(sheetOption) && !writeContactSheet(folder, parser.value(sheetOption)))
        return fail("cannot write the contact sheet");
    return 0;
}
