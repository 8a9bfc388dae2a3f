#pragma once
// The document behind the main window: the four images, the modified flag,
// the file name, the model type, the maker-mode flag, the identity of the radio
// last asked, and the file commands New, Open, Save and Save As. Questions and
// messages go through the user message box; file names come from a chooser.

#include <functional>
#include <string>

#include "ClfResult.h"
#include "MemoryMap.h"
#include "ModelType.h"
#include "RadioIdentity.h"
#include "cmcClipCh.h"
#include "cmcEeprom.h"
#include "cmcMessageBoxHost.h"
#include "indUndoHistory.h"

class indEnviron;
class indFileChooser;

// What the window shows of the document. Every hook may be left empty.
struct indDocumentHooks {
    std::function<void()> titleChanged;         // Title() has a new value
    std::function<void()> closeSheet;           // the open sheet must go (the tick reopens it)
    std::function<void()> modelChanged;         // the model type changed: rebuild the tree
    std::function<void(bool busy)> busyCursor;  // hourglass on while a file is read or written
};

class indDocument {
  public:
    // OpenFile's answer when the unsaved-changes question was cancelled.
    static constexpr int OpenCancelled = -1;

    // settings (not owned, may be null) provides the model type setting and the
    // recent-file list.
    explicit indDocument(indEnviron* settings = nullptr);
    indDocument(const indDocument&) = delete;
    indDocument& operator=(const indDocument&) = delete;

    // Start-up: the model type from the settings (outside 0..2: Lmr), its
    // initial file into the template (a failure ends the program), then
    // working := saved := compare base := template, not modified.
    void Start();

    void SetFileChooser(indFileChooser* chooser) { chooser_ = chooser; }
    void SetHooks(indDocumentHooks hooks) { hooks_ = std::move(hooks); }

    // --- images
    cmcEeprom& WorkingImage() { return working_; }
    const cmcEeprom& WorkingImage() const { return working_; }
    const cmcEeprom& SavedImage() const { return saved_; }
    const cmcEeprom& TemplateImage() const { return template_; }
    const cmcEeprom& CompareBase() const { return compare_; }
    // The compare window's reference becomes the working image.
    void SetCompareBase() { compare_.Assign(working_); }

    // --- modified flag: set by edits and clone read, cleared by new, open,
    // save and model change (each of which takes a new saved image).
    bool IsModified() const { return modified_; }
    void SetModified();
    void ClearModified();
    // Sets the flag when the working image differs from the saved one.
    void CheckModified();

    // --- file name; empty means "Untitled"
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& path);
    bool IsUntitled() const { return fileName_.empty(); }
    // The file name, or the last directory followed by "Untitled".
    std::string CurrentPath() const;
    const std::string& LastDirectory() const { return lastDirectory_; }
    // File name part of CurrentPath, " - ", the application title.
    std::string Title() const;

    // --- model type (0 Lmr, 1 Pmr, 2 BiisPmr)
    int ModelType() const { return modelType_; }
    // Nothing when type is the current one or outside 0..2. With ask, the
    // question "GI_AppMess_ChangeModel" comes first and the working image then
    // becomes the new template, untitled. True when the type changed.
    bool ChangeModelType(int type, bool ask);
    // After an image was opened or read: model type from the image (without a
    // question), normalisation against the template, ImageReplaced.
    void AfterImageLoaded(cmcEeprom& image);
    // Derived and template-owned fields, before save and clone write.
    void NormalizeImage(cmcEeprom& image) const;
    // Before a clone write: channels off the grids the radio takes become the
    // template's blank record (see the model's CorrectChannels); true when any did.
    bool CorrectChannels(cmcEeprom& image) const;

    // --- undo and redo (steps are recorded by indUndoStep scopes)
    indUndoHistory& UndoHistory() { return undo_; }
    // Takes back (Undo) or carries out again (Redo) the last step: the model
    // type follows the step, the modified flag is clear exactly when the image
    // is the one last saved or opened. The step, or nullptr when there was none.
    const indUndoRecord* Undo();
    const indUndoRecord* Redo();

    // --- the channel clipboard shared by all sheets
    datClipCh& Clipboard() { return clipboard_; }

    // --- maker mode: once on, it stays on
    bool MakerMode() const { return makerMode_; }
    void EnableMakerMode() { makerMode_ = true; }

    // --- the radio of the last information exchange
    bool HasRadioIdentity() const { return hasRadio_; }
    const RadioIdentity& Radio() const { return radio_; }
    void SetRadioIdentity(const RadioIdentity& radio);

    // --- file commands
    // Before replacing or abandoning a modified working image: Yes (saved, or
    // nothing to save), No (discard) or Cancel (stop; also when the save failed).
    cmcMbResult ConfirmSave(bool another);
    bool NewFile();
    // Asks the chooser for a file, then OpenFile.
    bool OpenFileDialog();
    // 0 when opened; else the clone-file code (its message shown) or OpenCancelled.
    int OpenFile(const std::string& path);
    // Entry index of the recent-file list.
    bool OpenRecent(int index);
    // Reads path into scratch with Open's checks; 0 or the code whose message was shown.
    int ReadForOpen(const std::string& path, cmcEeprom& scratch) const;
    bool Save();
    bool SaveAs();
    bool SaveToFile(const std::string& path);

    // --- template files
    // The initial file of a model type: program directory + "GI_App_InitialFile" line type.
    static std::string InitialFilePath(int modelType);
    // Reads a template file into image with the required coverage; the code, message shown.
    static int LoadTemplateFile(const std::string& path, cmcEeprom& image);

  private:
    // The model type's initial file into the template; a failure ends the program.
    void LoadInitialFile(int modelType);
    void SetModelTypeSetting(int type);
    void AddToRecent(const std::string& path);
    void UpdateTitle();
    void CloseSheet();
    void Busy(bool on);
    const indUndoRecord* AfterUndoStep(const indUndoRecord* step, int modelType);

    indEnviron* environ_;
    indFileChooser* chooser_ = nullptr;
    indDocumentHooks hooks_;

    cmcEeprom working_;
    cmcEeprom saved_;
    cmcEeprom template_;
    cmcEeprom compare_;
    bool modified_ = false;
    std::string fileName_;
    std::string lastDirectory_;
    int modelType_ = ModelLmr;
    bool makerMode_ = false;
    bool hasRadio_ = false;
    RadioIdentity radio_;
    datClipCh clipboard_;
    indUndoHistory undo_;
};
