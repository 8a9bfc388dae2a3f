#include "cuiQtMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <functional>

#include "OverlayStyle.h"
#include "indMain.h"

namespace {

constexpr uint8_t Checked = 0x04, Hidden = 0x08, Disabled = 0x10, Caption = 0x20;

}  // namespace

cuiQtMenu::cuiQtMenu(QMenuBar& bar, cmcGTex& texts, indMain& main, ImageList images)
    : QObject(&bar), bar_(bar), texts_(texts), main_(main), images_(std::move(images)) {}

cuiQtMenu::~cuiQtMenu() = default;

void cuiQtMenu::Build(const std::string& section) {
    bar_.clear();
    entries_.clear();
    fixed_.clear();
    bodies_.clear();
    layout_ = std::make_unique<cmcMenuLayout>();
    layout_->Load(texts_, section);
    AddItems(*layout_, nullptr, entries_, true);
    Refresh();
}

// Items with items under them become submenus; a root of nullptr is the menu bar.
void cuiQtMenu::AddItems(const cmcMenuLayout& layout, QMenu* root, std::vector<Entry>& entries,
                         bool windowShortcuts) {
    const auto& items = layout.Items();
    std::vector<QMenu*> menus(items.size(), nullptr);
    for (size_t i = 0; i < items.size(); ++i) {
        const cmcMenuItem& item = items[i];
        QMenu* parent = item.parent >= 0 ? menus[static_cast<size_t>(item.parent)] : root;
        const bool hasChildren = i + 1 < items.size() && items[i + 1].parent == static_cast<int>(i);
        const QString caption = OverlayStyle::Qs(item.cell.Text());
        QAction* action = nullptr;
        if (hasChildren) {
            QMenu* menu = parent != nullptr ? parent->addMenu(caption) : bar_.addMenu(caption);
            menus[i] = menu;
            action = menu->menuAction();
        } else if (caption == QLatin1String("-")) {
            if (parent != nullptr) {
                QAction* separator = parent->addSeparator();
                if (&entries == &entries_) {
                    fixed_.insert(separator);
                }
            }
            continue;
        } else {
            action = parent != nullptr ? parent->addAction(caption) : bar_.addAction(caption);
        }
        auto* cell = const_cast<cmcCellObj*>(&item.cell);
        if (item.cell.param && !hasChildren) {
            // "Ctrl+Shift+Z; Ctrl+Y": one entry, several keys.
            action->setShortcuts(QKeySequence::listFromString(OverlayStyle::Qs(*item.cell.param)));
            // The Edit menu's keys belong to the sheet; the menu only shows them.
            action->setShortcutContext(windowShortcuts ? Qt::WindowShortcut : Qt::WidgetShortcut);
        }
        if (item.cell.imageIndex >= 0 && images_) {
            action->setIcon(images_(item.cell.imageIndex));
        }
        if (!hasChildren) {
            connect(action, &QAction::triggered, this, [this, cell] { main_.ClickCell(*cell); });
        }
        entries.push_back({action, cell});
        if (&entries == &entries_) {
            fixed_.insert(action);
        }
    }
}

void cuiQtMenu::Refresh() {
    // Entries are asked by index: a query may refill a body (MenuFill is sent).
    const size_t count = entries_.size();
    for (size_t i = 0; i < count && i < entries_.size(); ++i) {
        Refresh(entries_[i]);
    }
    std::vector<Entry> bodyEntries;
    for (const auto& [item, body] : bodies_) {
        bodyEntries.insert(bodyEntries.end(), body.entries.begin(), body.entries.end());
    }
    for (const Entry& e : bodyEntries) {
        Refresh(e);
    }
}

void cuiQtMenu::Refresh(Entry entry) {
    cmcCellObj& cell = *entry.cell;
    if (cell.item == kNoCellItem) {
        return;
    }
    // The query may refill a body (MenuFill is sent): the entry is a copy.
    main_.QueryCell(cell);
    QAction* action = entry.action;
    const bool checked = (cell.stateFlags & Checked) != 0;
    action->setCheckable(checked || action->isCheckable());
    action->setChecked(checked);
    action->setVisible((cell.stateFlags & Hidden) == 0);
    action->setEnabled((cell.stateFlags & Disabled) == 0);
    if ((cell.stateFlags & Caption) != 0 && action->text() != OverlayStyle::Qs(cell.Text())) {
        action->setText(OverlayStyle::Qs(cell.Text()));
    }
}

QMenu* cuiQtMenu::FindMenu(int item) const {
    for (const Entry& e : entries_) {
        if (e.cell->item == item) {
            return e.action->menu();
        }
    }
    return nullptr;
}

QAction* cuiQtMenu::FindAction(int item, int index) const {
    for (const Entry& e : entries_) {
        if (e.cell->item == item && e.cell->index == index) {
            return e.action;
        }
    }
    return nullptr;
}

void cuiQtMenu::ClearMenu(QMenu& menu) {
    // The entries the main section itself puts there (Edit > Undo) stay.
    std::vector<QAction*> gone;
    const std::function<void(QMenu&)> collect = [&](QMenu& m) {
        for (QAction* a : m.actions()) {
            if (fixed_.contains(a)) {
                continue;
            }
            gone.push_back(a);
            if (a->menu() != nullptr) {
                collect(*a->menu());
            }
        }
    };
    collect(menu);
    std::erase_if(entries_, [&](const Entry& e) {
        return std::find(gone.begin(), gone.end(), e.action) != gone.end();
    });
    for (QAction* a : menu.actions()) {
        if (!fixed_.contains(a)) {
            menu.removeAction(a);
            if (a->menu() != nullptr) {
                delete a->menu();
            } else if (a->parent() == &menu) {
                delete a;
            }
        }
    }
}

void cuiQtMenu::ClearBody(int item) {
    if (QMenu* menu = FindMenu(item)) {
        ClearMenu(*menu);
    }
    bodies_.erase(item);
}

void cuiQtMenu::FillBody(int item, const std::string& sectionBase) {
    QMenu* menu = FindMenu(item);
    if (menu == nullptr) {
        return;
    }
    const auto known = bodies_.find(item);
    if (known != bodies_.end() && known->second.section == sectionBase &&
        !known->second.entries.empty()) {
        return;  // already shows that section
    }
    ClearMenu(*menu);
    Body& body = bodies_[item];
    body.section = sectionBase;
    body.entries.clear();
    body.layout = std::make_unique<cmcMenuLayout>();
    body.layout->Load(texts_, sectionBase);
    AddItems(*body.layout, menu, body.entries, false);
}
