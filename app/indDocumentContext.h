#pragma once
// The item handler's view of the document: its images, model type, maker mode,
// clipboard and radio identity, the overlay's texts and choice lists, and the
// commands of whoever drives it (window program or command line). Also carries
// out the main window's part of channel inserts and deletes (InsertChannel, DeleteChannel).

#include <memory>
#include <string>

#include "cmcFCache.h"
#include "cuiSheet.h"
#include "indActiveCell.h"
#include "indHandlerContext.h"

class cmcGTex;
struct cmcEvent;
class indDocument;

class indDocumentContext : public indHandlerContext {
  public:
    indDocumentContext(indDocument& document, indCommands& commands, cmcGTex& texts);
    ~indDocumentContext() override;
    indDocumentContext(const indDocumentContext&) = delete;
    indDocumentContext& operator=(const indDocumentContext&) = delete;

    cmcEeprom& WorkingImage() override;
    const cmcEeprom& TemplateImage() override;
    int ModelType() override;
    bool MakerMode() override;
    datClipCh& Clipboard() override;
    cmcFCache& Lists() override { return lists_; }
    cmcGTex& Texts() override { return texts_; }
    const RadioIdentity* Radio() override;
    indCommands& Commands() override { return commands_; }
    void CheckModified() override;

    indActiveCell& Handler() { return handler_; }
    // The sheet of a reference over the working image, built (not shown).
    std::unique_ptr<cuiSheet> MakeSheet(const std::string& reference);
    indDocument& Document() { return document_; }

  private:
    static void OnEvent(void* self, const cmcEvent& event);

    indDocument& document_;
    indCommands& commands_;
    cmcGTex& texts_;
    cmcFCache lists_;
    indActiveCell handler_{*this};
};
