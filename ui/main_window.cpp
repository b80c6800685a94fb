#include "main_window.h"

#include <QHeaderView>
#include <QTreeView>

TFormMain::TFormMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Morvane 1.0"));
    auto *list = new QTreeView(this);
    list->setObjectName(QStringLiteral("lvFiles"));
    setCentralWidget(list);
    resize(1024, 640);
}
