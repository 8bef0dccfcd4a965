#pragma once

#include <QDialog>

#include <functional>

class QListWidget;
class QMdiArea;
class QMdiSubWindow;

namespace planova {

/// The window list: activates, saves or closes the document windows of the main window.
class WindowListDlg : public QDialog
{
    Q_OBJECT
public:
    /// `save` saves the document of a window.
    WindowListDlg(QMdiArea& area, std::function<void(QMdiSubWindow&)> save, QWidget* parent);

    QListWidget& List() const { return *Windows; }

private:
    void Fill();
    QMdiSubWindow* Selected() const;
    void ActivateSelected();

    QMdiArea& Area;
    std::function<void(QMdiSubWindow&)> SaveWindow;
    QListWidget* Windows;
};

} // namespace planova
