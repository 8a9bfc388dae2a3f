#pragma once
// What the item handler works on between calls: the images and model state of
// the document, the overlay's texts and choice lists, and the main window's
// commands. The document implements it; tests give a small fixture.

#include <array>
#include <string>

class cmcEeprom;
class cmcFCache;
class cmcGTex;
class datClipCh;
struct RadioIdentity;

// Commands that menu and tool-button cells carry out (the window program, the
// command line or a test implements them).
class indCommands {
  public:
    virtual ~indCommands() = default;
    virtual void FileNew() {}
    virtual void FileOpen() {}
    virtual void FileSave() {}
    virtual void FileSaveAs() {}
    // Prints the open sheet, or every tree node's sheet; output 0 a printer,
    // 1 a preview, 2 a PDF file.
    virtual void Print(bool /*all*/, int /*output*/) {}
    virtual bool CanPrintCurrent() { return false; }
    virtual bool CanPrintAll() { return false; }
    virtual void OpenRecent(int /*index*/) {}
    // The recent file of an index, or "" when there is none.
    virtual std::string RecentFileName(int /*index*/) { return {}; }
    virtual void Exit() {}
    virtual void SetFontSize(int /*percent*/) {}
    virtual int FontSize() { return 100; }
    virtual void ToggleToolBar() {}
    virtual bool ToolBarVisible() { return true; }
    // The serial trace window: opens or closes it.
    virtual void ToggleSerialTrace() {}
    virtual bool SerialTraceShown() { return false; }
    virtual void SetComPort(int /*port*/) {}
    virtual int ComPort() { return 1; }
    virtual void PortDialog() {}
    // The serial devices present: the menu caption of the one at index ("" when
    // there is none), whether it is the port, and choosing it as the port.
    virtual std::string SerialDeviceCaption(int /*index*/) { return {}; }
    virtual bool SerialDeviceChosen(int /*index*/) { return false; }
    virtual void ChooseSerialDevice(int /*index*/) {}
    // The port is a numbered port, not a device chosen from the list.
    virtual bool PortNumbered() { return true; }
    virtual void SetSpeedHigh(int /*on*/) {}
    virtual int SpeedHigh() { return 0; }
    virtual void CloneRead() {}
    virtual void CloneWrite() {}
    virtual void CloneInfo() {}
    virtual void FleetWrite() {}
    virtual void ChangeModel(int /*type*/) {}
    // Edit > Undo and Redo, and the name of the step each would take ("" when none).
    virtual void EditUndo() {}
    virtual void EditRedo() {}
    virtual std::string UndoStepName(bool /*redo*/) { return {}; }
    // File > Import Channels (CSV), Export Channels (CSV), Compare with File.
    virtual void ImportChannels() {}
    virtual void ExportChannels() {}
    virtual void CompareWithFile() {}
    // Clone > Verify after writing (0) and Back up the radio first (1): stored switches.
    virtual void ToggleWriteOption(int /*option*/) {}
    virtual bool WriteOption(int /*option*/) { return false; }
    virtual void HelpContents(const std::string& /*file*/) {}
    // Opens the sheet of a sheet reference.
    virtual void OpenSheet(const std::string& /*reference*/) {}
    // After a key, an edit result or a pop-up command: the 250 ms refresh.
    virtual void RestartRefresh() {}
};

// What the handler remembers of earlier choices while its document lives: the
// last PLL reference chosen for each PLL type (-1: none yet).
class indHandlerMemory {
  public:
    int& PllReference(int pllType) { return pllReference_[static_cast<size_t>(pllType & 1)]; }

  private:
    std::array<int, 2> pllReference_ = {-1, -1};
};

class indHandlerContext {
  public:
    virtual ~indHandlerContext() = default;
    virtual cmcEeprom& WorkingImage() = 0;
    virtual const cmcEeprom& TemplateImage() = 0;
    virtual int ModelType() = 0;
    virtual bool MakerMode() = 0;
    virtual datClipCh& Clipboard() = 0;
    virtual cmcFCache& Lists() = 0;
    virtual cmcGTex& Texts() = 0;
    // The radio of the last information exchange, or nullptr.
    virtual const RadioIdentity* Radio() = 0;
    virtual indCommands& Commands() = 0;
    // After an edit: the modified flag follows the image.
    virtual void CheckModified() = 0;
    indHandlerMemory& Memory() { return memory_; }

  private:
    indHandlerMemory memory_;
};
