#include "gui/ApplicationLook.h"

#include "edit/CommandTable.h"
#include "gui/ClearMarkStyle.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <array>

namespace planova {
namespace {

/// The colours that make a look, as RGB values.
struct LookColours
{
    int Id;
    const char* StyleName;
    QRgb Window;
    QRgb Base;
    QRgb Text;
    QRgb Button;
    QRgb Highlight;
    QRgb HighlightedText;
};

// Each look is one style with its own palette; the default 210 is the plain light look, 216 the
// dark one.
constexpr std::array Looks{
    LookColours{CommandId::LookWindows2000, "Windows", 0xd4d0c8, 0xffffff, 0x000000, 0xd4d0c8, 0x0a246a,
                0xffffff},
    LookColours{CommandId::LookOfficeXP, "Windows", 0xf6f6f6, 0xffffff, 0x000000, 0xe8e6e1, 0xb6bdd2,
                0x000000},
    LookColours{CommandId::LookWindowsXP, "Fusion", 0xece9d8, 0xffffff, 0x000000, 0xf1efe2, 0x316ac5,
                0xffffff},
    LookColours{CommandId::LookOffice2003, "Fusion", 0xdbe8fb, 0xffffff, 0x000000, 0xc3daf9, 0xffd58c,
                0x000000},
    LookColours{CommandId::LookVisualStudio2005, "Fusion", 0xeeede5, 0xffffff, 0x000000, 0xe5e3d6, 0xc1d2ee,
                0x000000},
    LookColours{CommandId::LookVisualStudio2008, "Fusion", 0xf0f0f0, 0xffffff, 0x000000, 0xf0f0f0, 0x3399ff,
                0xffffff},
    LookColours{CommandId::LookOffice2007Blue, "Fusion", 0xbfdbff, 0xffffff, 0x15428b, 0xd5e4f2, 0xffd45e,
                0x000000},
    LookColours{CommandId::LookOffice2007Black, "Fusion", 0x3c3c3c, 0x262626, 0xf0f0f0, 0x505050, 0xf0a830,
                0x000000},
    LookColours{CommandId::LookOffice2007Silver, "Fusion", 0xd0d4dd, 0xffffff, 0x000000, 0xe4e7ee, 0xffd45e,
                0x000000},
    LookColours{CommandId::LookOffice2007Aqua, "Fusion", 0xc6e3ea, 0xffffff, 0x0b3a4a, 0xdcf0f5, 0x4fb0c6,
                0xffffff},
    LookColours{CommandId::LookWindows7, "Fusion", 0xf5f6f7, 0xffffff, 0x1e1e1e, 0xe9eef5, 0xcce8ff,
                0x000000},
};

constexpr int Office2007Blue = CommandId::LookOffice2007Blue;

QColor Mix(QRgb a, QRgb b)
{
    const QColor x(a), y(b);
    return QColor((x.red() + y.red()) / 2, (x.green() + y.green()) / 2, (x.blue() + y.blue()) / 2);
}

QPalette PaletteOf(const LookColours& look)
{
    QPalette palette;
    const QColor window(look.Window), base(look.Base), text(look.Text), button(look.Button);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, Mix(look.Base, look.Window));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, button);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, Mix(look.Text, look.Base));
    palette.setColor(QPalette::Highlight, QColor(look.Highlight));
    palette.setColor(QPalette::HighlightedText, QColor(look.HighlightedText));
    palette.setColor(QPalette::BrightText, Qt::red);
    palette.setColor(QPalette::Light, button.lighter(150));
    palette.setColor(QPalette::Midlight, button.lighter(120));
    palette.setColor(QPalette::Mid, button.darker(130));
    palette.setColor(QPalette::Dark, button.darker(160));
    palette.setColor(QPalette::Shadow, button.darker(300));
    palette.setColor(QPalette::Link, base.lightness() > 128 ? QColor(0, 0, 255) : QColor(120, 170, 255));
    const QColor disabledText = Mix(look.Text, look.Window);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    return palette;
}

const LookColours& ColoursFor(int id)
{
    const int wanted = IsLookCommand(id) ? id : CommandId::LookDefault;
    for (const auto& look : Looks)
        if (look.Id == wanted)
            return look;
    // 211–214 are no menu command: the Office 2007 style with its blue scheme.
    for (const auto& look : Looks)
        if (look.Id == Office2007Blue)
            return look;
    return Looks.front();
}

} // namespace

int EffectiveLook(int id)
{
    return IsLookCommand(id) ? id : CommandId::LookDefault;
}

LookStyle LookFor(int id)
{
    const auto& colours = ColoursFor(id);
    return {colours.Id, colours.StyleName, PaletteOf(colours)};
}

void ApplyLook(int id)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto look = LookFor(id);
    if (auto* style = QStyleFactory::create(QString::fromLatin1(look.StyleName)))
        QApplication::setStyle(new ClearMarkStyle(style));
    QApplication::setPalette(look.Palette);
    // Qt passes a new palette on to existing widgets only while its event loop runs; windows made
    // before (the main window at start-up) are told here, so every window changes at once.
    QEvent change(QEvent::ApplicationPaletteChange);
    for (auto* widget : QApplication::allWidgets())
        QApplication::sendEvent(widget, &change);
    for (auto* widget : QApplication::topLevelWidgets())
        widget->update();
    QApplication::restoreOverrideCursor();
}

} // namespace planova
