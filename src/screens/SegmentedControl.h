#pragma once

#include <QButtonGroup>
#include <QStringList>
#include <QWidget>

// A row of exclusive segments, one of them selected.
class SegmentedControl : public QWidget {
    Q_OBJECT

public:
    // `title` names the control for accessibility; it is not drawn.
    SegmentedControl(const QString &title, const QStringList &labels, QWidget *parent = nullptr);

    int selected() const { return group_.checkedId(); }
    void setSelected(int index);
    void setLabel(int index, const QString &label);
    QString label(int index) const;
    int count() const { return static_cast<int>(group_.buttons().size()); }

signals:
    // Only for the user's choices, not for setSelected.
    void chosen(int index);

private:
    QButtonGroup group_;
};
