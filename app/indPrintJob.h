#pragma once
// A print job without its printer: the sheets to print, one after the other,
// onto a print target that the window program (a printer, a PDF file, a
// preview) or a test provides. Print-all advances one sheet per step, so that
// the main window's tick serves the Cancel button between sheets; once
// cancelled, the remaining sheets are still visited but print no page, and
// the document is ended normally.

#include <functional>
#include <memory>
#include <string>
#include <vector>

class cmcGTex;
class cuiTree;

// How a job ends.
enum class cuiPrintEnd {
    Done,            // the document is complete
    NothingPrinted,  // no sheet gave a page: nothing was sent or written
    WriteFailed,     // the output could not be written; an existing file is untouched
};

// Where the pages go. The first page of a document has no page break before it.
class cuiPrintTarget {
  public:
    virtual ~cuiPrintTarget() = default;
    // Prints the pages of one sheet; cancelled is asked before every page.
    // Returns the number of pages printed.
    virtual int PrintSheet(const std::string& reference,
                           const std::function<bool()>& cancelled) = 0;
    virtual cuiPrintEnd EndDocument() = 0;
};

// The outputs a print command can choose.
enum class cuiPrintOutput { Printer = 0, Preview = 1, PdfFile = 2 };

// The sheet references of every tree node that names a sheet of the overlay,
// depth first as shown; a sheet named by several nodes is printed each time.
std::vector<std::string> PrintAllReferences(cuiTree& tree, cmcGTex& texts);

class indPrintJob {
  public:
    indPrintJob(std::unique_ptr<cuiPrintTarget> target, std::vector<std::string> references);
    ~indPrintJob();

    // Prints the next sheet; at the last one the document is ended. False
    // once the job has ended.
    bool Step();
    // Steps until the job has ended.
    void RunToEnd();
    void Cancel() { cancelled_ = true; }
    bool Cancelled() const { return cancelled_; }
    bool Ended() const { return ended_; }
    // Valid once ended.
    cuiPrintEnd End() const { return end_; }
    int Pages() const { return pages_; }
    size_t Visited() const { return next_; }

  private:
    std::unique_ptr<cuiPrintTarget> target_;
    std::vector<std::string> references_;
    size_t next_ = 0;
    int pages_ = 0;
    bool cancelled_ = false;
    bool ended_ = false;
    cuiPrintEnd end_ = cuiPrintEnd::Done;
};
