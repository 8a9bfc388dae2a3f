#include "Icons.h"

#include <array>

// The images are compiled into this static library; its resource initialiser
// must be called by name, outside any namespace.
static void LoadResources() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    (void)loaded;
}

namespace {

using Icons::Entry;

constexpr std::array<Entry, Icons::TreeCount> kTree = {{
    {":/icons/tree_rig.png", ""},
    {":/icons/tree_folder.png", "folder"},
    {":/icons/tree_note1.png", ""},
    {":/icons/tree_note2.png", ""},
    {":/icons/tree_bank0.png", ""},
    {":/icons/tree_bank1.png", ""},
    {":/icons/tree_bank2.png", ""},
    {":/icons/tree_bank3.png", ""},
    {":/icons/tree_warn.png", ""},
    {":/icons/tree_error.png", ""},
}};

constexpr std::array<Entry, Icons::ToolBarCount> kToolBar = {{
    {":/icons/bar_new.png", "document-new"},
    {":/icons/bar_open.png", "document-open"},
    {":/icons/bar_save.png", "document-save"},
    {":/icons/bar_port1.png", ""},
    {":/icons/bar_port2.png", ""},
    {":/icons/bar_port3.png", ""},
    {":/icons/bar_port4.png", ""},
    {":/icons/bar_clone_read.png", ""},
    {":/icons/bar_clone_write.png", ""},
    {":/icons/bar_clone_info.png", ""},
    {":/icons/bar_pen.png", ""},
    {":/icons/bar_fill.png", ""},
    {":/icons/bar_slider.png", ""},
}};

template <size_t N>
const Entry* At(const std::array<Entry, N>& table, int index) {
    return index >= 0 && static_cast<size_t>(index) < N ? &table[static_cast<size_t>(index)]
                                                        : nullptr;
}

QIcon Make(const Entry* entry) {
    if (entry == nullptr) {
        return {};
    }
    LoadResources();
    const QIcon bundled(QString::fromLatin1(entry->resource));
    if (entry->themeName[0] == '\0') {
        return bundled;
    }
    return QIcon::fromTheme(QString::fromLatin1(entry->themeName), bundled);
}

}  // namespace

namespace Icons {

const Entry* TreeEntry(int index) {
    return At(kTree, index);
}

const Entry* ToolBarEntry(int index) {
    return At(kToolBar, index);
}

QIcon Tree(int index) {
    return Make(TreeEntry(index));
}

QIcon ToolBar(int index) {
    return Make(ToolBarEntry(index));
}

QIcon Application() {
    LoadResources();
    QIcon icon(QStringLiteral(":/icons/app_48.png"));
    icon.addFile(QStringLiteral(":/icons/app_32.png"));
    icon.addFile(QStringLiteral(":/icons/tree_rig.png"));
    return icon;
}

}  // namespace Icons
