#ifndef QUORVEX_UI_EXTRA_PICTURES_GROUP_H_
#define QUORVEX_UI_EXTRA_PICTURES_GROUP_H_

#include <QGroupBox>

class QTableWidget;

namespace quorvex {
class CFullPage;
class PageLayoutStep;
}  // namespace quorvex

namespace quorvex::ui {

// The page's additional pictures, shown by its template as $[image1],
// $[image2], ...: one row each with the picture's file, whether it is
// resized and its width, and buttons that add, change and remove pictures
// through the step.
class ExtraPicturesGroup : public QGroupBox {
  Q_OBJECT

 public:
  // `step` and `page` (a page of step.pages) must outlive the group.
  ExtraPicturesGroup(PageLayoutStep& step, CFullPage& page, QWidget* parent = nullptr);

  // Shows the page's pictures again, keeping the selected row.
  void refresh();

 private:
  PageLayoutStep& step_;
  CFullPage& page_;
  QTableWidget* table_;
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_EXTRA_PICTURES_GROUP_H_
