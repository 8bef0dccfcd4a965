// Draws the icon strips of the information pane: res/view/biorhythm.png (12 icons, the four states
// of the physical, emotional and intellectual rhythm) and res/view/moonphase.png (8 phases, new moon
// first). Each icon is 32 × 32. Build and run (see docs/views.md):
//   g++ -std=c++20 -fPIC res/view/MakeViewIcons.cpp $(pkg-config --cflags --libs Qt6Gui) -o
//   /tmp/make-view-icons QT_QPA_PLATFORM=offscreen /tmp/make-view-icons res/view

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>
#include <cstdio>

namespace {

constexpr int Icon = 32;
constexpr int Scale = 4; // drawn at four times the size and scaled down smoothly
constexpr double Pi = 3.14159265358979323846;

struct Rhythm
{
    const char* Letter;
    QColor Colour;
};

// Physical blue, emotional red, intellectual green: the colours of the markers after each date.
const std::array<Rhythm, 3> Rhythms{{
    {"体", QColor(0, 0, 255)},
    {"感", QColor(255, 0, 0)},
    {"知", QColor(0, 160, 0)},
}};

// Phase on the sine wave of each state: 0 the cycle starts, 1 its mid-point, 2 the first half, 3 the second
// half.
constexpr std::array<double, 4> StatePhase{0.0, Pi, Pi / 2, 3 * Pi / 2};

QImage DrawBiorhythm(const Rhythm& rhythm, int state)
{
    const int s = Icon * Scale;
    QImage image(s, s, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QColor tint = rhythm.Colour;
    tint.setAlpha(40);
    p.setPen(QPen(rhythm.Colour, 1.5 * Scale));
    p.setBrush(QColor(255, 255, 255));
    p.drawRoundedRect(QRectF(1 * Scale, 1 * Scale, s - 2 * Scale, s - 2 * Scale), 5 * Scale, 5 * Scale);
    p.setBrush(tint);
    p.drawRoundedRect(QRectF(1 * Scale, 1 * Scale, s - 2 * Scale, s - 2 * Scale), 5 * Scale, 5 * Scale);

    // Axis and one period of the rhythm.
    const double left = 6 * Scale;
    const double right = s - 6 * Scale;
    const double mid = 21 * Scale;
    const double amplitude = 6 * Scale;
    p.setPen(QPen(QColor(150, 150, 150), 1 * Scale));
    p.drawLine(QPointF(left, mid), QPointF(right, mid));
    QPainterPath wave;
    for (int i = 0; i <= 64; ++i) {
        const double x = left + (right - left) * i / 64.0;
        const double y = mid - amplitude * std::sin(2 * Pi * i / 64.0);
        if (i == 0)
            wave.moveTo(x, y);
        else
            wave.lineTo(x, y);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rhythm.Colour, 2 * Scale));
    p.drawPath(wave);

    // Where the day stands.
    const double phase = StatePhase[state];
    const QPointF dot(left + (right - left) * phase / (2 * Pi), mid - amplitude * std::sin(phase));
    p.setPen(QPen(Qt::white, 1 * Scale));
    p.setBrush(rhythm.Colour.darker(130));
    p.drawEllipse(dot, 3 * Scale, 3 * Scale);

    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(10 * Scale);
    font.setBold(true);
    p.setFont(font);
    p.setPen(rhythm.Colour.darker(120));
    p.drawText(QRectF(2 * Scale, 2 * Scale, 12 * Scale, 11 * Scale), Qt::AlignCenter,
               QString::fromUtf8(rhythm.Letter));
    p.end();
    return image.scaled(Icon, Icon, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage DrawMoon(int phaseIndex)
{
    const int s = Icon * Scale;
    QImage image(s, s, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(60, 70, 110), 1.5 * Scale));
        p.setBrush(QColor(25, 35, 80));
        p.drawRoundedRect(QRectF(1 * Scale, 1 * Scale, s - 2 * Scale, s - 2 * Scale), 5 * Scale, 5 * Scale);
    }
    // Lit part of the disc: waxing from the right, waning to the left (as seen from Japan).
    const double f = phaseIndex / 8.0;
    const double k = std::cos(2 * Pi * f);
    const double centre = s / 2.0;
    const double radius = 12.0 * Scale;
    for (int py = 0; py < s; ++py) {
        for (int px = 0; px < s; ++px) {
            const double x = (px + 0.5 - centre) / radius;
            const double y = (py + 0.5 - centre) / radius;
            if (x * x + y * y > 1.0)
                continue;
            const double edge = std::sqrt(1.0 - y * y);
            const bool lit = f < 0.5 ? x > k * edge : x < -k * edge;
            image.setPixelColor(px, py, lit ? QColor(255, 236, 140) : QColor(70, 78, 110));
        }
    }
    return image.scaled(Icon, Icon, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage Strip(int count)
{
    QImage strip(Icon * count, Icon, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    return strip;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");

    QImage biorhythm = Strip(12);
    {
        QPainter p(&biorhythm);
        for (int rhythm = 0; rhythm < 3; ++rhythm) {
            for (int state = 0; state < 4; ++state)
                p.drawImage(Icon * (rhythm * 4 + state), 0, DrawBiorhythm(Rhythms[rhythm], state));
        }
    }
    QImage moon = Strip(8);
    {
        QPainter p(&moon);
        for (int phase = 0; phase < 8; ++phase)
            p.drawImage(Icon * phase, 0, DrawMoon(phase));
    }
    if (!biorhythm.save(folder + QStringLiteral("/biorhythm.png")) ||
        !moon.save(folder + QStringLiteral("/moonphase.png"))) {
        std::fprintf(stderr, "cannot write the icon strips into %s\n", qPrintable(folder));
        return 1;
    }
    return 0;
}
