#include "ui/progress_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/run_progress.h"
#include "ui/help_key.h"
#include "ui/qt_text.h"

namespace quorvex::ui {

ProgressDialog::ProgressDialog(RunProgress& progress, std::function<void()> help,
                               QWidget* parent)
    : QDialog(parent),
      progress_(progress),
      text_(new QLabel),
      bar_(new QProgressBar),
      cancel_(new QPushButton("Cancel")) {
  setWindowTitle(toQt(progress.title()));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  addHelpKey(*this, std::move(help));
  text_->setMinimumWidth(380);
  text_->setWordWrap(true);
  // The runs do not know their length in advance: the bar shows activity.
  bar_->setRange(0, 0);
  bar_->setTextVisible(false);
  cancel_->setVisible(progress.cancelVisible());
  connect(cancel_, &QPushButton::clicked, this, &ProgressDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text_);
  layout->addWidget(bar_);
  layout->addLayout(buttons);
  refresh();

  timer_.setInterval(10);
  connect(&timer_, &QTimer::timeout, this, &ProgressDialog::poll);
}

void ProgressDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (started_) return;
  started_ = true;
  progress_.start();
  timer_.start();
}

void ProgressDialog::poll() {
  progress_.poll();
  refresh();
  if (progress_.closed()) {
    timer_.stop();
    accept();
  }
}

void ProgressDialog::refresh() { text_->setText(toQt(progress_.text())); }

void ProgressDialog::reject() {
  progress_.cancel();
  refresh();
  if (progress_.closed()) {
    timer_.stop();
    QDialog::reject();
  }
}

}  // namespace quorvex::ui
