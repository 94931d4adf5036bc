// Draws the wait window's pictures: Files/wait_1.bmp (English, used by every
// language but German) and Files/wait_2.bmp (German), 320 x 100, 24-bit.
//
// Qt draws the text because the Python tools have no font renderer. The font
// is named explicitly (DejaVu Sans) so the output only changes if that font
// does. Build and run from the repository root:
//
//   g++ -std=c++20 -fPIC tools/make_wait_pictures.cpp -o /tmp/make_wait_pictures \
//       $(pkg-config --cflags --libs Qt6Gui)
//   QT_QPA_PLATFORM=offscreen /tmp/make_wait_pictures assets/Files

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>

#include <cstdio>

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 100;

// A disc seen from the front: silver face with a coloured sheen and the hole.
void drawDisc(QPainter& p, QPointF centre, qreal r)
{
    const QColor slate(0x2b, 0x38, 0x46);
    QRadialGradient face(centre, r);
    face.setColorAt(0.0, QColor(0xf4, 0xf7, 0xfa));
    face.setColorAt(1.0, QColor(0xc9, 0xd3, 0xde));
    p.setPen(QPen(slate, 2.0));
    p.setBrush(face);
    p.drawEllipse(centre, r, r);

    p.setPen(Qt::NoPen);
    for (const auto& [start, colour] : {std::pair{30, QColor(0x2f, 0x6f, 0xd6, 90)}, std::pair{210, QColor(0x7d, 0x4f, 0xc4, 80)}}) {
        QPainterPath sheen;
        const QRectF outer(centre.x() - r * 0.82, centre.y() - r * 0.82, r * 1.64, r * 1.64);
        const QRectF inner(centre.x() - r * 0.42, centre.y() - r * 0.42, r * 0.84, r * 0.84);
        sheen.arcMoveTo(outer, start);
        sheen.arcTo(outer, start, 60);
        sheen.arcTo(inner, start + 60, -60);
        sheen.closeSubpath();
        p.setBrush(colour);
        p.drawPath(sheen);
    }

    p.setPen(QPen(slate, 1.5));
    p.setBrush(QColor(0xe3, 0xe9, 0xef));
    p.drawEllipse(centre, r * 0.3, r * 0.3);
    p.setBrush(QColor(0xf7, 0xf9, 0xfb));
    p.drawEllipse(centre, r * 0.12, r * 0.12);
}

QImage waitPicture(const QString& text)
{
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    img.fill(QColor(0xf7, 0xf9, 0xfb));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    p.setPen(QPen(QColor(0xb4, 0xbe, 0xc9), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
    // A thin accent bar on the left keeps the panel from looking empty.
    p.fillRect(QRectF(1, 1, 4, kHeight - 2), QColor(0x2f, 0x6f, 0xd6));

    drawDisc(p, QPointF(52, 50), 30);

    QFont name(QStringLiteral("DejaVu Sans"));
    name.setPixelSize(13);
    name.setBold(true);
    p.setFont(name);
    p.setPen(QColor(0x5a, 0x67, 0x75));
    p.drawText(QRectF(100, 24, 210, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Krynt - Quenvar"));

    QFont wait(QStringLiteral("DejaVu Sans"));
    wait.setPixelSize(20);
    p.setFont(wait);
    p.setPen(QColor(0x2b, 0x38, 0x46));
    p.drawText(QRectF(100, 46, 210, 30), Qt::AlignLeft | Qt::AlignVCenter, text);
    return img;
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_wait_pictures FILES_FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const struct {
        const char* file;
        QString text;
    } pictures[] = {
        {"wait_1.bmp", QStringLiteral("Please wait\u2026")},
        {"wait_2.bmp", QStringLiteral("Bitte warten\u2026")},
    };
    for (const auto& picture : pictures) {
        const QString path = folder + QLatin1Char('/') + QLatin1String(picture.file);
        // RGB888 so the file is written as a plain 24-bit bitmap.
        if (!waitPicture(picture.text).convertToFormat(QImage::Format_RGB888).save(path, "BMP")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
