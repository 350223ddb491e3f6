#pragma once

#include "Setting.h"

#include <QStringList>
#include <QWidget>

class QLineEdit;
class QToolButton;

// Eight preset emoji and a small field for any other; the goal's emoji is
// always a single user-perceived character (or nothing).
class EmojiChooser : public QWidget {
    Q_OBJECT

public:
    explicit EmojiChooser(Setting<QString> emoji, QWidget *parent = nullptr);

    static const QStringList &presets();

    QLineEdit *field() const { return field_; }
    // The preset shown as chosen, or -1.
    int highlighted() const;
    QToolButton *presetButton(int index) const { return buttons_.at(index); }

private:
    void followStore();

    Setting<QString> emoji_;
    QList<QToolButton *> buttons_;
    QLineEdit *field_;
};
