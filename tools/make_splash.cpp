// Draws the splash picture the program shows while it starts, 623 x 419
// pixels: the program's name over a staff with the opening of a tune, into
// FOLDER/Splash.png. To change it, change the drawing and regenerate it from
// the source tree's top:
//
//   cmake --build build --target quillsong_make_splash && ./build/quillsong_make_splash
//   assets/splash
//
// The notation font is read from fonts/LarkNotation.otf beside the program
// (where the build puts it).

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kWidth = 623;
constexpr int kHeight = 419;
constexpr qreal kStaffTop = 250;
constexpr qreal kLineGap = 12;

void Background(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(250, 246, 236));
    sky.setColorAt(1, QColor(222, 233, 246));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), sky);
    // A feather: a curved shaft with barbs on both sides.
    QPainterPath shaft;
    shaft.moveTo(600, 30);
    shaft.quadTo(540, 90, 470, 190);
    p.setPen(QPen(QColor(174, 35, 0, 150), 2.5));
    p.drawPath(shaft);
    p.setPen(QPen(QColor(174, 35, 0, 70), 1.5));
    for (int i = 1; i < 16; ++i) {
        const qreal t = i / 16.0;
        const QPointF at = shaft.pointAtPercent(t);
        const qreal reach = 34 * std::sin(t * 3.14159);
        p.drawLine(at, at + QPointF(-reach * 0.9, -reach * 0.55));
        p.drawLine(at, at + QPointF(reach * 0.55, reach * 0.35));
    }
}

void Title(QPainter& p) {
    QFont title(QStringLiteral("DejaVu Sans"));
    title.setPixelSize(54);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(174, 35, 0));
    p.drawText(QRectF(40, 60, 540, 70), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Quillsong"));
    QFont subtitle(QStringLiteral("DejaVu Sans"));
    subtitle.setPixelSize(20);
    p.setFont(subtitle);
    p.setPen(QColor(70, 70, 90));
    p.drawText(QRectF(44, 130, 540, 30), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Write music, hear it, print it"));
}

void Staff(QPainter& p, const QString& music) {
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    for (int line = 0; line < 5; ++line) {
        const qreal y = kStaffTop + line * kLineGap;
        p.drawLine(QPointF(40, y), QPointF(583, y));
    }
    QFont font(music);
    font.setPixelSize(static_cast<int>(kLineGap * 4));
    p.setFont(font);
    p.setPen(QColor(30, 30, 30));
    // The treble clef sits on the G line, the second from the bottom.
    p.drawText(QPointF(48, kStaffTop + 3 * kLineGap), QStringLiteral(";"));
    // "Twinkle, twinkle": C C G G A A G, quarter notes and a half.
    const int steps[] = {-2, -2, 2, 2, 3, 3, 2};
    for (int i = 0; i < 7; ++i) {
        const qreal x = 120 + i * 62;
        const qreal y = kStaffTop + 4 * kLineGap - steps[i] * kLineGap / 2;
        p.drawText(QPointF(x, y), i == 6 ? QStringLiteral("H") : QStringLiteral("I"));
        // Stems up on the right of the head.
        p.setPen(QPen(QColor(30, 30, 30), 1.4));
        p.drawLine(QPointF(x + 11.6, y - 1), QPointF(x + 11.6, y - 3.3 * kLineGap));
        if (steps[i] == -2) {
            p.drawLine(QPointF(x - 5, y), QPointF(x + 19, y));
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const int font = QFontDatabase::addApplicationFont(QCoreApplication::applicationDirPath() +
                                                       QStringLiteral("/fonts/LarkNotation.otf"));
    if (font < 0) {
        std::fprintf(stderr, "the notation font is missing beside the program\n");
        return 1;
    }
    const QString music = QFontDatabase::applicationFontFamilies(font).value(0);
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        Background(p);
        Title(p);
        Staff(p, music);
    }
    const QString path = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/Splash.png");
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}
