// Draws the built-in routine-work picture printed on the record sheet when no "ルーチンワーク.bmp"
// lies beside the program: res/print/routine-work.png, 350 pixels wide — a title and a grid of five
// routine tasks to tick off on each weekday. Build and run (see docs/printing.md):
//   g++ -std=c++20 -fPIC res/print/MakeRoutineWork.cpp $(pkg-config --cflags --libs Qt6Gui) -o
//   /tmp/make-routine-work && QT_QPA_PLATFORM=offscreen /tmp/make-routine-work res/print

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make-routine-work FOLDER\n");
        return 2;
    }
    constexpr int Width = 350;
    constexpr int Height = 150;
    constexpr int TitleHeight = 24;
    constexpr int TaskWidth = 140;
    constexpr int Rows = 5;
    constexpr int Days = 7;
    const int rowHeight = (Height - TitleHeight - 1) / (Rows + 1);
    const int dayWidth = (Width - TaskWidth - 1) / Days;

    QImage image(Width, Height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(14);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, Width, TitleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("ルーチンワーク"));

    const QString weekdays = QStringLiteral("月火水木金土日");
    const int top = TitleHeight;
    const int right = TaskWidth + Days * dayWidth;
    const int bottom = top + (Rows + 1) * rowHeight;
    painter.fillRect(QRect(0, top, right, rowHeight), QColor(230, 230, 230));
    font.setPixelSize(12);
    painter.setFont(font);
    for (int day = 0; day < Days; ++day)
        painter.drawText(QRect(TaskWidth + day * dayWidth, top, dayWidth, rowHeight), Qt::AlignCenter,
                         weekdays.mid(day, 1));
    for (int row = 0; row <= Rows + 1; ++row)
        painter.drawLine(0, top + row * rowHeight, right, top + row * rowHeight);
    painter.drawLine(0, top, 0, bottom);
    for (int day = 0; day <= Days; ++day)
        painter.drawLine(TaskWidth + day * dayWidth, top, TaskWidth + day * dayWidth, bottom);
    painter.end();

    const QString path = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/routine-work.png");
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", path.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
