// The yardstick of the start-up measure: a bare Qt Widgets window with one label, shown maximised
// like the planner's main window, that quits once its first frame is painted when
// PLANOVA_EXIT_AFTER_FIRST_FRAME=1 (the same rule as the application).

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QTimer>

namespace {

/// Quits the application after the label's first paint has gone through.
class QuitAfterPaint : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !Painted) {
            Painted = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool Painted = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    auto* label = new QLabel(QStringLiteral("Planova"), &window);
    window.setCentralWidget(label);
    if (qEnvironmentVariableIntValue("PLANOVA_EXIT_AFTER_FIRST_FRAME") == 1)
        label->installEventFilter(new QuitAfterPaint(&application));
    window.showMaximized();
    return QApplication::exec();
}
