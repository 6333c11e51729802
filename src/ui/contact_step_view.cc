#include "ui/contact_step_view.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/contact_step.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

ContactStepView::ContactStepView(ContactStep& model, std::function<void()> help,
                                 QWidget* parent)
    : ModelDialog(model, Buttons::kStep, std::move(help), parent),
      model_(model),
      emails_(new QListWidget),
      phones_(new QListWidget) {
  const ListPanel emailPanel = {"Email Addresses", "Add E&mail...", "&Edit Email...",
                                "&Delete Email", &ContactStep::addEmail,
                                &ContactStep::editEmail, &ContactStep::deleteEmail};
  const ListPanel phonePanel = {"Phone/Fax Numbers", "Add Ph&one...", "Edi&t Phone...",
                                "De&lete Phone", &ContactStep::addPhone,
                                &ContactStep::editPhone, &ContactStep::deletePhone};
  body()->addWidget(makePanel(emailPanel, emails_, model.selectedEmail));
  body()->addWidget(makePanel(phonePanel, phones_, model.selectedPhone));
  // Lists room for a few entries each, rather than their default height.
  resize(520, 380);
  showModel();
}

QWidget* ContactStepView::makePanel(const ListPanel& panel, QListWidget* list,
                                    std::optional<size_t>& selection) {
  list->setMinimumSize(360, 110);
  connect(list, &QListWidget::currentRowChanged, this, [&selection](int row) {
    if (row < 0) {
      selection.reset();
    } else {
      selection = static_cast<size_t>(row);
    }
  });
  auto call = [this](void (ContactStep::*operation)()) {
    return [&model = model_, operation] { (model.*operation)(); };
  };
  connect(list, &QListWidget::itemDoubleClicked, this, call(panel.edit));

  auto* buttons = new QVBoxLayout;
  for (const auto& [text, operation] : {std::pair{panel.addText, panel.add},
                                        std::pair{panel.editText, panel.edit},
                                        std::pair{panel.deleteText, panel.remove}}) {
    auto* button = new QPushButton(text);
    connect(button, &QPushButton::clicked, this, call(operation));
    buttons->addWidget(button);
  }
  buttons->addStretch();

  auto* box = new QGroupBox(panel.title);
  auto* layout = new QHBoxLayout(box);
  layout->addWidget(list, 1);
  layout->addLayout(buttons);
  return box;
}

void ContactStepView::showModel() {
  showList(*emails_, model_.contact.emails, model_.selectedEmail);
  showList(*phones_, model_.contact.phones, model_.selectedPhone);
}

void ContactStepView::showList(QListWidget& list, const std::vector<CLabelValue>& entries,
                               std::optional<size_t>& selection) {
  const QSignalBlocker blocker(&list);
  list.clear();
  for (const CLabelValue& entry : entries) list.addItem(toQt(ContactStep::entryText(entry)));
  if (selection && *selection < entries.size()) {
    list.setCurrentRow(static_cast<int>(*selection));
  } else {
    selection.reset();
  }
}

}  // namespace quorvex::ui
