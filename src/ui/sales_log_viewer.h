#ifndef QUORVEX_UI_SALES_LOG_VIEWER_H_
#define QUORVEX_UI_SALES_LOG_VIEWER_H_

#include <QDialog>
#include <filesystem>

namespace quorvex::ui {

// "Sales Logs": the four accumulated logs of a site folder, one table per
// tab, read when the window opens.
class SalesLogViewer : public QDialog {
  Q_OBJECT

 public:
  SalesLogViewer(const std::filesystem::path& siteFolder, QWidget* parent);
};

}  // namespace quorvex::ui

#endif  // QUORVEX_UI_SALES_LOG_VIEWER_H_
