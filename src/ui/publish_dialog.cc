#include "ui/publish_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/publish_model.h"
#include "ui/help_key.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

PublishDialog::PublishDialog(PublishModel& model, std::function<void()> help,
                             QWidget* parent)
    : QDialog(parent),
      model_(model),
      status_(new QLabel),
      bar_(new QProgressBar),
      go_(new QPushButton),
      uploadAll_(new QPushButton),
      close_(new QPushButton("Close")) {
  setWindowTitle("Publish Web Site To Internet");
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  addHelpKey(*this, std::move(help));
  auto* intro = new QLabel(toQt(PublishModel::introText()));
  intro->setWordWrap(true);
  intro->setMinimumWidth(420);
  status_->setMinimumHeight(status_->fontMetrics().height() * 2);
  status_->setWordWrap(true);
  bar_->setFormat("%v of %m files");
  go_->setDefault(true);
  connect(go_, &QPushButton::clicked, this, &PublishDialog::go);
  connect(uploadAll_, &QPushButton::clicked, this, &PublishDialog::uploadAll);
  connect(close_, &QPushButton::clicked, this, &PublishDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(go_);
  buttons->addWidget(uploadAll_);
  buttons->addStretch();
  buttons->addWidget(close_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addSpacing(6);
  layout->addWidget(status_);
  layout->addWidget(bar_);
  layout->addSpacing(6);
  layout->addLayout(buttons);

  timer_.setInterval(10);
  connect(&timer_, &QTimer::timeout, this, &PublishDialog::poll);
  refresh();
}

void PublishDialog::go() {
  model_.go();
  refresh();
  if (model_.timerActive()) timer_.start();
}

void PublishDialog::uploadAll() {
  model_.uploadAll();
  refresh();
  if (model_.timerActive()) timer_.start();
}

void PublishDialog::poll() {
  model_.poll();
  if (!model_.timerActive()) timer_.stop();
  refresh();
  if (model_.closed()) QDialog::reject();
}

void PublishDialog::reject() {
  if (model_.accept()) {
    QDialog::reject();
    return;
  }
  refresh();
}

void PublishDialog::refresh() {
  go_->setText(toQt(model_.goButtonText()));
  uploadAll_->setText(toQt(model_.uploadAllButtonText()));
  status_->setText(toQt(model_.statusText()));
  bar_->setRange(0, std::max(1, model_.progressMaximum()));
  bar_->setValue(model_.progressPosition());
  const bool enabled = model_.controlsEnabled();
  uploadAll_->setEnabled(enabled);
  close_->setEnabled(enabled);
}

}  // namespace quorvex::ui
