// render_icons.cpp: draws Tolvane's two icons and writes them as PNG and Windows .ico files.
// Run by render.sh; the files it writes are committed, so the build needs no renderer.
#include <QColor>
#include <QDataStream>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <vector>

namespace {

// A blue cross of four arrows, up, right, down and left, on white; drawn on a 32-unit grid.
QImage applicationIcon(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x10, 0x40, 0xd0));
    for (int quarter = 0; quarter < 4; ++quarter) {
        p.save();
        p.translate(16, 16);
        p.rotate(90 * quarter);
        // Pointing up from the middle: a shaft and a head whose tip touches the edge.
        p.drawRect(QRectF(-2, -10, 4, 10));
        p.drawPolygon(QPolygonF({QPointF(0, -15.5), QPointF(-6, -8.5), QPointF(6, -8.5)}));
        p.restore();
    }
    return image;
}

// Sixteen colours: transparent, then a ramp from dark blue to white.
QList<QRgb> informationPalette()
{
    QList<QRgb> colours{qRgba(0, 0, 0, 0)};
    for (int i = 0; i < 15; ++i) {
        const double t = i / 14.0;
        colours << qRgb(int(0x00 + t * 0xff), int(0x00 + t * 0xff), int(0x80 + t * 0x7f));
    }
    return colours;
}

// A white lower-case i on a dark-blue disc, in sixteen colours with a hard edge. The letter
// is placed on whole pixels at each size, so that its dot stays apart from its stem.
QImage informationIcon(int size)
{
    QImage art(size, size, QImage::Format_ARGB32);
    art.fill(Qt::transparent);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x00, 0x00, 0x80));
    p.drawEllipse(QRectF(0.5, 0.5, size - 1, size - 1));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::white);
    const int unit = size / 16;
    p.drawRect(7 * unit, 3 * unit, 2 * unit, 2 * unit);
    p.drawRect(7 * unit, 6 * unit, 2 * unit, 7 * unit);
    p.end();

    const QList<QRgb> palette = informationPalette();
    QImage image(size, size, QImage::Format_Indexed8);
    image.setColorTable(palette);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const QRgb c = art.pixel(x, y);
            // Brightness over the dark blue picks the step of the ramp.
            const int step = qAlpha(c) < 128 ? 0 : 1 + qBound(0, qRound(qRed(c) * 14 / 255.0), 14);
            image.setPixel(x, y, step);
        }
    }
    return image;
}

// One image of an .ico: a bitmap (24 or 4 bits) with its transparency mask, or a PNG.
QByteArray iconEntry(const QImage &image, int bits)
{
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const int w = image.width();
    const int h = image.height();
    out << quint32(40) << qint32(w) << qint32(2 * h) << quint16(1) << quint16(bits) << quint32(0)
        << quint32(0) << qint32(0) << qint32(0) << quint32(bits == 4 ? 16 : 0) << quint32(0);
    if (bits == 4)
        for (QRgb c : image.colorTable())
            out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
    const int colourRow = ((w * bits + 31) / 32) * 4;
    const int maskRow = ((w + 31) / 32) * 4;
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(colourRow, 0);
        for (int x = 0; x < w; ++x) {
            if (bits == 24) {
                const QRgb c = image.pixel(x, y);
                row[3 * x] = char(qBlue(c));
                row[3 * x + 1] = char(qGreen(c));
                row[3 * x + 2] = char(qRed(c));
            } else {
                row[x / 2] = char(row[x / 2] | (image.pixelIndex(x, y) << (x % 2 ? 0 : 4)));
            }
        }
        out.writeRawData(row.constData(), row.size());
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskRow, 0);
        for (int x = 0; x < w; ++x)
            if (bits == 4 && image.pixelIndex(x, y) == 0)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        out.writeRawData(row.constData(), row.size());
    }
    return data;
}

struct Entry
{
    QImage image;
    int bits;   // 24 or 4; 32 for a PNG
    QByteArray data;
};

bool writeIco(const QString &path, std::vector<Entry> entries)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(entries.size());
    quint32 offset = 6 + 16 * quint32(entries.size());
    for (const Entry &e : entries) {
        const int w = e.image.width();
        out << quint8(w >= 256 ? 0 : w) << quint8(w >= 256 ? 0 : w) << quint8(e.bits == 4 ? 16 : 0)
            << quint8(0) << quint16(1) << quint16(e.bits) << quint32(e.data.size()) << quint32(offset);
        offset += e.data.size();
    }
    for (const Entry &e : entries)
        out.writeRawData(e.data.constData(), e.data.size());
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    bool ok = true;

    std::vector<Entry> appEntries;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon = applicationIcon(size).convertToFormat(QImage::Format_RGB888);
        ok &= icon.save(dir + QStringLiteral("/tolvane-%1.png").arg(size));
        if (size <= 48)
            appEntries.push_back({icon, 24, iconEntry(icon, 24)});
    }
    QFile big(dir + QStringLiteral("/tolvane-256.png"));
    ok &= big.open(QIODevice::ReadOnly);
    appEntries.push_back({applicationIcon(256), 32, big.readAll()});
    ok &= writeIco(dir + QStringLiteral("/tolvane.ico"), appEntries);

    std::vector<Entry> infoEntries;
    for (int size : {32, 16}) {
        const QImage icon = informationIcon(size);
        ok &= icon.save(dir + QStringLiteral("/information-%1.png").arg(size));
        infoEntries.push_back({icon, 4, iconEntry(icon, 4)});
    }
    ok &= writeIco(dir + QStringLiteral("/information.ico"), infoEntries);

    if (!ok)
        std::fprintf(stderr, "render_icons: could not write the icons to %s\n", qPrintable(dir));
    return ok ? 0 : 1;
}
