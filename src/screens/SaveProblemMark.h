#pragma once

#include <QWidget>

// A small orange dot in the panel's corner while the settings cannot be
// saved, its tooltip saying why; hidden otherwise.
class SaveProblemMark : public QWidget {
    Q_OBJECT

public:
    explicit SaveProblemMark(QWidget *parent = nullptr);

    void setProblem(const QString &problem);

protected:
    void paintEvent(QPaintEvent *event) override;
};
