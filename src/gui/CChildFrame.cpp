#include "gui/CChildFrame.h"

#include "gui/CAboutDlg.h"
#include "gui/DocumentView.h"

#include <QCloseEvent>

namespace planova {

CChildFrame::CChildFrame(OpenDocument& document, QWidget* view) : Owner(document), ViewWidget(view)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(ApplicationIcon());
    setWidget(view);
}

CChildFrame::~CChildFrame()
{
    // The view reads the document while it lives: it goes first, then the owner may release the
    // document.
    delete ViewWidget;
    ViewWidget = nullptr;
    if (OnDestroyed)
        OnDestroyed(this);
}

DocumentView* CChildFrame::View() const
{
    return ViewWidget ? AsDocumentView(ViewWidget) : nullptr;
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    if (CanClose && !CanClose(*this)) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

} // namespace planova
