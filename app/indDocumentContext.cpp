#include "indDocumentContext.h"

#include "ChEvents.h"
#include "ChShift.h"
#include "EventIds.h"
#include "SheetFactory.h"
#include "cmcEvMan.h"
#include "indDocument.h"

indDocumentContext::indDocumentContext(indDocument& document, indCommands& commands, cmcGTex& texts)
    : document_(document), commands_(commands), texts_(texts), lists_(&texts) {
    EvMan().AddListener(&OnEvent, this);
}

indDocumentContext::~indDocumentContext() {
    EvMan().RemoveListener(&OnEvent, this);
}

cmcEeprom& indDocumentContext::WorkingImage() {
    return document_.WorkingImage();
}
const cmcEeprom& indDocumentContext::TemplateImage() {
    return document_.TemplateImage();
}
int indDocumentContext::ModelType() {
    return document_.ModelType();
}
bool indDocumentContext::MakerMode() {
    return document_.MakerMode();
}
datClipCh& indDocumentContext::Clipboard() {
    return document_.Clipboard();
}

const RadioIdentity* indDocumentContext::Radio() {
    return document_.HasRadioIdentity() ? &document_.Radio() : nullptr;
}

void indDocumentContext::CheckModified() {
    document_.CheckModified();
}

std::unique_ptr<cuiSheet> indDocumentContext::MakeSheet(const std::string& reference) {
    cuiSheetEnv env;
    env.texts = &texts_;
    env.image = &document_.WorkingImage();
    env.modelType = document_.ModelType();
    std::unique_ptr<cuiSheet> sheet = SheetFactory::CreateSheet(reference, env);
    sheet->Build();
    return sheet;
}

// InsertChannel and DeleteChannel: a blank channel is opened at, or a channel
// removed from, the row of the bank; the bank sheets follow through
// ChannelInserted, ChannelDeleted and BankSheetRefresh.
void indDocumentContext::OnEvent(void* self, const cmcEvent& event) {
    auto* ctx = static_cast<indDocumentContext*>(self);
    indDocument& doc = ctx->document_;
    const uint8_t kind = ChannelKindOf(doc.ModelType());
    if (event.kind == EventIds::InsertChannel) {
        InsertChannel(doc.WorkingImage(), doc.TemplateImage(), kind, ChEvent::BankOfEvent(event),
                      event.value);
        doc.CheckModified();
    } else if (event.kind == EventIds::DeleteChannel) {
        DeleteChannel(doc.WorkingImage(), doc.TemplateImage(), kind, ChEvent::BankOfEvent(event),
                      event.value);
        doc.CheckModified();
    }
}
