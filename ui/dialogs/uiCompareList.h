#pragma once
// The differences between the working image and another clone file as a
// list: sheet, row, column, this image, the other file. A double click on a
// cell's line opens that sheet at that cell (through the callback).

#include <QDialog>
#include <functional>
#include <string>

#include "ChannelExchange.h"

class QTreeWidget;

class uiCompareList : public QDialog {
  public:
    using OpenCell = std::function<void(const std::string& reference, int row, int col)>;

    uiCompareList(const indCompareResult& result, const std::string& otherName, OpenCell open,
                  QWidget* owner);
    QTreeWidget* List() const { return list_; }

  private:
    QTreeWidget* list_;
};
