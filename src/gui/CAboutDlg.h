#pragma once

#include <QDialog>

namespace planova {

/// The About box: the application icon, the name and version, and an OK button.
class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

/// The application's icon.
QIcon ApplicationIcon();

} // namespace planova
