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

bool writeResourceList(const QString &folder, const std::vector<Picture> &pictures)
{
    QFile qrc(folder + "/assets.qrc");
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QString text = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/assets\">\n";
    for (const Picture &picture : pictures)
        text += "    <file>" + picture.path + "</file>\n";
    text += "</qresource>\n</RCC>\n";
    return qrc.write(text.toUtf8()) >= 0;
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
    const QCommandLineOption scaleOption("scale", "Device pixels per logical pixel (1 or 2).", "factor", "1");
    const QCommandLineOption sheetOption("contact-sheet", "Also write a magnified review sheet.", "file");
    const QCommandLineOption verifyOption("verify-only", "Check an existing folder without painting.");
    parser.addOption(scaleOption);
    parser.addOption(sheetOption);
    parser.addOption(verifyOption);
    parser.addPositionalArgument("output-folder", "Folder that receives the pictures.");
    parser.process(app);

    if (parser.positionalArguments().size() != 1)
        parser.showHelp(1);
    const QString folder = QDir(parser.positionalArguments().constFirst()).absolutePath();
    bool ok = false;
    const int scale = parser.value(scaleOption).toInt(&ok);
    if (!ok || scale < 1 || scale > 4)
        return fail("--scale must be a small whole number");

    const std::vector<Picture> pictures = catalogue();
    if (!parser.isSet(verifyOption)) {
        for (const Picture &picture : pictures) {
            const QString file = folder + '/' + picture.path;
            if (!QDir().mkpath(QFileInfo(file).absolutePath())
                || !render(picture, scale).save(file, "PNG"))
                return fail("cannot write " + file);
        }
        if (!writeResourceList(folder, pictures))
            return fail("cannot write assets.qrc");
    }

    const QStringList problems = verify(folder, pictures, scale);
    for (const QString &problem : problems)
        std::fprintf(stderr, "assetgen: %s\n", qPrintable(problem));
    if (!problems.isEmpty())
        return 1;
    std::printf("assetgen: %zu pictures at %dx in %s, all opaque and sized\n", pictures.size(), scale,
                qPrintable(folder));

    if (parser.isSet(sheetOption) && !writeContactSheet(folder, parser.value(sheetOption)))
        return fail("cannot write the contact sheet");
    return 0;
}
