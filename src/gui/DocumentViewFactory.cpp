#include "gui/DocumentView.h"

#include "gui/CPlanovaView.h"

namespace planova {

QWidget* CreateDocumentView(CPlanovaDoc& document, QWidget* parent)
{
    return new CPlanovaView(document, parent);
}

DocumentView* AsDocumentView(QWidget* widget)
{
    return dynamic_cast<DocumentView*>(widget);
}

} // namespace planova
