#ifndef QUORVEX_UI_ENHANCE_PRODUCTS_VIEW_H_
#define QUORVEX_UI_ENHANCE_PRODUCTS_VIEW_H_

#include <functional>
#include <optional>
#include <vector>

#include "app/change_notifier.h"
#include "app/enhance_products_model.h"
#include "ui/model_dialog.h"
#include "ui/product_table_model.h"
#include "ui/thumbnail_cache.h"

class QComboBox;
class QTableView;

namespace quorvex {
class ProductTableStep;
}

namespace quorvex::ui {

// The view of the step "Enhance Product Descriptions": the rows in a grid
// (line number, "Part Number", "Category", "Description", "Link", "Picture"
// with its thumbnail, one column per product feature, "Featured",
// "Publish", "Download", "Sales Description") limited by "Filter Products
// by:", the buttons that set one attribute on the selected lines, each
// through its dialog, "&Set All Attributes" of one line, "F&eature
// Definitions" and "Produc&t Sorting".
class EnhanceProductsView : public ModelDialog {
  Q_OBJECT

 public:
  // `model` and `help` must outlive the dialog.
  EnhanceProductsView(ProductTableStep& model, std::function<void()> help, QWidget* parent);
  ~EnhanceProductsView() override;

 private:
  // The step changed the table: shows its columns and lines again.
  void showModel() override;
  // Shows the lines of the chosen filter entry.
  void filterChosen();
  // The selected rows and a copy of the first one.
  struct Selection {
    std::vector<int32_t> rows;
    CExtraItem first;
  };
  // The steps before an attribute dialog (EnhanceProductsModel); nullopt
  // when the dialog is not to open.
  std::optional<Selection> beginSet(ProductAttribute attribute);
  // The buttons that set one attribute, each through its dialog.
  void setLink();
  void setPicture();
  void setFeaturedItem();
  void setPublishItem();
  void setDownloadItem();
  std::vector<ProductTableModel::Column> columns();

  ProductTableStep& model_;
  EnhanceProductsModel& enhance_;
  ChangeNotifier::SubscriptionId enhanceSubscription_;
  ThumbnailCache thumbnails_;
  QComboBox* filter_;
  ProductTableModel* rows_;
  QTableView* grid_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_ENHANCE_PRODUCTS_VIEW_H_
