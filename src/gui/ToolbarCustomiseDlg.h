#pragma once

#include <QDialog>

#include <vector>

class QListWidget;

namespace planova {

/// Chooses which commands the toolbar "標準" shows.
class ToolbarCustomiseDlg : public QDialog
{
    Q_OBJECT
public:
    ToolbarCustomiseDlg(const std::vector<int>& shown, QWidget* parent);

    /// The commands ticked, in table order.
    std::vector<int> Chosen() const;
    QListWidget& List() const { return *Commands; }

private:
    void Tick(const std::vector<int>& shown);

    QListWidget* Commands;
};

} // namespace planova
