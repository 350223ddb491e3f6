#include "Bind.h"

#include "FieldText.h"
#include "TypingPause.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace Bind {

TypingPause *text(QLineEdit *edit, const Setting<QString> &setting,
                  std::function<void(QLineEdit *, const QString &)> show) {
    auto *typing = new TypingPause(edit, [setting](const QString &typed) { setting.set(typed); });
    if (!show)
        show = FieldText::show;
    follow(edit, setting, [typing, show](QLineEdit *field, const QString &stored) {
        typing->discard();
        show(field, stored);
    });
    return typing;
}

void toggle(QAbstractButton *button, const Setting<bool> &setting) {
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [setting](bool on) { setting.set(on); });
    follow(button, setting, [](QAbstractButton *b, bool on) { b->setChecked(on); });
}

void anyOf(SettingsStore &store, QObject *context, const QList<QLatin1StringView> &names,
           std::function<void()> follow) {
    QObject::connect(&store, &SettingsStore::changed, context,
                     [keys = names, follow](const QString &key) {
                         if (keys.contains(key))
                             follow();
                     });
}

void days(const QList<QAbstractButton *> &buttons, const QList<int> &dayNumbers,
          const Setting<WeekDays> &setting) {
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const int day = dayNumbers[i];
        QObject::connect(buttons[i], &QAbstractButton::clicked, buttons[i],
                         [setting, day](bool on) { setting.set(setting.get().with(day, on)); });
        follow(buttons[i], setting, [day](QAbstractButton *b, const WeekDays &days) {
            b->setChecked(days.contains(day));
        });
    }
}

} // namespace Bind
