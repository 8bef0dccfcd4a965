#include "gui/KeyIndicators.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>

namespace planova {
namespace {

// X11 modifier masks carried in the native modifiers of key events.
constexpr quint32 X11LockMask = 0x02;
constexpr quint32 X11NumLockMask = 0x10;

QLabel* Indicator(QStatusBar& bar, const QString& text)
{
    auto* label = new QLabel(text, &bar);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(text) + 12);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    bar.addPermanentWidget(label);
    return label;
}

} // namespace

KeyIndicators::KeyIndicators(QStatusBar& statusBar)
    : QObject(&statusBar), CapsLabel(Indicator(statusBar, QStringLiteral("CAP"))),
      NumLabel(Indicator(statusBar, QStringLiteral("NUM"))),
      ScrollLabel(Indicator(statusBar, QStringLiteral("SCRL")))
{
    qApp->installEventFilter(this);
    Show();
}

bool KeyIndicators::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    // One key event reaches several objects on its way; count it once, at the window.
    if (!watched->inherits("QWindow"))
        return false;
    const bool press = event->type() == QEvent::KeyPress && !key->isAutoRepeat();
    const bool lockKey =
        key->key() == Qt::Key_CapsLock || key->key() == Qt::Key_NumLock || key->key() == Qt::Key_ScrollLock;
    if (QGuiApplication::platformName() == QLatin1String("xcb") && !lockKey) {
        Caps = (key->nativeModifiers() & X11LockMask) != 0;
        Num = (key->nativeModifiers() & X11NumLockMask) != 0;
    } else if (press) {
        if (key->key() == Qt::Key_CapsLock)
            Caps = !Caps;
        if (key->key() == Qt::Key_NumLock)
            Num = !Num;
    }
    if (press && key->key() == Qt::Key_ScrollLock)
        Scroll = !Scroll;
    Show();
    return false;
}

void KeyIndicators::Show()
{
    // An indicator that is off keeps its place and shows nothing.
    CapsLabel->setText(Caps ? QStringLiteral("CAP") : QString());
    NumLabel->setText(Num ? QStringLiteral("NUM") : QString());
    ScrollLabel->setText(Scroll ? QStringLiteral("SCRL") : QString());
}

} // namespace planova
