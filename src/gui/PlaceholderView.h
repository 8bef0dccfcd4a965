#pragma once

#include "gui/DocumentView.h"

#include <QWidget>

namespace planova {

/// A document window's content until the planner view is there: names the document's contents.
class PlaceholderView : public QWidget, public DocumentView
{
    Q_OBJECT
public:
    PlaceholderView(CPlanovaDoc& document, QWidget* parent);

    bool IsCommandEnabled(int commandId) const override;
    bool ExecuteCommand(int commandId) override;
    void RefreshFromDocument() override;

    /// How often the view was told to redraw from the document.
    int RefreshCount() const { return Refreshes; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CPlanovaDoc& Document;
    int Refreshes = 0;
};

} // namespace planova
