// Printing to PDF through the window program's page code and the command
// line's export, counted with pdfinfo and read with pdftotext; the printing
// dialog and the maintenance windows.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <fstream>
#include <sstream>

#include "ClfTestSupport.h"
#include "EventIds.h"
#include "FullImage.h"
#include "ModelType.h"
#include "PrintUi.h"
#include "RadioFont.h"
#include "ScopedOverride.h"
#include "cmcEeprom.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"
#include "cuiDebugWin.h"
#include "cuiEeDebugWin.h"
#include "cuiEeGrid.h"
#include "cuiPrintingDialog.h"
#include "cuiSheetPrinter.h"
#include "cuiTree.h"
#include "datCh.h"
#include "indDocument.h"
#include "indDocumentContext.h"
#include "indPrintJob.h"

namespace {

struct Ran {
    int status = -1;
    QString out;
};

Ran Tool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput())};
}

Ran Orvane(const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));  // the export needs no display of its own
    env.remove(QStringLiteral("DISPLAY"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ORVANE_BIN_DIR "/orvane"),
            QStringList{QStringLiteral("--export-pdf")} + args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardError())};
}

int PdfPages(const std::string& pdf) {
    const Ran info = Tool(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf)});
    const qsizetype at = info.out.indexOf(QStringLiteral("Pages:"));
    return at < 0 ? -1 : info.out.mid(at + 6).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
}

QString PageText(const std::string& pdf, int page) {
    const QString n = QString::number(page);
    return Tool(QStringLiteral("pdftotext"), {QStringLiteral("-f"), n, QStringLiteral("-l"), n,
                                              QString::fromStdString(pdf), QStringLiteral("-")})
        .out;
}

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// A full BiisPmr image saved to a clone file, opened as the command line opens it.
class FullImageTest : public ::testing::Test {
  protected:
    FullImageTest() {
        box.Answer(cmcMbResult::Ok);
        doc.Start();
        doc.ChangeModelType(ModelBiisPmr, true);
        FillAllChannels(doc.WorkingImage(), ModelBiisPmr);
        EXPECT_TRUE(doc.SaveToFile(file));
        tree.Build();
        tree.AdaptToModel(ModelBiisPmr, false);
    }
    // The export's A4 at 1200 dpi.
    static void SetUpAsExport(QPdfWriter& writer) {
        writer.setResolution(1200);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    }
    // The sheet of the first bank, as print-all finds it.
    std::string FirstBankReference() {
        for (const std::string& r : PrintAllReferences(tree, GTex())) {
            if (cuiTree::BankOfReference(r) == 0) {
                return r;
            }
        }
        return {};
    }
    // The pages the group arithmetic gives the sheets.
    int PlannedPages(const std::vector<std::string>& references) {
        QPdfWriter writer(dir.File("plan.pdf").c_str());
        SetUpAsExport(writer);
        cuiSheetPrinter printer(writer, context);
        int pages = 0;
        for (const std::string& reference : references) {
            pages += printer.PlanSheet(reference).PageCount();
        }
        return pages;
    }

    ScratchDir dir;
    std::string file = dir.File("full.clf");
    cmcScriptedMessageBox box;
    ScopedOverride<cmcMessageBoxHost> boxOverride_{SetCurrentMessageBoxHost, &box};
    indDocument doc;
    indCommands commands;
    indDocumentContext context{doc, commands, GTex()};
    cuiTree tree{GTex()};
};

TEST_F(FullImageTest, ExportAllGivesThePagesOfTheGroupArithmetic) {
    const std::string pdf = dir.File("all.pdf");
    const Ran run = Orvane(
        {QString::fromStdString(pdf), QStringLiteral("--all"), QString::fromStdString(file)});
    ASSERT_EQ(run.status, 0) << run.out.toStdString();
    const int planned = PlannedPages(PrintAllReferences(tree, GTex()));
    EXPECT_GT(planned, 16);
    // No page break before the first page: no blank page more than planned.
    EXPECT_EQ(PdfPages(pdf), planned);
}

TEST_F(FullImageTest, BankSheetPagesCarryHeadingTitleAndMaker) {
    const std::string reference = FirstBankReference();
    ASSERT_FALSE(reference.empty());
    const std::string pdf = dir.File("bank1.pdf");
    const Ran run = Orvane({QString::fromStdString(pdf), QStringLiteral("--sheet"),
                            QString::fromStdString(reference), QString::fromStdString(file)});
    ASSERT_EQ(run.status, 0) << run.out.toStdString();
    const cuiSheetPrinter::Plan plan = [&] {
        QPdfWriter writer(dir.File("plan.pdf").c_str());
        SetUpAsExport(writer);
        return cuiSheetPrinter(writer, context).PlanSheet(reference);
    }();
    EXPECT_GT(plan.colGroups.size(), 1u);  // a bank sheet is wider than a page
    const int pages = PdfPages(pdf);
    EXPECT_EQ(pages, plan.PageCount());
    const QString heading =
        QString::fromStdString(GTex().GetText("GI_AppInd_MchSheet_Printer_Head") + " 1");
    for (int page = 1; page <= pages; ++page) {
        const QString text = PageText(pdf, page);
        EXPECT_TRUE(text.contains(heading)) << page;
        EXPECT_TRUE(text.contains(QString::fromStdString(GTex().GetText("GI_Sys_AppTitleRev"))));
        EXPECT_TRUE(text.contains(QString::fromStdString(GTex().GetText("GI_Sys_Maker"))));
    }
}

// A channel name of user characters prints the image's dots for them, as the
// sheet shows them: a glyph with every dot set darkens the pages.
TEST_F(FullImageTest, PrintedNamesDrawTheImagesUserCharacters) {
    const std::string reference = FirstBankReference();
    ASSERT_FALSE(reference.empty());
    datCh channel(&doc.WorkingImage());
    channel.Decode(ChannelKindOf(ModelBiisPmr), 0);
    std::fill_n(channel.Text(), 12, uint8_t{RadioFont::FirstUserCode});
    channel.Encode();
    const auto darkPixels = [&](uint8_t rowDots) {
        RadioFont::Glyph glyph{};
        std::fill_n(glyph.begin() + 1, RadioFont::Rows, rowDots);
        doc.WorkingImage().WriteBlock(RadioFont::UserAddress, glyph.data(), RadioFont::GlyphBytes);
        const std::string pdf = dir.File("names.pdf");
        {
            QPdfWriter writer(pdf.c_str());
            SetUpAsExport(writer);
            cuiSheetPrinter printer(writer, context);
            EXPECT_GT(printer.PrintSheet(reference, [] { return false; }), 0);
            EXPECT_TRUE(printer.End());
        }
        const QString pages = QString::fromStdString(dir.File("names"));
        Tool(QStringLiteral("pdftoppm"),
             {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-gray"),
              QString::fromStdString(pdf), pages});
        int dark = 0;
        for (const QFileInfo& page : QDir(QString::fromStdString(dir.Path()))
                                         .entryInfoList({QStringLiteral("names-*.pgm")})) {
            const QImage image(page.filePath());
            EXPECT_FALSE(image.isNull());
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
                }
            }
            QFile::remove(page.filePath());
        }
        return dark;
    };
    const int blank = darkPixels(0x00);
    EXPECT_GT(blank, 0);  // the frame and the grid
    EXPECT_GT(darkPixels(0xFF), blank);
}

TEST_F(FullImageTest, AFailedExportSaysWhyAndLeavesTheFileAsItWas) {
    const std::string pdf = dir.File("kept.pdf");
    std::ofstream(pdf) << "old contents";
    const std::string clone = Contents(file);
    struct Case {
        const char* name;
        QStringList args;
        int status;
    };
    const QString out = QString::fromStdString(pdf);
    const QString clf = QString::fromStdString(file);
    const Case cases[] = {
        {"no such sheet", {out, QStringLiteral("--sheet"), QStringLiteral("nowhere"), clf}, 2},
        {"no clone file", {out, QStringLiteral("--all")}, 2},
        {"missing clone file", {out, QString::fromStdString(dir.File("none.clf"))}, 1},
        {"sheet and all",
         {out, QStringLiteral("--all"), QStringLiteral("--sheet"), QStringLiteral("x"), clf},
         2},
        {"output is the input", {clf, clf}, 2},
        {"nothing printable",
         {out, QStringLiteral("--sheet"), QStringLiteral("GI_Sheet_CloneInfo"), clf},
         1},
        {"folder not there", {QString::fromStdString(dir.File("no/such.pdf")), clf}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Ran run = Orvane(c.args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_FALSE(run.out.trimmed().isEmpty());
        EXPECT_EQ(Contents(pdf), "old contents");
    }
    EXPECT_EQ(Contents(file), clone);
}

// A name typed without ".pdf" whose PDF file exists: the dialog asks before
// that file is chosen, and declining leaves it as it was.
TEST(PdfFileDialog, AsksBeforeATypedNameReplacesAnExistingPdfFile) {
    ScratchDir dir;
    const std::string pdf = dir.File("kept.pdf");
    std::ofstream(pdf) << "old contents";
    indDocument doc;
    doc.Start();
    indCommands commands;
    indDocumentContext context(doc, commands, GTex());
    bool typed = false;
    bool asked = false;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* question = qobject_cast<QMessageBox*>(modal)) {
            asked = true;
            question->button(QMessageBox::No)->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            if (typed) {
                dialog->reject();
                return;
            }
            typed = true;
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(QString::fromStdString(dir.File("kept")));
            // Outside this tick, so that the tick can answer the question accept() asks.
            QTimer::singleShot(0, dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); });
        }
    });
    answer.start(20);
    EXPECT_EQ(PrintUi::Start(nullptr, cuiPrintOutput::PdfFile, context), nullptr);
    EXPECT_TRUE(typed);
    EXPECT_TRUE(asked);
    EXPECT_EQ(Contents(pdf), "old contents");
}

TEST(PrintingDialog, CancelStopsThePrintingOnce) {
    int cancels = 0;
    cuiPrintingDialog dialog(nullptr, GTex(), [&] { ++cancels; });
    EXPECT_EQ(dialog.windowTitle().toStdString(),
              GTex().GetText("GI_Sys_Printer_PrintingDialog", 0));
    EXPECT_TRUE(dialog.CancelButton().isDefault());
    dialog.CancelButton().click();
    EXPECT_EQ(cancels, 1);
    EXPECT_FALSE(dialog.CancelButton().isEnabled());
}

TEST(MaintenanceWindows, EepromWindowShowsBytesGoesToAddressesAndSetsTheCompareBase) {
    cmcScriptedMessageBox box;
    ScopedOverride<cmcMessageBoxHost> boxOverride(SetCurrentMessageBoxHost, &box);
    cmcEvMan events;
    ScopedOverride<cmcEvMan> eventsOverride(SetEvMan, &events);
    indDocument doc;
    doc.Start();
    indCommands commands;
    indDocumentContext context(doc, commands, GTex());
    doc.WorkingImage().SetByte(0x1234, 0xC3);
    cuiEeDebugWin window(nullptr, context);
    cuiEeGrid& grid = window.Grid();
    EXPECT_EQ(grid.Current(), (cuiCellPos{3, 3}));  // the byte at address 0
    events.Send(EventIds::EepromGoTo, nullptr, 0x1234);
    EXPECT_EQ(grid.Current(), (cuiCellPos{0x123 + 3, 4 * 2 + 3}));
    EXPECT_EQ(grid.CellText(0x123 + 3, 4 * 2 + 3), QStringLiteral("C3"));
    EXPECT_EQ(grid.CellText(0x123 + 3, 1), QStringLiteral("1230"));
    EXPECT_GE(grid.TopRow(), 0x123 + 3 - 40);  // scrolled there
    // Set Comp asks the main window for the compare base (8), then refreshes (23).
    std::vector<int> heard;
    const cmcEvCallback record = [](void* self, const cmcEvent& e) {
        static_cast<std::vector<int>*>(self)->push_back(e.kind);
    };
    events.AddListener(record, &heard);
    window.SetCompButton().click();
    events.Pump();
    EXPECT_EQ(heard, (std::vector<int>{EventIds::WarningCheckDone, EventIds::CopyToCompareBase}));
    events.RemoveListener(record, &heard);
}

TEST(MaintenanceWindows, FreeDebugWindowAppendsEveryDebugText) {
    cmcEvMan events;
    ScopedOverride<cmcEvMan> eventsOverride(SetEvMan, &events);
    cuiDebugWin window(nullptr);
    events.SendText(EventIds::DebugText, nullptr, 0, "first");
    events.SendText(EventIds::DebugText, nullptr, 0, "second");
    events.Send(EventIds::StatusText, nullptr, 0);
    EXPECT_EQ(window.Memo().toPlainText(), QStringLiteral("first\nsecond"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Free Debug Window"));
    EXPECT_GE(window.height(), cuiDebugWin::MinHeight);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
