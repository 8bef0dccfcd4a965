#include "gui/DocumentView.h"

#include "gui/PlaceholderView.h"

namespace planova {

QWidget* CreateDocumentView(CPlanovaDoc& document, QWidget* parent)
{
    return new PlaceholderView(document, parent);
}

DocumentView* AsDocumentView(QWidget* widget)
{
    return dynamic_cast<DocumentView*>(widget);
}

} // namespace planova
