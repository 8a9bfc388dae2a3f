#pragma once
// The main window of a test on the offscreen platform: its own timers, event
// manager, scripted message boxes and settings in memory.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <memory>
#include <string>

#include "ScopedOverride.h"
#include "TForm1.h"
#include "cmcEvMan.h"
#include "cmcGTex.h"
#include "cmcMessageBoxHost.h"
#include "cmcScriptedMessageBox.h"
#include "cmcSettingsBackend.h"
#include "cmcTimerHost.h"
#include "cuiQtMenu.h"
#include "cuiQtTimerHost.h"
#include "cuiSheet.h"
#include "cuiSheetPane.h"
#include "indEnviron.h"

class HeldLock : public cmcInstanceLock {
  public:
    bool TryLock() override { return true; }
    void Unlock() override {}
};

class WindowTest : public ::testing::Test {
  protected:
    ~WindowTest() override { form.reset(); }
    TForm1& Open() {
        form = std::make_unique<TForm1>(store, GTex());
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        QTest::qWait(30);  // posted state refreshes
        return *form;
    }
    // Waits until the sheet of reference is open with its rows drawn.
    void WaitForSheet(const std::string& reference) {
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return form->Main().Sheet() != nullptr &&
                       form->Main().Sheet()->Reference() == reference &&
                       form->SheetPane().RowCount() > 0;
            },
            2000))
            << reference;
    }
    QAction* Action(int item, int index = 0) { return form->Menu().FindAction(item, index); }
    // Answers the next save dialog with path, typed into its name field.
    void AnswerSaveDialog(const QString& path) {
        auto* timer = new QTimer(form.get());
        QObject::connect(timer, &QTimer::timeout, timer, [timer, path] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            timer->stop();
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            name->setText(path);
            QTest::keyClick(name, Qt::Key_Return);
            timer->deleteLater();
        });
        timer->start(20);
    }

    cuiQtTimerHost timers;
    ScopedOverride<cmcTimerHost> hostOverride_{SetCurrentTimerHost, &timers};
    cmcEvMan events{&timers};
    ScopedOverride<cmcEvMan> eventsOverride_{SetEvMan, &events};
    cmcScriptedMessageBox box;
    ScopedOverride<cmcMessageBoxHost> boxOverride_{SetCurrentMessageBoxHost, &box};
    cmcMemorySettings settings;
    HeldLock lock;
    indEnviron store{&settings, &lock, {1280, 800}};
    std::unique_ptr<TForm1> form;
};
