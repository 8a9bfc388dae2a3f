#pragma once
// The main menu built from an overlay menu section: each entry is a cell, a
// click is Enter on that cell through the item handler, and a refresh asks the
// handler for every entry's checked, hidden, disabled and caption bits. The
// entries under one entry can be refilled from another section (the Edit menu
// mirrors the pop-up menu of the current sheet cell).

#include <QIcon>
#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "MenuLayout.h"

class QAction;
class QMenu;
class QMenuBar;
class QWidget;
class cmcGTex;
class indMain;

class cuiQtMenu : public QObject {
  public:
    using ImageList = std::function<QIcon(int index)>;

    cuiQtMenu(QMenuBar& bar, cmcGTex& texts, indMain& main, ImageList images);
    ~cuiQtMenu() override;

    void Build(const std::string& section);
    // MenuStates.
    void Refresh();
    // MenuClear and MenuFill: the entries under the entry of item.
    void ClearBody(int item);
    void FillBody(int item, const std::string& sectionBase);

    // The entry of a command item (tests, the benchmark); nullptr when absent.
    QAction* FindAction(int item, int index = 0) const;
    QMenu* FindMenu(int item) const;

  private:
    struct Entry {
        QAction* action;
        cmcCellObj* cell;
    };
    void AddItems(const cmcMenuLayout& layout, QMenu* root, std::vector<Entry>& entries,
                  bool bodyShortcuts);
    void Refresh(Entry entry);
    // Empties a menu, forgetting the entries whose actions go with it.
    void ClearMenu(QMenu& menu);

    QMenuBar& bar_;
    cmcGTex& texts_;
    indMain& main_;
    ImageList images_;
    std::unique_ptr<cmcMenuLayout> layout_;
    std::vector<Entry> entries_;
    std::set<QAction*> fixed_;  // the main section's own actions
    struct Body {
        std::string section;
        std::unique_ptr<cmcMenuLayout> layout;
        std::vector<Entry> entries;
    };
    std::map<int, Body> bodies_;
};
