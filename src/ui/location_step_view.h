#ifndef QUORVEX_UI_LOCATION_STEP_VIEW_H_
#define QUORVEX_UI_LOCATION_STEP_VIEW_H_

#include <functional>
#include <string>
#include <vector>

#include "document/address.h"
#include "ui/model_dialog.h"

class QComboBox;
class QLineEdit;

namespace quorvex {
class LocationStep;
}

namespace quorvex::ui {

// The view of "Location Information": the company name, the web address
// and the postal addresses, one shown at a time. The drop-down names the
// addresses by their first line, which its own text edits; the fields below
// edit the selected address at once and are disabled while there is none.
class LocationStepView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  LocationStepView(LocationStep& model, std::function<void()> help, QWidget* parent);

 protected:
  void showModel() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The selected address, or nullptr.
  CAddress* selected();
  // Shows the selected address in the fields.
  void showSelected();

  LocationStep& model_;
  QComboBox* addresses_;
  // The fields of the address's other lines, each with the line it edits.
  std::vector<std::pair<QLineEdit*, std::string CAddress::*>> lineFields_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_LOCATION_STEP_VIEW_H_
