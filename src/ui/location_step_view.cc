#include "ui/location_step_view.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "app/location_step.h"
#include "ui/field_binding.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

LocationStepView::LocationStepView(LocationStep& model, std::function<void()> help,
                                   QWidget* parent)
    : ModelDialog(model, Buttons::kFirstStep, std::move(help), parent),
      model_(model),
      addresses_(new QComboBox) {
  auto* company = new QFormLayout;
  addTextRow(*company, "Company Na&me:", model.companyName)->setMinimumWidth(320);
  addTextRow(*company, "Company &URL:", model.url);

  addresses_->setEditable(true);
  addresses_->setInsertPolicy(QComboBox::NoInsert);
  addresses_->installEventFilter(this);
  connect(addresses_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index < 0) {
      model_.selectedAddress.reset();
    } else {
      model_.selectedAddress = static_cast<size_t>(index);
    }
    showSelected();
  });
  // The drop-down's own text is the selected address's first line.
  connect(addresses_, &QComboBox::editTextChanged, this, [this](const QString& text) {
    CAddress* address = selected();
    if (address == nullptr) return;
    address->line1 = fromQt(text);
    addresses_->setItemText(addresses_->currentIndex(), text);
  });

  auto* add = new QPushButton("A&dd Address...");
  auto* remove = new QPushButton("Remo&ve Address");
  connect(add, &QPushButton::clicked, this, [this] { model_.addAddress(); });
  connect(remove, &QPushButton::clicked, this, [this] { model_.removeAddress(); });
  auto* chooser = new QHBoxLayout;
  chooser->addWidget(addresses_, 1);
  chooser->addWidget(add);
  chooser->addWidget(remove);

  auto* fields = new QFormLayout;
  fields->addRow("Addr&ess Name:", chooser);
  const std::pair<const char*, std::string CAddress::*> lines[] = {
      {"&Address:", &CAddress::line2},
      {"C&ity:", &CAddress::city},
      {"&State/Province:", &CAddress::stateProvince},
      {"&Zip/Postal:", &CAddress::zipPostal},
      {"C&ountry:", &CAddress::country},
  };
  for (const auto& [label, line] : lines) {
    auto* edit = new QLineEdit;
    connect(edit, &QLineEdit::textEdited, this, [this, member = line](const QString& text) {
      if (CAddress* address = selected()) address->*member = fromQt(text);
    });
    fields->addRow(label, edit);
    lineFields_.push_back({edit, line});
  }
  auto* postal = new QGroupBox("Postal Addresses");
  postal->setLayout(fields);

  body()->addLayout(company);
  body()->addSpacing(6);
  body()->addWidget(postal);
  showModel();
}

CAddress* LocationStepView::selected() {
  std::vector<CAddress>& list = model_.contact.addresses;
  if (!model_.selectedAddress || *model_.selectedAddress >= list.size()) return nullptr;
  return &list[*model_.selectedAddress];
}

void LocationStepView::showModel() {
  const QSignalBlocker blocker(addresses_);
  addresses_->clear();
  for (const CAddress& address : model_.contact.addresses) addresses_->addItem(toQt(address.line1));
  if (!model_.selectedAddress && !model_.contact.addresses.empty()) model_.selectedAddress = 0;
  addresses_->setCurrentIndex(selected() == nullptr ? -1
                                                    : static_cast<int>(*model_.selectedAddress));
  showSelected();
}

void LocationStepView::showSelected() {
  CAddress* address = selected();
  if (address != nullptr) {
    const QSignalBlocker blocker(addresses_);
    addresses_->setEditText(toQt(address->line1));
  }
  for (auto& [edit, line] : lineFields_) {
    edit->setText(address == nullptr ? QString() : toQt(address->*line));
    edit->setEnabled(address != nullptr);
  }
}

bool LocationStepView::eventFilter(QObject* watched, QEvent* event) {
  // Going to the drop-down of an empty list means adding the first address.
  if (watched == addresses_ && event->type() == QEvent::FocusIn &&
      model_.contact.addresses.empty()) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::MouseFocusReason ||
        reason == Qt::ShortcutFocusReason) {
      QTimer::singleShot(0, this, [this] { model_.addAddress(); });
    }
  }
  return ModelDialog::eventFilter(watched, event);
}

}  // namespace quorvex::ui
