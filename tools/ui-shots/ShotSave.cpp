#include "ShotSave.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <cstdio>

void SaveWhenShown(QWidget* window, const std::string& out, int delayMs) {
    QTimer::singleShot(delayMs, window, [window, out] {
        const bool saved = window->grab().save(QString::fromStdString(out));
        if (!saved) {
            std::fprintf(stderr, "orvane-shots: cannot write %s\n", out.c_str());
        }
        QApplication::exit(saved ? 0 : 1);
    });
}
