// orvane-shots NAME OUT.png [--port DEVICE] [--dark]: shows one window of the
// program and saves a picture of it. NAME is about, port, progress, info, fleet,
// trace, compare, problems, dot-editor, text-editor, preview (a print preview
// page), eeprom (the EEPROM window) or one of the main window's sheet shots
// (SheetShots.h); progress, info, fleet and trace talk to a radio (the
// simulator) on DEVICE. NAME icons shows the tree and tool-bar image lists, one
// row each, in index order.

#include <QApplication>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QLabel>
#include <QPalette>
#include <QStyleFactory>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "CellNames.h"
#include "ChLayout.h"
#include "ChannelCsv.h"
#include "CharEditorShots.h"
#include "Icons.h"
#include "PrintShots.h"
#include "SheetShots.h"
#include "ShotSave.h"
#include "cmcGTex.h"
#include "cmcInternalErrorBox.h"
#include "cmcMessageBoxHost.h"
#include "cmcTimerHost.h"
#include "cuiInformation.h"
#include "indCloneCommands.h"
#include "indCloneMan.h"
#include "indDocument.h"
#include "indDocumentContext.h"
#include "indSheetSession.h"
#include "indTraceLog.h"
#include "uiAboutBox.h"
#include "uiCloneProgress.h"
#include "uiCompareList.h"
#include "uiFleetDialog.h"
#include "uiPortDialog.h"
#include "uiProblemList.h"
#include "uiTraceWindow.h"

namespace {

constexpr int LimitMs = 60000;

struct Options {
    std::string name;
    std::string out;
    std::string port;
    bool dark = false;
};

int Fail(const std::string& text) {
    std::fprintf(stderr, "orvane-shots: %s\n", text.c_str());
    return 1;
}

// Prints how long a window took from the command to its first paint.
class FirstPaint : public QObject {
  public:
    FirstPaint(QWidget* window, const QElapsedTimer& since) : QObject(window), since_(since) {
        window->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            std::fprintf(stderr, "orvane-shots: %s painted %lld ms after the command\n",
                         watched->metaObject()->className(),
                         static_cast<long long>(since_.elapsed()));
            watched->removeEventFilter(this);
        }
        return false;
    }

  private:
    QElapsedTimer since_;
};

void UseDarkPalette() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette p;
    p.setColor(QPalette::Window, QColor(45, 45, 48));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 32));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(58, 58, 62));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    p.setColor(QPalette::Highlight, QColor(61, 126, 214));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 120));
    QApplication::setPalette(p);
}

// The radio commands on the program's timer tasks, pumped from the Qt loop.
class RadioSession {
  public:
    explicit RadioSession(const std::string& device)
        : commands_(document_, manager_), context_(document_, menu_, GTex()) {
        document_.Start();
        manager_.SetLinkSettings([device] { return indLinkSettings{1, false, device}; });
        pump_.setInterval(2);
        QObject::connect(&pump_, &QTimer::timeout, [] { DefaultLoopTimerHost().RunDue(); });
        pump_.start();
    }
    indCloneMan& Manager() { return manager_; }
    indCloneCommands& Commands() { return commands_; }
    indDocumentContext& Context() { return context_; }

  private:
    class NoMenu : public indCommands {};
    indDocument document_;
    indCloneMan manager_;
    indCloneCommands commands_;
    NoMenu menu_;
    indDocumentContext context_;
    QTimer pump_;
};

// Grabs the progress window once half of the bar is filled.
class ShotHost : public uiCloneProgressHost {
  public:
    ShotHost(cmcGTex& texts, std::string out) : uiCloneProgressHost(nullptr, texts), out_(out) {}
    void UpdateProgress(const indCloneProgress& progress) override {
        uiCloneProgressHost::UpdateProgress(progress);
        if (!saved_ && Window() != nullptr && progress.Filled() >= indCloneProgress::Cells / 2) {
            saved_ = Window()->grab().save(QString::fromStdString(out_));
        }
    }
    bool Saved() const { return saved_; }

  private:
    std::string out_;
    bool saved_ = false;
};

int ShowProgress(const Options& o) {
    RadioSession session(o.port);
    ShotHost host(GTex(), o.out);
    session.Manager().SetHost(&host);
    session.Commands().SetFinished(
        [&](int outcome) { QApplication::exit(host.Saved() && outcome == 0 ? 0 : 1); });
    if (!session.Commands().ReadRadioImage()) {
        return Fail("the read did not start");
    }
    QTimer::singleShot(LimitMs, [] { QApplication::exit(1); });
    return QApplication::exec();
}

int ShowInfo(const Options& o) {
    RadioSession session(o.port);
    session.Commands().SetHooks(
        {nullptr, [&] { SaveWhenShown(ShowCloneInformation(nullptr, session.Context()), o.out); }});
    session.Commands().SetFinished([](int outcome) {
        if (outcome != 0) {
            QApplication::exit(1);
        }
    });
    if (!session.Commands().CloneInfo()) {
        return Fail("the information exchange did not start");
    }
    QTimer::singleShot(LimitMs, [] { QApplication::exit(1); });
    return QApplication::exec();
}

// The fleet-write dialog a few seconds into a run: the radio on DEVICE being
// written, a second port without a device already failed.
int ShowFleet(const Options& o) {
    const std::string file = "/tmp/orvane-shots-fleet.clf";
    const std::string log = "/tmp/orvane-shots-fleet-log.csv";
    std::remove(log.c_str());
    {
        indDocument doc;
        doc.Start();
        const uint8_t channel[] = {0x03, 0x8D, 0x60, 0x03, 0x8D, 0x60};  // 145.500 MHz
        doc.WorkingImage().WriteBlock(ChLayout::ChannelAddress(0), channel, 6);
        if (!doc.SaveToFile(file)) {
            return Fail("cannot save " + file);
        }
    }
    // The one confirmation is answered OK.
    class AnswerOk : public cmcMessageBoxHost {
        cmcMbResult Show(const std::string&, const std::string&, cmcMbButtons, cmcMbIcon) override {
            return cmcMbResult::Ok;
        }
    } boxes;
    SetCurrentMessageBoxHost(&boxes);
    indFleetSetup setup;
    setup.file = file;
    setup.ports = {o.port, "/dev/ttyUSB7"};
    setup.logFile = log;
    setup.options.highSpeed = true;
    setup.count = 2;
    uiFleetDialog dialog(setup, nullptr);
    QTimer pump;
    pump.setInterval(2);
    QObject::connect(&pump, &QTimer::timeout, [] { DefaultLoopTimerHost().RunDue(); });
    pump.start();
    dialog.show();
    dialog.StartRun();
    QTimer::singleShot(4000, &dialog, [&] {
        const bool saved = dialog.grab().save(QString::fromStdString(o.out));
        dialog.StopRun();
        QApplication::exit(saved ? 0 : 1);
    });
    const int status = QApplication::exec();
    DefaultLoopTimerHost().RunUntil([&] { return !dialog.IsRunning(); }, LimitMs);
    SetCurrentMessageBoxHost(nullptr);
    return status;
}

int ShowAbout(const Options& o) {
    QElapsedTimer since;
    since.start();
    uiAboutBox* box = ShowAboutBox(nullptr, GTex(), nullptr);
    new FirstPaint(box, since);
    SaveWhenShown(box, o.out);
    return QApplication::exec();
}

int ShowPort(const Options& o) {
    QElapsedTimer since;
    since.start();
    uiPortDialog dialog(GTex(), 3, nullptr);
    new FirstPaint(&dialog, since);
    dialog.show();
    SaveWhenShown(&dialog, o.out);
    return QApplication::exec();
}

// The serial trace window once an information exchange has been traced.
int ShowTrace(const Options& o) {
    RadioSession session(o.port);
    indTraceLog log;
    session.Manager().SetTrace(&log);
    uiTraceWindow window(log, GTex(), {}, nullptr);
    window.show();
    session.Commands().SetFinished([&](int outcome) {
        if (outcome != 0) {
            QApplication::exit(1);
            return;
        }
        SaveWhenShown(&window, o.out);
    });
    if (!session.Commands().CloneInfo()) {
        return Fail("the information exchange did not start");
    }
    QTimer::singleShot(LimitMs, [] { QApplication::exit(1); });
    const int status = QApplication::exec();
    session.Manager().SetTrace(nullptr);
    return status;
}

int ShowIcons(const Options& o) {
    QWidget sheet;
    auto* grid = new QGridLayout(&sheet);
    const auto row = [grid](int r, int count, QIcon (*icon)(int)) {
        for (int i = 0; i < count; ++i) {
            auto* label = new QLabel;
            label->setPixmap(icon(i).pixmap(16, 16));
            grid->addWidget(label, r, i);
        }
    };
    row(0, Icons::TreeCount, Icons::Tree);
    row(1, Icons::ToolBarCount, Icons::ToolBar);
    sheet.show();
    SaveWhenShown(&sheet, o.out);
    return QApplication::exec();
}

// A Pmr image with two channels, and a copy whose first channel was retuned and renamed.
int ShowCompare(const Options& o) {
    indSheetSession mine, other;
    for (indSheetSession* s : {&mine, &other}) {
        s->Document().ChangeModelType(ModelPmr, false);
        s->Document().NewFile();
        s->ShowSheet("[St_ChBank]GI_Sheet_Mch_Pmr,Bank 0");
        for (const auto& [item, channel, text] :
             {std::tuple{CL_Mch_FreqR, 0, "146.52"}, std::tuple{CL_Mch_FreqR, 1, "145.5"},
              std::tuple{CL_Mch_Text, 0, "CALLING"}}) {
            const bool changed = s == &other && channel == 0;
            if (const auto at = s->Sheet()->FindCell(item, channel)) {
                s->Sheet()->SetCurrent(*at);
                s->Cells()->Commit(changed ? (item == CL_Mch_Text ? "REPEATER" : "145.6") : text);
            }
        }
    }
    indCompareResult result;
    result.ok = true;
    result.modelThis = result.modelOther = ModelPmr;
    result.diff = DiffImages(mine.Context(), other.Context());
    auto* list = new uiCompareList(result, "club-radios.clf", nullptr, nullptr);
    list->show();
    SaveWhenShown(list, o.out);
    return QApplication::exec();
}

// The errors of a refused import, as the window lists them.
int ShowProblems(const Options& o) {
    indSheetSession s;
    std::vector<indCsvProblem> errors, notes;
    const std::string exported = ChannelCsv::ExportChannelCsv(s.Context());
    const std::string csv = exported.substr(0, exported.find('\n') + 1) + "1,bad\n1,300\n17,1\n";
    ChannelCsv::ImportChannelCsv(s.Context(), csv, errors, notes);
    std::vector<std::string> lines;
    for (const indCsvProblem& p : errors) {
        lines.push_back(ChannelCsv::DescribeCsvProblem(p));
    }
    uiProblemList list("Import Channels (CSV)",
                       "The channels were not imported; nothing was changed. " +
                           std::to_string(lines.size()) +
                           (lines.size() == 1 ? " error:" : " errors:"),
                       lines, nullptr);
    list.show();
    SaveWhenShown(&list, o.out);
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SetProgramPath(argv[0]);
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--port" && i + 1 < argc) {
            o.port = argv[++i];
        } else if (arg == "--dark") {
            o.dark = true;
        } else if (o.name.empty()) {
            o.name = arg;
        } else {
            o.out = arg;
        }
    }
    const std::map<std::string, std::function<int(const Options&)>> shots = {
        {"about", ShowAbout},
        {"port", ShowPort},
        {"progress", ShowProgress},
        {"info", ShowInfo},
        {"icons", ShowIcons},
        {"fleet", ShowFleet},
        {"trace", ShowTrace},
        {"compare", ShowCompare},
        {"problems", ShowProblems},
        {"dot-editor", [](const Options& opts) { return ShowDotEditor(opts.out); }},
        {"text-editor", [](const Options& opts) { return ShowTextEditor(opts.out); }},
        {"preview", [](const Options& x) { return PrintShots::Preview(x.out); }},
        {"eeprom", [](const Options& x) { return PrintShots::Eeprom(x.out); }}};
    if (IsSheetShot(o.name) && !o.out.empty()) {
        if (o.dark) {
            UseDarkPalette();
        }
        return ShowSheetShot(o.name, o.out);
    }
    const auto shot = shots.find(o.name);
    const bool needsPort =
        o.name == "progress" || o.name == "info" || o.name == "fleet" || o.name == "trace";
    if (shot == shots.end() || o.out.empty() || (needsPort && o.port.empty())) {
        return Fail(
            "usage: orvane-shots about|port|progress|info|icons|fleet|trace|compare|problems|"
            "dot-editor|text-editor|preview|eeprom|sheet-bank|sheet-settings|sheet-choice|"
            "sheet-editor|sheet-flags OUT.png [--port DEVICE] [--dark]");
    }
    if (o.dark) {
        UseDarkPalette();
    }
    QApplication::setWindowIcon(Icons::Application());
    return shot->second(o);
}
