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

QImage render(const Picture &picture, int scale)
{
    // RGB32 has no alpha channel, so the PNG cannot carry transparency.
    QImage image(picture.size * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
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

}  // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Paints the clock's artwork into <output-folder>.");
    parser.addHelpOption();
    const QCommandLineOption sheetOption("contact-sheet", "Also write a magnified review sheet.", "file");
    const QCommandLineOption verifyOption("verify-only", "Check an existing folder without painting.");
    parser.addOption(sheetOption);
    parser.addOption(verifyOption);
    parser.addPositionalArgument("output-folder", "Folder that receives the pictures.");
    parser.process(app);

    if (parser.positionalArguments().size() != 1)
        parser.showHelp(1);
    const QString folder = QDir(parser.positionalArguments().constFirst()).absolutePath();
    const std::vector<Picture> pictures = catalogue();
    // The 1x set for ordinary screens, the 2x set for screens of twice the
    // density, so the clock is never drawn from scaled pictures.
    for (const int scale : {1, 2}) {
        const QString target = scale == 1 ? folder : folder + '/' + HighDensityFolder;
        if (!parser.isSet(verifyOption)) {
            for (const Picture &picture : pictures) {
                const QString file = target + '/' + picture.path;
                if (!QDir().mkpath(QFileInfo(file).absolutePath())
                    || !render(picture, scale).save(file, "PNG"))
                    return fail("cannot write " + file);
            }
        }
        const QStringList problems = verify(target, pictures, scale);
        for (const QString &problem : problems)
            std::fprintf(stderr, "assetgen: %s\n", qPrintable(problem));
        if (!problems.isEmpty())
            return 1;
        std::printf("assetgen: %zu pictures at %dx in %s, all opaque and sized\n", pictures.size(), scale,
                    qPrintable(target));
    }

    if (parser.isSet(sheetOption) && !writeContactSheet(folder, parser.value(sheetOption)))
        return fail("cannot write the contact sheet");
    return 0;
}
