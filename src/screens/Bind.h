#pragma once

#include "SegmentedControl.h"
#include "Setting.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QSignalBlocker>

#include <functional>

class QLineEdit;
class TypingPause;

// One way to tie a control to a key, for every kind of control. The control
// writes the key on the user's own signal only, and follows every change of
// the key (its own writes included) with its signals blocked, so that
// following never writes back.
namespace Bind {

// Brings `control` to the setting now and after every change of it, by
// `show(control, value)`.
template <typename Control, typename T, typename Show>
void follow(Control *control, const Setting<T> &setting, Show show) {
    const auto update = [control, setting, show] {
        const QSignalBlocker quiet(control);
        show(control, setting.get());
    };
    update();
    setting.observe(control, update);
}

// Text as typed, handed over when typing pauses, and shown by `show` (by
// default only when it differs, so the caret and the input method stay). A
// change of the key made elsewhere replaces what still waits.
TypingPause *text(QLineEdit *edit, const Setting<QString> &setting,
                  std::function<void(QLineEdit *, const QString &)> show = {});

// A switch, or any checkable button.
void toggle(QAbstractButton *button, const Setting<bool> &setting);

// One case of a closed list, a segment per case in its order.
template <ClosedListEnum T> void segments(SegmentedControl *control, const Setting<T> &setting) {
    QObject::connect(control, &SegmentedControl::chosen, control,
                     [setting](int index) { setting.set(allCases<T>().at(std::size_t(index))); });
    follow(control, setting, [](SegmentedControl *c, T value) { c->setSelected(int(value)); });
}

// One case of a closed list, as an exclusive row of buttons whose ids are the
// cases' places in the list (the colour swatches).
template <ClosedListEnum T> void buttonRow(QButtonGroup *group, const Setting<T> &setting) {
    QObject::connect(group, &QButtonGroup::idClicked, group,
                     [setting](int id) { setting.set(allCases<T>().at(std::size_t(id))); });
    follow(group, setting, [](QButtonGroup *g, T value) {
        if (QAbstractButton *button = g->button(int(value)))
            button->setChecked(true);
    });
}

// One case of a closed list, as a pop-up with an item per case in its order.
// Nothing is chosen until the user picks (Return or a click).
template <ClosedListEnum T> void popUp(QComboBox *box, const Setting<T> &setting) {
    QObject::connect(box, &QComboBox::activated, box,
                     [setting](int index) { setting.set(allCases<T>().at(std::size_t(index))); });
    follow(box, setting, [](QComboBox *b, T value) { b->setCurrentIndex(int(value)); });
}

// Calls `follow` after every change of any of the keys named, while `context`
// lives: for what depends on more than one key.
void anyOf(SettingsStore &store, QObject *context, const QList<QLatin1StringView> &names,
           std::function<void()> follow);

// Toggles for the days of the week, `dayNumbers` Qt's numbers of the buttons.
void days(const QList<QAbstractButton *> &buttons, const QList<int> &dayNumbers,
          const Setting<WeekDays> &setting);

} // namespace Bind
