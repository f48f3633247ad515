#include "board/Table.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

void enableCommand(QPushButton* button, QAction* item, bool enabled)
{
    if (button) button->setEnabled(enabled);
    if (item) item->setEnabled(enabled);
}

void setViewMenuEnabled(Controls& c, bool enabled)
{
    c.mVisual->setEnabled(enabled);
    c.mVisual->menuAction()->setEnabled(enabled);
}
