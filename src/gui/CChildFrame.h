#pragma once

#include <QMdiSubWindow>

#include <functional>

namespace planova {

class DocumentView;
struct OpenDocument;

/// A document window: a tab of the main window holding one view of a document.
class CChildFrame : public QMdiSubWindow
{
    Q_OBJECT
public:
    /// Takes the view widget (made by CreateDocumentView) as its content.
    CChildFrame(OpenDocument& document, QWidget* view);
    ~CChildFrame() override;

    OpenDocument& Document() const { return Owner; }
    /// The view of the window (nullptr when the widget is no DocumentView).
    DocumentView* View() const;

    /// Asked before the window closes by the user; false keeps it open.
    std::function<bool(CChildFrame&)> CanClose;
    /// Called from the destructor after the view is gone, so the document may go too.
    std::function<void(CChildFrame*)> OnDestroyed;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    OpenDocument& Owner;
    QWidget* ViewWidget;
};

} // namespace planova
