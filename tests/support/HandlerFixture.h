#pragma once
// A document-like context for the item handler: working and template image,
// a small overlay, a clipboard, and the main window's part in channel inserts
// and deletes (InsertChannel, DeleteChannel).

#include <string>
#include <vector>

#include "ChEvents.h"
#include "ChShift.h"
#include "ModelType.h"
#include "RadioIdentity.h"
#include "ScopedOverride.h"
#include "cmcCellObj.h"
#include "cmcClipCh.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcFCache.h"
#include "cmcGTex.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"
#include "cmcTimerHost.h"
#include "cmcVirtualTimerHost.h"
#include "indActiveCell.h"
#include "indHandlerContext.h"

class HandlerFixture : public indHandlerContext, public indCommands {
  public:
    explicit HandlerFixture(const std::vector<std::string>* overlay);
    ~HandlerFixture() override;

    cmcEeprom& WorkingImage() override { return working; }
    const cmcEeprom& TemplateImage() override { return templ; }
    int ModelType() override { return model; }
    bool MakerMode() override { return false; }
    datClipCh& Clipboard() override { return clipboard; }
    cmcFCache& Lists() override { return lists; }
    cmcGTex& Texts() override { return texts; }
    const RadioIdentity* Radio() override { return hasRadio ? &radio : nullptr; }
    indCommands& Commands() override { return *this; }
    void CheckModified() override { ++modifiedChecks; }
    void ChangeModel(int type) override { model = type; }

    // Sets the bank counts and makes every channel of them a used channel at 146 MHz.
    void SetBanks(const std::vector<int>& counts);
    void MakeBlank(int channel);

    // A fresh editable request on a cell, in cell and capsule.
    void Prepare(int category, int item, int row, int bank = 0);
    // One request on a cell; returns Pending.
    indPending Request(int category, int item, int row, int32_t key, int bank = 0);
    indPending Type(int category, int item, int row, const std::string& text, int bank = 0);

    cmcVirtualTimerHost host;
    cmcEvMan events{&host};
    ScopedOverride<cmcEvMan> eventsOverride{SetEvMan, &events};
    cmcScriptedMessageBox boxes;
    ScopedOverride<cmcMessageBoxHost> boxesOverride{SetCurrentMessageBoxHost, &boxes};
    cmcGTex texts;
    cmcFCache lists{&texts};
    cmcEeprom working;
    cmcEeprom templ;
    datClipCh clipboard;
    RadioIdentity radio;
    bool hasRadio = false;
    int model = ModelPmr;
    int modifiedChecks = 0;
    indActiveCell handler{*this};
    cmcCellObj cell;
    indCellCapsule capsule;

  private:
    static void OnEvent(void* self, const cmcEvent& e);
};
