#pragma once
// The progress window of a clone read or write: a bar of 32 cells over a
// 256 x 16 drawing area, repainted as data bytes arrive or leave. It has no
// buttons: an exchange ends by itself. uiCloneProgressHost is what the
// clone manager talks to: it disables the main window during an exchange and
// shows, updates and removes the progress window.

#include <QFrame>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include "indCloneMan.h"

class cmcGTex;

// Cell i of a bar width pixels wide and height high: w = width / 32; the cell
// covers w*i .. w*(i+1)-1, of which the last column is the gap.
QRect ProgressCellRect(int cell, int width, int height);

class uiProgressBar : public QWidget {
    Q_OBJECT
  public:
    static constexpr int DrawWidth = 256;
    static constexpr int DrawHeight = 16;

    explicit uiProgressBar(QWidget* parent = nullptr);
    void SetProgress(const indCloneProgress& progress);
    int Filled() const { return filled_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int filled_ = 0;
};

class uiCloneProgress : public QWidget {
    Q_OBJECT
  public:
    // A tool window without system menu or buttons over owner.
    uiCloneProgress(QWidget* owner, cmcGTex& texts);

    void SetProgress(const indCloneProgress& progress) { bar_->SetProgress(progress); }
    uiProgressBar* Bar() const { return bar_; }

  private:
    uiProgressBar* bar_ = nullptr;
};

class uiCloneProgressHost : public indCloneManHost {
  public:
    uiCloneProgressHost(QWidget* mainWindow, cmcGTex& texts);
    ~uiCloneProgressHost() override;

    void EnableMainWindow(bool enabled) override;
    void ShowProgress() override;
    void UpdateProgress(const indCloneProgress& progress) override;
    void HideProgress() override;

    uiCloneProgress* Window() const { return window_; }

  private:
    QWidget* mainWindow_;
    cmcGTex& texts_;
    QPointer<uiCloneProgress> window_;
};
