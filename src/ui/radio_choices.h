#ifndef QUORVEX_UI_RADIO_CHOICES_H_
#define QUORVEX_UI_RADIO_CHOICES_H_

#include <QStringList>
#include <cstdint>

class QBoxLayout;
class QButtonGroup;
class QObject;

namespace quorvex::ui {

// Adds one radio button per entry of `choices` to `box`, the one numbered
// `current` checked, and returns their group (owned by `owner`), whose ids
// are the entries' numbers.
QButtonGroup* addRadioChoices(QBoxLayout& box, const QStringList& choices, int32_t current,
                              QObject* owner);

// Adds the radio buttons of addRadioChoices() for the flag `flag` and writes
// the number of the one the user checks into it. The flag must outlive the
// buttons.
QButtonGroup* bindRadioChoices(QBoxLayout& box, const QStringList& choices, int32_t& flag,
                              QObject* owner);

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_RADIO_CHOICES_H_
