#include "canvas/QtCanvas.h"
#include "model/Cp932Codec.h"
#include "view/DayDrawing.h"
#include "view/InfoPaneIcons.h"
#include "view/ScreenLayout.h"
#include "canvas/FontSubstitution.h"
#include "model/CellColours.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QtTest>

using namespace planova;

namespace {

constexpr Rgb White{255, 255, 255};
constexpr Rgb Grey{240, 240, 240};

QImage BlankImage(int width = 200, int height = 100)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

/// Number of pixels of the colour inside the rectangle.
int CountColour(const QImage& image, const QRect& area, QColor colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixelColor(x, y) == colour ? 1 : 0;
    }
    return count;
}

int CountNonWhite(const QImage& image, const QRect& area)
{
    return area.width() * area.height() - CountColour(image, area, Qt::white);
}

} // namespace

class CanvasTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(view); }

    void TheWindowsFaceIsSubstituted()
    {
        InstallFontSubstitutions();
        const QFontInfo info(QFont(QStringLiteral("ＭＳ Ｐゴシック")));
        QVERIFY2(info.family() == QStringLiteral("IPAPGothic") ||
                     info.family().startsWith(QStringLiteral("Noto Sans CJK")),
                 qPrintable(info.family()));
        QCOMPARE(QFontInfo(QFont(QStringLiteral("MS PGothic"))).family(), info.family());
    }

    void TextLinesFitTheLineHeightOfThePointSize()
    {
        QImage image = BlankImage();
        QPainter painter(&image);
        QtCanvas canvas(painter, Grey);
        QCOMPARE(canvas.DpiX(), 96);
        for (const int points : {7, 9}) {
            canvas.SetFont("ＭＳ Ｐゴシック", points);
            const int l = points * 96 / 72;
            QVERIFY(canvas.GetLineMetrics().Height <= l + 1);
            QVERIFY(canvas.GetLineMetrics().Height >= l - 2);
            QVERIFY(canvas.TextExtent("AB").Width > 0);
        }
    }

    void OpaqueTextIsBackedAndClippedToItsRectangle()
    {
        QImage image = BlankImage();
        {
            QPainter painter(&image);
            QtCanvas canvas(painter, Grey);
            canvas.SetFont("ＭＳ Ｐゴシック", 9);
            canvas.SetTextColour(Rgb{255, 0, 0});
            canvas.SetBackgroundColour(Rgb{255, 255, 0});
            canvas.SetOpaqueBackground(true);
            canvas.DrawText(Rect{10, 10, 40, 22}, "ABCDEFGHIJKLMNOP", TextWordBreak);
        }
        QVERIFY(CountColour(image, QRect(10, 10, 30, 12), QColor(255, 255, 0)) > 50); // the yellow backing
        QVERIFY(CountNonWhite(image, QRect(40, 0, 160, 100)) == 0); // nothing right of the box
        QVERIFY(CountNonWhite(image, QRect(0, 22, 200, 78)) == 0);  // nor below it
    }

    void WordBreakWrapsJapaneseText()
    {
        QImage image = BlankImage();
        {
            QPainter painter(&image);
            QtCanvas canvas(painter, Grey);
            canvas.SetFont("ＭＳ Ｐゴシック", 9);
            canvas.DrawText(Rect{0, 0, 50, 48}, Utf8ToCp932("走れメロスの音読と場面分け"), TextWordBreak);
        }
        QVERIFY(CountNonWhite(image, QRect(0, 0, 50, 12)) > 0);
        QVERIFY(CountNonWhite(image, QRect(0, 12, 50, 12)) > 0); // a second line
    }

    void FitWidthCondensesAnOverlongLine()
    {
        QImage image = BlankImage();
        {
            QPainter painter(&image);
            QtCanvas canvas(painter, Grey);
            canvas.SetFont("ＭＳ Ｐゴシック", 9);
            canvas.DrawText(Rect{10, 10, 50, 22}, "2024/04/26", TextWordBreak | TextFitWidth);
        }
        QVERIFY(CountNonWhite(image, QRect(45, 10, 5, 12)) > 0); // the last digit reaches the right edge
        QVERIFY(CountNonWhite(image, QRect(50, 0, 150, 100)) == 0);
    }

    void RectanglesLinesAndFills()
    {
        QImage image = BlankImage();
        {
            QPainter painter(&image);
            QtCanvas canvas(painter, Grey);
            canvas.SetPen(Rgb{0, 0, 255}, 2);
            canvas.SetBrush(White);
            canvas.DrawRectangle(Rect{10, 10, 30, 30});
            canvas.SetPen(Grey, 1);
            canvas.DrawLine({50, 10}, {50, 20});
            canvas.DrawLine({60, 10}, {70, 10});
            canvas.FillRectangle(Rect{80, 10, 90, 20}, Rgb{200, 255, 200});
        }
        QCOMPARE(image.pixelColor(10, 10), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(11, 11), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(12, 12), QColor(Qt::white)); // the pen lies inside, two pixels wide
        QCOMPARE(image.pixelColor(29, 29), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(30, 30), QColor(Qt::white));
        QCOMPARE(image.pixelColor(50, 19), QColor(240, 240, 240));
        QCOMPARE(image.pixelColor(50, 20), QColor(Qt::white)); // the end point is not drawn
        QCOMPARE(image.pixelColor(69, 10), QColor(240, 240, 240));
        QCOMPARE(image.pixelColor(70, 10), QColor(Qt::white));
        QCOMPARE(CountColour(image, QRect(80, 10, 10, 10), QColor(200, 255, 200)), 100);
    }

    void IconsComeFromTheResourceStrips()
    {
        QImage image = BlankImage();
        {
            QPainter painter(&image);
            QtCanvas canvas(painter, Grey);
            canvas.DrawBitmap(InfoIcons::MoonPhaseStrip, Rect{128, 0, 160, 32}, Rect{0, 0, 32, 32});
            canvas.DrawBitmap(InfoIcons::BiorhythmStrip, Rect{0, 0, 32, 32}, Rect{40, 0, 72, 32});
            canvas.DrawBitmap(":/view/missing.png", Rect{0, 0, 32, 32}, Rect{80, 0, 112, 32});
        }
        QCOMPARE(QImage(InfoIcons::BiorhythmStrip).size(), QSize(12 * 32, 32));
        QCOMPARE(QImage(InfoIcons::MoonPhaseStrip).size(), QSize(8 * 32, 32));
        QVERIFY(CountNonWhite(image, QRect(0, 0, 32, 32)) > 500);
        QVERIFY(CountNonWhite(image, QRect(40, 0, 32, 32)) > 100);
        QCOMPARE(CountNonWhite(image, QRect(80, 0, 32, 32)), 0);
    }

    // The find mark sits on the found text in the proportional planner font, after single-byte and
    // double-byte characters: "1ab音読" (number and plan) and "・" come before the hit "感想" of the content.
    void TheFindMarkCoversTheHitInAProportionalFont()
    {
        InstallFontSubstitutions();
        QImage image = BlankImage(400, 120);
        QPainter painter(&image);
        QtCanvas canvas(painter, White);
        canvas.SetFont(PlannerFace, 9);
        canvas.SetBackgroundColour(White);
        canvas.SetOpaqueBackground(true);
        CDayData day;
        day.SetDate(DateTime::FromDate(2026, 4, 13));
        day.SetJigenn(0, "1");
        day.SetYotei(0, Utf8ToCp932("ab音読"));
        day.SetNaiyou(0, Utf8ToCp932("・感想"));
        FindHitState hit{true, day.GetDate(), FindField::Naiyou(0), 2, 0, Utf8ToCp932("感想")};
        const int lineHeight = canvas.GetLineMetrics().Height;
        DayPainter(canvas, lineHeight, hit).DrawMonthCell(day, nullptr, Rect{0, 0, 400, 120});
        painter.end();

        const Rgb yellow = TextColours::FindHitBackground;
        QRect marked;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == QColor(yellow.Red, yellow.Green, yellow.Blue))
                    marked |= QRect(x, y, 1, 1);
        QVERIFY(!marked.isEmpty());
        QPainter measure(&image);
        QtCanvas measuring(measure, White);
        measuring.SetFont(PlannerFace, 9);
        const int before = measuring.TextExtent(Utf8ToCp932("1ab音読・")).Width;
        const int width = measuring.TextExtent(Utf8ToCp932("感想")).Width;
        // The month cell's text starts at its inset; the mark starts where "感" is drawn.
        const int textLeft = marked.left() - before;
        QVERIFY2(textLeft >= 0 && textLeft <= lineHeight, qPrintable(QString::number(marked.left())));
        QCOMPARE(marked.width(), width);
        if (!qEnvironmentVariableIsEmpty("PLANOVA_FIND_PICTURE"))
            image.save(qEnvironmentVariable("PLANOVA_FIND_PICTURE"));
    }
};

QTEST_MAIN(CanvasTest)
#include "CanvasTest.moc"
