#ifndef QUORVEX_UI_BUTTON_SAMPLES_VIEW_H_
#define QUORVEX_UI_BUTTON_SAMPLES_VIEW_H_

#include <QWidget>
#include <vector>

#include "app/button_preview.h"

class QHBoxLayout;

namespace quorvex::ui {

// A row of a style's sample buttons, each picture above its caption; a
// sample without a picture shows "(none)".
class ButtonSamplesView : public QWidget {
  Q_OBJECT

 public:
  explicit ButtonSamplesView(QWidget* parent = nullptr);

  // Shows `samples` in place of what was shown.
  void showSamples(const std::vector<ButtonPreview::Sample>& samples);

 private:
  QHBoxLayout* row_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_BUTTON_SAMPLES_VIEW_H_
