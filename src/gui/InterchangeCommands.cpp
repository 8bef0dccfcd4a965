#include "gui/Interchange.h"

#include "gui/CalendarAutoPublish.h"
#include "gui/CalendarServerActions.h"
#include "gui/ExportDialogs.h"

namespace planova {
namespace {

class InterchangeCommands : public Interchange
{
public:
    bool ExportDocument(QWidget* parent, const CPlanovaDoc& document, ExportFormat format,
                        const QString& documentPath) override
    {
        return planova::ExportDocument(parent, document, format, documentPath);
    }
    void PublishWithDialog(QWidget* parent, const CPlanovaDoc& document, AppSettings* settings) override
    {
        planova::PublishWithDialog(parent, document, settings);
    }
    bool ImportEventsWithDialog(QWidget* parent, CPlanovaDoc& document, AppSettings* settings) override
    {
        return planova::ImportEventsWithDialog(parent, document, settings);
    }
    std::unique_ptr<SavePublisher> NewSavePublisher(AppSettings& settings, QWidget* window) override
    {
        return std::make_unique<CalendarAutoPublish>(settings, window);
    }
};

} // namespace

Interchange& LinkedInterchange()
{
    static InterchangeCommands commands;
    return commands;
}

} // namespace planova

planova::Interchange* PlanovaInterchange()
{
    return &planova::LinkedInterchange();
}
