// tessarine-render-icons: renders the application icon's SVG into the PNG sizes of the hicolor
// icon theme, so the build needs nothing beyond Qt.
//
//   tessarine-render-icons SOURCE.svg OUTPUT_FOLDER NAME SIZE...
//
// writes OUTPUT_FOLDER/<SIZE>x<SIZE>/apps/NAME.png for every SIZE.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

namespace {

QImage Render(QSvgRenderer& svg, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter, QRectF(0, 0, size, size));
    return image;
}

int Fail(const QString& message) {
    std::fprintf(stderr, "tessarine-render-icons: %s\n", qUtf8Printable(message));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    // The text of the icon needs fonts, hence a GUI application, but never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QStringList args = application.arguments().mid(1);
    if (args.size() < 4)
        return Fail(QStringLiteral("usage: SOURCE.svg OUTPUT_FOLDER NAME SIZE..."));
    QSvgRenderer svg(args[0]);
    if (!svg.isValid())
        return Fail(QStringLiteral("cannot read ") + args[0]);
    for (const QString& sizeText : args.mid(3)) {
        bool ok = false;
        const int size = sizeText.toInt(&ok);
        if (!ok || size <= 0)
            return Fail(QStringLiteral("not a size: ") + sizeText);
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(args[1]).arg(size);
        const QString path = folder + u'/' + args[2] + QStringLiteral(".png");
        if (!QDir().mkpath(folder) || !Render(svg, size).save(path))
            return Fail(QStringLiteral("cannot write ") + path);
    }
    return 0;
}
