#ifndef QUORVEX_UI_SET_ALL_ATTRIBUTES_VIEW_H_
#define QUORVEX_UI_SET_ALL_ATTRIBUTES_VIEW_H_

#include <functional>

#include "ui/model_dialog.h"

class QGroupBox;
class QLabel;

namespace quorvex {
class SetAllAttributesDialog;
}

namespace quorvex::ui {

// The view of "Set All Attributes": every attribute of one product row,
// "Ch&arge tax for this item", "&Do NOT publish this product", "&Mark as a
// featured item", the thumbnail, "Short Sales Description", the link, the
// standard or downloaded item with "Upload File To:", "Filename or URL:" and
// its password, and the product features ("P&roduct Features..."). The
// controls of columns fed from an external file are shown disabled.
class SetAllAttributesView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  SetAllAttributesView(SetAllAttributesDialog& model, std::function<void()> help,
                       QWidget* parent);

 private:
  void showModel() override;
  // The flags, the sales description and the features.
  QGroupBox* itemGroup();
  // The thumbnail: not yet, never, or a picture file chosen with "&Browse".
  QGroupBox* pictureGroup();
  QGroupBox* linkGroup();
  QGroupBox* downloadGroup();

  SetAllAttributesDialog& model_;
  QLabel* features_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_SET_ALL_ATTRIBUTES_VIEW_H_
