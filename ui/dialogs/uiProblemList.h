#pragma once
// A message with a list under it: every error of a refused CSV import (or
// the notes of one that went through) in one window.

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;

class uiProblemList : public QDialog {
  public:
    uiProblemList(const std::string& title, const std::string& message,
                  const std::vector<std::string>& lines, QWidget* owner);
    QListWidget* List() const { return list_; }

  private:
    QListWidget* list_;
};
