#include "ui/radio_choices.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QRadioButton>

namespace quorvex::ui {

QButtonGroup* addRadioChoices(QBoxLayout& box, const QStringList& choices, int32_t current,
                              QObject* owner) {
  auto* group = new QButtonGroup(owner);
  for (int i = 0; i < choices.size(); ++i) {
    auto* button = new QRadioButton(choices[i]);
    button->setChecked(i == current);
    group->addButton(button, i);
    box.addWidget(button);
  }
  return group;
}

QButtonGroup* bindRadioChoices(QBoxLayout& box, const QStringList& choices, int32_t& flag,
                              QObject* owner) {
  QButtonGroup* group = addRadioChoices(box, choices, flag, owner);
  QObject::connect(group, &QButtonGroup::idToggled, group, [&flag](int id, bool checked) {
    if (checked) flag = id;
  });
  return group;
}

}  // namespace quorvex::ui
