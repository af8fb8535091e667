// Build-time tool: renders one SVG image to the PNG (or JPEG) files the client
// ships, at one and two pixels per point.
//   nuvora_render_images SOURCE.svg OUT OUT@2x

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {
bool render(QSvgRenderer &renderer, const QString &path, int scale)
{
    const QSize size = renderer.defaultSize() * scale;
    const bool opaque = path.endsWith(QLatin1String(".jpg"));
    QImage image(size, opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image.fill(opaque ? Qt::black : Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    renderer.render(&painter);
    painter.end();
    return image.save(path);
}
} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: nuvora_render_images SOURCE.svg OUT OUT@2x\n");
        return 2;
    }
    QSvgRenderer renderer(args[1]);
    if (!renderer.isValid() || renderer.defaultSize().isEmpty()) {
        std::fprintf(stderr, "%s: not a drawable SVG image\n", qPrintable(args[1]));
        return 1;
    }
    if (!render(renderer, args[2], 1) || !render(renderer, args[3], 2)) {
        std::fprintf(stderr, "%s: cannot write the images\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
