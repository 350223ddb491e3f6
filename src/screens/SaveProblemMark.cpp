#include "SaveProblemMark.h"

#include "TextStyle.h"

#include <QPainter>

SaveProblemMark::SaveProblemMark(QWidget *parent)
    : QWidget(parent) {
    setFixedSize(10, 10);
    setAccessibleName(tr("Settings not saved"));
    hide();
}

void SaveProblemMark::setProblem(const QString &problem) {
    setToolTip(tr("Paytick can't save its settings (%1). It keeps trying; what you "
                  "typed is kept while it runs.")
                   .arg(problem));
    setVisible(!problem.isEmpty());
    raise();
}

void SaveProblemMark::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(TextStyle::warning());
    painter.drawEllipse(QRectF(rect()).adjusted(1, 1, -1, -1));
}
